// The calculation as one operation.
//
// In: the problem type, the five value texts and the five check states (indexed by Quantity;
// 1 means the quantity is given) and the number settings to read and write with. Every text is
// read with readTypedValue(), so that a value may be typed as a multiple of π ("70π"); a checked
// value that is not greater than zero declines the calculation. Otherwise the given pair is
// completed and all five values come back with their seven-decimal texts and their exact forms
// in school notation where they have a simple one (calc/exact_text.hpp), as do the base B and the
// total surface S₁ where they lie within the double range; and with the working that led to them
// (`steps`): the lines of stepLines(), one for each computed quantity in the order it was
// computed, for "D S" after a first one for T, then B's and S₁'s. A number too large to read, or
// a failing step of the solver, ends the calculation with its run-time error, raised even from a
// row that is not checked. Declines and errors carry nothing to write: the caller changes
// nothing then. Throws nothing but std::bad_alloc.
#pragma once

#include "calc/problem_type.hpp"
#include "calc/quantity.hpp"
#include "calc/solver.hpp"
#include "calc/step_lines.hpp"
#include "runtime/number_settings.hpp"
#include "runtime/run_time_error.hpp"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace korvala::calc {

struct CalculationInput {
    ProblemType type = ProblemType::RH;
    std::array<std::string_view, kQuantityCount> texts{};
    std::array<bool, kQuantityCount> checks{};
};

struct Declined {};

// A value beyond the five: its seven-decimal text and its exact form, where simple.
struct Surface {
    double value = 0.0;
    std::string text;
    std::optional<std::string> exact;
};

struct Completed {
    Cylinder values{};
    std::array<std::string, kQuantityCount> texts; // seven-decimal, as the settings write them
    std::array<std::optional<std::string>, kQuantityCount> exact{}; // "5π/2", where simple
    // Where the seven decimals only approximate the exact form (5π/2, not 5/2).
    std::array<bool, kQuantityCount> rounded{};
    // The given values typed as multiples of π: the number before π ("2,5π" 2.5).
    std::array<std::optional<double>, kQuantityCount> typedTimesPi{};
    std::optional<Surface> base;   // B = π·R²
    std::optional<Surface> total;  // S₁ = S + 2·B
    std::vector<StepLine> steps{}; // the working, as stepLines() writes it
};

struct Failed {
    runtime::ErrorNumber error = runtime::ErrorNumber::InvalidArgument;
};

using CalculationOutcome = std::variant<Declined, Completed, Failed>;

[[nodiscard]] CalculationOutcome calculate(const CalculationInput& input,
                                           const runtime::NumberSettings& settings);

} // namespace korvala::calc
