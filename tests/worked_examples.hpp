// The worked examples and the run-time error table: what a user types and what the program must
// answer, with the POSIX settings. One table for the core, window and command-line tests.
#pragma once

#include "calc/problem_type.hpp"
#include "calc/quantity.hpp"
#include "form/words.hpp"
#include "runtime/run_time_error.hpp"

#include <array>
#include <ostream>
#include <string>

namespace korvala::test {

using Texts = std::array<std::string, calc::kQuantityCount>;

struct WorkedExample {
    calc::ProblemType type;
    Texts typed;
    Texts texts; // the full seven-decimal texts
    Texts shown; // what the seven-character value boxes show
};

struct ErrorExample {
    const char* name;
    calc::ProblemType type;
    Texts typed; // only the given pair holds text, as in the window
    runtime::ErrorNumber error;
};

inline void PrintTo(const WorkedExample& example, std::ostream* os) {
    *os << form::listEntryOf(example.type);
}

inline void PrintTo(const ErrorExample& example, std::ostream* os) {
    *os << example.name;
}

// Indexed by problem type.
inline const std::array<WorkedExample, calc::kProblemTypeCount>& workedExamples() {
    using calc::ProblemType;
    static const std::array<WorkedExample, calc::kProblemTypeCount> examples{{
        {ProblemType::RH,
         {"1", "1", "", "", ""},
         {"1.0000000", "1.0000000", "2.2360680", "6.2831853", "3.1415927"},
         {"1.00000", "1.00000", "2.23606", "6.28318", "3.14159"}},
        {ProblemType::RD,
         {"1", "", "3", "", ""},
         {"1.0000000", "2.2360680", "3.0000000", "14.0496295", "7.0248147"},
         {"1.00000", "2.23606", "3.00000", "14.0496", "7.02481"}},
        {ProblemType::RS,
         {"2", "", "", "10", ""},
         {"2.0000000", "0.7957747", "4.0783891", "10.0000000", "10.0000000"},
         {"2.00000", "0.79577", "4.07838", "10.0000", "10.0000"}},
        {ProblemType::RV,
         {"1", "", "", "", "1"},
         {"1.0000000", "0.3183099", "2.0251719", "2.0000000", "1.0000000"},
         {"1.00000", "0.31830", "2.02517", "2.00000", "1.00000"}},
        {ProblemType::HD,
         {"", "3", "5", "", ""},
         {"2.0000000", "3.0000000", "5.0000000", "37.6991118", "37.6991118"},
         {"2.00000", "3.00000", "5.00000", "37.6991", "37.6991"}},
        {ProblemType::HS,
         {"", "1", "", "1", ""},
         {"0.1591549", "1.0000000", "1.0494385", "1.0000000", "0.0795775"},
         {"0.15915", "1.00000", "1.04943", "1.00000", "0.07957"}},
        {ProblemType::HV,
         {"", "1", "", "", "1"},
         {"0.5641896", "1.0000000", "1.5077266", "3.5449077", "1.0000000"},
         {"0.56418", "1.00000", "1.50772", "3.54490", "1.00000"}},
        {ProblemType::DS,
         {"", "", "5", "10", ""},
         {"0.3209661", "4.9586211", "5.0000000", "10.0000000", "1.6048307"},
         {"0.32096", "4.95862", "5.00000", "10.0000", "1.60483"}},
        {ProblemType::SV,
         {"", "", "", "10", "10"},
         {"2.0000000", "0.7957747", "4.0783891", "10.0000000", "10.0000000"},
         {"2.00000", "0.79577", "4.07838", "10.0000", "10.0000"}},
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

} // namespace korvala::test
