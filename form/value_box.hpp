// What a value box shows, and what it offers on demand (its tooltip). The window's value boxes
// hold seven characters; a result is fitted into them so that the box never shows a number of
// another magnitude (see fitToWidth()). After a completed calculation a given value offers its
// full seven-decimal text and a computed one the working that led to it: its line of the
// calculation's steps, after the lines of the values computed on its way that have no box of
// their own (T before R of "D S"), the lines separated by "\n". The S box offers the lines of
// the base B and the total surface S₁ after its own text.
#pragma once

#include "calc/calculation.hpp"
#include "calc/quantity.hpp"
#include "runtime/number_format.hpp"
#include "runtime/number_settings.hpp"

#include <array>
#include <cstddef>
#include <string>

namespace korvala::form {

inline constexpr std::size_t kValueBoxWidth = 7;

[[nodiscard]] inline std::string shownText(double value, const runtime::NumberSettings& settings) {
    return runtime::fitToWidth(value, kValueBoxWidth, settings);
}

// Indexed by Quantity.
[[nodiscard]] std::array<std::string, calc::kQuantityCount>
offeredTexts(const calc::Completed& completed);

} // namespace korvala::form
