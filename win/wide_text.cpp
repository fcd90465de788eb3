#include "win/wide_text.hpp"

#include "runtime/utf8.hpp"

#include <windows.h>

namespace korvala::win {

// A wchar_t is a UTF-16 unit here, so the runtime's conversions (the regional settings' too)
// serve, and they take text of any length.
static_assert(sizeof(wchar_t) == sizeof(char16_t));

std::wstring toWide(std::string_view utf8) {
    const std::u16string utf16 = runtime::utf8::toUtf16(utf8);
    return {utf16.begin(), utf16.end()};
}

std::string toUtf8(std::wstring_view utf16) {
    return runtime::utf8::fromUtf16(std::u16string(utf16.begin(), utf16.end()));
}

std::wstring windowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

} // namespace korvala::win
