// The number a formatted text shows, read the way a person reads it: grouping symbols ignored,
// the decimal symbol taken as the point. The round-trip checks compare the parse with it.
#pragma once

#include "runtime/float_text.hpp"
#include "runtime/number_settings.hpp"

#include <string>

namespace korvala::test {

inline double valueShown(std::string text, const runtime::NumberSettings& settings) {
    const auto replaceAll = [&text](const std::string& from, const std::string& to) {
        if (from.empty()) {
            return;
        }
        for (std::size_t pos = 0; (pos = text.find(from, pos)) != std::string::npos;) {
            text.replace(pos, from.size(), to);
            pos += to.size();
        }
    };
    replaceAll(settings.groupSymbol, "");
    replaceAll(settings.decimalSymbol, ".");
    const runtime::float_text::ReadResult read = runtime::float_text::readDecimal(text);
    return read ? read->value : 0.0;
}

} // namespace korvala::test
