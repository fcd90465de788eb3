// Regional settings the tests run under: the POSIX ones and seven real-world variants.
#pragma once

#include "runtime/number_settings.hpp"

#include <array>
#include <ostream>
#include <string>
#include <vector>

namespace korvala::runtime {

// Settings as a person reads them, in test failures.
inline void PrintTo(const NumberSettings& settings, std::ostream* os) {
    *os << "{decimal \"" << settings.decimalSymbol << "\", group \"" << settings.groupSymbol
        << "\", sizes {";
    for (const int size : settings.groupSizes) {
        *os << size << ' ';
    }
    *os << (settings.lastGroupRepeats ? "repeating" : "once") << "}, leading zero "
        << settings.leadingZero << ", negative form " << static_cast<int>(settings.negativeForm)
        << '}';
}

} // namespace korvala::runtime

namespace korvala::test {

struct NamedSettings {
    const char* name;
    runtime::NumberSettings settings;
};

inline void PrintTo(const NamedSettings& named, std::ostream* os) {
    *os << named.name;
}

inline runtime::NumberSettings
makeSettings(std::string decimal, std::string group, std::vector<int> sizes,
             bool leadingZero = true,
             runtime::NegativeForm form = runtime::NegativeForm::LeadingMinus) {
    return {std::move(decimal), std::move(group), std::move(sizes), true, leadingZero, form};
}

inline runtime::NumberSettings onlyOnce(runtime::NumberSettings settings) {
    settings.lastGroupRepeats = false;
    return settings;
}

inline const std::array<NamedSettings, 8>& settingsMatrix() {
    static const std::array<NamedSettings, 8> matrix{{
        {"posix", runtime::posixNumberSettings()},
        {"period_comma_threes", makeSettings(".", ",", {3})},
        {"comma_no_grouping", makeSettings(",", "", {})},
        {"comma_nbsp", makeSettings(",", "\u00A0", {3})},
        {"comma_period", makeSettings(",", ".", {3})},
        {"period_apostrophe", makeSettings(".", "\u2019", {3})},
        {"period_comma_indian", makeSettings(".", ",", {3, 2})},
        {"period_comma_one_group", onlyOnce(makeSettings(".", ",", {3}))},
    }};
    return matrix;
}

} // namespace korvala::test
