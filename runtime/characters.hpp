// The ASCII character classes numbers are written in. Any byte may be asked about; bytes of
// other scripts' digits are never digits here. Nothing here fails.
#pragma once

#include <optional>

namespace korvala::runtime::characters {

// The value of an ASCII digit, in a text of bytes or of UTF-16 units; nothing for any other.
template <typename Character> [[nodiscard]] constexpr std::optional<int> digitValue(Character c) {
    if (c < Character('0') || c > Character('9')) {
        return std::nullopt;
    }
    return static_cast<int>(c - Character('0'));
}

[[nodiscard]] constexpr bool isDigit(char c) {
    return digitValue(c).has_value();
}
[[nodiscard]] constexpr bool isOctalDigit(char c) {
    return c >= '0' && c <= '7';
}
[[nodiscard]] constexpr bool isHexDigit(char c) {
    return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

} // namespace korvala::runtime::characters
