// The working of a completed calculation, written out as a student writes it down.
//
// stepLines() gives one line for each step of the problem type (stepsOf()), in the order they
// are computed: the step's letter, its formula, the formula with each letter replaced by that
// value, and the result, joined by " = " ("D = √(H² + 4·R²) = √(1² + 4·1²) = 2.2360680"). A value
// put into a formula is written by formatWithoutTrailingZeros(), the result by
// formatSevenDecimals(), both with the given settings; `values` are what solve() returned for the
// type. The lines are UTF-8 and hold no line break. Throws nothing but std::bad_alloc.
#pragma once

#include "calc/problem_type.hpp"
#include "calc/steps.hpp"
#include "runtime/number_settings.hpp"

#include <string>
#include <vector>

namespace korvala::calc {

struct StepLine {
    Symbol symbol = Symbol::R; // the value the line computes
    std::string text;

    friend bool operator==(const StepLine&, const StepLine&) = default;
};

[[nodiscard]] std::vector<StepLine> stepLines(ProblemType type, const SymbolValues& values,
                                              const runtime::NumberSettings& settings);

} // namespace korvala::calc
