// What a value box shows. The window's value boxes hold seven characters; a result is fitted
// into them so that the box never shows a number of another magnitude (see fitToWidth()).
#pragma once

#include "runtime/number_format.hpp"
#include "runtime/number_settings.hpp"

#include <cstddef>
#include <string>

namespace korvala::form {

inline constexpr std::size_t kValueBoxWidth = 7;

[[nodiscard]] inline std::string shownText(double value, const runtime::NumberSettings& settings) {
    return runtime::fitToWidth(value, kValueBoxWidth, settings);
}

} // namespace korvala::form
