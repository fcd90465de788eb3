#include "calc/exact_text.hpp"

#include "calc/school_signs.hpp"

#include <array>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <string_view>

namespace korvala::calc {

namespace {

using school_signs::kMinus;
using school_signs::kPi;
using school_signs::kRoot;

// The digits of |n|, INT64_MIN's too.
std::string digitsOf(std::int64_t n) {
    std::string text = std::to_string(n);
    if (n < 0) {
        text.erase(0, 1);
    }
    return text;
}

// π to a power ≥ 1; a 64-bit power so that INT_MIN's magnitude fits.
std::string piText(std::int64_t power) {
    std::string text(kPi);
    if (power != 1) {
        for (const char digit : std::to_string(power)) {
            text += school_signs::kSuperscripts.at(static_cast<std::size_t>(digit - '0'));
        }
    }
    return text;
}

std::string rootText(std::int64_t radicand) {
    return radicand == 1 ? std::string() : std::string(kRoot) + std::to_string(radicand);
}

// A numerator over the denominator times π^−piPower; the numerator alone where that is 1.
std::string over(const std::string& numerator, std::int64_t denominator, int piPower) {
    std::string below = denominator == 1 ? std::string() : std::to_string(denominator);
    if (piPower < 0) {
        below += piText(-static_cast<std::int64_t>(piPower));
    }
    if (below.empty()) {
        return numerator;
    }
    const bool product = denominator != 1 && piPower < 0;
    return numerator + "/" + (product ? "(" + below + ")" : below);
}

std::string termText(const Term& t) {
    const std::int64_t n = t.coefficient.numerator;
    const bool unit = n == 1 || n == -1;
    std::string numerator = unit && (t.piPower > 0 || t.radicand != 1) ? "" : digitsOf(n);
    if (t.piPower > 0) {
        numerator += piText(t.piPower);
    }
    numerator += rootText(t.radicand);
    return (n < 0 ? std::string(kMinus) : std::string()) +
           over(numerator, t.coefficient.denominator, t.piPower);
}

// A term of a sum without its sign: an integer coefficient and a root.
std::string summandText(std::int64_t coefficient, std::int64_t radicand) {
    const bool unit = coefficient == 1 || coefficient == -1;
    return (unit && radicand != 1 ? std::string() : digitsOf(coefficient)) + rootText(radicand);
}

// In doubles, which the page's WebAssembly computes in hardware (its long double is software).
double approximately(const Term& t) {
    return static_cast<double>(t.coefficient.numerator) /
           static_cast<double>(t.coefficient.denominator) *
           std::sqrt(static_cast<double>(t.radicand));
}

// The positive one first, otherwise the larger. No two terms of a value are equal in size: that
// would take q²m = q'²m' with different squarefree m and m'; should doubles not tell two apart,
// only the order of the text is at stake.
bool comesFirst(const Term& a, const Term& b) {
    const double x = approximately(a);
    const double y = approximately(b);
    if ((x > 0) != (y > 0)) {
        return x > 0;
    }
    return std::fabs(x) > std::fabs(y);
}

std::optional<std::string> sumText(const Term& first, const Term& second) {
    const std::int64_t a = first.coefficient.denominator;
    const std::int64_t b = second.coefficient.denominator;
    std::int64_t denominator = 0;
    std::int64_t firstCoefficient = 0;
    std::int64_t secondCoefficient = 0;
    if (__builtin_mul_overflow(a / std::gcd(a, b), b, &denominator) ||
        __builtin_mul_overflow(first.coefficient.numerator, denominator / a, &firstCoefficient) ||
        __builtin_mul_overflow(second.coefficient.numerator, denominator / b, &secondCoefficient)) {
        return std::nullopt;
    }
    std::string text = (firstCoefficient < 0 ? std::string(kMinus) : std::string()) +
                       summandText(firstCoefficient, first.radicand) +
                       (secondCoefficient < 0 ? " − " : " + ") +
                       summandText(secondCoefficient, second.radicand);
    const int piPower = first.piPower;
    if (piPower != 0 || denominator != 1) {
        text = "(" + text + ")";
    }
    if (piPower > 0) {
        text = piText(piPower) + text;
    }
    return over(text, denominator, piPower);
}

} // namespace

std::optional<std::string> schoolText(const ExactValue& value) {
    const std::span<const Term> terms = value.terms();
    if (value.isNone() || terms.size() > 2 ||
        (terms.size() == 2 && terms[0].piPower != terms[1].piPower)) {
        return std::nullopt;
    }
    if (terms.empty()) {
        return "0";
    }
    if (terms.size() == 1) {
        return termText(terms[0]);
    }
    return comesFirst(terms[0], terms[1]) ? sumText(terms[0], terms[1])
                                          : sumText(terms[1], terms[0]);
}

} // namespace korvala::calc
