// Counting, cutting, checking and converting UTF-8 text by characters (code points), as a text
// box counts them. Malformed bytes count one character each; nothing here fails.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace korvala::runtime::utf8 {

[[nodiscard]] std::size_t characterCount(std::string_view text) noexcept;

// The first `count` characters of text (all of it if it is shorter).
[[nodiscard]] std::string_view firstCharacters(std::string_view text, std::size_t count) noexcept;

// True when text is well-formed UTF-8: shortest forms only, no surrogates, nothing past U+10FFFF.
[[nodiscard]] bool isValid(std::string_view text) noexcept;

// UTF-8 to UTF-16 (as Windows takes its strings); each malformed byte becomes U+FFFD.
[[nodiscard]] std::u16string toUtf16(std::string_view text);
// UTF-16 (as Windows hands out its strings) to UTF-8; an unpaired surrogate becomes U+FFFD.
[[nodiscard]] std::string fromUtf16(std::u16string_view text);

} // namespace korvala::runtime::utf8
