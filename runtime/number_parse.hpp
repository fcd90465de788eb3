// Reading the number at the start of a text.
//
// parseLeadingNumber() drops every blank, tab and line feed, then reads &H hexadecimal or &O
// octal digits (an unsigned whole number of any length), or a decimal number: an optional sign,
// digits with at most one decimal separator, and an optional exponent (E or e, optional sign,
// digits). It stops at the first character that cannot continue the number and ignores the
// rest; a text with no number at its start reads as 0. The result is the double nearest to the
// number read; one too small for a double becomes 0 or a subnormal. The period is always a
// decimal separator; the settings' decimal symbol is one too, and the settings' grouping symbol
// is skipped where it stands in the integer part exactly as formatSevenDecimals() would place
// it. Anywhere else a grouping period is the decimal point (with decimal "," and grouping ".",
// "2.5" is 2.5 and "1.234,5" is 1234.5) and any other grouping symbol ends the number. With the
// POSIX settings no grouping symbol exists, so "2,5" reads as 2 and "1,234.5" as 1. The only
// failure is a number beyond the double range, which throws RunTimeError(Overflow). Any bytes
// and any settings are accepted.
//
// parseLeadingNumberAndRest() reads the same number and also hands back what follows it, blanks
// dropped: the whole text where it holds no number ("π" gives 0 and "π"; "7π7" 7 and "π7").
#pragma once

#include "runtime/number_settings.hpp"

#include <string>
#include <string_view>

namespace korvala::runtime {

struct LeadingNumber {
    double value = 0.0;
    std::string rest;
    bool found = false; // false where the text holds no number at its start
};

[[nodiscard]] double parseLeadingNumber(std::string_view text, const NumberSettings& settings);
[[nodiscard]] LeadingNumber parseLeadingNumberAndRest(std::string_view text,
                                                      const NumberSettings& settings);

} // namespace korvala::runtime
