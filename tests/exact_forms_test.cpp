// Values typed with π, and the exact forms of completed calculations read back as numbers: every
// exact form given for random requests of all nine types, plain, decimal and π inputs among them,
// must equal its value.
#include "calc/calculation.hpp"
#include "calc/constants.hpp"
#include "calc/exact_text.hpp"
#include "calc/typed_value.hpp"
#include "settings_matrix.hpp"

#include <array>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <numbers>
#include <optional>
#include <string>
#include <string_view>

namespace korvala::calc {
namespace {

struct TypedCase {
    const char* text;
    double number; // the value is number·kPi where typed with π, number otherwise
    bool withPi;
    const char* exact;
};

// With the decimal comma, as a Bulgarian student types.
TEST(TypedValue, ANumberFollowedByPiIsThatManyPi) {
    const auto settings = test::makeSettings(",", "", {});
    constexpr std::array<TypedCase, 12> kCases{{
        {"70π", 70, true, "70π"},
        {"2,5pi", 2.5, true, "5π/2"},
        {"π", 1, true, "π"},
        {"PI", 1, true, "π"},
        {" 3 P i", 3, true, "3π"},
        {"-π", -1, true, "−π"},
        {"-5π", -5, true, "−5π"},
        {"7π7", 7, true, "7π"},
        {"π7", 1, true, "π"},
        {"0,1", 0.1, false, "1/10"},
        {"2,5", 2.5, false, "5/2"},
        {"p", 0, false, "0"},
    }};
    for (const TypedCase& c : kCases) {
        const TypedValue typed = readTypedValue(c.text, settings);
        EXPECT_EQ(typed.timesPi, c.withPi ? std::optional(c.number) : std::nullopt) << c.text;
        EXPECT_EQ(typed.value, c.withPi ? c.number * kPi : c.number) << c.text;
        EXPECT_EQ(schoolText(typed.exact), std::optional<std::string>(c.exact)) << c.text;
    }
    EXPECT_THROW((void)readTypedValue("1E308π", settings), runtime::RunTimeError);
}

// Evaluates an exact form's school notation in long double: sums of products of integers, π (with
// a superscript power), √n and parenthesised sums, one "/" a term.
class SchoolTextReader {
public:
    explicit SchoolTextReader(std::string_view text) : rest_(text) {}

    std::optional<long double> whole() {
        const long double value = sum();
        return rest_.empty() && !failed_ ? std::optional(value) : std::nullopt;
    }

private:
    bool take(std::string_view symbol) {
        if (!rest_.starts_with(symbol)) {
            return false;
        }
        rest_.remove_prefix(symbol.size());
        return true;
    }

    long double sum() {
        long double value = term();
        for (;;) {
            if (take(" + ")) {
                value += term();
            } else if (take(" − ")) {
                value -= term();
            } else {
                return value;
            }
        }
    }

    long double term() {
        const bool negative = take("−");
        long double value = product();
        if (take("/")) {
            value /= factor();
        }
        return negative ? -value : value;
    }

    long double product() {
        long double value = factor();
        while (!failed_ && !rest_.empty() && !rest_.starts_with(" ") && !rest_.starts_with("/") &&
               !rest_.starts_with(")")) {
            value *= factor();
        }
        return value;
    }

    long double factor() {
        if (take("(")) {
            const long double inside = sum();
            failed_ = failed_ || !take(")");
            return inside;
        }
        if (take("√")) {
            return std::sqrt(integer());
        }
        if (take("π")) {
            return std::pow(std::numbers::pi_v<long double>, superscript());
        }
        return integer();
    }

    // The power written after π, 1 where none is.
    int superscript() {
        static constexpr std::array<std::string_view, 10> kDigits{"⁰", "¹", "²", "³", "⁴",
                                                                  "⁵", "⁶", "⁷", "⁸", "⁹"};
        int power = 0;
        bool any = false;
        for (bool more = true; more;) {
            more = false;
            for (std::size_t digit = 0; digit < kDigits.size(); ++digit) {
                if (take(kDigits.at(digit))) {
                    power = power * 10 + static_cast<int>(digit);
                    any = more = true;
                }
            }
        }
        return any ? power : 1;
    }

    long double integer() {
        std::size_t length = 0;
        while (length < rest_.size() && rest_[length] >= '0' && rest_[length] <= '9') {
            ++length;
        }
        failed_ = failed_ || length == 0;
        const long double value =
            length == 0 ? 0 : std::stold(std::string(rest_.substr(0, length)));
        rest_.remove_prefix(length);
        return value;
    }

    std::string_view rest_;
    bool failed_ = false;
};

void expectEqualsItsValue(const std::optional<std::string>& exact, double value,
                          const std::string& request) {
    if (!exact) {
        return;
    }
    const std::optional<long double> read = SchoolTextReader(*exact).whole();
    ASSERT_TRUE(read.has_value()) << *exact << " for " << request;
    // The calculator's π has 15 significant digits; its results agree with the true π to ~1e-14.
    EXPECT_NEAR(static_cast<double>(*read), value, 1e-11 * std::max(1.0, std::abs(value)))
        << *exact << " for " << request;
}

TEST(ExactForms, EqualTheirValuesForRandomRequestsOfEveryType) {
    const auto settings = test::makeSettings(",", "", {});
    std::uint64_t state = 20261209;
    const auto next = [&state](std::uint64_t below) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return (state >> 33) % below;
    };
    // A whole number, a number with one decimal, or a multiple of π.
    const auto typedValue = [&next] {
        const std::string whole = std::to_string(1 + next(40));
        switch (next(3)) {
        case 0:
            return whole;
        case 1:
            return whole + "," + std::to_string(next(10));
        default:
            return whole + "π";
        }
    };
    int forms = 0;
    for (int request = 0; request < 3000; ++request) {
        CalculationInput input;
        input.type = static_cast<ProblemType>(request % kProblemTypeCount);
        const GivenPair pair = givenPairOf(input.type);
        std::array<std::string, kQuantityCount> texts;
        for (const Quantity given : {pair.first, pair.second}) {
            texts.at(indexOf(given)) = typedValue();
            input.texts.at(indexOf(given)) = texts.at(indexOf(given));
            input.checks.at(indexOf(given)) = true;
        }
        const auto outcome = calculate(input, settings);
        const auto* completed = std::get_if<Completed>(&outcome);
        if (completed == nullptr) {
            continue; // a pair that no cylinder has
        }
        const std::string name = std::to_string(request) + ": " + texts.at(indexOf(pair.first)) +
                                 "; " + texts.at(indexOf(pair.second));
        for (std::size_t i = 0; i < kQuantityCount; ++i) {
            expectEqualsItsValue(completed->exact.at(i), completed->values.at(i), name);
            forms += completed->exact.at(i) ? 1 : 0;
        }
        for (const std::optional<Surface>& surface : {completed->base, completed->total}) {
            ASSERT_TRUE(surface.has_value()) << name;
            expectEqualsItsValue(surface->exact, surface->value, name);
        }
    }
    EXPECT_GT(forms, 3000 * 3);
}

} // namespace
} // namespace korvala::calc
