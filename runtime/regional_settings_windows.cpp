#include "runtime/regional_settings.hpp"

#include <array>
#include <string>
#include <windows.h>

namespace korvala::runtime {

namespace {

// Regional strings are short; LOCALE_SGROUPING is at most ten characters.
constexpr int kLocaleStringSize = 16;

std::wstring localeString(LCTYPE type) {
    std::array<wchar_t, kLocaleStringSize> buffer{};
    const int length =
        GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, buffer.data(), kLocaleStringSize);
    return length > 0 ? std::wstring(buffer.data()) : std::wstring();
}

std::string toUtf8(const std::wstring& text) {
    if (text.empty()) {
        return {};
    }
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), size,
                        nullptr, nullptr);
    return utf8;
}

bool localeNumber(LCTYPE type, int& value) {
    const std::wstring text = localeString(type);
    if (text.size() != 1 || text[0] < L'0' || text[0] > L'9') {
        return false;
    }
    value = text[0] - L'0';
    return true;
}

} // namespace

NumberSettings userNumberSettings() {
    NumberSettings settings = posixNumberSettings();
    if (std::string decimal = toUtf8(localeString(LOCALE_SDECIMAL)); !decimal.empty()) {
        settings.decimalSymbol = std::move(decimal);
    }
    settings.groupSymbol = toUtf8(localeString(LOCALE_STHOUSAND));
    std::vector<int> sizes;
    if (parseGroupSizes(toUtf8(localeString(LOCALE_SGROUPING)), sizes)) {
        settings.groupSizes = std::move(sizes);
    }
    int leadingZero = 1;
    if (localeNumber(LOCALE_ILZERO, leadingZero)) {
        settings.leadingZero = leadingZero != 0;
    }
    int negativeForm = 1;
    if (localeNumber(LOCALE_INEGNUMBER, negativeForm) && negativeForm <= 4) {
        settings.negativeForm = static_cast<NegativeForm>(negativeForm);
    }
    return settings;
}

} // namespace korvala::runtime
