#include "runtime/checked_arithmetic.hpp"

#include "runtime/run_time_error.hpp"

#include <cmath>

namespace korvala::runtime::checked {

double checkedStep(double result) {
    if (std::isnan(result)) {
        throw RunTimeError(ErrorNumber::InvalidArgument);
    }
    if (std::isinf(result)) {
        throw RunTimeError(ErrorNumber::Overflow);
    }
    return result;
}

double add(double a, double b) {
    return checkedStep(a + b);
}

double subtract(double a, double b) {
    return checkedStep(a - b);
}

double multiply(double a, double b) {
    return checkedStep(a * b);
}

double divide(double a, double b) {
    if (b == 0.0) {
        throw RunTimeError(ErrorNumber::DivisionByZero);
    }
    return checkedStep(a / b);
}

double squareRoot(double a) {
    // -0.0 is not negative: its root is -0.0, as IEEE 754 says.
    if (a < 0.0 || std::isnan(a)) {
        throw RunTimeError(ErrorNumber::InvalidArgument);
    }
    return std::sqrt(a);
}

} // namespace korvala::runtime::checked
