// Writing numbers for the user.
//
// formatSevenDecimals() writes a double with exactly seven digits after the decimal symbol,
// correctly rounded from its exact binary value (ties to even), every integer digit kept, and
// the decimal symbol, digit grouping, leading zero and negative form of the given settings. A
// value that rounds to zero is written without a sign. formatWithoutTrailingZeros() writes the
// same text with the trailing zeros of its fraction dropped, and the decimal symbol too where no
// digit follows it; where no digit is left (zero without a leading zero) it writes "0".
// fitToWidth() fits the same value into a box of `width` characters: the seven-decimal text
// cut to width when the cut keeps the sign and every integer digit and does not turn a non-zero
// value into zeros, otherwise the value in scientific form (3.142E7, 4.00E-8). All three accept
// any double and never fail; infinities and NaN, which the calculation never produces, come out
// as "inf", "-inf" and "nan".
#pragma once

#include "runtime/number_settings.hpp"

#include <cstddef>
#include <string>

namespace korvala::runtime {

[[nodiscard]] std::string formatSevenDecimals(double value, const NumberSettings& settings);
[[nodiscard]] std::string formatWithoutTrailingZeros(double value, const NumberSettings& settings);

// The widest text fitToWidth() may return is one whose scientific form with no decimals
// (such as "(2E-308)") is still too wide; it is returned then, and the box cuts it.
[[nodiscard]] std::string fitToWidth(double value, std::size_t width,
                                     const NumberSettings& settings);

} // namespace korvala::runtime
