#include "calc/steps.hpp"

#include "calc/constants.hpp"
#include "runtime/checked_arithmetic.hpp"

#include <type_traits>
#include <utility>

namespace korvala::calc {

namespace {

using runtime::checked::add;
using runtime::checked::checkedStep;
using runtime::checked::divide;
using runtime::checked::multiply;
using runtime::checked::squareRoot;
using runtime::checked::subtract;

// The calculator's numbers in either arithmetic: in doubles the literals of constants.hpp, which
// every result depends on to its last digit; exactly, π itself.
template <class N> struct Numbers;

template <> struct Numbers<double> {
    static double integer(int n) { return n; }
    static double pi() { return kPi; }
    static double twoPi() { return kTwoPi; }
    static double fourPi() { return kFourPi; }
    // The halving is a plain division, checked as a step of its own.
    static double half(double x) { return checkedStep(x / 2.0); }
};

template <> struct Numbers<ExactValue> {
    static ExactValue integer(int n) { return ExactValue::integer(n); }
    static ExactValue pi() { return ExactValue::pi(); }
    static ExactValue twoPi() { return multiply(integer(2), pi()); }
    static ExactValue fourPi() { return multiply(integer(4), pi()); }
    static ExactValue half(const ExactValue& x) { return divide(x, integer(2)); }
};

template <class V> using NumberOf = std::remove_cvref_t<decltype(std::declval<V>()[0])>;

// The chains below are written exactly as they are evaluated, left to right; an algebraically
// equal grouping would change the last digits. The formulas beside them in the table are the
// school's notation of the same quantity, not of the grouping. Each is generic over the values'
// arithmetic, whose add() to squareRoot() it finds by their arguments.

template <class V> const auto& r(const V& values) {
    return values[indexOf(Symbol::R)];
}
template <class V> const auto& h(const V& values) {
    return values[indexOf(Symbol::H)];
}
template <class V> const auto& d(const V& values) {
    return values[indexOf(Symbol::D)];
}
template <class V> const auto& s(const V& values) {
    return values[indexOf(Symbol::S)];
}
template <class V> const auto& v(const V& values) {
    return values[indexOf(Symbol::V)];
}
template <class V> const auto& t(const V& values) {
    return values[indexOf(Symbol::T)];
}
template <class V> const auto& b(const V& values) {
    return values[indexOf(Symbol::B)];
}

template <class N> N square(const N& x) {
    return multiply(x, x);
}

// 4·R·R, that is (4·R)·R.
template <class N> N fourRR(const N& radius) {
    return multiply(multiply(Numbers<N>::integer(4), radius), radius);
}

constexpr auto diagonal = [](const auto& values) {
    return squareRoot(add(square(h(values)), fourRR(r(values))));
};

// The same sum as diagonal() in the other order, as "R V" adds it.
constexpr auto diagonalRadiusFirst = [](const auto& values) {
    return squareRoot(add(fourRR(r(values)), square(h(values))));
};

// 2π·R·H, that is (2π·R)·H.
constexpr auto lateralArea = [](const auto& values) {
    using N = NumberOf<decltype(values)>;
    return multiply(multiply(Numbers<N>::twoPi(), r(values)), h(values));
};

// π·R·R·H, that is ((π·R)·R)·H.
constexpr auto volume = [](const auto& values) {
    using N = NumberOf<decltype(values)>;
    return multiply(multiply(multiply(Numbers<N>::pi(), r(values)), r(values)), h(values));
};

constexpr auto heightFromDiagonal = [](const auto& values) {
    return squareRoot(subtract(square(d(values)), fourRR(r(values))));
};

constexpr auto heightFromArea = [](const auto& values) {
    using N = NumberOf<decltype(values)>;
    return divide(s(values), multiply(Numbers<N>::twoPi(), r(values)));
};

constexpr auto heightFromVolume = [](const auto& values) {
    using N = NumberOf<decltype(values)>;
    return divide(v(values), multiply(multiply(Numbers<N>::pi(), r(values)), r(values)));
};

constexpr auto radiusFromDiagonal = [](const auto& values) {
    using N = NumberOf<decltype(values)>;
    return Numbers<N>::half(squareRoot(subtract(square(d(values)), square(h(values)))));
};

constexpr auto radiusFromArea = [](const auto& values) {
    using N = NumberOf<decltype(values)>;
    return divide(s(values), multiply(Numbers<N>::twoPi(), h(values)));
};

constexpr auto radiusFromVolume = [](const auto& values) {
    using N = NumberOf<decltype(values)>;
    return squareRoot(divide(v(values), multiply(Numbers<N>::pi(), h(values))));
};

constexpr auto radiusFromAreaAndVolume = [](const auto& values) {
    using N = NumberOf<decltype(values)>;
    return divide(multiply(Numbers<N>::integer(2), v(values)), s(values));
};

// T = 2R + H: 2R and H are the sides of the axial section, whose diagonal is D and whose area
// 2R·H is S / π, so (2R + H)² = D² + 2·S / π.
constexpr auto sumOfDiameterAndHeight = [](const auto& values) {
    using N = NumberOf<decltype(values)>;
    return squareRoot(add(square(d(values)),
                          divide(multiply(Numbers<N>::integer(2), s(values)), Numbers<N>::pi())));
};

// 2R and H are the roots of z² − T·z + S/π = 0 and R is half the smaller one, so that H ≥ 2R;
// with π multiplied through, (π·T − √(π·T·π·T − 4·S·π)) / 4π.
constexpr auto radiusFromSum = [](const auto& values) {
    using N = NumberOf<decltype(values)>;
    const N piT = multiply(Numbers<N>::pi(), t(values));
    const N discriminant =
        subtract(multiply(multiply(piT, Numbers<N>::pi()), t(values)),
                 multiply(multiply(Numbers<N>::integer(4), s(values)), Numbers<N>::pi()));
    return divide(subtract(piT, squareRoot(discriminant)), Numbers<N>::fourPi());
};

// π·R·R, that is (π·R)·R.
constexpr auto base = [](const auto& values) {
    using N = NumberOf<decltype(values)>;
    return multiply(multiply(Numbers<N>::pi(), r(values)), r(values));
};

constexpr auto totalSurface = [](const auto& values) {
    using N = NumberOf<decltype(values)>;
    return add(s(values), multiply(Numbers<N>::integer(2), b(values)));
};

// A row of the table: the chain instantiated for both arithmetics.
template <class Chain>
constexpr Step step(Symbol symbol, std::string_view formula, Chain /*chain*/) {
    return {symbol, formula, [](const SymbolValues& values) { return Chain{}(values); },
            [](const ExactSymbolValues& values) { return Chain{}(values); }};
}

using enum Symbol;

constexpr std::string_view kDiagonal = "√(H² + 4·R²)";
constexpr std::string_view kLateralArea = "2π·R·H";
constexpr std::string_view kVolume = "π·R²·H";
constexpr std::string_view kHeightFromDiagonal = "√(D² − 4·R²)";
constexpr std::string_view kHeightFromArea = "S / (2π·R)";

constexpr std::array kRH{step(D, kDiagonal, diagonal), step(S, kLateralArea, lateralArea),
                         step(V, kVolume, volume)};
constexpr std::array kRD{step(H, kHeightFromDiagonal, heightFromDiagonal),
                         step(S, kLateralArea, lateralArea), step(V, kVolume, volume)};
constexpr std::array kRS{step(H, kHeightFromArea, heightFromArea), step(D, kDiagonal, diagonal),
                         step(V, kVolume, volume)};
constexpr std::array kRV{step(H, "V / (π·R²)", heightFromVolume),
                         step(D, "√(4·R² + H²)", diagonalRadiusFirst),
                         step(S, kLateralArea, lateralArea)};
constexpr std::array kHD{step(R, "√(D² − H²) / 2", radiusFromDiagonal),
                         step(S, kLateralArea, lateralArea), step(V, kVolume, volume)};
constexpr std::array kHS{step(R, "S / (2π·H)", radiusFromArea), step(D, kDiagonal, diagonal),
                         step(V, kVolume, volume)};
constexpr std::array kHV{step(R, "√(V / (π·H))", radiusFromVolume), step(D, kDiagonal, diagonal),
                         step(S, kLateralArea, lateralArea)};
constexpr std::array kDS{step(T, "√(D² + 2·S / π)", sumOfDiameterAndHeight),
                         step(R, "(π·T − √(π²·T² − 4·π·S)) / (4π)", radiusFromSum),
                         step(H, kHeightFromDiagonal, heightFromDiagonal),
                         step(V, kVolume, volume)};
constexpr std::array kSV{step(R, "2·V / S", radiusFromAreaAndVolume),
                         step(H, kHeightFromArea, heightFromArea), step(D, kDiagonal, diagonal)};
constexpr std::array kSurfaces{step(B, "π·R²", base), step(S1, "S + 2·B", totalSurface)};

// Indexed by problem type.
constexpr std::array<std::span<const Step>, kProblemTypeCount> kSteps{kRH, kRD, kRS, kRV, kHD,
                                                                      kHS, kHV, kDS, kSV};

} // namespace

std::span<const Step> stepsOf(ProblemType type) {
    return kSteps.at(static_cast<std::size_t>(type));
}

std::span<const Step> surfaceSteps() {
    return kSurfaces;
}

} // namespace korvala::calc
