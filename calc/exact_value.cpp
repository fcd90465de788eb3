#include "calc/exact_value.hpp"

#include "runtime/float_text.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <numbers>
#include <numeric>
#include <optional>
#include <string_view>
#include <utility>

namespace korvala::calc {

namespace {

namespace float_text = runtime::float_text;

// Every rational operation takes and gives an optional, empty after an overflow, so that a chain
// of them is as sticky as none is.
using MaybeRational = std::optional<Rational>;
using MaybeTerm = std::optional<Term>;

// Unsigned, so that INT64_MIN's magnitude 2^63 is held.
std::uint64_t magnitudeOf(std::int64_t n) {
    const auto bits = static_cast<std::uint64_t>(n);
    return n < 0 ? std::uint64_t{0} - bits : bits;
}

// std::gcd's result is undefined for INT64_MIN; with b > 0 this one always fits.
std::int64_t commonDivisor(std::int64_t a, std::int64_t b) {
    return static_cast<std::int64_t>(std::gcd(magnitudeOf(a), magnitudeOf(b)));
}

MaybeRational reduced(std::int64_t n, std::int64_t d) {
    if (d == 0) {
        return std::nullopt;
    }
    std::uint64_t numerator = magnitudeOf(n);
    std::uint64_t denominator = magnitudeOf(d);
    const std::uint64_t divisor = std::gcd(numerator, denominator);
    numerator /= divisor;
    denominator /= divisor;
    const bool negative = (n < 0) != (d < 0);
    constexpr auto kLargest = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    if (denominator > kLargest || numerator > kLargest + (negative ? 1 : 0)) {
        return std::nullopt;
    }
    const std::uint64_t bits = negative ? std::uint64_t{0} - numerator : numerator;
    return Rational{static_cast<std::int64_t>(bits), static_cast<std::int64_t>(denominator)};
}

MaybeRational sum(const MaybeRational& a, const MaybeRational& b) {
    if (!a || !b) {
        return std::nullopt;
    }
    const std::int64_t divisor = commonDivisor(a->denominator, b->denominator);
    std::int64_t left = 0;
    std::int64_t right = 0;
    std::int64_t numerator = 0;
    std::int64_t denominator = 0;
    if (__builtin_mul_overflow(a->numerator, b->denominator / divisor, &left) ||
        __builtin_mul_overflow(b->numerator, a->denominator / divisor, &right) ||
        __builtin_add_overflow(left, right, &numerator) ||
        __builtin_mul_overflow(a->denominator, b->denominator / divisor, &denominator)) {
        return std::nullopt;
    }
    return reduced(numerator, denominator);
}

MaybeRational negated(const MaybeRational& a) {
    std::int64_t numerator = 0;
    if (!a || __builtin_sub_overflow(0, a->numerator, &numerator)) {
        return std::nullopt;
    }
    return Rational{numerator, a->denominator};
}

MaybeRational product(const MaybeRational& a, const MaybeRational& b) {
    if (!a || !b) {
        return std::nullopt;
    }
    // Cancelling across first overflows only where the result itself does not fit.
    const std::int64_t first = commonDivisor(a->numerator, b->denominator);
    const std::int64_t second = commonDivisor(b->numerator, a->denominator);
    std::int64_t numerator = 0;
    std::int64_t denominator = 0;
    if (__builtin_mul_overflow(a->numerator / first, b->numerator / second, &numerator) ||
        __builtin_mul_overflow(a->denominator / second, b->denominator / first, &denominator)) {
        return std::nullopt;
    }
    return reduced(numerator, denominator);
}

MaybeRational reciprocal(const MaybeRational& a) {
    return a ? reduced(a->denominator, a->numerator) : std::nullopt;
}

MaybeRational whole(std::int64_t n) {
    return Rational{n, 1};
}

// The largest s with s² ≤ n, for n ≥ 0. The double root is only a first guess, off by one
// either way at most (long double would be software arithmetic in the page's WebAssembly).
std::int64_t floorRoot(std::int64_t n) {
    auto root = static_cast<std::int64_t>(std::sqrt(static_cast<double>(n)));
    while (root > 0 && root > n / root) {
        --root;
    }
    while (root + 1 <= n / (root + 1)) {
        ++root;
    }
    return root;
}

struct SquareSplit {
    std::int64_t root = 1; // n = root² · rest, rest squarefree
    std::int64_t rest = 1;
};

SquareSplit splitSquare(std::int64_t n) {
    SquareSplit split;
    // Trial division only up to the cube root of what is left, about 10^6 divisions at worst.
    for (std::int64_t p = 2; p <= n / p / p; p += (p == 2 ? 1 : 2)) {
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
    const std::int64_t root = floorRoot(n);
    if (root * root == n) {
        split.root *= root;
    } else {
        split.rest *= n;
    }
    return split;
}

// The rational root of a rational square; nothing for any other rational.
MaybeRational rationalRoot(const MaybeRational& square) {
    if (!square || square->numerator < 0) {
        return std::nullopt;
    }
    const std::int64_t numerator = floorRoot(square->numerator);
    const std::int64_t denominator = floorRoot(square->denominator);
    if (numerator * numerator != square->numerator ||
        denominator * denominator != square->denominator) {
        return std::nullopt;
    }
    return Rational{numerator, denominator};
}

// √(n/d) = √(n·d)/d, the square factor of n·d taken out from under the root.
MaybeTerm rootTerm(const MaybeRational& q) {
    std::int64_t radicand = 0;
    if (!q || q->numerator <= 0 ||
        __builtin_mul_overflow(q->numerator, q->denominator, &radicand)) {
        return std::nullopt;
    }
    const SquareSplit split = splitSquare(radicand);
    const MaybeRational coefficient = reduced(split.root, q->denominator);
    if (!coefficient) {
        return std::nullopt;
    }
    return Term{*coefficient, 0, split.rest};
}

// √(a + b√c) = √x + sign(b)·√y, where r² = a² − b²c, x = (a + r)/2 and y = (a − r)/2: the one
// denesting a school uses, and only where r is rational. Where a ≤ 0, r ≤ |a| leaves x ≤ 0,
// which rootTerm() declines: such a value is not positive.
std::optional<std::vector<Term>> denested(const Rational& a, const Rational& b, std::int64_t c) {
    const MaybeRational r =
        rationalRoot(sum(product(a, a), negated(product(product(b, b), whole(c)))));
    const MaybeRational half = Rational{1, 2};
    const MaybeTerm x = rootTerm(product(sum(a, r), half));
    MaybeTerm y = rootTerm(product(sum(a, negated(r)), half));
    if (!x || !y) {
        return std::nullopt;
    }
    if (b.numerator < 0) {
        // A root's coefficient is positive, so its negation fits.
        y->coefficient.numerator = -y->coefficient.numerator;
    }
    return std::vector<Term>{*x, *y};
}

MaybeTerm termProduct(const Term& a, const Term& b) {
    // For squarefree a and b with g = gcd(a, b): √a·√b = g·√((a/g)(b/g)), squarefree again.
    const std::int64_t shared = commonDivisor(a.radicand, b.radicand);
    Term result;
    if (__builtin_add_overflow(a.piPower, b.piPower, &result.piPower) ||
        __builtin_mul_overflow(a.radicand / shared, b.radicand / shared, &result.radicand)) {
        return std::nullopt;
    }
    const MaybeRational coefficient = product(product(a.coefficient, b.coefficient), whole(shared));
    if (!coefficient) {
        return std::nullopt;
    }
    result.coefficient = *coefficient;
    return result;
}

// 1/(q·π^k·√m) = π^(−k)·√m/(q·m), rationalised as a school does.
MaybeTerm reciprocalTerm(const Term& t) {
    Term result;
    result.radicand = t.radicand;
    const MaybeRational coefficient = reciprocal(product(t.coefficient, whole(t.radicand)));
    if (!coefficient || __builtin_sub_overflow(0, t.piPower, &result.piPower)) {
        return std::nullopt;
    }
    result.coefficient = *coefficient;
    return result;
}

MaybeTerm negatedTerm(Term t) {
    const MaybeRational coefficient = negated(t.coefficient);
    if (!coefficient) {
        return std::nullopt;
    }
    t.coefficient = *coefficient;
    return t;
}

MaybeRational tenToThe(int exponent) {
    std::int64_t power = 1;
    for (int i = 0; i < exponent; ++i) {
        if (__builtin_mul_overflow(power, 10, &power)) {
            return std::nullopt;
        }
    }
    return whole(power);
}

// A text as writeScientific() writes it, "-1.25e-07", as the rational it stands for.
MaybeRational scientificValue(std::string_view text) {
    const std::size_t e = text.find('e');
    // At most 17 significant digits, well within std::int64_t.
    std::int64_t digits = 0;
    int exponent = 0;
    bool afterPoint = false;
    for (const char c : text.substr(0, e)) {
        if (c == '.') {
            afterPoint = true;
        } else if (c != '-') {
            digits = digits * 10 + (c - '0');
            exponent -= afterPoint ? 1 : 0;
        }
    }
    std::string_view written = text.substr(e + 1);
    if (written.starts_with('+')) {
        written.remove_prefix(1);
    }
    int writtenExponent = 0;
    std::from_chars(written.data(), written.data() + written.size(), writtenExponent);
    exponent += writtenExponent;
    const MaybeRational magnitude = exponent >= 0
                                        ? product(whole(digits), tenToThe(exponent))
                                        : product(whole(digits), reciprocal(tenToThe(-exponent)));
    return text.starts_with('-') ? negated(magnitude) : magnitude;
}

ExactValue ofRational(const MaybeRational& q) {
    if (!q) {
        return ExactValue::none();
    }
    return ExactValue::fraction(q->numerator, q->denominator);
}

} // namespace

ExactValue ExactValue::integer(std::int64_t n) {
    return fraction(n, 1);
}

ExactValue ExactValue::fraction(std::int64_t numerator, std::int64_t denominator) {
    const MaybeRational q = reduced(numerator, denominator);
    if (!q) {
        return none();
    }
    return ofTerms({Term{*q, 0, 1}});
}

ExactValue ExactValue::pi() {
    return ofTerms({Term{Rational{1, 1}, 1, 1}});
}

ExactValue ExactValue::none() {
    ExactValue value;
    value.none_ = true;
    return value;
}

ExactValue ExactValue::fromDouble(double value) {
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
            return ofRational(scientificValue(text));
        }
    }
    return none();
}

double ExactValue::approximately() const {
    if (none_) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    double total = 0;
    for (const Term& t : terms_) {
        total += static_cast<double>(t.coefficient.numerator) /
                 static_cast<double>(t.coefficient.denominator) *
                 std::pow(std::numbers::pi, t.piPower) * std::sqrt(static_cast<double>(t.radicand));
    }
    return total;
}

ExactValue ExactValue::ofTerms(std::vector<Term> terms) {
    // By insertion: a value has a few terms, and std::sort would cost the page's script 2 KB.
    const auto before = [](const Term& a, const Term& b) {
        return std::pair{a.piPower, a.radicand} < std::pair{b.piPower, b.radicand};
    };
    for (std::size_t i = 1; i < terms.size(); ++i) {
        for (std::size_t j = i; j > 0 && before(terms[j], terms[j - 1]); --j) {
            std::swap(terms[j], terms[j - 1]);
        }
    }
    std::vector<Term> combined;
    for (const Term& t : terms) {
        if (combined.empty() || combined.back().piPower != t.piPower ||
            combined.back().radicand != t.radicand) {
            combined.push_back(t);
            continue;
        }
        const MaybeRational coefficient = sum(combined.back().coefficient, t.coefficient);
        if (!coefficient) {
            return none();
        }
        combined.back().coefficient = *coefficient;
    }
    std::erase_if(combined, [](const Term& t) { return t.coefficient.numerator == 0; });
    if (combined.size() > kMostTerms) {
        return none();
    }
    ExactValue value;
    value.terms_ = std::move(combined);
    return value;
}

ExactValue add(const ExactValue& a, const ExactValue& b) {
    if (a.isNone() || b.isNone()) {
        return ExactValue::none();
    }
    std::vector<Term> terms(a.terms_);
    terms.insert(terms.end(), b.terms_.begin(), b.terms_.end());
    return ExactValue::ofTerms(std::move(terms));
}

ExactValue subtract(const ExactValue& a, const ExactValue& b) {
    if (a.isNone() || b.isNone()) {
        return ExactValue::none();
    }
    std::vector<Term> terms(a.terms_);
    for (const Term& t : b.terms_) {
        const MaybeTerm negative = negatedTerm(t);
        if (!negative) {
            return ExactValue::none();
        }
        terms.push_back(*negative);
    }
    return ExactValue::ofTerms(std::move(terms));
}

ExactValue multiply(const ExactValue& a, const ExactValue& b) {
    if (a.isNone() || b.isNone()) {
        return ExactValue::none();
    }
    std::vector<Term> terms;
    for (const Term& left : a.terms_) {
        for (const Term& right : b.terms_) {
            const MaybeTerm t = termProduct(left, right);
            if (!t) {
                return ExactValue::none();
            }
            terms.push_back(*t);
        }
    }
    return ExactValue::ofTerms(std::move(terms));
}

ExactValue divide(const ExactValue& a, const ExactValue& b) {
    if (a.isNone() || b.isNone()) {
        return ExactValue::none();
    }
    const std::vector<Term>& divisor = b.terms_;
    if (divisor.size() == 1) {
        const MaybeTerm inverse = reciprocalTerm(divisor.front());
        if (!inverse) {
            return ExactValue::none();
        }
        return multiply(a, ExactValue::ofTerms({*inverse}));
    }
    if (divisor.size() == 2 && divisor[0].piPower == divisor[1].piPower) {
        // (t + u)(t − u) = t² − u² is one rational times one power of π, never zero, since t
        // and u have different roots: the division below is by a single term.
        const MaybeTerm u = negatedTerm(divisor[1]);
        if (!u) {
            return ExactValue::none();
        }
        const ExactValue conjugate = ExactValue::ofTerms({divisor[0], *u});
        return divide(multiply(a, conjugate), multiply(b, conjugate));
    }
    return ExactValue::none();
}

ExactValue squareRoot(const ExactValue& a) {
    if (a.isNone() || a.terms_.empty()) {
        return a;
    }
    const std::vector<Term>& terms = a.terms_;
    const int piPower = terms.front().piPower;
    if (piPower % 2 != 0 || std::any_of(terms.begin(), terms.end(),
                                        [&](const Term& t) { return t.piPower != piPower; })) {
        return ExactValue::none();
    }
    std::optional<std::vector<Term>> root;
    if (terms.size() == 1 && terms[0].radicand == 1) {
        if (const MaybeTerm t = rootTerm(terms[0].coefficient)) {
            root = std::vector<Term>{*t};
        }
    } else if (terms.size() == 2 && terms[0].radicand == 1) {
        root = denested(terms[0].coefficient, terms[1].coefficient, terms[1].radicand);
    }
    if (!root) {
        return ExactValue::none();
    }
    for (Term& t : *root) {
        t.piPower = piPower / 2;
    }
    return ExactValue::ofTerms(std::move(*root));
}

} // namespace korvala::calc
