// The nine problem types: which pair of quantities the user gives. A problem type is the
// position of its entry in the problem-type list; the pair D with V is not offered. Within a
// pair the first given always has the lower quantity index.
#pragma once

#include "calc/quantity.hpp"

#include <array>
#include <cstddef>
#include <optional>

namespace korvala::calc {

enum class ProblemType : int { RH = 0, RD, RS, RV, HD, HS, HV, DS, SV };

inline constexpr std::size_t kProblemTypeCount = 9;

struct GivenPair {
    Quantity first;
    Quantity second;
};

[[nodiscard]] constexpr GivenPair givenPairOf(ProblemType type) {
    using enum Quantity;
    constexpr std::array<GivenPair, kProblemTypeCount> kPairs{
        {{R, H}, {R, D}, {R, S}, {R, V}, {H, D}, {H, S}, {H, V}, {D, S}, {S, V}}};
    return kPairs[static_cast<std::size_t>(type)];
}

// The problem type at a list position, or nothing for a position outside the list.
[[nodiscard]] constexpr std::optional<ProblemType> problemTypeAt(long long position) {
    if (position < 0 || position >= static_cast<long long>(kProblemTypeCount)) {
        return std::nullopt;
    }
    return static_cast<ProblemType>(position);
}

} // namespace korvala::calc
