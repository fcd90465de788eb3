#include "runtime/locale_values.hpp"
#include "runtime/regional_settings.hpp"

#include <windows.h>

#include <array>
#include <string>

namespace korvala::runtime {

namespace {

// Regional strings are short; LOCALE_SGROUPING is at most ten characters.
constexpr int kLocaleStringSize = 16;

std::u16string localeString(LCTYPE type) {
    std::array<wchar_t, kLocaleStringSize> buffer{};
    const int length =
        GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, buffer.data(), kLocaleStringSize);
    std::u16string text;
    for (int i = 0; i + 1 < length && buffer[static_cast<std::size_t>(i)] != L'\0'; ++i) {
        text += static_cast<char16_t>(buffer[static_cast<std::size_t>(i)]);
    }
    return text;
}

} // namespace

SystemSettings userNumberSettings() {
    const std::u16string decimal = localeString(LOCALE_SDECIMAL);
    const std::u16string thousand = localeString(LOCALE_STHOUSAND);
    const std::u16string grouping = localeString(LOCALE_SGROUPING);
    const std::u16string leadingZero = localeString(LOCALE_ILZERO);
    const std::u16string negativeNumber = localeString(LOCALE_INEGNUMBER);
    return usableSystemSettings(
        settingsFromWindows({decimal, thousand, grouping, leadingZero, negativeNumber}));
}

} // namespace korvala::runtime
