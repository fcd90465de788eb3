// The working of a completed calculation, written out as a student writes it down.
//
// stepLines() gives one line for each of the steps, in their order: the step's letter, its
// formula, the formula with each letter replaced by that value, and the result, joined by " = "
// ("D = √(H² + 4·R²) = √(1² + 4·1²) = 2.2360680"). A value put into a formula is written by
// formatWithoutTrailingZeros(), the result by formatSevenDecimals(), both with the given
// settings. Where `approximated` holds an exact form for the result (one that the seven decimals
// do not write exactly), the line ends with that form and then "≈" and the decimals instead
// ("S = 2π·R·H = 2π·1·2.5 = 5π ≈ 15.7079633"). `values` are what the solver gave for the steps.
// The lines are UTF-8 and hold no line break. Throws nothing but std::bad_alloc.
#pragma once

#include "calc/steps.hpp"
#include "runtime/number_settings.hpp"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace korvala::calc {

struct StepLine {
    Symbol symbol = Symbol::R; // the value the line computes
    std::string text;

    friend bool operator==(const StepLine&, const StepLine&) = default;
};

// Indexed by Symbol: a value's exact form in school notation, or nothing.
using ExactForms = std::array<std::optional<std::string>, kSymbolCount>;

[[nodiscard]] std::vector<StepLine> stepLines(std::span<const Step> steps,
                                              const SymbolValues& values,
                                              const ExactForms& approximated,
                                              const runtime::NumberSettings& settings);

} // namespace korvala::calc
