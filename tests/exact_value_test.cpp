#include "calc/exact_text.hpp"
#include "calc/exact_value.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <numbers>
#include <random>
#include <string_view>
#include <type_traits>
#include <vector>

namespace korvala::calc {
namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

ExactValue n(std::int64_t value) {
    return ExactValue::integer(value);
}
ExactValue root(std::int64_t value) {
    return squareRoot(n(value));
}
ExactValue pi() {
    return ExactValue::pi();
}

// Copied as plain bytes: a vector's copies and unwinding in every formula step made the page's
// WebAssembly 17 KB larger.
static_assert(std::is_trivially_copyable_v<ExactValue> &&
              std::is_trivially_destructible_v<ExactValue>);

TEST(ExactText, WritesSchoolNotation) {
    const ExactValue piSquared = multiply(pi(), pi());
    const struct {
        ExactValue value;
        std::string_view text;
    } cases[] = {
        {divide(multiply(n(5), pi()), n(2)), "5π/2"},
        {squareRoot(ExactValue::fraction(41, 4)), "√41/2"},
        {multiply(pi(), squareRoot(ExactValue::fraction(9, 8))), "3π√2/4"},
        {divide(n(6), pi()), "6/π"},
        {divide(n(35), multiply(n(2), pi())), "35/(2π)"},
        {squareRoot(add(n(8), multiply(n(4), root(3)))), "√6 + √2"},
        {squareRoot(subtract(n(2), root(3))), "(√6 − √2)/2"},
        {squareRoot(multiply(piSquared, subtract(n(8), multiply(n(4), root(3))))), "π(√6 − √2)"},
        {multiply(n(7), pi()), "7π"},
        {multiply(n(120), pi()), "120π"},
        {ExactValue::fromDouble(2.5), "5/2"},
        {subtract(n(2), root(3)), "2 − √3"},
        {pi(), "π"},
        {divide(pi(), pi()), "1"},
        {ExactValue(), "0"},
        {subtract(n(0), root(2)), "−√2"},
        {subtract(root(2), n(3)), "√2 − 3"},
        {divide(n(-1), piSquared), "−1/π²"},
        {divide(add(n(3), root(5)), multiply(n(2), pi())), "(3 + √5)/(2π)"},
        {divide(multiply(piSquared, add(n(2), root(2))), n(3)), "π²(2 + √2)/3"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(schoolText(c.value), c.text);
    }
}

TEST(ExactText, NoneBeyondTwoTermsOfOnePowerOfPi) {
    EXPECT_EQ(schoolText(add(add(n(1), root(2)), root(3))), std::nullopt);
    EXPECT_EQ(schoolText(add(pi(), n(1))), std::nullopt);
    EXPECT_EQ(schoolText(ExactValue::none()), std::nullopt);
}

TEST(ExactValue, KeepsOneCanonicalForm) {
    EXPECT_EQ(ExactValue::fraction(6, 4), ExactValue::fraction(3, 2));
    EXPECT_EQ(ExactValue::fraction(3, -6), ExactValue::fraction(-1, 2));
    EXPECT_EQ(add(ExactValue::fraction(1, 6), ExactValue::fraction(1, 3)),
              ExactValue::fraction(1, 2));
    EXPECT_EQ(root(12), multiply(n(2), root(3)));
    EXPECT_EQ(multiply(root(6), root(10)), multiply(n(2), root(15)));
    EXPECT_EQ(add(root(2), pi()), add(pi(), root(2)));
    EXPECT_EQ(subtract(add(pi(), root(2)), pi()), root(2));
    EXPECT_EQ(subtract(root(3), root(3)), ExactValue());
}

TEST(ExactValue, DenestsAndDividesAsASchoolDoes) {
    EXPECT_EQ(squareRoot(add(n(8), multiply(n(4), root(3)))), add(root(6), root(2)));
    EXPECT_EQ(squareRoot(subtract(n(8), multiply(n(4), root(3)))), subtract(root(6), root(2)));
    EXPECT_EQ(divide(n(1), subtract(root(3), root(2))), add(root(3), root(2)));
    EXPECT_EQ(divide(n(1), multiply(root(2), pi())), divide(root(2), multiply(n(2), pi())));
    EXPECT_EQ(multiply(divide(n(1), root(8)), n(4)), root(2));
}

TEST(ExactValue, NoneOutsideTheForm) {
    ExactValue eight;
    ExactValue nine;
    for (const std::int64_t m : {2, 3, 5, 6, 7, 10, 11, 13, 14}) {
        eight = nine;
        nine = add(nine, root(m));
    }
    EXPECT_FALSE(eight.isNone());
    for (const ExactValue& value : {
             nine,
             squareRoot(n(-4)),
             squareRoot(pi()),
             squareRoot(root(2)),
             squareRoot(subtract(n(1), root(3))),
             squareRoot(add(n(1), root(2))),
             squareRoot(add(root(2), root(3))),
             divide(n(1), ExactValue()),
             divide(n(1), add(pi(), n(1))),
             divide(n(1), add(add(n(1), root(2)), root(3))),
         }) {
        EXPECT_TRUE(value.isNone());
    }
}

TEST(ExactValue, NoneOnOverflowNeverAWrongValue) {
    EXPECT_EQ(ExactValue::fraction(kMin, 2), n(kMin / 2));
    for (const ExactValue& value : {
             multiply(ExactValue::fraction(kMax, 3), ExactValue::fraction(kMax, 5)),
             add(ExactValue::fraction(1, kMax), ExactValue::fraction(1, kMax - 1)),
             ExactValue::fraction(kMin, -1),
             ExactValue::fraction(1, kMin),
             add(n(kMax), n(1)),
             subtract(n(0), n(kMin)),
             divide(n(1), n(kMin)),
             squareRoot(ExactValue::fraction(kMax, kMax - 1)),
             multiply(root(kMax), root(kMax - 2)),
             ExactValue::fromDouble(1e19),
             ExactValue::fromDouble(1e-19),
         }) {
        EXPECT_TRUE(value.isNone());
    }
}

TEST(ExactValue, NoneIsSticky) {
    const ExactValue none = ExactValue::none();
    for (const ExactValue& value :
         {add(none, n(1)), add(n(1), none), subtract(none, n(1)), subtract(n(1), none),
          multiply(none, n(0)), multiply(n(0), none), divide(none, n(1)), divide(n(1), none),
          squareRoot(none)}) {
        EXPECT_TRUE(value.isNone());
    }
}

TEST(ExactValue, ReadsTheShortestDecimalOfADouble) {
    EXPECT_EQ(ExactValue::fromDouble(0.1), ExactValue::fraction(1, 10));
    EXPECT_EQ(ExactValue::fromDouble(-0.75), ExactValue::fraction(-3, 4));
    EXPECT_EQ(ExactValue::fromDouble(1e-7), ExactValue::fraction(1, 10'000'000));
    EXPECT_EQ(ExactValue::fromDouble(1e18), n(1'000'000'000'000'000'000));
    EXPECT_EQ(ExactValue::fromDouble(0.1 + 0.2),
              ExactValue::fraction(30'000'000'000'000'004, 100'000'000'000'000'000));
    EXPECT_EQ(ExactValue::fromDouble(-0.0), ExactValue());
    EXPECT_TRUE(ExactValue::fromDouble(std::numeric_limits<double>::infinity()).isNone());
    EXPECT_TRUE(ExactValue::fromDouble(std::numeric_limits<double>::quiet_NaN()).isNone());
}

// D = 4 and S = 4π, through T = 2R + H as the solver goes.
TEST(ExactValue, SolvesDiameterAndSurfaceToSchoolTexts) {
    const ExactValue d = n(4);
    const ExactValue s = multiply(n(4), pi());
    const ExactValue t = squareRoot(add(multiply(d, d), divide(multiply(n(2), s), pi())));
    EXPECT_EQ(t, multiply(n(2), root(6)));
    const ExactValue piT = multiply(pi(), t);
    const ExactValue discriminant =
        subtract(multiply(multiply(piT, pi()), t), multiply(multiply(n(4), s), pi()));
    EXPECT_EQ(discriminant, multiply(n(8), multiply(pi(), pi())));
    const ExactValue r = divide(subtract(piT, squareRoot(discriminant)), multiply(n(4), pi()));
    const ExactValue h = squareRoot(subtract(multiply(d, d), multiply(n(4), multiply(r, r))));
    const ExactValue v = multiply(multiply(multiply(pi(), r), r), h);
    EXPECT_EQ(schoolText(r), "(√6 − √2)/2");
    EXPECT_EQ(schoolText(h), "√6 + √2");
    EXPECT_EQ(schoolText(v), "π(√6 − √2)");
}

struct Both {
    ExactValue exact;
    double approximate = 0;
};

TEST(ExactValue, AgreesWithDoubleArithmetic) {
    std::mt19937 random(20250611);
    const auto pick = [&](int from, int to) {
        return std::uniform_int_distribution<int>(from, to)(random);
    };
    const auto leaf = [&]() -> Both {
        const int a = pick(1, 9);
        const int b = pick(1, 9);
        const auto real = static_cast<double>(a);
        switch (pick(0, 3)) {
        case 0:
            return {n(a), real};
        case 1:
            return {ExactValue::fraction(a, b), real / b};
        case 2:
            return {root(a), std::sqrt(real)};
        default:
            return {multiply(n(a), pi()), real * std::numbers::pi};
        }
    };
    int exact = 0;
    for (int round = 0; round < 400; ++round) {
        Both x = leaf();
        for (int step = 0; step < 4; ++step) {
            const Both y = leaf();
            const std::vector<Both> results{
                {add(x.exact, y.exact), x.approximate + y.approximate},
                {subtract(x.exact, y.exact), x.approximate - y.approximate},
                {multiply(x.exact, y.exact), x.approximate * y.approximate},
                {divide(x.exact, y.exact), x.approximate / y.approximate},
                {squareRoot(x.exact), std::sqrt(x.approximate)}};
            const auto back = divide(multiply(x.exact, y.exact), y.exact);
            EXPECT_TRUE(back.isNone() || x.exact.isNone() || back == x.exact);
            EXPECT_EQ(subtract(add(x.exact, y.exact), y.exact), x.exact);
            EXPECT_EQ(multiply(x.exact, y.exact), multiply(y.exact, x.exact));
            x = results.at(static_cast<std::size_t>(pick(0, 4)));
        }
        if (!x.exact.isNone()) {
            ++exact;
            EXPECT_NEAR(x.exact.approximately(), x.approximate,
                        1e-9 * std::max(1.0, std::fabs(x.approximate)));
        }
    }
    EXPECT_GT(exact, 150);
}

} // namespace
} // namespace korvala::calc
