// The user's regional number settings, read afresh on every call so that a change made while
// the program runs is followed. On POSIX systems they come from the user's numeric locale
// (LC_ALL, LC_NUMERIC, LANG, the first that is set), whose own code set tells how its symbols
// are encoded; the process locale is never touched. POSIX locales carry neither a leading-zero
// nor a negative-number setting, so those keep their usual values (a leading zero, a leading
// minus). On Windows they come from the user's regional settings. In the web build they come
// from the browser's language (navigator.language, else Intl's default locale; under Node.js
// the same) as Intl.NumberFormat writes numbers in it, translated as Windows values. A locale that
// cannot be loaded (or a language tag Intl refuses) gives the POSIX settings. Settings that could
// be misread are a failure, which carries why and their fallback, the decimal period and no
// grouping (see usableSystemSettings()).
#pragma once

#include "runtime/locale_values.hpp"

namespace korvala::runtime {

[[nodiscard]] SystemSettings userNumberSettings();

// The user's settings as a program works with them (see SettingsInUse).
[[nodiscard]] inline SettingsInUse usersSettingsInUse(SettingsInUse::Warn warn) {
    return {userNumberSettings, warn};
}

} // namespace korvala::runtime
