// The signs of school notation, which calc/exact_text.hpp writes and calc/exact_reading.hpp reads.
#pragma once

#include <array>
#include <string_view>

namespace korvala::calc::school_signs {

inline constexpr std::string_view kPi = "π";
inline constexpr std::string_view kRoot = "√";
inline constexpr std::string_view kMinus = "−";
// ⁰ to ⁹, by the digit they raise.
inline constexpr std::array<std::string_view, 10> kSuperscripts{"⁰", "¹", "²", "³", "⁴",
                                                                "⁵", "⁶", "⁷", "⁸", "⁹"};

} // namespace korvala::calc::school_signs
