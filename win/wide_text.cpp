#include "win/wide_text.hpp"

#include "runtime/utf8.hpp"

#include <windows.h>

#include <climits>

namespace korvala::win {

std::wstring toWide(std::string_view utf8) {
    if (utf8.empty() || utf8.size() > INT_MAX) {
        return {};
    }
    const int size = static_cast<int>(utf8.size());
    const int units = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(units), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), units);
    return wide;
}

// A wchar_t is a UTF-16 unit here, so the runtime's conversion (the one the regional settings
// use) serves.
std::string toUtf8(std::wstring_view utf16) {
    static_assert(sizeof(wchar_t) == sizeof(char16_t));
    return runtime::utf8::fromUtf16(std::u16string(utf16.begin(), utf16.end()));
}

std::wstring windowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

} // namespace korvala::win
