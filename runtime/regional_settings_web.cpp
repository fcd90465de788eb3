// The web build's regional settings: the browser's (or Node.js's) language, as Intl.NumberFormat
// writes numbers in it (js/number_settings.js), read at every call and handed over as the values
// Windows would give for that language, so that settingsFromWindows() and usableSystemSettings()
// judge them as they judge the desktop's.
#include "runtime/locale_values.hpp"
#include "runtime/regional_settings.hpp"

#include <array>
#include <optional>
#include <string_view>

namespace {

// The browser's number settings as Windows would give them, copied as UTF-16 into out, each
// value ended by U+001F; whether the language has them and they fit (js/number_settings_library.js;
// browserNumberValues() is the C++ face of it).
extern "C" bool korvala_browser_number_values(char16_t* out, int capacity);

constexpr int kCapacity = 128;
constexpr std::size_t kValueCount = 5;
constexpr char16_t kEndOfValue = u'\x1f';

// The values in the buffer, or nothing where the language has none or they do not fit.
std::optional<std::u16string_view> browserNumberValues(std::array<char16_t, kCapacity>& buffer) {
    if (!korvala_browser_number_values(buffer.data(), kCapacity)) {
        return std::nullopt;
    }
    return std::u16string_view(buffer.data(), buffer.size());
}

} // namespace

namespace korvala::runtime {

SystemSettings userNumberSettings() {
    std::array<char16_t, kCapacity> buffer{};
    const std::optional<std::u16string_view> read = browserNumberValues(buffer);
    if (!read) {
        return posixNumberSettings();
    }
    std::u16string_view rest = *read;
    std::array<std::u16string_view, kValueCount> values{};
    for (std::u16string_view& value : values) {
        const std::size_t end = rest.find(kEndOfValue);
        if (end == std::u16string_view::npos) {
            return posixNumberSettings();
        }
        value = rest.substr(0, end);
        rest.remove_prefix(end + 1);
    }
    return usableSystemSettings(
        settingsFromWindows({values[0], values[1], values[2], values[3], values[4]}));
}

} // namespace korvala::runtime
