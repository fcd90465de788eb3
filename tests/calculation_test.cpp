#include "calc/calculation.hpp"
#include "calc/value_box.hpp"
#include "runtime/number_format.hpp"
#include "settings_matrix.hpp"

#include <array>
#include <gtest/gtest.h>
#include <string>

namespace korvala::calc {
namespace {

using runtime::ErrorNumber;
using Texts = std::array<std::string, kQuantityCount>;

// The five rows as the window holds them after a problem type is applied and two values typed.
CalculationInput rowsFor(ProblemType type, const Texts& texts) {
    CalculationInput input;
    input.type = type;
    const GivenPair pair = givenPairOf(type);
    input.checks[indexOf(pair.first)] = 1;
    input.checks[indexOf(pair.second)] = 1;
    for (std::size_t i = 0; i < kQuantityCount; ++i) {
        input.texts[i] = texts[i];
    }
    return input;
}

Texts shownTexts(const Completed& completed, const runtime::NumberSettings& settings) {
    Texts shown;
    for (std::size_t i = 0; i < kQuantityCount; ++i) {
        shown[i] = shownText(completed.values[i], settings);
    }
    return shown;
}

struct WorkedExample {
    ProblemType type;
    Texts typed;
    Texts texts;
    Texts shown;
};

void PrintTo(const WorkedExample& c, std::ostream* os) {
    *os << listEntryOf(c.type);
}

const std::array<WorkedExample, 9> kWorkedExamples{{
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

class WorkedExamples : public testing::TestWithParam<WorkedExample> {};

TEST_P(WorkedExamples, CompleteTheCylinderToTheLastDigit) {
    const WorkedExample& example = GetParam();
    const auto settings = runtime::posixNumberSettings();
    const auto outcome = calculate(rowsFor(example.type, example.typed), settings);
    const auto* completed = std::get_if<Completed>(&outcome);
    ASSERT_NE(completed, nullptr);
    EXPECT_EQ(completed->texts, example.texts);
    EXPECT_EQ(shownTexts(*completed, settings), example.shown);
}

TEST_P(WorkedExamples, SecondPressGivesTheSameCylinderInEveryRegionalStyle) {
    const WorkedExample& example = GetParam();
    for (const auto& [name, settings] : test::settingsMatrix()) {
        SCOPED_TRACE(name);
        const auto first = calculate(rowsFor(example.type, example.typed), settings);
        ASSERT_TRUE(std::holds_alternative<Completed>(first));
        const Texts shown = shownTexts(std::get<Completed>(first), settings);
        const auto second = calculate(rowsFor(example.type, shown), settings);
        ASSERT_TRUE(std::holds_alternative<Completed>(second));
        EXPECT_EQ(shownTexts(std::get<Completed>(second), settings), shown);
    }
}

INSTANTIATE_TEST_SUITE_P(NinePairs, WorkedExamples, testing::ValuesIn(kWorkedExamples),
                         [](const testing::TestParamInfo<WorkedExample>& info) {
                             std::string name(listEntryOf(info.param.type));
                             name.erase(1, 1);
                             return name;
                         });

struct ErrorExample {
    const char* name;
    ProblemType type;
    Texts typed;
    ErrorNumber error;
};

void PrintTo(const ErrorExample& c, std::ostream* os) {
    *os << c.name;
}

class RunTimeErrors : public testing::TestWithParam<ErrorExample> {};

TEST_P(RunTimeErrors, EndTheCalculationWithTheirNumber) {
    const ErrorExample& example = GetParam();
    const auto outcome =
        calculate(rowsFor(example.type, example.typed), runtime::posixNumberSettings());
    const auto* failed = std::get_if<Failed>(&outcome);
    ASSERT_NE(failed, nullptr);
    EXPECT_EQ(failed->error, example.error);
}

INSTANTIATE_TEST_SUITE_P(ErrorTable, RunTimeErrors,
                         testing::Values(ErrorExample{"DiagonalShorterThanTwoRadii",
                                                      ProblemType::RD,
                                                      {"2", "", "3", "", ""},
                                                      ErrorNumber::InvalidArgument},
                                         ErrorExample{"DiagonalShorterThanHeight",
                                                      ProblemType::HD,
                                                      {"", "5", "3", "", ""},
                                                      ErrorNumber::InvalidArgument},
                                         ErrorExample{"AreaTooLargeForDiagonal",
                                                      ProblemType::DS,
                                                      {"", "", "1", "2", ""},
                                                      ErrorNumber::InvalidArgument},
                                         ErrorExample{"HugeRadiusOverflows",
                                                      ProblemType::RH,
                                                      {"1E200", "1", "", "", ""},
                                                      ErrorNumber::Overflow},
                                         ErrorExample{"TypedNumberBeyondRange",
                                                      ProblemType::RH,
                                                      {"1E400", "1", "", "", ""},
                                                      ErrorNumber::Overflow},
                                         ErrorExample{"UncheckedRowIsParsedToo",
                                                      ProblemType::RH,
                                                      {"1", "1", "", "", "1E400"},
                                                      ErrorNumber::Overflow},
                                         ErrorExample{"ParseErrorBeatsDecline",
                                                      ProblemType::RH,
                                                      {"0", "1", "1E400", "", ""},
                                                      ErrorNumber::Overflow},
                                         ErrorExample{"RadiusSquaredUnderflows",
                                                      ProblemType::RV,
                                                      {"1E-200", "", "", "", "1"},
                                                      ErrorNumber::DivisionByZero},
                                         ErrorExample{"RadiusUnderflowsToZero",
                                                      ProblemType::SV,
                                                      {"", "", "", "1E300", "1E-300"},
                                                      ErrorNumber::DivisionByZero}),
                         [](const testing::TestParamInfo<ErrorExample>& info) {
                             return info.param.name;
                         });

struct DeclineExample {
    const char* name;
    Texts typed;
};

void PrintTo(const DeclineExample& c, std::ostream* os) {
    *os << c.name;
}

class Declines : public testing::TestWithParam<DeclineExample> {};

TEST_P(Declines, WhenAGivenValueIsNotPositive) {
    const auto outcome =
        calculate(rowsFor(ProblemType::RH, GetParam().typed), runtime::posixNumberSettings());
    EXPECT_TRUE(std::holds_alternative<Declined>(outcome));
}

INSTANTIATE_TEST_SUITE_P(
    NotPositive, Declines,
    testing::Values(DeclineExample{"Zero", {"0", "1", "", "", ""}},
                    DeclineExample{"Negative", {"1", "-2", "", "", ""}},
                    DeclineExample{"Empty", {"", "1", "", "", ""}},
                    DeclineExample{"NotANumber", {"abc", "1", "", "", ""}},
                    DeclineExample{"UnderflowsToZero", {"1E-400", "1", "", "", ""}},
                    DeclineExample{"BothEmpty", {"", "", "", "", ""}}),
    [](const testing::TestParamInfo<DeclineExample>& info) { return info.param.name; });

struct EdgeExample {
    const char* name;
    ProblemType type;
    Texts typed;
    Texts texts;
};

void PrintTo(const EdgeExample& c, std::ostream* os) {
    *os << c.name;
}

class EdgeCases : public testing::TestWithParam<EdgeExample> {};

TEST_P(EdgeCases, Complete) {
    const EdgeExample& example = GetParam();
    const auto outcome =
        calculate(rowsFor(example.type, example.typed), runtime::posixNumberSettings());
    ASSERT_TRUE(std::holds_alternative<Completed>(outcome));
    EXPECT_EQ(std::get<Completed>(outcome).texts, example.texts);
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, EdgeCases,
    testing::Values(EdgeExample{"LeadingNumberIsTaken",
                                ProblemType::RH,
                                {"2abc", "1E3", "", "", ""},
                                {"2.0000000", "1000.0000000", "1000.0080000", "12566.3706144",
                                 "12566.3706144"}},
                    EdgeExample{
                        "DecimalCommaIsNotReadInPosix",
                        ProblemType::RH,
                        {"2,5", "1", "", "", ""},
                        {"2.0000000", "1.0000000", "4.1231056", "12.5663706", "12.5663706"}},
                    EdgeExample{"UncheckedRowsPlayNoPart",
                                ProblemType::RH,
                                {"1", "1", "-5", "x", "7"},
                                {"1.0000000", "1.0000000", "2.2360680", "6.2831853", "3.1415927"}},
                    EdgeExample{"DiagonalEqualToTwoRadii",
                                ProblemType::RD,
                                {"1", "", "2", "", ""},
                                {"1.0000000", "0.0000000", "2.0000000", "0.0000000", "0.0000000"}},
                    EdgeExample{"DiagonalEqualToHeight",
                                ProblemType::HD,
                                {"", "3", "3", "", ""},
                                {"0.0000000", "3.0000000", "3.0000000", "0.0000000", "0.0000000"}},
                    EdgeExample{"SquareAxialSection",
                                ProblemType::DS,
                                {"", "", "2.8284271247461903", "12.56637061435916", ""},
                                {"1.0000000", "2.0000000", "2.8284271", "12.5663706", "6.2831853"}},
                    EdgeExample{"AreaJustBelowTheLimit",
                                ProblemType::DS,
                                {"", "", "1", "1.5", ""},
                                {"0.2964726", "0.8052429", "1.0000000", "1.5000000", "0.2223544"}}),
    [](const testing::TestParamInfo<EdgeExample>& info) { return info.param.name; });

TEST(EdgeCasesAtFullPrecision, DiagonalAndAreaOfTheFirstExampleGiveTheSwappedCylinder) {
    const auto settings = runtime::posixNumberSettings();
    const auto first = calculate(rowsFor(ProblemType::RH, {"1", "1", "", "", ""}), settings);
    const Cylinder& values = std::get<Completed>(first).values;
    const Cylinder swapped = completeCylinder(ProblemType::DS, values[indexOf(Quantity::D)],
                                              values[indexOf(Quantity::S)]);
    EXPECT_EQ(runtime::formatSevenDecimals(swapped[indexOf(Quantity::R)], settings), "0.5000000");
    EXPECT_EQ(runtime::formatSevenDecimals(swapped[indexOf(Quantity::H)], settings), "2.0000000");
    EXPECT_EQ(runtime::formatSevenDecimals(swapped[indexOf(Quantity::V)], settings), "1.5707963");
}

} // namespace
} // namespace korvala::calc
