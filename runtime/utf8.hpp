// Counting and cutting UTF-8 text by characters (code points), as a text box counts them.
// Malformed bytes count one character each; nothing here fails.
#pragma once

#include <cstddef>
#include <string_view>

namespace korvala::runtime::utf8 {

[[nodiscard]] std::size_t characterCount(std::string_view text) noexcept;

// The first `count` characters of text (all of it if it is shorter).
[[nodiscard]] std::string_view firstCharacters(std::string_view text, std::size_t count) noexcept;

} // namespace korvala::runtime::utf8
