// Completing a cylinder from a given pair.
//
// completeCylinder() takes the problem type and its two given values (the first and second
// given of the pair, in that order) and computes the other three quantities with checked double
// arithmetic, each operation in a fixed order, so the results are the same to the last bit on
// every platform. The values are indexed by Quantity. Given values are finite; they may be any
// sign, since validation is the caller's. Throws runtime::RunTimeError: InvalidArgument for a
// pair that no cylinder has (a square root of a negative number), Overflow for a result beyond
// the double range, DivisionByZero where a product has underflowed to zero.
#pragma once

#include "calc/problem_type.hpp"
#include "calc/quantity.hpp"

#include <array>

namespace korvala::calc {

using Cylinder = std::array<double, kQuantityCount>;

[[nodiscard]] Cylinder completeCylinder(ProblemType type, double firstGiven, double secondGiven);

} // namespace korvala::calc
