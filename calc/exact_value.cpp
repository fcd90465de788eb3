#include "calc/exact_value.hpp"

#include "runtime/float_text.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>
#include <numeric>
#include <string_view>

namespace korvala::calc {

namespace {

namespace float_text = runtime::float_text;

using Int = std::int64_t;

// Every helper below gives false after an overflow, its result then meaningless; plain flags,
// not optionals, because the page's WebAssembly pays for each optional's checks and copies.

// Unsigned, so that INT64_MIN's magnitude 2^63 is held.
std::uint64_t magnitudeOf(Int n) noexcept {
    const auto bits = static_cast<std::uint64_t>(n);
    return n < 0 ? std::uint64_t{0} - bits : bits;
}

// std::gcd's result is undefined for INT64_MIN; with b > 0 this one always fits.
Int commonDivisor(Int a, Int b) noexcept {
    return static_cast<Int>(std::gcd(magnitudeOf(a), magnitudeOf(b)));
}

bool reduced(Int n, Int d, Rational& out) noexcept {
    if (d == 0) {
        return false;
    }
    std::uint64_t numerator = magnitudeOf(n);
    std::uint64_t denominator = magnitudeOf(d);
    const std::uint64_t divisor = std::gcd(numerator, denominator);
    numerator /= divisor;
    denominator /= divisor;
    const bool negative = (n < 0) != (d < 0);
    constexpr auto kLargest = static_cast<std::uint64_t>(std::numeric_limits<Int>::max());
    if (denominator > kLargest || numerator > kLargest + (negative ? 1 : 0)) {
        return false;
    }
    const std::uint64_t bits = negative ? std::uint64_t{0} - numerator : numerator;
    out = Rational{static_cast<Int>(bits), static_cast<Int>(denominator)};
    return true;
}

// The results below may be the arguments themselves: each reads all it needs before writing.

bool sum(const Rational& a, const Rational& b, Rational& out) noexcept {
    const Int divisor = commonDivisor(a.denominator, b.denominator);
    Int left = 0;
    Int right = 0;
    Int numerator = 0;
    Int denominator = 0;
    return !__builtin_mul_overflow(a.numerator, b.denominator / divisor, &left) &&
           !__builtin_mul_overflow(b.numerator, a.denominator / divisor, &right) &&
           !__builtin_add_overflow(left, right, &numerator) &&
           !__builtin_mul_overflow(a.denominator, b.denominator / divisor, &denominator) &&
           reduced(numerator, denominator, out);
}

bool negate(Rational& q) noexcept {
    return !__builtin_sub_overflow(0, q.numerator, &q.numerator);
}

bool product(const Rational& a, const Rational& b, Rational& out) noexcept {
    // Cancelling across first overflows only where the result itself does not fit.
    const Int first = commonDivisor(a.numerator, b.denominator);
    const Int second = commonDivisor(b.numerator, a.denominator);
    Int numerator = 0;
    Int denominator = 0;
    return !__builtin_mul_overflow(a.numerator / first, b.numerator / second, &numerator) &&
           !__builtin_mul_overflow(a.denominator / second, b.denominator / first, &denominator) &&
           reduced(numerator, denominator, out);
}

Rational whole(Int n) noexcept {
    return Rational{n, 1};
}

// The largest s with s² ≤ n, for n ≥ 0. The double root is only a first guess, off by one
// either way at most (long double would be software arithmetic in the page's WebAssembly).
Int floorRoot(Int n) noexcept {
    auto root = static_cast<Int>(std::sqrt(static_cast<double>(n)));
    while (root > 0 && root > n / root) {
        --root;
    }
    Int square = 0;
    while (!__builtin_mul_overflow(root + 1, root + 1, &square) && square <= n) {
        ++root;
    }
    return root;
}

struct SquareSplit {
    Int root = 1; // n = root² · rest, rest squarefree
    Int rest = 1;
};

SquareSplit splitSquare(Int n) noexcept {
    SquareSplit split;
    // Trial division only up to the cube root of what is left, about 10^6 divisions at worst.
    for (Int p = 2; p <= n / p / p; p += (p == 2 ? 1 : 2)) {
        while (n % (p * p) == 0) {
            n /= p * p;
            split.root *= p;
        }
        if (n % p == 0) {
            n /= p;
            split.rest *= p;
        }
    }
    // No prime factor of n is now at most its cube root: n is 1, a prime, a product of two
    // primes or the square of one, and only the last has a square factor.
    const Int root = floorRoot(n);
    if (root * root == n) {
        split.root *= root;
    } else {
        split.rest *= n;
    }
    return split;
}

// The rational root of a rational square; false for any other rational.
bool rationalRoot(const Rational& square, Rational& out) noexcept {
    if (square.numerator < 0) {
        return false;
    }
    const Int numerator = floorRoot(square.numerator);
    const Int denominator = floorRoot(square.denominator);
    if (numerator * numerator != square.numerator ||
        denominator * denominator != square.denominator) {
        return false;
    }
    out = Rational{numerator, denominator};
    return true;
}

// √(n/d) = √(n·d)/d, the square factor of n·d taken out from under the root.
bool rootTerm(const Rational& q, Term& out) noexcept {
    Int radicand = 0;
    if (q.numerator <= 0 || __builtin_mul_overflow(q.numerator, q.denominator, &radicand)) {
        return false;
    }
    const SquareSplit split = splitSquare(radicand);
    out.piPower = 0;
    out.radicand = split.rest;
    return reduced(split.root, q.denominator, out.coefficient);
}

// √(a + b√c) = √x + sign(b)·√y, where r² = a² − b²c, x = (a + r)/2 and y = (a − r)/2: the one
// denesting a school uses, and only where r is rational. Where a ≤ 0, r ≤ |a| leaves x ≤ 0,
// which rootTerm() declines: such a value is not positive.
bool denested(const Rational& a, const Rational& b, Int c, std::span<Term, 2> out) noexcept {
    const Rational half{1, 2};
    Rational aa;
    Rational bbc;
    Rational r;
    Rational x;
    Rational y;
    if (!product(a, a, aa) || !product(b, b, bbc) || !product(bbc, whole(c), bbc) || !negate(bbc) ||
        !sum(aa, bbc, r) || !rationalRoot(r, r) || !sum(a, r, x) || !product(x, half, x) ||
        !negate(r) || !sum(a, r, y) || !product(y, half, y) || !rootTerm(x, out[0]) ||
        !rootTerm(y, out[1])) {
        return false;
    }
    if (b.numerator < 0) {
        // A root's coefficient is positive, so its negation fits.
        out[1].coefficient.numerator = -out[1].coefficient.numerator;
    }
    return true;
}

bool termProduct(const Term& a, const Term& b, Term& out) noexcept {
    // For squarefree a and b with g = gcd(a, b): √a·√b = g·√((a/g)(b/g)), squarefree again.
    const Int shared = commonDivisor(a.radicand, b.radicand);
    return !__builtin_add_overflow(a.piPower, b.piPower, &out.piPower) &&
           !__builtin_mul_overflow(a.radicand / shared, b.radicand / shared, &out.radicand) &&
           product(a.coefficient, b.coefficient, out.coefficient) &&
           product(out.coefficient, whole(shared), out.coefficient);
}

// 1/(q·π^k·√m) = π^(−k)·√m/(q·m), rationalised as a school does.
bool reciprocalTerm(const Term& t, Term& out) noexcept {
    Rational scaled;
    out.radicand = t.radicand;
    return product(t.coefficient, whole(t.radicand), scaled) &&
           reduced(scaled.denominator, scaled.numerator, out.coefficient) &&
           !__builtin_sub_overflow(0, t.piPower, &out.piPower);
}

// A text as writeScientific() writes it, "-1.25e-07", always with the exponent's sign: the
// rational it stands for.
bool scientificValue(std::string_view text, Rational& out) noexcept {
    // At most 17 significant digits, well within std::int64_t.
    Int digits = 0;
    int exponent = 0;
    bool afterPoint = false;
    std::size_t i = 0;
    for (; text[i] != 'e'; ++i) {
        if (text[i] == '.') {
            afterPoint = true;
        } else if (text[i] != '-') {
            digits = digits * 10 + (text[i] - '0');
            exponent -= afterPoint ? 1 : 0;
        }
    }
    const bool negativeExponent = text[i + 1] == '-';
    int written = 0;
    for (i += 2; i < text.size(); ++i) {
        written = written * 10 + (text[i] - '0');
    }
    exponent += negativeExponent ? -written : written;
    Int power = 1;
    for (int k = std::abs(exponent); k > 0; --k) {
        if (__builtin_mul_overflow(power, 10, &power)) {
            return false;
        }
    }
    // Negated before the product, which is never −2^63 (a multiple of 10 or at most 17 digits),
    // so that it overflows exactly where its magnitude does.
    if (text.front() == '-') {
        digits = -digits;
    }
    if (exponent < 0) {
        return reduced(digits, power, out);
    }
    out = whole(0);
    return !__builtin_mul_overflow(digits, power, &out.numerator);
}

bool before(const Term& a, const Term& b) noexcept {
    return a.piPower != b.piPower ? a.piPower < b.piPower : a.radicand < b.radicand;
}

bool alike(const Term& a, const Term& b) noexcept {
    return a.piPower == b.piPower && a.radicand == b.radicand;
}

} // namespace

ExactValue ExactValue::integer(Int n) noexcept {
    return fraction(n, 1);
}

ExactValue ExactValue::fraction(Int numerator, Int denominator) noexcept {
    Term t;
    if (!reduced(numerator, denominator, t.coefficient)) {
        return none();
    }
    return ofTerms({&t, 1});
}

ExactValue ExactValue::pi() noexcept {
    Term t{whole(1), 1, 1};
    return ofTerms({&t, 1});
}

ExactValue ExactValue::none() noexcept {
    ExactValue value;
    value.none_ = true;
    return value;
}

ExactValue ExactValue::fromDouble(double value) noexcept {
    if (!std::isfinite(value)) {
        return none();
    }
    // Seventeen significant digits always read back as the same double.
    constexpr int kMostNeeded = 16;
    std::array<char, float_text::longestScientific(kMostNeeded)> buffer{};
    for (int decimals = 0; decimals <= kMostNeeded; ++decimals) {
        const float_text::WriteResult length = float_text::writeScientific(value, decimals, buffer);
        if (!length) {
            return none();
        }
        const std::string_view text(buffer.data(), *length);
        const float_text::ReadResult read = float_text::readDecimal(text);
        if (read && read->value == value) {
            Rational q;
            return scientificValue(text, q) ? fraction(q.numerator, q.denominator) : none();
        }
    }
    return none();
}

double ExactValue::approximately() const noexcept {
    if (none_) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    double total = 0;
    for (const Term& t : terms()) {
        total += static_cast<double>(t.coefficient.numerator) /
                 static_cast<double>(t.coefficient.denominator) *
                 std::pow(std::numbers::pi, t.piPower) * std::sqrt(static_cast<double>(t.radicand));
    }
    return total;
}

bool operator==(const ExactValue& a, const ExactValue& b) noexcept {
    if (a.none_ != b.none_ || a.count_ != b.count_) {
        return false;
    }
    for (std::size_t i = 0; i < a.count_; ++i) {
        if (a.terms_[i] != b.terms_[i]) {
            return false;
        }
    }
    return true;
}

ExactValue ExactValue::ofTerms(std::span<Term> terms) noexcept {
    // By insertion, which keeps like terms in the order given, so that they are summed in it.
    // A value has a few terms, and std::sort would cost the page's script 2 KB.
    for (std::size_t i = 1; i < terms.size(); ++i) {
        const Term t = terms[i];
        std::size_t j = i;
        for (; j > 0 && before(t, terms[j - 1]); --j) {
            terms[j] = terms[j - 1];
        }
        terms[j] = t;
    }
    std::size_t combined = 0;
    for (std::size_t i = 0; i < terms.size(); ++i) {
        if (combined > 0 && alike(terms[combined - 1], terms[i])) {
            Rational& coefficient = terms[combined - 1].coefficient;
            if (!sum(coefficient, terms[i].coefficient, coefficient)) {
                return none();
            }
        } else {
            terms[combined++] = terms[i];
        }
    }
    ExactValue value;
    for (const Term& t : terms.first(combined)) {
        if (t.coefficient.numerator == 0) {
            continue;
        }
        if (value.count_ == kMostTerms) {
            return none();
        }
        value.terms_[value.count_++] = t;
    }
    return value;
}

ExactValue add(const ExactValue& a, const ExactValue& b) noexcept {
    if (a.none_ || b.none_) {
        return ExactValue::none();
    }
    std::array<Term, 2 * kMostTerms> terms;
    std::copy(b.terms().begin(), b.terms().end(),
              std::copy(a.terms().begin(), a.terms().end(), terms.begin()));
    return ExactValue::ofTerms({terms.data(), a.count_ + b.count_});
}

// Negating a coefficient overflows exactly where multiplying it by −1 does.
ExactValue subtract(const ExactValue& a, const ExactValue& b) noexcept {
    return add(a, multiply(b, ExactValue::integer(-1)));
}

ExactValue multiply(const ExactValue& a, const ExactValue& b) noexcept {
    if (a.none_ || b.none_) {
        return ExactValue::none();
    }
    std::array<Term, kMostTerms * kMostTerms> terms;
    std::size_t count = 0;
    for (const Term& left : a.terms()) {
        for (const Term& right : b.terms()) {
            if (!termProduct(left, right, terms[count++])) {
                return ExactValue::none();
            }
        }
    }
    return ExactValue::ofTerms({terms.data(), count});
}

ExactValue divide(const ExactValue& a, const ExactValue& b) noexcept {
    if (a.none_ || b.none_) {
        return ExactValue::none();
    }
    if (b.count_ == 1) {
        Term inverse;
        if (!reciprocalTerm(b.terms_[0], inverse)) {
            return ExactValue::none();
        }
        return multiply(a, ExactValue::ofTerms({&inverse, 1}));
    }
    if (b.count_ == 2 && b.terms_[0].piPower == b.terms_[1].piPower) {
        // (t + u)(t − u) = t² − u² is one rational times one power of π, never zero, since t
        // and u have different roots: the division below is by a single term.
        ExactValue conjugate = b;
        if (!negate(conjugate.terms_[1].coefficient)) {
            return ExactValue::none();
        }
        return divide(multiply(a, conjugate), multiply(b, conjugate));
    }
    return ExactValue::none();
}

ExactValue squareRoot(const ExactValue& a) noexcept {
    if (a.none_ || a.count_ == 0) {
        return a;
    }
    const int piPower = a.terms_[0].piPower;
    if (piPower % 2 != 0 || a.terms_[a.count_ - 1].piPower != piPower) {
        return ExactValue::none();
    }
    std::array<Term, 2> root;
    std::size_t count = 0;
    if (a.count_ == 1 && a.terms_[0].radicand == 1) {
        count = rootTerm(a.terms_[0].coefficient, root[0]) ? 1 : 0;
    } else if (a.count_ == 2 && a.terms_[0].radicand == 1) {
        count =
            denested(a.terms_[0].coefficient, a.terms_[1].coefficient, a.terms_[1].radicand, root)
                ? 2
                : 0;
    }
    if (count == 0) {
        return ExactValue::none();
    }
    for (Term& t : std::span(root).first(count)) {
        t.piPower = piPower / 2;
    }
    return ExactValue::ofTerms(std::span(root).first(count));
}

} // namespace korvala::calc
