// The worked examples, the run-time error table and the declines: what a user types and what the
// program must answer, with the POSIX settings, its working included; and the working with a
// decimal comma. One table for the core, window and command-line tests.
#pragma once

#include "calc/problem_type.hpp"
#include "calc/quantity.hpp"
#include "form/words.hpp"
#include "runtime/run_time_error.hpp"

#include <array>
#include <ostream>
#include <string>
#include <vector>

namespace korvala::test {

using Texts = std::array<std::string, calc::kQuantityCount>;

struct WorkedExample {
    calc::ProblemType type;
    Texts typed;
    Texts texts; // the full seven-decimal texts
    Texts shown; // what the seven-character value boxes show
    Texts exact; // each value's exact form in school notation, "" where it has none
    // The base B and the total surface S₁: seven decimals, then the exact form or "".
    std::array<std::string, 2> base;
    std::array<std::string, 2> total;
    // The working, one line a step in the order computed, B's and S₁'s last: what korvala-calc
    // answers and what the computed boxes offer (the S box B's and S₁'s after its own).
    std::vector<std::string> steps;
};

struct ErrorExample {
    const char* name;
    calc::ProblemType type;
    Texts typed; // only the given pair holds text, as in the window
    runtime::ErrorNumber error;
};

// A given value that is not a positive number, or is missing: the calculation declines without a
// word and the window keeps what the user typed.
struct DeclineExample {
    const char* name;
    calc::ProblemType type;
    Texts typed;
};

// A parameterised case named after its example.
inline const auto kNameOfExample = [](const auto& info) { return std::string(info.param.name); };

inline void PrintTo(const WorkedExample& example, std::ostream* os) {
    *os << form::listEntryOf(example.type);
}

inline void PrintTo(const ErrorExample& example, std::ostream* os) {
    *os << example.name;
}

inline void PrintTo(const DeclineExample& example, std::ostream* os) {
    *os << example.name;
}

// Indexed by problem type.
inline const std::array<WorkedExample, calc::kProblemTypeCount>& workedExamples() {
    using calc::ProblemType;
    static const std::array<WorkedExample, calc::kProblemTypeCount> examples{{
        {ProblemType::RH,
         {"1", "1", "", "", ""},
         {"1.0000000", "1.0000000", "2.2360680", "6.2831853", "3.1415927"},
         {"1.00000", "1.00000", "2.23606", "6.28318", "3.14159"},
         {"1", "1", "√5", "2π", "π"},
         {"3.1415927", "π"},
         {"12.5663706", "4π"},
         {"D = √(H² + 4·R²) = √(1² + 4·1²) = √5 ≈ 2.2360680",
          "S = 2π·R·H = 2π·1·1 = 2π ≈ 6.2831853", "V = π·R²·H = π·1²·1 = π ≈ 3.1415927",
          "B = π·R² = π·1² = π ≈ 3.1415927",
          "S₁ = S + 2·B = 6.2831853 + 2·3.1415927 = 4π ≈ 12.5663706"}},
        {ProblemType::RD,
         {"1", "", "3", "", ""},
         {"1.0000000", "2.2360680", "3.0000000", "14.0496295", "7.0248147"},
         {"1.00000", "2.23606", "3.00000", "14.0496", "7.02481"},
         {"1", "√5", "3", "2π√5", "π√5"},
         {"3.1415927", "π"},
         {"20.3328148", "π(2√5 + 2)"},
         {"H = √(D² − 4·R²) = √(3² − 4·1²) = √5 ≈ 2.2360680",
          "S = 2π·R·H = 2π·1·2.236068 = 2π√5 ≈ 14.0496295",
          "V = π·R²·H = π·1²·2.236068 = π√5 ≈ 7.0248147", "B = π·R² = π·1² = π ≈ 3.1415927",
          "S₁ = S + 2·B = 14.0496295 + 2·3.1415927 = π(2√5 + 2) ≈ 20.3328148"}},
        {ProblemType::RS,
         {"2", "", "", "10", ""},
         {"2.0000000", "0.7957747", "4.0783891", "10.0000000", "10.0000000"},
         {"2.00000", "0.79577", "4.07838", "10.0000", "10.0000"},
         {"2", "5/(2π)", "", "10", "10"},
         {"12.5663706", "4π"},
         {"35.1327412", ""},
         {"H = S / (2π·R) = 10 / (2π·2) = 5/(2π) ≈ 0.7957747",
          "D = √(H² + 4·R²) = √(0.7957747² + 4·2²) = 4.0783891",
          "V = π·R²·H = π·2²·0.7957747 = 10.0000000", "B = π·R² = π·2² = 4π ≈ 12.5663706",
          "S₁ = S + 2·B = 10 + 2·12.5663706 = 35.1327412"}},
        {ProblemType::RV,
         {"1", "", "", "", "1"},
         {"1.0000000", "0.3183099", "2.0251719", "2.0000000", "1.0000000"},
         {"1.00000", "0.31830", "2.02517", "2.00000", "1.00000"},
         {"1", "1/π", "", "2", "1"},
         {"3.1415927", "π"},
         {"8.2831853", ""},
         {"H = V / (π·R²) = 1 / (π·1²) = 1/π ≈ 0.3183099",
          "D = √(4·R² + H²) = √(4·1² + 0.3183099²) = 2.0251719",
          "S = 2π·R·H = 2π·1·0.3183099 = 2.0000000", "B = π·R² = π·1² = π ≈ 3.1415927",
          "S₁ = S + 2·B = 2 + 2·3.1415927 = 8.2831853"}},
        {ProblemType::HD,
         {"", "3", "5", "", ""},
         {"2.0000000", "3.0000000", "5.0000000", "37.6991118", "37.6991118"},
         {"2.00000", "3.00000", "5.00000", "37.6991", "37.6991"},
         {"2", "3", "5", "12π", "12π"},
         {"12.5663706", "4π"},
         {"62.8318531", "20π"},
         {"R = √(D² − H²) / 2 = √(5² − 3²) / 2 = 2.0000000",
          "S = 2π·R·H = 2π·2·3 = 12π ≈ 37.6991118", "V = π·R²·H = π·2²·3 = 12π ≈ 37.6991118",
          "B = π·R² = π·2² = 4π ≈ 12.5663706",
          "S₁ = S + 2·B = 37.6991118 + 2·12.5663706 = 20π ≈ 62.8318531"}},
        {ProblemType::HS,
         {"", "1", "", "1", ""},
         {"0.1591549", "1.0000000", "1.0494385", "1.0000000", "0.0795775"},
         {"0.15915", "1.00000", "1.04943", "1.00000", "0.07957"},
         {"1/(2π)", "1", "", "1", "1/(4π)"},
         {"0.0795775", "1/(4π)"},
         {"1.1591549", ""},
         {"R = S / (2π·H) = 1 / (2π·1) = 1/(2π) ≈ 0.1591549",
          "D = √(H² + 4·R²) = √(1² + 4·0.1591549²) = 1.0494385",
          "V = π·R²·H = π·0.1591549²·1 = 1/(4π) ≈ 0.0795775",
          "B = π·R² = π·0.1591549² = 1/(4π) ≈ 0.0795775",
          "S₁ = S + 2·B = 1 + 2·0.0795775 = 1.1591549"}},
        {ProblemType::HV,
         {"", "1", "", "", "1"},
         {"0.5641896", "1.0000000", "1.5077266", "3.5449077", "1.0000000"},
         {"0.56418", "1.00000", "1.50772", "3.54490", "1.00000"},
         {"", "1", "", "", "1"},
         {"1.0000000", ""},
         {"5.5449077", ""},
         {"R = √(V / (π·H)) = √(1 / (π·1)) = 0.5641896",
          "D = √(H² + 4·R²) = √(1² + 4·0.5641896²) = 1.5077266",
          "S = 2π·R·H = 2π·0.5641896·1 = 3.5449077", "B = π·R² = π·0.5641896² = 1.0000000",
          "S₁ = S + 2·B = 3.5449077 + 2·1 = 5.5449077"}},
        {ProblemType::DS,
         {"", "", "5", "10", ""},
         {"0.3209661", "4.9586211", "5.0000000", "10.0000000", "1.6048307"},
         {"0.32096", "4.95862", "5.00000", "10.0000", "1.60483"},
         {"", "", "5", "10", ""},
         {"0.3236445", ""},
         {"10.6472891", ""},
         {"T = √(D² + 2·S / π) = √(5² + 2·10 / π) = 5.6005533",
          "R = (π·T − √(π²·T² − 4·π·S)) / (4π) = (π·5.6005533 − √(π²·5.6005533² − 4·π·10)) / (4π) "
          "= 0.3209661",
          "H = √(D² − 4·R²) = √(5² − 4·0.3209661²) = 4.9586211",
          "V = π·R²·H = π·0.3209661²·4.9586211 = 1.6048307", "B = π·R² = π·0.3209661² = 0.3236445",
          "S₁ = S + 2·B = 10 + 2·0.3236445 = 10.6472891"}},
        {ProblemType::SV,
         {"", "", "", "10", "10"},
         {"2.0000000", "0.7957747", "4.0783891", "10.0000000", "10.0000000"},
         {"2.00000", "0.79577", "4.07838", "10.0000", "10.0000"},
         {"2", "5/(2π)", "", "10", "10"},
         {"12.5663706", "4π"},
         {"35.1327412", ""},
         {"R = 2·V / S = 2·10 / 10 = 2.0000000",
          "H = S / (2π·R) = 10 / (2π·2) = 5/(2π) ≈ 0.7957747",
          "D = √(H² + 4·R²) = √(0.7957747² + 4·2²) = 4.0783891",
          "B = π·R² = π·2² = 4π ≈ 12.5663706", "S₁ = S + 2·B = 10 + 2·12.5663706 = 35.1327412"}},
    }};
    return examples;
}

// What the boxes offer after a worked example: a given value its full text, a computed one its
// line, for R of "D S" after the line of T.
inline Texts offeredAfter(const WorkedExample& example) {
    Texts offered = example.texts;
    for (const std::string& line : example.steps) {
        for (const calc::Quantity quantity : calc::kQuantities) {
            if (line.starts_with(std::string(form::letterOf(quantity)) + " = ")) {
                offered.at(calc::indexOf(quantity)) = line;
            }
        }
    }
    if (example.type == calc::ProblemType::DS) {
        std::string& radius = offered.at(calc::indexOf(calc::Quantity::R));
        radius = example.steps.front() + "\n" + radius;
    }
    for (const std::string& line : example.steps) {
        if (line.starts_with("B = ") || line.starts_with("S₁ = ")) {
            offered.at(calc::indexOf(calc::Quantity::S)) += "\n" + line;
        }
    }
    return offered;
}

struct WorkingExample {
    calc::ProblemType type;
    Texts typed;
    std::vector<std::string> steps;
};

// The working written with the decimal comma and no grouping, character for character, the exact
// forms of a typed π among them.
inline const std::array<WorkingExample, 3>& decimalCommaWorking() {
    using calc::ProblemType;
    static const std::array<WorkingExample, 3> examples{{
        {ProblemType::RH,
         {"1", "2,5", "", "", ""},
         {"D = √(H² + 4·R²) = √(2,5² + 4·1²) = √41/2 ≈ 3,2015621",
          "S = 2π·R·H = 2π·1·2,5 = 5π ≈ 15,7079633", "V = π·R²·H = π·1²·2,5 = 5π/2 ≈ 7,8539816",
          "B = π·R² = π·1² = π ≈ 3,1415927",
          "S₁ = S + 2·B = 15,7079633 + 2·3,1415927 = 7π ≈ 21,9911486"}},
        {ProblemType::RS,
         {"2", "", "", "10", ""},
         {"H = S / (2π·R) = 10 / (2π·2) = 5/(2π) ≈ 0,7957747",
          "D = √(H² + 4·R²) = √(0,7957747² + 4·2²) = 4,0783891",
          "V = π·R²·H = π·2²·0,7957747 = 10,0000000", "B = π·R² = π·2² = 4π ≈ 12,5663706",
          "S₁ = S + 2·B = 10 + 2·12,5663706 = 35,1327412"}},
        {ProblemType::DS,
         {"", "", "4", "4π", ""},
         {"T = √(D² + 2·S / π) = √(4² + 2·12,5663706 / π) = 2√6 ≈ 4,8989795",
          "R = (π·T − √(π²·T² − 4·π·S)) / (4π) = (π·4,8989795 − √(π²·4,8989795² − 4·π·12,5663706)) "
          "/ (4π) = (√6 − √2)/2 ≈ 0,5176381",
          "H = √(D² − 4·R²) = √(4² − 4·0,5176381²) = √6 + √2 ≈ 3,8637033",
          "V = π·R²·H = π·0,5176381²·3,8637033 = π(√6 − √2) ≈ 3,2524160",
          "B = π·R² = π·0,5176381² = π(2 − √3) ≈ 0,8417872",
          "S₁ = S + 2·B = 12,5663706 + 2·0,8417872 = π(8 − 2√3) ≈ 14,2499450"}},
    }};
    return examples;
}

inline const std::array<ErrorExample, 7>& errorExamples() {
    using calc::ProblemType;
    using runtime::ErrorNumber;
    static const std::array<ErrorExample, 7> examples{{
        {"DiagonalShorterThanTwoRadii",
         ProblemType::RD,
         {"2", "", "3", "", ""},
         ErrorNumber::InvalidArgument},
        {"DiagonalShorterThanHeight",
         ProblemType::HD,
         {"", "5", "3", "", ""},
         ErrorNumber::InvalidArgument},
        {"AreaTooLargeForDiagonal",
         ProblemType::DS,
         {"", "", "1", "2", ""},
         ErrorNumber::InvalidArgument},
        {"HugeRadiusOverflows", ProblemType::RH, {"1E200", "1", "", "", ""}, ErrorNumber::Overflow},
        {"TypedNumberBeyondRange",
         ProblemType::RH,
         {"1E400", "1", "", "", ""},
         ErrorNumber::Overflow},
        {"RadiusSquaredUnderflows",
         ProblemType::RV,
         {"1E-200", "", "", "", "1"},
         ErrorNumber::DivisionByZero},
        {"RadiusUnderflowsToZero",
         ProblemType::SV,
         {"", "", "", "1E300", "1E-300"},
         ErrorNumber::DivisionByZero},
    }};
    return examples;
}

inline const std::array<DeclineExample, 9>& declineExamples() {
    using calc::ProblemType;
    static const std::array<DeclineExample, 9> examples{{
        {"Zero", ProblemType::RH, {"0", "1", "", "", ""}},
        {"Negative", ProblemType::RH, {"-1", "1", "", "", ""}},
        {"NegativeVolume", ProblemType::HV, {"", "1", "", "", "-2"}},
        {"Empty", ProblemType::RH, {"", "1", "", "", ""}},
        {"NotANumber", ProblemType::RH, {"1", "abc", "", "", ""}},
        {"UnderflowsToZero", ProblemType::RH, {"1E-400", "1", "", "", ""}},
        {"BothEmpty", ProblemType::RH, {"", "", "", "", ""}},
        {"NegativePi", ProblemType::RS, {"-5π", "", "", "1", ""}},
        {"ZeroTimesPi", ProblemType::HS, {"", "1", "", "0pi", ""}},
    }};
    return examples;
}

} // namespace korvala::test
