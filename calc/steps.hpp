// The steps that complete a cylinder, one table for the nine problem types.
//
// A step computes one symbol, a quantity or T = 2R + H (through which "D S" is solved), from the
// given pair and the steps before it. For every step the table holds the symbol, its formula as
// a Bulgarian school book writes it, and its evaluation, the one chain of operations that the
// solver computes it with, written once and evaluated in two arithmetics: checked doubles, which
// give the results, and exact values, which give their exact forms (calc/exact_value.hpp). The
// solution shown to the user, the numbers and the exact forms therefore come from the same rows.
// surfaceSteps() are two rows more, after every type's: the base B = π·R² and the total surface
// S₁ = S + 2·B. Formulas are UTF-8: squares as ², products as "·", the minus sign U+2212, "√" and
// "π"; the letters R, H, D, S, V, T and B stand for values and are the only ASCII letters in
// them. An evaluation in doubles throws runtime::RunTimeError as the checked arithmetic does (a
// square root of a negative number, an overflow, a division by zero); nothing else fails. An
// exact evaluation never throws: it gives none where the exact form ends.
#pragma once

#include "calc/exact_value.hpp"
#include "calc/problem_type.hpp"
#include "calc/quantity.hpp"

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace korvala::calc {

// The quantities keep their indices; T, the base B and the total surface S₁ follow them.
enum class Symbol : std::size_t { R = 0, H, D, S, V, T, B, S1 };

inline constexpr std::size_t kSymbolCount = 8;

// Indexed by Symbol.
using SymbolValues = std::array<double, kSymbolCount>;
using ExactSymbolValues = std::array<ExactValue, kSymbolCount>;

[[nodiscard]] constexpr std::size_t indexOf(Symbol symbol) {
    return static_cast<std::size_t>(symbol);
}

[[nodiscard]] constexpr Symbol symbolOf(Quantity quantity) {
    return static_cast<Symbol>(indexOf(quantity));
}

// The quantity the symbol names, or nothing for T, B and S₁.
[[nodiscard]] constexpr std::optional<Quantity> quantityOf(Symbol symbol) {
    if (indexOf(symbol) >= kQuantityCount) {
        return std::nullopt;
    }
    return static_cast<Quantity>(indexOf(symbol));
}

// "R", "H", "D", "S", "V", "T", "B", "S₁".
[[nodiscard]] constexpr std::string_view letterOf(Symbol symbol) {
    constexpr std::array<std::string_view, kSymbolCount> kLetters{"R", "H", "D", "S",
                                                                  "V", "T", "B", "S₁"};
    return kLetters.at(indexOf(symbol));
}

struct Step {
    Symbol symbol = Symbol::R;
    std::string_view formula; // "√(H² + 4·R²)"
    double (*evaluate)(const SymbolValues& values) = nullptr;
    ExactValue (*evaluateExactly)(const ExactSymbolValues& values) = nullptr;
};

// The type's steps in the order they are computed.
[[nodiscard]] std::span<const Step> stepsOf(ProblemType type);
// B and then S₁, from the five quantities.
[[nodiscard]] std::span<const Step> surfaceSteps();

} // namespace korvala::calc
