// The ASCII character classes numbers are written in. Any byte may be asked about; bytes of
// other scripts' digits are never digits here. Nothing here fails.
#pragma once

namespace korvala::runtime::characters {

[[nodiscard]] constexpr bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
[[nodiscard]] constexpr bool isOctalDigit(char c) {
    return c >= '0' && c <= '7';
}
[[nodiscard]] constexpr bool isHexDigit(char c) {
    return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

} // namespace korvala::runtime::characters
