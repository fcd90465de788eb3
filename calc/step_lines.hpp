// The working of a completed calculation, written out as a student writes it down.
//
// stepLines() gives one line for each of the steps, in their order: the step's letter, its
// formula, the formula with each letter replaced by that value, and the result, joined by " = "
// ("D = √(H² + 4·R²) = √(1² + 4·1²) = 2.2360680"). A value put into a formula is written by
// formatWithoutTrailingZeros(), the result by formatSevenDecimals(), both with the given
// settings. Where the result has an exact form that the seven decimals do not write exactly, the
// line ends with that form and then "≈" and the decimals instead ("S = 2π·R·H = 2π·1·2.5 = 5π ≈
// 15.7079633"). `values` and `exact` are what the solver gave for the steps. The lines are UTF-8
// and hold no line break. Throws nothing but std::bad_alloc.
//
// decimalsAreExact() tells whether seven decimals write an exact value exactly, as they do 5/2
// but not 1/3 or π.
#pragma once

#include "calc/exact_value.hpp"
#include "calc/steps.hpp"
#include "runtime/number_settings.hpp"

#include <span>
#include <string>
#include <vector>

namespace korvala::calc {

struct StepLine {
    Symbol symbol = Symbol::R; // the value the line computes
    std::string text;

    friend bool operator==(const StepLine&, const StepLine&) = default;
};

[[nodiscard]] std::vector<StepLine> stepLines(std::span<const Step> steps,
                                              const SymbolValues& values,
                                              const ExactSymbolValues& exact,
                                              const runtime::NumberSettings& settings);

[[nodiscard]] bool decimalsAreExact(const ExactValue& value);

} // namespace korvala::calc
