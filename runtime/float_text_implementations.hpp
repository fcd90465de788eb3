// The implementations of float_text.hpp, each with its contract. The runtime holds the one the
// build selects, which the program calls through float_text.hpp; the tests build the other
// beside it wherever it can be built, and hold the C library's against the standard library's.
#pragma once

#include "runtime/float_text.hpp"

namespace korvala::runtime::float_text {

#ifndef KORVALA_NO_STANDARD_FLOAT_TEXT
// std::from_chars and std::to_chars.
namespace standard {
[[nodiscard]] ReadResult readDecimal(std::string_view text);
[[nodiscard]] ReadResult readHex(std::string_view text);
[[nodiscard]] WriteResult writeFixed(double value, int decimals, std::span<char> out);
[[nodiscard]] WriteResult writeScientific(double value, int decimals, std::span<char> out);
} // namespace standard
#endif

#ifndef _WIN32
// strtod and snprintf in the C locale (POSIX uselocale()), the number's syntax checked first.
namespace c_library {
[[nodiscard]] ReadResult readDecimal(std::string_view text);
[[nodiscard]] ReadResult readHex(std::string_view text);
[[nodiscard]] WriteResult writeFixed(double value, int decimals, std::span<char> out);
[[nodiscard]] WriteResult writeScientific(double value, int decimals, std::span<char> out);
} // namespace c_library
#endif

} // namespace korvala::runtime::float_text
