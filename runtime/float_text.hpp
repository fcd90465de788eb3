// Every conversion between a double and its text that the program makes, in one place.
//
// Domain and results, the same for every implementation, byte for byte:
// - readDecimal() reads the longest prefix of text of the form -?(d+(.d*)?|.d+)([eE][+-]?d+)?
//   (d a decimal digit; no plus sign, no blanks, no "inf" or "nan", no "0x"), as
//   std::from_chars with chars_format::general does, and rounds it to the nearest double, ties
//   to even. readHex() likewise reads -?(h+(.h*)?|.h+)([pP][+-]?d+)? (h a hexadecimal digit, no
//   "0x"), as chars_format::hex does. Any bytes are accepted.
// - Their failures are from_chars' own: NoNumber when no such prefix exists (length 0);
//   OutOfRange when the number lies beyond the largest double or is not zero yet rounds to
//   zero (a subnormal result is no failure). Length is the prefix's length in both a number
//   read and OutOfRange.
// - writeFixed() writes value with `decimals` digits after a '.', writeScientific() as one
//   digit, then '.' and `decimals` digits (no point for 0 decimals), 'e', the exponent's sign
//   and at least two digits: exactly as std::to_chars with chars_format::fixed or scientific
//   and that precision writes them, rounded to nearest from the exact binary value, ties to
//   even, a '-' for every value with the sign bit (-0.0 too). Non-finite values give "inf",
//   "-inf", "nan" and "-nan" (nonFiniteText()). decimals is 0 to kMostDecimals. They give the
//   text's length; the only failure is a buffer too small for the whole text (nothing, the
//   buffer's contents unspecified); a fixed text is at most kLongestFixed(decimals) bytes, a
//   scientific one kLongestScientific.
// No locale, no global state, no allocation beyond the text's length; safe on any thread.
//
// The standard library's from_chars and to_chars are the default implementation. Where they
// lack floating point (Emscripten's libc++), KORVALA_C_LIBRARY_FLOAT_TEXT selects the C
// library's strtod and snprintf in the C locale instead (float_text_implementations.hpp names
// both, for the tests that hold one against the other).
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>
#include <tl/expected.hpp>

namespace korvala::runtime::float_text {

struct Number {
    double value = 0.0;
    std::size_t length = 0; // bytes of the number read

    friend bool operator==(const Number&, const Number&) = default;
};

enum class ReadError { NoNumber, OutOfRange };

struct ReadFailure {
    ReadError reason = ReadError::NoNumber;
    std::size_t length = 0; // bytes of the number out of range

    friend bool operator==(const ReadFailure&, const ReadFailure&) = default;
};

using ReadResult = tl::expected<Number, ReadFailure>;
// Bytes written, no terminating NUL; nothing where the buffer is too small.
using WriteResult = std::optional<std::size_t>;

inline constexpr int kMostDecimals = 100;
// Sign, 309 integer digits, the point and the decimals.
[[nodiscard]] constexpr std::size_t longestFixed(int decimals) {
    return 311 + static_cast<std::size_t>(decimals);
}
// Sign, digit, point, decimals, "e-324".
[[nodiscard]] constexpr std::size_t longestScientific(int decimals) {
    return 8 + static_cast<std::size_t>(decimals);
}

[[nodiscard]] ReadResult readDecimal(std::string_view text);
[[nodiscard]] ReadResult readHex(std::string_view text);
[[nodiscard]] WriteResult writeFixed(double value, int decimals, std::span<char> out);
[[nodiscard]] WriteResult writeScientific(double value, int decimals, std::span<char> out);

// What the writers write for a value that is not finite: "inf", "-inf", "nan" or "-nan".
[[nodiscard]] std::string_view nonFiniteText(double value);

} // namespace korvala::runtime::float_text
