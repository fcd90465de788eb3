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
    // The working, one line a step in the order computed: what korvala-calc answers and what
    // the computed boxes offer.
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
         {"D = √(H² + 4·R²) = √(1² + 4·1²) = 2.2360680", "S = 2π·R·H = 2π·1·1 = 6.2831853",
          "V = π·R²·H = π·1²·1 = 3.1415927"}},
        {ProblemType::RD,
         {"1", "", "3", "", ""},
         {"1.0000000", "2.2360680", "3.0000000", "14.0496295", "7.0248147"},
         {"1.00000", "2.23606", "3.00000", "14.0496", "7.02481"},
         {"H = √(D² − 4·R²) = √(3² − 4·1²) = 2.2360680", "S = 2π·R·H = 2π·1·2.236068 = 14.0496295",
          "V = π·R²·H = π·1²·2.236068 = 7.0248147"}},
        {ProblemType::RS,
         {"2", "", "", "10", ""},
         {"2.0000000", "0.7957747", "4.0783891", "10.0000000", "10.0000000"},
         {"2.00000", "0.79577", "4.07838", "10.0000", "10.0000"},
         {"H = S / (2π·R) = 10 / (2π·2) = 0.7957747",
          "D = √(H² + 4·R²) = √(0.7957747² + 4·2²) = 4.0783891",
          "V = π·R²·H = π·2²·0.7957747 = 10.0000000"}},
        {ProblemType::RV,
         {"1", "", "", "", "1"},
         {"1.0000000", "0.3183099", "2.0251719", "2.0000000", "1.0000000"},
         {"1.00000", "0.31830", "2.02517", "2.00000", "1.00000"},
         {"H = V / (π·R²) = 1 / (π·1²) = 0.3183099",
          "D = √(4·R² + H²) = √(4·1² + 0.3183099²) = 2.0251719",
          "S = 2π·R·H = 2π·1·0.3183099 = 2.0000000"}},
        {ProblemType::HD,
         {"", "3", "5", "", ""},
         {"2.0000000", "3.0000000", "5.0000000", "37.6991118", "37.6991118"},
         {"2.00000", "3.00000", "5.00000", "37.6991", "37.6991"},
         {"R = √(D² − H²) / 2 = √(5² − 3²) / 2 = 2.0000000", "S = 2π·R·H = 2π·2·3 = 37.6991118",
          "V = π·R²·H = π·2²·3 = 37.6991118"}},
        {ProblemType::HS,
         {"", "1", "", "1", ""},
         {"0.1591549", "1.0000000", "1.0494385", "1.0000000", "0.0795775"},
         {"0.15915", "1.00000", "1.04943", "1.00000", "0.07957"},
         {"R = S / (2π·H) = 1 / (2π·1) = 0.1591549",
          "D = √(H² + 4·R²) = √(1² + 4·0.1591549²) = 1.0494385",
          "V = π·R²·H = π·0.1591549²·1 = 0.0795775"}},
        {ProblemType::HV,
         {"", "1", "", "", "1"},
         {"0.5641896", "1.0000000", "1.5077266", "3.5449077", "1.0000000"},
         {"0.56418", "1.00000", "1.50772", "3.54490", "1.00000"},
         {"R = √(V / (π·H)) = √(1 / (π·1)) = 0.5641896",
          "D = √(H² + 4·R²) = √(1² + 4·0.5641896²) = 1.5077266",
          "S = 2π·R·H = 2π·0.5641896·1 = 3.5449077"}},
        {ProblemType::DS,
         {"", "", "5", "10", ""},
         {"0.3209661", "4.9586211", "5.0000000", "10.0000000", "1.6048307"},
         {"0.32096", "4.95862", "5.00000", "10.0000", "1.60483"},
         {"T = √(D² + 2·S / π) = √(5² + 2·10 / π) = 5.6005533",
          "R = (π·T − √(π²·T² − 4·π·S)) / (4π) = "
          "(π·5.6005533 − √(π²·5.6005533² − 4·π·10)) / (4π) = 0.3209661",
          "H = √(D² − 4·R²) = √(5² − 4·0.3209661²) = 4.9586211",
          "V = π·R²·H = π·0.3209661²·4.9586211 = 1.6048307"}},
        {ProblemType::SV,
         {"", "", "", "10", "10"},
         {"2.0000000", "0.7957747", "4.0783891", "10.0000000", "10.0000000"},
         {"2.00000", "0.79577", "4.07838", "10.0000", "10.0000"},
         {"R = 2·V / S = 2·10 / 10 = 2.0000000", "H = S / (2π·R) = 10 / (2π·2) = 0.7957747",
          "D = √(H² + 4·R²) = √(0.7957747² + 4·2²) = 4.0783891"}},
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
    return offered;
}

struct WorkingExample {
    calc::ProblemType type;
    Texts typed;
    std::vector<std::string> steps;
};

// The working written with the decimal comma and no grouping, character for character.
inline const std::array<WorkingExample, 2>& decimalCommaWorking() {
    using calc::ProblemType;
    static const std::array<WorkingExample, 2> examples{{
        {ProblemType::RH,
         {"1", "1", "", "", ""},
         {"D = √(H² + 4·R²) = √(1² + 4·1²) = 2,2360680", "S = 2π·R·H = 2π·1·1 = 6,2831853",
          "V = π·R²·H = π·1²·1 = 3,1415927"}},
        {ProblemType::RS,
         {"2", "", "", "10", ""},
         {"H = S / (2π·R) = 10 / (2π·2) = 0,7957747",
          "D = √(H² + 4·R²) = √(0,7957747² + 4·2²) = 4,0783891",
          "V = π·R²·H = π·2²·0,7957747 = 10,0000000"}},
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

inline const std::array<DeclineExample, 7>& declineExamples() {
    using calc::ProblemType;
    static const std::array<DeclineExample, 7> examples{{
        {"Zero", ProblemType::RH, {"0", "1", "", "", ""}},
        {"Negative", ProblemType::RH, {"-1", "1", "", "", ""}},
        {"NegativeVolume", ProblemType::HV, {"", "1", "", "", "-2"}},
        {"Empty", ProblemType::RH, {"", "1", "", "", ""}},
        {"NotANumber", ProblemType::RH, {"1", "abc", "", "", ""}},
        {"UnderflowsToZero", ProblemType::RH, {"1E-400", "1", "", "", ""}},
        {"BothEmpty", ProblemType::RH, {"", "", "", "", ""}},
    }};
    return examples;
}

} // namespace korvala::test
