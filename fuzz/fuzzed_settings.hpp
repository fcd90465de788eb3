// Number settings drawn from fuzz input: any settings at all, or the settings real systems have.
#pragma once

#include "runtime/number_settings.hpp"

#include <array>
#include <fuzzer/FuzzedDataProvider.h>

namespace korvala::fuzz {

// Any symbols, any group sizes, any form: nothing may crash on them.
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
    settings.lastGroupRepeats = data.ConsumeBool();
    settings.leadingZero = data.ConsumeBool();
    settings.negativeForm = static_cast<runtime::NegativeForm>(data.ConsumeIntegralInRange(0, 4));
    return settings;
}

// The symbols and group sizes regional settings really use, combined at random; combinations
// that could be misread are replaced by the fallback, as the program replaces them.
inline runtime::NumberSettings consumeRealWorldSettings(FuzzedDataProvider& data) {
    static const std::array<const char*, 5> decimals{".", ",", "\u066B", "/", "'"};
    static const std::array<const char*, 9> groups{"",       ",",      ".", " ",     "\u00A0",
                                                   "\u202F", "\u2019", "'", "\u066C"};
    static const std::array<std::vector<int>, 5> sizes{{{}, {3}, {3, 2}, {4}, {3, 0}}};
    runtime::NumberSettings settings;
    settings.decimalSymbol = data.PickValueInArray(decimals);
    settings.groupSymbol = data.PickValueInArray(groups);
    settings.groupSizes = data.PickValueInArray(sizes);
    if (!settings.groupSizes.empty() && settings.groupSizes.back() == 0) {
        settings.groupSizes.pop_back();
    }
    settings.lastGroupRepeats = data.ConsumeBool();
    settings.leadingZero = data.ConsumeBool();
    settings.negativeForm = static_cast<runtime::NegativeForm>(data.ConsumeIntegralInRange(0, 4));
    return runtime::unambiguousOrFallback(settings);
}

} // namespace korvala::fuzz
