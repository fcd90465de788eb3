// The five quantities of a right circular cylinder, in the one order the whole program uses:
// the index of a quantity selects its check box, its value box and its slot in the solver.
#pragma once

#include <array>
#include <cstddef>

namespace korvala::calc {

enum class Quantity : std::size_t {
    R = 0, // radius of the base
    H = 1, // height, also the generatrix
    D = 2, // diagonal of the axial section
    S = 3, // lateral surface area
    V = 4, // volume
};

inline constexpr std::size_t kQuantityCount = 5;

inline constexpr std::array<Quantity, kQuantityCount> kQuantities{
    Quantity::R, Quantity::H, Quantity::D, Quantity::S, Quantity::V};

[[nodiscard]] constexpr std::size_t indexOf(Quantity quantity) {
    return static_cast<std::size_t>(quantity);
}

} // namespace korvala::calc
