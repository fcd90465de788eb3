#include "calc/steps.hpp"

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
// equal grouping would change the last digits. The formulas beside them in the table are the
// school's notation of the same quantity, not of the grouping.

double r(const SymbolValues& values) {
    return values[indexOf(Symbol::R)];
}
double h(const SymbolValues& values) {
    return values[indexOf(Symbol::H)];
}
double d(const SymbolValues& values) {
    return values[indexOf(Symbol::D)];
}
double s(const SymbolValues& values) {
    return values[indexOf(Symbol::S)];
}
double v(const SymbolValues& values) {
    return values[indexOf(Symbol::V)];
}
double t(const SymbolValues& values) {
    return values[indexOf(Symbol::T)];
}

double square(double x) {
    return multiply(x, x);
}

// 4·R·R, that is (4·R)·R.
double fourRR(double radius) {
    return multiply(multiply(4.0, radius), radius);
}

double diagonal(const SymbolValues& values) {
    return squareRoot(add(square(h(values)), fourRR(r(values))));
}

// The same sum as diagonal() in the other order, as "R V" adds it.
double diagonalRadiusFirst(const SymbolValues& values) {
    return squareRoot(add(fourRR(r(values)), square(h(values))));
}

// 2π·R·H, that is (2π·R)·H.
double lateralArea(const SymbolValues& values) {
    return multiply(multiply(kTwoPi, r(values)), h(values));
}

// π·R·R·H, that is ((π·R)·R)·H.
double volume(const SymbolValues& values) {
    return multiply(multiply(multiply(kPi, r(values)), r(values)), h(values));
}

double heightFromDiagonal(const SymbolValues& values) {
    return squareRoot(subtract(square(d(values)), fourRR(r(values))));
}

double heightFromArea(const SymbolValues& values) {
    return divide(s(values), multiply(kTwoPi, r(values)));
}

double heightFromVolume(const SymbolValues& values) {
    return divide(v(values), multiply(multiply(kPi, r(values)), r(values)));
}

// The halving is a plain division, checked as a step of its own.
double radiusFromDiagonal(const SymbolValues& values) {
    return checkedStep(squareRoot(subtract(square(d(values)), square(h(values)))) / 2.0);
}

double radiusFromArea(const SymbolValues& values) {
    return divide(s(values), multiply(kTwoPi, h(values)));
}

double radiusFromVolume(const SymbolValues& values) {
    return squareRoot(divide(v(values), multiply(kPi, h(values))));
}

double radiusFromAreaAndVolume(const SymbolValues& values) {
    return divide(multiply(2.0, v(values)), s(values));
}

// T = 2R + H: 2R and H are the sides of the axial section, whose diagonal is D and whose area
// 2R·H is S / π, so (2R + H)² = D² + 2·S / π.
double sumOfDiameterAndHeight(const SymbolValues& values) {
    return squareRoot(add(square(d(values)), divide(multiply(2.0, s(values)), kPi)));
}

// 2R and H are the roots of z² − T·z + S/π = 0 and R is half the smaller one, so that H ≥ 2R;
// with π multiplied through, (π·T − √(π·T·π·T − 4·S·π)) / 4π.
double radiusFromSum(const SymbolValues& values) {
    const double piT = multiply(kPi, t(values));
    const double discriminant =
        subtract(multiply(multiply(piT, kPi), t(values)), multiply(multiply(4.0, s(values)), kPi));
    return divide(subtract(piT, squareRoot(discriminant)), kFourPi);
}

using enum Symbol;

constexpr std::string_view kDiagonal = "√(H² + 4·R²)";
constexpr std::string_view kLateralArea = "2π·R·H";
constexpr std::string_view kVolume = "π·R²·H";
constexpr std::string_view kHeightFromDiagonal = "√(D² − 4·R²)";
constexpr std::string_view kHeightFromArea = "S / (2π·R)";

constexpr std::array kRH{Step{D, kDiagonal, diagonal}, Step{S, kLateralArea, lateralArea},
                         Step{V, kVolume, volume}};
constexpr std::array kRD{Step{H, kHeightFromDiagonal, heightFromDiagonal},
                         Step{S, kLateralArea, lateralArea}, Step{V, kVolume, volume}};
constexpr std::array kRS{Step{H, kHeightFromArea, heightFromArea}, Step{D, kDiagonal, diagonal},
                         Step{V, kVolume, volume}};
constexpr std::array kRV{Step{H, "V / (π·R²)", heightFromVolume},
                         Step{D, "√(4·R² + H²)", diagonalRadiusFirst},
                         Step{S, kLateralArea, lateralArea}};
constexpr std::array kHD{Step{R, "√(D² − H²) / 2", radiusFromDiagonal},
                         Step{S, kLateralArea, lateralArea}, Step{V, kVolume, volume}};
constexpr std::array kHS{Step{R, "S / (2π·H)", radiusFromArea}, Step{D, kDiagonal, diagonal},
                         Step{V, kVolume, volume}};
constexpr std::array kHV{Step{R, "√(V / (π·H))", radiusFromVolume}, Step{D, kDiagonal, diagonal},
                         Step{S, kLateralArea, lateralArea}};
constexpr std::array kDS{Step{T, "√(D² + 2·S / π)", sumOfDiameterAndHeight},
                         Step{R, "(π·T − √(π²·T² − 4·π·S)) / (4π)", radiusFromSum},
                         Step{H, kHeightFromDiagonal, heightFromDiagonal},
                         Step{V, kVolume, volume}};
constexpr std::array kSV{Step{R, "2·V / S", radiusFromAreaAndVolume},
                         Step{H, kHeightFromArea, heightFromArea}, Step{D, kDiagonal, diagonal}};

// Indexed by problem type.
constexpr std::array<std::span<const Step>, kProblemTypeCount> kSteps{kRH, kRD, kRS, kRV, kHD,
                                                                      kHS, kHV, kDS, kSV};

} // namespace

std::span<const Step> stepsOf(ProblemType type) {
    return kSteps.at(static_cast<std::size_t>(type));
}

} // namespace korvala::calc
