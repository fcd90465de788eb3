#include "runtime/regional_settings.hpp"

#include <algorithm>
#include <climits>
#include <clocale>
#include <langinfo.h>
#include <string_view>
#include <vector>

namespace korvala::runtime {

namespace {

constexpr unsigned char kLastAscii = 0x7F;

bool isAscii(std::string_view text) {
    return std::ranges::all_of(text,
                               [](char c) { return static_cast<unsigned char>(c) <= kLastAscii; });
}

// glibc describes groups as bytes, each a size, the last repeating; CHAR_MAX (or any value
// that is not a size) stops the grouping.
std::vector<int> groupSizesFrom(std::string_view grouping) {
    std::vector<int> sizes;
    for (const char byte : grouping) {
        if (byte <= 0 || byte == CHAR_MAX) {
            break;
        }
        sizes.push_back(byte);
    }
    return sizes;
}

void readLocale(locale_t locale, NumberSettings& settings) {
    const std::string_view codeset = nl_langinfo_l(CODESET, locale);
    const bool utf8 = codeset == "UTF-8" || codeset == "utf8";
    const std::string_view decimal = nl_langinfo_l(RADIXCHAR, locale);
    const std::string_view group = nl_langinfo_l(THOUSEP, locale);
    if (!decimal.empty() && (utf8 || isAscii(decimal))) {
        settings.decimalSymbol = decimal;
    }
    if (!group.empty() && (utf8 || isAscii(group))) {
        settings.groupSymbol = group;
#ifdef GROUPING
        settings.groupSizes = groupSizesFrom(nl_langinfo_l(GROUPING, locale));
#else
        settings.groupSizes = {3};
#endif
    }
}

} // namespace

NumberSettings userNumberSettings() {
    NumberSettings settings = posixNumberSettings();
    // The character type tells the encoding of the symbols; without it, only ASCII ones are
    // trusted.
    locale_t locale = newlocale(LC_NUMERIC_MASK | LC_CTYPE_MASK, "", locale_t{});
    if (locale == locale_t{}) {
        locale = newlocale(LC_NUMERIC_MASK, "", locale_t{});
    }
    if (locale == locale_t{}) {
        return settings;
    }
    readLocale(locale, settings);
    freelocale(locale);
    return settings;
}

} // namespace korvala::runtime
