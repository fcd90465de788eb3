// The five quantities of a right circular cylinder, in the one order the whole program uses:
// the index of a quantity selects its check box, its value box and its slot in the solver.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

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

[[nodiscard]] constexpr std::string_view letterOf(Quantity quantity) {
    constexpr std::array<std::string_view, kQuantityCount> kLetters{"R", "H", "D", "S", "V"};
    return kLetters[indexOf(quantity)];
}

// The Bulgarian name of the quantity, for assistive technology and help texts.
[[nodiscard]] constexpr std::string_view nameOf(Quantity quantity) {
    constexpr std::array<std::string_view, kQuantityCount> kNames{"радиус на основата", "височина",
                                                                  "диагонал на осното сечение",
                                                                  "околна повърхнина", "обем"};
    return kNames[indexOf(quantity)];
}

} // namespace korvala::calc
