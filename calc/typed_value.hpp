// What the user typed into a value box, read as a number.
//
// readTypedValue() reads the number at the start of the text as parseLeadingNumber() does; where
// "π" or "pi" (Latin letters in any case) follows it, blanks aside, the value is that many π:
// "70π" and "2,5pi" are 70π and 2.5π. "π" or "pi" alone, after an optional sign, is ±π; anything
// after the π is ignored, as after any number ("7π7" is 7π). The value is the number times the
// calculator's kPi, one checked multiplication, so that a typed π and a computed one agree to the
// last digit; its exact counterpart is the decimal as typed ("0,1" is 1/10, never the double's
// binary fraction) times π. Throws runtime::RunTimeError(Overflow) for a number beyond the
// double range, the product with π included.
#pragma once

#include "calc/exact_value.hpp"
#include "runtime/number_settings.hpp"

#include <optional>
#include <string_view>

namespace korvala::calc {

struct TypedValue {
    double value = 0.0;
    ExactValue exact;
    std::optional<double> timesPi; // the number before π, 1 for π alone; nothing without π
};

[[nodiscard]] TypedValue readTypedValue(std::string_view text,
                                        const runtime::NumberSettings& settings);

} // namespace korvala::calc
