// Exact values: finite sums of terms q·π^k·√m, as a school writes a cylinder's quantities.
//
// q is a nonzero rational with std::int64_t numerator and denominator (the denominator positive,
// lowest terms), k any int and m a squarefree integer ≥ 1. Every value is held in one canonical
// form, made on construction: like terms (the same k and m) combined, zero terms dropped, the
// terms ordered by k and then by m. Equal values therefore compare equal with == however they
// were built. Zero has no terms.
//
// A value that has no such form is none: the result of any integer overflow, of more than
// kMostTerms terms, of what the form cannot hold (a root of a root, an odd power of π under a
// root, a root of a negative value, a division by zero or by a sum other than a + b of one power
// of π) and of every operation on none. None is sticky, as NaN is; a value is never wrong.
// Nothing here throws, allocates, prints or keeps global state: a value is a fixed array, copied
// as plain bytes, because the page's WebAssembly would otherwise carry a vector's copies,
// destructors and unwinding for every step of every formula.
//
// add() to squareRoot() bear the names and shapes of runtime::checked's double functions, so
// that one template computes with either, finding these by argument-dependent lookup.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace korvala::calc {

struct Rational {
    std::int64_t numerator = 0;
    std::int64_t denominator = 1;

    friend bool operator==(const Rational&, const Rational&) = default;
};

struct Term {
    Rational coefficient;
    int piPower = 0;
    std::int64_t radicand = 1;

    friend bool operator==(const Term&, const Term&) = default;
};

inline constexpr std::size_t kMostTerms = 8;

class ExactValue;

[[nodiscard]] ExactValue add(const ExactValue& a, const ExactValue& b) noexcept;
[[nodiscard]] ExactValue subtract(const ExactValue& a, const ExactValue& b) noexcept;
[[nodiscard]] ExactValue multiply(const ExactValue& a, const ExactValue& b) noexcept;
[[nodiscard]] ExactValue divide(const ExactValue& a, const ExactValue& b) noexcept;
[[nodiscard]] ExactValue squareRoot(const ExactValue& a) noexcept;

class ExactValue {
public:
    ExactValue() = default; // zero

    [[nodiscard]] static ExactValue integer(std::int64_t n) noexcept;
    // None for a zero denominator or a quotient whose lowest terms do not fit (INT64_MIN / -1).
    [[nodiscard]] static ExactValue fraction(std::int64_t numerator,
                                             std::int64_t denominator) noexcept;
    [[nodiscard]] static ExactValue pi() noexcept;
    [[nodiscard]] static ExactValue none() noexcept;
    // The shortest decimal that reads back as value, as a rational: 0.1 gives 1/10, not the
    // double's binary fraction. None where it is not finite or does not fit std::int64_t.
    [[nodiscard]] static ExactValue fromDouble(double value) noexcept;

    [[nodiscard]] bool isNone() const noexcept { return none_; }
    // In canonical order; empty for zero and for none.
    [[nodiscard]] std::span<const Term> terms() const noexcept { return {terms_.data(), count_}; }
    // In doubles, for tests; NaN for none.
    [[nodiscard]] double approximately() const noexcept;

    // The terms in use only: the slots beyond them mean nothing.
    friend bool operator==(const ExactValue& a, const ExactValue& b) noexcept;

private:
    // Only the operations below build from terms, which they keep in the form above.
    friend ExactValue add(const ExactValue& a, const ExactValue& b) noexcept;
    friend ExactValue subtract(const ExactValue& a, const ExactValue& b) noexcept;
    friend ExactValue multiply(const ExactValue& a, const ExactValue& b) noexcept;
    friend ExactValue divide(const ExactValue& a, const ExactValue& b) noexcept;
    friend ExactValue squareRoot(const ExactValue& a) noexcept;

    // Sorts and combines the terms in place, as many as an operation gathers before like terms
    // are combined (a product of two values up to kMostTerms²).
    [[nodiscard]] static ExactValue ofTerms(std::span<Term> terms) noexcept;

    std::array<Term, kMostTerms> terms_{};
    std::size_t count_ = 0;
    bool none_ = false;
};

} // namespace korvala::calc
