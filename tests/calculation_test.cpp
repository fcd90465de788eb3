#include "calc/calculation.hpp"
#include "form/value_box.hpp"
#include "runtime/number_format.hpp"
#include "settings_matrix.hpp"
#include "worked_examples.hpp"

#include <array>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace korvala::calc {
namespace {

using runtime::ErrorNumber;
using test::Texts;

// The five rows as the window holds them after a problem type is applied and two values typed.
CalculationInput rowsFor(ProblemType type, const Texts& texts) {
    CalculationInput input;
    input.type = type;
    const GivenPair pair = givenPairOf(type);
    input.checks[indexOf(pair.first)] = true;
    input.checks[indexOf(pair.second)] = true;
    for (std::size_t i = 0; i < kQuantityCount; ++i) {
        input.texts[i] = texts[i];
    }
    return input;
}

Texts shownTexts(const Completed& completed, const runtime::NumberSettings& settings) {
    Texts shown;
    for (std::size_t i = 0; i < kQuantityCount; ++i) {
        shown[i] = form::shownText(completed.values[i], settings);
    }
    return shown;
}

std::vector<std::string> linesOf(const Completed& completed) {
    std::vector<std::string> lines;
    for (const StepLine& line : completed.steps) {
        lines.push_back(line.text);
    }
    return lines;
}

using test::ErrorExample;
using test::WorkedExample;

class WorkedExamples : public testing::TestWithParam<WorkedExample> {};

TEST_P(WorkedExamples, CompleteTheCylinderToTheLastDigit) {
    const WorkedExample& example = GetParam();
    const auto settings = runtime::posixNumberSettings();
    const auto outcome = calculate(rowsFor(example.type, example.typed), settings);
    const auto* completed = std::get_if<Completed>(&outcome);
    ASSERT_NE(completed, nullptr);
    EXPECT_EQ(completed->texts, example.texts);
    EXPECT_EQ(shownTexts(*completed, settings), example.shown);
    EXPECT_EQ(linesOf(*completed), example.steps);
    Texts exact;
    for (std::size_t i = 0; i < kQuantityCount; ++i) {
        exact[i] = completed->exact[i].value_or("");
    }
    EXPECT_EQ(exact, example.exact);
    ASSERT_TRUE(completed->base && completed->total);
    EXPECT_EQ(completed->base->text, example.base[0]);
    EXPECT_EQ(completed->base->exact.value_or(""), example.base[1]);
    EXPECT_EQ(completed->total->text, example.total[0]);
    EXPECT_EQ(completed->total->exact.value_or(""), example.total[1]);
}

TEST(Working, FollowsTheDecimalComma) {
    for (const test::WorkingExample& example : test::decimalCommaWorking()) {
        const auto outcome =
            calculate(rowsFor(example.type, example.typed), test::makeSettings(",", "", {}));
        ASSERT_TRUE(std::holds_alternative<Completed>(outcome));
        EXPECT_EQ(linesOf(std::get<Completed>(outcome)), example.steps);
    }
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

// The largest results must read back too: a scientific form rounded up past the double range
// would make the second press an overflow.
TEST(SecondPress, KeepsAResultJustBelowTheLargestDouble) {
    for (const auto& [name, settings] : test::settingsMatrix()) {
        SCOPED_TRACE(name);
        const auto first =
            calculate(rowsFor(ProblemType::RH, {"1E100", "5.7E107", "", "", ""}), settings);
        ASSERT_TRUE(std::holds_alternative<Completed>(first));
        const Texts shown = shownTexts(std::get<Completed>(first), settings);
        const auto second = calculate(rowsFor(ProblemType::RH, shown), settings);
        ASSERT_TRUE(std::holds_alternative<Completed>(second)) << shown[4];
        EXPECT_EQ(shownTexts(std::get<Completed>(second), settings), shown);
    }
}

INSTANTIATE_TEST_SUITE_P(NinePairs, WorkedExamples, testing::ValuesIn(test::workedExamples()),
                         [](const testing::TestParamInfo<WorkedExample>& info) {
                             std::string name(form::listEntryOf(info.param.type));
                             name.erase(1, 1);
                             return name;
                         });

class RunTimeErrors : public testing::TestWithParam<ErrorExample> {};

TEST_P(RunTimeErrors, EndTheCalculationWithTheirNumber) {
    const ErrorExample& example = GetParam();
    const auto outcome =
        calculate(rowsFor(example.type, example.typed), runtime::posixNumberSettings());
    const auto* failed = std::get_if<Failed>(&outcome);
    ASSERT_NE(failed, nullptr);
    EXPECT_EQ(failed->error, example.error);
}

INSTANTIATE_TEST_SUITE_P(ErrorTable, RunTimeErrors, testing::ValuesIn(test::errorExamples()),
                         test::kNameOfExample);

// Rows the window keeps locked: every text is read, given or not.
INSTANTIATE_TEST_SUITE_P(LockedRows, RunTimeErrors,
                         testing::Values(ErrorExample{"UncheckedRowIsParsedToo",
                                                      ProblemType::RH,
                                                      {"1", "1", "", "", "1E400"},
                                                      ErrorNumber::Overflow},
                                         ErrorExample{"ParseErrorBeatsDecline",
                                                      ProblemType::RH,
                                                      {"0", "1", "1E400", "", ""},
                                                      ErrorNumber::Overflow}),
                         test::kNameOfExample);

class Declines : public testing::TestWithParam<test::DeclineExample> {};

TEST_P(Declines, WhenAGivenValueIsNotPositive) {
    const test::DeclineExample& example = GetParam();
    const auto outcome =
        calculate(rowsFor(example.type, example.typed), runtime::posixNumberSettings());
    EXPECT_TRUE(std::holds_alternative<Declined>(outcome));
}

INSTANTIATE_TEST_SUITE_P(NotPositive, Declines, testing::ValuesIn(test::declineExamples()),
                         test::kNameOfExample);

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
    test::kNameOfExample);

TEST(EdgeCasesAtFullPrecision, DiagonalAndAreaOfTheFirstExampleGiveTheSwappedCylinder) {
    const auto settings = runtime::posixNumberSettings();
    const auto first = calculate(rowsFor(ProblemType::RH, {"1", "1", "", "", ""}), settings);
    const Cylinder& values = std::get<Completed>(first).values;
    const SymbolValues swapped =
        solve(ProblemType::DS, values[indexOf(Quantity::D)], values[indexOf(Quantity::S)]);
    EXPECT_EQ(runtime::formatSevenDecimals(swapped[indexOf(Quantity::R)], settings), "0.5000000");
    EXPECT_EQ(runtime::formatSevenDecimals(swapped[indexOf(Quantity::H)], settings), "2.0000000");
    EXPECT_EQ(runtime::formatSevenDecimals(swapped[indexOf(Quantity::V)], settings), "1.5707963");
}

} // namespace
} // namespace korvala::calc
