#include "form/content.hpp"
#include "runtime/checked_arithmetic.hpp"
#include "runtime/run_time_error.hpp"

#include <array>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <string_view>
#include <utility>

namespace korvala::runtime {
namespace {

constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kTiny = std::numeric_limits<double>::denorm_min();

struct ArithmeticCase {
    const char* name;
    std::function<double()> operation;
    std::optional<double> result;
    std::optional<ErrorNumber> error;
};

class CheckedArithmetic : public testing::TestWithParam<ArithmeticCase> {};

TEST_P(CheckedArithmetic, GivesTheRoundedResultOrItsError) {
    const ArithmeticCase& c = GetParam();
    if (c.error) {
        try {
            (void)c.operation();
            FAIL() << "expected run-time error " << static_cast<int>(*c.error);
        } catch (const RunTimeError& error) {
            EXPECT_EQ(error.number(), *c.error);
        }
    } else {
        // Equality alone would take -0.0 for 0.0.
        const double result = c.operation();
        EXPECT_EQ(result, *c.result);
        EXPECT_EQ(std::signbit(result), std::signbit(*c.result));
    }
}

using namespace checked;

INSTANTIATE_TEST_SUITE_P(
    Operations, CheckedArithmetic,
    testing::Values(
        ArithmeticCase{"AddRoundsToNearest", [] { return add(0.1, 0.2); }, 0.30000000000000004, {}},
        ArithmeticCase{"AddOverflows", [] { return add(kMax, kMax); }, {}, ErrorNumber::Overflow},
        ArithmeticCase{
            "SubtractOverflows", [] { return subtract(-kMax, kMax); }, {}, ErrorNumber::Overflow},
        ArithmeticCase{"SubtractToNegative", [] { return subtract(1.0, 3.0); }, -2.0, {}},
        ArithmeticCase{
            "MultiplyOverflows", [] { return multiply(1e200, 4e200); }, {}, ErrorNumber::Overflow},
        ArithmeticCase{
            "MultiplyUnderflowsToZeroSilently", [] { return multiply(1e-200, 1e-200); }, 0.0, {}},
        ArithmeticCase{
            "MultiplyKeepsSubnormals", [] { return multiply(kTiny, 3.0); }, 3 * kTiny, {}},
        ArithmeticCase{
            "DivideByZero", [] { return divide(1.0, 0.0); }, {}, ErrorNumber::DivisionByZero},
        ArithmeticCase{"DivideByNegativeZero",
                       [] { return divide(1.0, -0.0); },
                       {},
                       ErrorNumber::DivisionByZero},
        ArithmeticCase{
            "DivideOverflows", [] { return divide(1e300, 1e-300); }, {}, ErrorNumber::Overflow},
        ArithmeticCase{"DivideRounds", [] { return divide(1.0, 3.0); }, 1.0 / 3.0, {}},
        ArithmeticCase{"SquareRootOfNegative",
                       [] { return squareRoot(-1e-300); },
                       {},
                       ErrorNumber::InvalidArgument},
        ArithmeticCase{
            "SquareRootOfNegativeZeroIsNegativeZero", [] { return squareRoot(-0.0); }, -0.0, {}},
        ArithmeticCase{
            "SquareRootIsCorrectlyRounded", [] { return squareRoot(2.0); }, 1.4142135623730951, {}},
        ArithmeticCase{"StepWithInfinityOverflows",
                       [] { return checkedStep(std::numeric_limits<double>::infinity()); },
                       {},
                       ErrorNumber::Overflow},
        ArithmeticCase{"StepWithNaNIsInvalid",
                       [] { return checkedStep(std::numeric_limits<double>::quiet_NaN()); },
                       {},
                       ErrorNumber::InvalidArgument},
        ArithmeticCase{"StepPassesFiniteValues", [] { return checkedStep(2.5); }, 2.5, {}}),
    [](const testing::TestParamInfo<ArithmeticCase>& info) { return info.param.name; });

// The message the user meets: the window's caption as its title, the number and the words.
TEST(RunTimeErrorMessages, EachErrorHasItsNumberAndBulgarianWords) {
    const std::array<std::pair<ErrorNumber, std::string_view>, 3> messages{{
        {ErrorNumber::InvalidArgument, "Грешка по време на изпълнение 5:\n\n"
                                       "Невалидно извикване на процедура или аргумент"},
        {ErrorNumber::Overflow, "Грешка по време на изпълнение 6:\n\nПрепълване"},
        {ErrorNumber::DivisionByZero, "Грешка по време на изпълнение 11:\n\nДеление на нула"},
    }};
    for (const auto& [number, text] : messages) {
        const form::content::ErrorMessage message = form::content::runTimeErrorMessage(number);
        EXPECT_EQ(message.title, "korvala.example Korvala");
        EXPECT_EQ(message.text, text);
    }
}

} // namespace
} // namespace korvala::runtime
