// Number settings drawn from fuzz input: any symbols, any group sizes, any form.
#pragma once

#include "runtime/number_settings.hpp"

#include <fuzzer/FuzzedDataProvider.h>

namespace korvala::fuzz {

inline runtime::NumberSettings consumeSettings(FuzzedDataProvider& data) {
    constexpr std::size_t kLongestSymbol = 4;
    constexpr int kLargestGroup = 9;
    runtime::NumberSettings settings;
    settings.decimalSymbol = data.ConsumeRandomLengthString(kLongestSymbol);
    settings.groupSymbol = data.ConsumeRandomLengthString(kLongestSymbol);
    const int groups = data.ConsumeIntegralInRange(0, 3);
    for (int i = 0; i < groups; ++i) {
        settings.groupSizes.push_back(data.ConsumeIntegralInRange(1, kLargestGroup));
    }
    settings.leadingZero = data.ConsumeBool();
    settings.negativeForm = static_cast<runtime::NegativeForm>(data.ConsumeIntegralInRange(0, 4));
    return settings;
}

// Settings a real locale could have: symbols that cannot be mistaken for part of a number.
inline bool isPlausible(const runtime::NumberSettings& settings) {
    const auto plausibleSymbol = [](const std::string& symbol) {
        return symbol.find_first_of("0123456789+-eE.&hHoO \t\n") == std::string::npos;
    };
    return !settings.decimalSymbol.empty() && plausibleSymbol(settings.decimalSymbol) &&
           (settings.decimalSymbol == "." ||
            settings.decimalSymbol.find('.') == std::string::npos) &&
           plausibleSymbol(settings.groupSymbol) && settings.groupSymbol != settings.decimalSymbol;
}

} // namespace korvala::fuzz
