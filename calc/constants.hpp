// The calculator's π and its multiples. These literals, and not the double nearest to π, are
// the ones every result is computed with: the last digits of the results depend on them.
#pragma once

namespace korvala::calc {

inline constexpr double kPi = 3.14159265358979;
inline constexpr double kTwoPi = 6.28318530717958;
inline constexpr double kFourPi = 12.56637061435916;

} // namespace korvala::calc
