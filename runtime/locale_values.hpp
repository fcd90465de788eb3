// The platforms' regional number values, translated into NumberSettings.
//
// Each platform hands out its number settings as raw values: POSIX as the strings and grouping
// bytes of nl_langinfo_l(), Windows as the strings of GetLocaleInfoEx(). These functions only
// translate those values, so every platform's translation is tested everywhere; reading them
// from the system is regional_settings.hpp's part. Any values are accepted: what cannot be
// understood keeps the POSIX setting. The result may still be ambiguous (see unambiguous()):
// usableSystemSettings() then gives the fallback and why, and the program tells the user.
#pragma once

#include "runtime/number_settings.hpp"

#include <string>
#include <string_view>

namespace korvala::runtime {

struct PosixNumericValues {
    std::string_view codeset;            // CODESET of the numeric locale, such as "UTF-8"
    std::string_view decimalPoint;       // RADIXCHAR
    std::string_view thousandsSeparator; // THOUSEP
    std::string_view grouping;           // GROUPING: one byte a group size, the last repeating
};

// Symbols in another code set than UTF-8 are taken only where they are ASCII.
[[nodiscard]] NumberSettings settingsFromPosix(const PosixNumericValues& values);

struct WindowsNumberValues {
    std::u16string_view decimal;        // LOCALE_SDECIMAL
    std::u16string_view thousand;       // LOCALE_STHOUSAND
    std::u16string_view grouping;       // LOCALE_SGROUPING, such as "3;0" or "3;2;0"
    std::u16string_view leadingZero;    // LOCALE_ILZERO, "0" or "1"
    std::u16string_view negativeNumber; // LOCALE_INEGNUMBER, "0" to "4"
};

[[nodiscard]] NumberSettings settingsFromWindows(const WindowsNumberValues& values);

// Settings read from the system that cannot be used: why, and what is used instead.
struct UnusableSettings {
    Ambiguity ambiguity;
    NumberSettings fallback; // unambiguousOrFallback() of the settings read
};

using SystemSettings = tl::expected<NumberSettings, UnusableSettings>;

// The settings read from the system when they are unambiguous, otherwise why not and the
// fallback.
[[nodiscard]] SystemSettings usableSystemSettings(const NumberSettings& read);

// "korvala: the regional number settings cannot be used (why); ...", with its line end.
[[nodiscard]] std::string fallbackWarning(const UnusableSettings& unusable);

// The settings a program works with, read afresh by `read` at every call: the read ones, or the
// fallback of ones that cannot be used. The first time this object meets settings that cannot
// be used, it hands fallbackWarning() to `warn`, for the program to tell the user where it
// tells such things. Plain functions, since a std::function would add some 3 KB to the page's
// script.
class SettingsInUse {
public:
    using Read = SystemSettings (*)();
    using Warn = void (*)(std::string_view warning);

    SettingsInUse(Read read, Warn warn) : read_(read), warn_(warn) {}

    [[nodiscard]] NumberSettings operator()();

private:
    Read read_;
    Warn warn_;
    bool warned_ = false;
};

} // namespace korvala::runtime
