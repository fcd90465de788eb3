// The web build's regional settings: the browser's (or Node.js's) language, as Intl.NumberFormat
// writes numbers in it, read at every call and handed over as the values Windows would give
// for that language, so that settingsFromWindows() and usableSystemSettings() judge them as
// they judge the desktop's.
#include "runtime/locale_values.hpp"
#include "runtime/regional_settings.hpp"

#include <array>
#include <emscripten.h>
#include <string_view>

namespace {

// Writes LOCALE_SDECIMAL, LOCALE_STHOUSAND, LOCALE_SGROUPING, LOCALE_ILZERO and
// LOCALE_INEGNUMBER as UTF-16, each ended by U+001F, and returns the number of code units
// written, or -1 when the language has no number format (an invalid language tag).
// - The language: globalThis.korvalaTestLanguage where a test has set it, otherwise
//   navigator.language where a navigator exists, otherwise the default locale of Intl.
// - Grouping comes from a number of thirteen digits, which every language groups (CLDR's
//   minimum grouping digits leave a Bulgarian "1234,5" ungrouped, Windows does not): the
//   group next to the decimal symbol, then the next one, which repeats ("3;0", "3;2;0").
// - The negative form is where the minus sign stands, before or after the digits, with a
//   blank between or not. Whatever its characters (U+2212, or "-" with a direction mark), the
//   sign becomes the ASCII minus in the same place, the nearest form Windows has.
// NOLINTNEXTLINE(cppcoreguidelines-pro-type-vararg,hicpp-vararg)
EM_JS(int, korvalaBrowserNumberValues, (char16_t* out, int capacity), {
    var language = globalThis.korvalaTestLanguage;
    if (typeof language != "string") {
        var browser = typeof navigator == "object" && navigator != null &&
                      typeof navigator.language == "string" && navigator.language != "";
        language = browser ? navigator.language : Intl.DateTimeFormat().resolvedOptions().locale;
    }
    var format;
    try {
        format = new Intl.NumberFormat(language);
    } catch (e) {
        return -1;
    }
    function partsOf(number) {
        return format.formatToParts(number);
    }
    function valueOf(parts, type) {
        for (var i = 0; i < parts.length; i++) {
            if (parts[i].type == type) {
                return parts[i].value;
            }
        }
        return "";
    }
    function isBlank(text) {
        for (var i = 0; i < text.length; i++) {
            var c = text.charCodeAt(i);
            if (c == 0x20 || c == 0xA0 || c == 0x202F || c == 0x2009 || c == 0x2007) {
                return true;
            }
        }
        return false;
    }
    var decimal = valueOf(partsOf(1.5), "decimal");
    var long = partsOf(1234567890123.5);
    var thousand = valueOf(long, "group");
    var sizes = [];
    for (var i = 0; i < long.length; i++) {
        if (long[i].type == "integer") {
            sizes.push(long[i].value.length);
        }
    }
    var grouping = "0";
    if (thousand != "" && sizes.length > 1) {
        var first = sizes[sizes.length - 1];
        var second = sizes.length > 2 ? sizes[sizes.length - 2] : first;
        grouping = second == first ? first + ";0" : first + ";" + second + ";0";
    }
    var leadingZero = valueOf(partsOf(0.5), "integer") == "" ? "0" : "1";
    var negative = partsOf(-1.5);
    var sign = -1;
    var firstDigit = -1;
    var lastDigit = -1;
    for (var i = 0; i < negative.length; i++) {
        var type = negative[i].type;
        if (type == "minusSign") {
            sign = i;
        } else if (type == "integer" || type == "decimal" || type == "fraction") {
            if (firstDigit < 0) {
                firstDigit = i;
            }
            lastDigit = i;
        }
    }
    function blankBetween(from, to) {
        for (var i = from + 1; i < to; i++) {
            if (isBlank(negative[i].value)) {
                return true;
            }
        }
        return false;
    }
    var negativeNumber = "1";
    if (sign < 0) {
        negativeNumber = valueOf(negative, "literal").indexOf("(") >= 0 ? "0" : "1";
    } else if (sign < firstDigit) {
        negativeNumber = blankBetween(sign, firstDigit) ? "2" : "1";
    } else {
        negativeNumber = blankBetween(lastDigit, sign) ? "4" : "3";
    }
    var end = String.fromCharCode(0x1f);
    var text = [ decimal, thousand, grouping, leadingZero, negativeNumber ].join(end) + end;
    if (text.length > capacity) {
        return -1;
    }
    for (var i = 0; i < text.length; i++) {
        HEAPU16[(out >> 1) + i] = text.charCodeAt(i);
    }
    return text.length;
});

constexpr int kCapacity = 128;
constexpr std::size_t kValueCount = 5;
constexpr char16_t kEndOfValue = u'\x1f';

} // namespace

namespace korvala::runtime {

NumberSettings userNumberSettings() {
    std::array<char16_t, kCapacity> buffer{};
    const int length = korvalaBrowserNumberValues(buffer.data(), kCapacity);
    if (length < 0) {
        return posixNumberSettings();
    }
    std::u16string_view rest(buffer.data(), static_cast<std::size_t>(length));
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
