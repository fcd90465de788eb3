// The working read back as arithmetic: each line's formula with the values put in, evaluated
// over every value its rounded numbers may stand for, must reach the line's result, for random
// cylinders of every problem type and both decimal symbols. A formula that is not the step's
// fails it.
#include "calc/calculation.hpp"
#include "calc/constants.hpp"
#include "settings_matrix.hpp"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvala::calc {
namespace {

// Half the last place of a seven-decimal number.
constexpr double kHalfStep = 0.5e-7;

// The reals from low to high.
struct Range {
    double low;
    double high;
};

Range spanOf(std::initializer_list<double> ends) {
    return {std::min(ends), std::max(ends)};
}

Range operator+(Range a, Range b) {
    return {a.low + b.low, a.high + b.high};
}

Range operator-(Range a, Range b) {
    return {a.low - b.high, a.high - b.low};
}

Range operator*(Range a, Range b) {
    return spanOf({a.low * b.low, a.low * b.high, a.high * b.low, a.high * b.high});
}

Range operator/(Range a, Range b) {
    if (b.low <= 0.0 && b.high >= 0.0) {
        return {-std::numeric_limits<double>::infinity(), std::numeric_limits<double>::infinity()};
    }
    return spanOf({a.low / b.low, a.low / b.high, a.high / b.low, a.high / b.high});
}

Range squared(Range a) {
    Range square = a * a;
    if (a.low <= 0.0 && a.high >= 0.0) {
        square.low = 0.0;
    }
    return square;
}

Range root(Range a) {
    return {std::sqrt(std::max(a.low, 0.0)), std::sqrt(std::max(a.high, 0.0))};
}

// Number with a period or a comma as its decimal symbol.
double numberOf(std::string text) {
    std::replace(text.begin(), text.end(), ',', '.');
    return std::strtod(text.c_str(), nullptr);
}

// A recursive-descent reader of +, −, ·, /, ², √(…), π, parentheses and numbers; a number put
// before a factor multiplies it (2π). A number stands for every value that rounds to it.
class Reader {
public:
    explicit Reader(std::string_view text) : rest_(text) {}

    // The range of the whole text, or nothing when it is not such an expression.
    std::optional<Range> whole() {
        const Range range = sum();
        skipBlanks();
        return failed_ || !rest_.empty() ? std::nullopt : std::optional<Range>(range);
    }

private:
    void skipBlanks() {
        while (rest_.starts_with(' ')) {
            rest_.remove_prefix(1);
        }
    }
    bool take(std::string_view token) {
        skipBlanks();
        if (!rest_.starts_with(token)) {
            return false;
        }
        rest_.remove_prefix(token.size());
        return true;
    }
    void expect(std::string_view token) { failed_ = failed_ || !take(token); }
    bool startsFactor() {
        skipBlanks();
        return !rest_.empty() &&
               (std::isdigit(static_cast<unsigned char>(rest_.front())) != 0 ||
                rest_.starts_with('(') || rest_.starts_with("π") || rest_.starts_with("√"));
    }

    Range sum() {
        Range range = product();
        while (!failed_) {
            if (take("+")) {
                range = range + product();
            } else if (take("−")) {
                range = range - product();
            } else {
                break;
            }
        }
        return range;
    }
    Range product() {
        Range range = power();
        while (!failed_) {
            if (take("·") || startsFactor()) {
                range = range * power();
            } else if (take("/")) {
                range = range / power();
            } else {
                break;
            }
        }
        return range;
    }
    Range power() {
        Range range = factor();
        while (take("²")) {
            range = squared(range);
        }
        return range;
    }
    Range factor() {
        if (take("(")) {
            const Range inside = sum();
            expect(")");
            return inside;
        }
        if (take("√(")) {
            const Range inside = sum();
            expect(")");
            return root(inside);
        }
        if (take("π")) {
            return {kPi, kPi};
        }
        const std::size_t length = rest_.find_first_not_of("0123456789.,");
        if (length == 0) {
            failed_ = true;
            return {0.0, 0.0};
        }
        const double value = numberOf(std::string(rest_.substr(0, length)));
        rest_.remove_prefix(std::min(length, rest_.size()));
        return {value - kHalfStep, value + kHalfStep};
    }

    std::string_view rest_;
    bool failed_ = false;
};

std::vector<std::string> partsOf(std::string_view line) {
    std::vector<std::string> parts;
    for (std::size_t at = 0;;) {
        const std::size_t next = line.find(" = ", at);
        parts.emplace_back(line.substr(at, next - at));
        if (next == std::string_view::npos) {
            return parts;
        }
        at = next + 3;
    }
}

TEST(Working, ReadsBackToItsResultForRandomCylinders) {
    const std::array<runtime::NumberSettings, 2> settings{runtime::posixNumberSettings(),
                                                          test::makeSettings(",", "", {})};
    std::uint64_t state = 20261218;
    const auto uniform = [&state](double low, double high) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return low + (high - low) * static_cast<double>(state >> 11) * 0x1p-53;
    };
    int completedCount = 0;
    constexpr int kRequests = 3000;
    for (int request = 0; request < kRequests; ++request) {
        const auto type = static_cast<ProblemType>(request % kProblemTypeCount);
        const double r = uniform(0.2, 30.0);
        const double h = uniform(0.2, 30.0);
        const Cylinder cylinder{r, h, std::sqrt(h * h + 4 * r * r), 2 * kPi * r * h,
                                kPi * r * r * h};
        std::array<std::string, kQuantityCount> texts;
        CalculationInput input;
        input.type = type;
        const GivenPair pair = givenPairOf(type);
        for (const Quantity given : {pair.first, pair.second}) {
            std::array<char, 32> text{};
            (void)std::snprintf(text.data(), text.size(), "%.6g", cylinder.at(indexOf(given)));
            texts.at(indexOf(given)) = text.data();
            input.texts.at(indexOf(given)) = texts.at(indexOf(given));
            input.checks.at(indexOf(given)) = true;
        }
        const auto outcome = calculate(input, settings.at(request % 2));
        const auto* completed = std::get_if<Completed>(&outcome);
        if (completed == nullptr) {
            continue; // a square axial section rounded past the edge of "D S"
        }
        ++completedCount;
        for (const StepLine& line : completed->steps) {
            const std::vector<std::string> parts = partsOf(line.text);
            ASSERT_EQ(parts.size(), 4U) << line.text;
            // "5π/2 ≈ 7.8539816": the decimals after the exact form.
            const std::size_t approximately = parts[3].find(" ≈ ");
            const std::string decimals =
                approximately == std::string::npos ? parts[3] : parts[3].substr(approximately + 5);
            if (const auto quantity = quantityOf(line.symbol)) {
                ASSERT_EQ(decimals, completed->texts.at(indexOf(*quantity))) << line.text;
            }
            const std::optional<Range> range = Reader(parts[2]).whole();
            ASSERT_TRUE(range.has_value()) << line.text;
            const double result = numberOf(decimals);
            const double slack = kHalfStep + 1e-12 * std::max(1.0, std::abs(result));
            ASSERT_TRUE(range->low <= result + slack && range->high >= result - slack)
                << line.text << " reads back as " << range->low << " to " << range->high;
        }
    }
    EXPECT_GT(completedCount, kRequests * 9 / 10);
}

} // namespace
} // namespace korvala::calc
