// The steps that complete a cylinder, one table for the nine problem types.
//
// A step computes one symbol, a quantity or T = 2R + H (through which "D S" is solved), from the
// given pair and the steps before it. For every step the table holds the symbol, its formula as
// a Bulgarian school book writes it, and its evaluation, the one chain of checked operations
// that the solver computes it with; the solution shown to the user and the numbers therefore
// come from the same rows. Formulas are UTF-8: squares as ², products as "·", the minus sign
// U+2212, "√" and "π"; the letters R, H, D, S, V and T stand for values and are the only ASCII
// letters in them. An evaluation throws runtime::RunTimeError as the checked arithmetic does
// (a square root of a negative number, an overflow, a division by zero); nothing else fails.
#pragma once

#include "calc/problem_type.hpp"
#include "calc/quantity.hpp"

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace korvala::calc {

// The quantities keep their indices; T follows them.
enum class Symbol : std::size_t { R = 0, H, D, S, V, T };

inline constexpr std::size_t kSymbolCount = 6;

// Indexed by Symbol.
using SymbolValues = std::array<double, kSymbolCount>;

[[nodiscard]] constexpr std::size_t indexOf(Symbol symbol) {
    return static_cast<std::size_t>(symbol);
}

[[nodiscard]] constexpr Symbol symbolOf(Quantity quantity) {
    return static_cast<Symbol>(indexOf(quantity));
}

// The quantity the symbol names, or nothing for T.
[[nodiscard]] constexpr std::optional<Quantity> quantityOf(Symbol symbol) {
    if (symbol == Symbol::T) {
        return std::nullopt;
    }
    return static_cast<Quantity>(indexOf(symbol));
}

// "R", "H", "D", "S", "V", "T".
[[nodiscard]] constexpr std::string_view letterOf(Symbol symbol) {
    constexpr std::array<std::string_view, kSymbolCount> kLetters{"R", "H", "D", "S", "V", "T"};
    return kLetters.at(indexOf(symbol));
}

struct Step {
    Symbol symbol = Symbol::R;
    std::string_view formula; // "√(H² + 4·R²)"
    double (*evaluate)(const SymbolValues& values) = nullptr;
};

// The type's steps in the order they are computed.
[[nodiscard]] std::span<const Step> stepsOf(ProblemType type);

} // namespace korvala::calc
