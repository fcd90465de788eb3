#include "runtime/locale_values.hpp"
#include "runtime/regional_settings.hpp"

#include <clocale>
#include <cstdlib>
#include <langinfo.h>

namespace korvala::runtime {

namespace {

// The name of the user's numeric locale, by the precedence POSIX gives the variables.
const char* numericLocaleName() {
    for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const char* value = std::getenv(variable); // NOLINT(concurrency-mt-unsafe)
        if (value != nullptr && *value != '\0') {
            return value;
        }
    }
    return "C";
}

} // namespace

SystemSettings userNumberSettings() {
    // The character type is loaded from the same locale as the numbers, so that the code set
    // is the numeric locale's own, whatever LC_CTYPE says.
    locale_t locale = newlocale(LC_NUMERIC_MASK | LC_CTYPE_MASK, numericLocaleName(), locale_t{});
    if (locale == locale_t{}) {
        return posixNumberSettings();
    }
    const NumberSettings read =
        settingsFromPosix({nl_langinfo_l(CODESET, locale), nl_langinfo_l(RADIXCHAR, locale),
                           nl_langinfo_l(THOUSEP, locale), nl_langinfo_l(GROUPING, locale)});
    freelocale(locale);
    return usableSystemSettings(read);
}

} // namespace korvala::runtime
