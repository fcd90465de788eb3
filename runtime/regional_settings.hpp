// The user's regional number settings, read afresh on every call so that a change made while
// the program runs is followed. On POSIX systems they come from the user's LC_NUMERIC locale
// (LC_ALL, LC_NUMERIC, LANG), read without touching the process locale; POSIX locales carry
// neither a leading-zero nor a negative-number setting, so those keep their usual values (a
// leading zero, a leading minus). On Windows they come from the user's regional settings. A
// locale that cannot be loaded, or whose symbols are not UTF-8, gives the POSIX settings for
// what it cannot supply. Never fails.
#pragma once

#include "runtime/number_settings.hpp"

namespace korvala::runtime {

[[nodiscard]] NumberSettings userNumberSettings();

} // namespace korvala::runtime
