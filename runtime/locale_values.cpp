#include "runtime/locale_values.hpp"

#include "runtime/characters.hpp"
#include "runtime/utf8.hpp"

#include <algorithm>
#include <climits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace korvala::runtime {

namespace {

constexpr unsigned char kLastAscii = 0x7F;

bool isAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) <= kLastAscii; });
}

bool isUtf8Codeset(std::string_view codeset) {
    return codeset == "UTF-8" || codeset == "utf8" || codeset == "UTF8" || codeset == "utf-8";
}

// glibc describes groups as bytes, each a size, the last repeating; CHAR_MAX (or any value
// that is not a size) after them stops the grouping there.
void readPosixGrouping(std::string_view grouping, NumberSettings& settings) {
    for (const char byte : grouping) {
        if (byte <= 0 || byte == CHAR_MAX) {
            settings.lastGroupRepeats = settings.groupSizes.empty();
            return;
        }
        settings.groupSizes.push_back(byte);
    }
}

// Windows writes "3;0" for groups of three all the way, "3" for one group of three only, and
// "3;2;0" or "3;2" likewise: a final 0 makes the last size repeat.
void readWindowsGrouping(const std::string& grouping, NumberSettings& settings) {
    if (std::optional<std::vector<int>> sizes = parseGroupSizes(grouping)) {
        settings.lastGroupRepeats = sizes->empty() || grouping.ends_with(";0");
        settings.groupSizes = std::move(*sizes);
    }
}

// A single digit, as Windows writes its numeric settings.
std::optional<int> digitValue(std::u16string_view text) {
    return text.size() == 1 ? characters::digitValue(text[0]) : std::nullopt;
}

} // namespace

NumberSettings settingsFromPosix(const PosixNumericValues& values) {
    NumberSettings settings = posixNumberSettings();
    const bool utf8 = isUtf8Codeset(values.codeset);
    if (!values.decimalPoint.empty() && (utf8 || isAscii(values.decimalPoint))) {
        settings.decimalSymbol = values.decimalPoint;
    }
    if (!values.thousandsSeparator.empty() && (utf8 || isAscii(values.thousandsSeparator))) {
        settings.groupSymbol = values.thousandsSeparator;
        readPosixGrouping(values.grouping, settings);
    }
    return settings;
}

NumberSettings settingsFromWindows(const WindowsNumberValues& values) {
    NumberSettings settings = posixNumberSettings();
    if (!values.decimal.empty()) {
        settings.decimalSymbol = utf8::fromUtf16(values.decimal);
    }
    settings.groupSymbol = utf8::fromUtf16(values.thousand);
    readWindowsGrouping(utf8::fromUtf16(values.grouping), settings);
    if (const std::optional<int> leadingZero = digitValue(values.leadingZero)) {
        settings.leadingZero = *leadingZero != 0;
    }
    if (const std::optional<int> negative = digitValue(values.negativeNumber)) {
        settings.negativeForm = negativeFormAt(*negative).value_or(settings.negativeForm);
    }
    return settings;
}

SystemSettings usableSystemSettings(const NumberSettings& read) {
    return unambiguous(read).map_error([&read](Ambiguity ambiguity) {
        return UnusableSettings{std::move(ambiguity), unambiguousOrFallback(read)};
    });
}

std::string fallbackWarning(const UnusableSettings& unusable) {
    return "korvala: the regional number settings cannot be used (" + unusable.ambiguity.why +
           "); numbers are written with a decimal period and no grouping\n";
}

NumberSettings SettingsInUse::operator()() {
    const SystemSettings read = read_();
    if (read) {
        return *read;
    }
    if (!warned_) {
        warned_ = true;
        warn_(fallbackWarning(read.error()));
    }
    return read.error().fallback;
}

} // namespace korvala::runtime
