// The window's description speaks UTF-8; the Windows API speaks UTF-16.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace korvala::win {

// Each malformed byte becomes U+FFFD.
[[nodiscard]] std::wstring toWide(std::string_view utf8);
// Unpaired surrogates become U+FFFD.
[[nodiscard]] std::string toUtf8(std::wstring_view utf16);

// The text of a window of this process (a control's contents, a button's caption).
[[nodiscard]] std::wstring windowText(HWND window);

} // namespace korvala::win
