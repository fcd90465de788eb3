// Checked double arithmetic.
//
// Each function is exactly one IEEE 754 double operation, rounded to nearest; the build keeps
// the compiler from fusing or reordering them (-ffp-contract=off, no fast-math, SSE2 on 32-bit
// x86). Operands are finite. A result beyond the double range throws RunTimeError(Overflow), a
// division by zero RunTimeError(DivisionByZero), a square root of a negative number
// RunTimeError(InvalidArgument). A result too small for a double becomes zero (or a subnormal)
// without an error. checkedStep() applies the same check to a step computed by plain operators.
#pragma once

namespace korvala::runtime::checked {

[[nodiscard]] double add(double a, double b);
[[nodiscard]] double subtract(double a, double b);
[[nodiscard]] double multiply(double a, double b);
[[nodiscard]] double divide(double a, double b);
[[nodiscard]] double squareRoot(double a);

// Raises the error that a step left behind: NaN is an invalid operation, an infinity an
// overflow. Returns the value unchanged otherwise.
[[nodiscard]] double checkedStep(double result);

} // namespace korvala::runtime::checked
