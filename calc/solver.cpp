#include "calc/solver.hpp"

#include "calc/constants.hpp"
#include "runtime/checked_arithmetic.hpp"

namespace korvala::calc {

namespace {

using runtime::checked::add;
using runtime::checked::checkedStep;
using runtime::checked::divide;
using runtime::checked::multiply;
using runtime::checked::squareRoot;
using runtime::checked::subtract;

// The chains below are written exactly as they are evaluated, left to right; an algebraically
// equal grouping would change the last digits.

double square(double x) {
    return multiply(x, x);
}

// 4·R·R, that is (4·R)·R.
double fourRR(double r) {
    return multiply(multiply(4.0, r), r);
}

// D from R and H: √(H·H + 4·R·R).
double diagonalOf(double r, double h) {
    return squareRoot(add(square(h), fourRR(r)));
}

// 2π·R·H, that is (2π·R)·H.
double lateralAreaOf(double r, double h) {
    return multiply(multiply(kTwoPi, r), h);
}

// π·R·R·H, that is ((π·R)·R)·H.
double volumeOf(double r, double h) {
    return multiply(multiply(multiply(kPi, r), r), h);
}

// H from D and R: √(D·D − 4·R·R).
double heightFromDiagonal(double d, double r) {
    return squareRoot(subtract(square(d), fourRR(r)));
}

Cylinder fromRadiusAndHeight(double r, double h, double d) {
    return {r, h, d, lateralAreaOf(r, h), volumeOf(r, h)};
}

Cylinder solveDiagonalAndArea(double d, double s) {
    // T = 2R + H; 2R and H are the roots of z² − T·z + S/π = 0, and R takes the smaller one.
    const double t = squareRoot(add(square(d), divide(multiply(2.0, s), kPi)));
    const double piT = multiply(kPi, t);
    const double discriminant =
        subtract(multiply(multiply(piT, kPi), t), multiply(multiply(4.0, s), kPi));
    const double r = divide(subtract(piT, squareRoot(discriminant)), kFourPi);
    const double h = heightFromDiagonal(d, r);
    return {r, h, d, s, volumeOf(r, h)};
}

} // namespace

Cylinder completeCylinder(ProblemType type, double firstGiven, double secondGiven) {
    switch (type) {
    case ProblemType::RH: {
        const double r = firstGiven;
        const double h = secondGiven;
        return fromRadiusAndHeight(r, h, diagonalOf(r, h));
    }
    case ProblemType::RD: {
        const double r = firstGiven;
        const double d = secondGiven;
        return fromRadiusAndHeight(r, heightFromDiagonal(d, r), d);
    }
    case ProblemType::RS: {
        const double r = firstGiven;
        const double s = secondGiven;
        const double h = divide(s, multiply(kTwoPi, r));
        return {r, h, diagonalOf(r, h), s, volumeOf(r, h)};
    }
    case ProblemType::RV: {
        const double r = firstGiven;
        const double v = secondGiven;
        const double h = divide(v, multiply(multiply(kPi, r), r));
        // 4·R·R + H·H here, in this order.
        const double d = squareRoot(add(fourRR(r), square(h)));
        return {r, h, d, lateralAreaOf(r, h), v};
    }
    case ProblemType::HD: {
        const double h = firstGiven;
        const double d = secondGiven;
        // The halving is a plain division by 2.0, checked as a step of its own.
        const double r = checkedStep(squareRoot(subtract(square(d), square(h))) / 2.0);
        return fromRadiusAndHeight(r, h, d);
    }
    case ProblemType::HS: {
        const double h = firstGiven;
        const double s = secondGiven;
        const double r = divide(s, multiply(kTwoPi, h));
        return {r, h, diagonalOf(r, h), s, volumeOf(r, h)};
    }
    case ProblemType::HV: {
        const double h = firstGiven;
        const double v = secondGiven;
        const double r = squareRoot(divide(v, multiply(kPi, h)));
        return {r, h, diagonalOf(r, h), lateralAreaOf(r, h), v};
    }
    case ProblemType::DS:
        return solveDiagonalAndArea(firstGiven, secondGiven);
    case ProblemType::SV: {
        const double s = firstGiven;
        const double v = secondGiven;
        const double r = divide(multiply(2.0, v), s);
        const double h = divide(s, multiply(kTwoPi, r));
        return {r, h, diagonalOf(r, h), s, v};
    }
    }
    return {};
}

} // namespace korvala::calc
