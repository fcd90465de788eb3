// Completing a cylinder from a given pair.
//
// solve() takes the problem type and its two given values (the first and second given of the
// pair, in that order) and runs the type's steps (stepsOf()) in order, each a fixed chain of
// checked double operations, so the results are the same to the last bit on every platform. It
// returns every symbol's value: the given pair, the three computed quantities, and T where the
// type computes it (zero elsewhere); the five quantities come first, indexed by Quantity. Given
// values are finite; they may be any sign, since validation is the
// caller's. Throws runtime::RunTimeError: InvalidArgument for a pair that no cylinder has (a
// square root of a negative number), Overflow for a result beyond the double range,
// DivisionByZero where a product has underflowed to zero.
//
// withSurfaces() adds the base B and the total surface S₁ to a solved cylinder's values, or gives
// nothing where either lies beyond the double range: they describe the cylinder and never stop
// its calculation. solveExactly() runs the same steps, the surfaces' included, on the exact
// given values; it never throws, and a value without an exact form is none.
#pragma once

#include "calc/problem_type.hpp"
#include "calc/quantity.hpp"
#include "calc/steps.hpp"

#include <array>
#include <optional>

namespace korvala::calc {

using Cylinder = std::array<double, kQuantityCount>;

[[nodiscard]] SymbolValues solve(ProblemType type, double firstGiven, double secondGiven);

[[nodiscard]] std::optional<SymbolValues> withSurfaces(SymbolValues values);

[[nodiscard]] ExactSymbolValues solveExactly(ProblemType type, const ExactValue& firstGiven,
                                             const ExactValue& secondGiven);

} // namespace korvala::calc
