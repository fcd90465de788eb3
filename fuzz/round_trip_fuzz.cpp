// Whatever the program writes, under the settings real systems have ("." and "," as grouping
// symbols included), reads back as the number it shows: the value box's text and the full
// seven-decimal text alike, at the right magnitude, and a second reading keeps the number.
#include "form/value_box.hpp"
#include "fuzzed_settings.hpp"
#include "runtime/number_format.hpp"
#include "runtime/number_parse.hpp"
#include "value_shown.hpp"

#include <cmath>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    using namespace korvala;
    FuzzedDataProvider data(bytes, size);
    const runtime::NumberSettings settings = fuzz::consumeRealWorldSettings(data);
    double value = 0.0;
    const auto raw = data.ConsumeIntegral<std::uint64_t>();
    std::memcpy(&value, &raw, sizeof value);
    value = std::abs(value); // results are never negative
    if (!std::isfinite(value)) {
        return 0;
    }
    const std::string shown = form::shownText(value, settings);
    const double reread = runtime::parseLeadingNumber(shown, settings);
    const double tolerance = value > 1e308 ? 0.1 : 0.05;
    if (reread != test::valueShown(shown, settings) ||
        std::abs(reread - value) > std::max(tolerance * value, 1e-5) ||
        (reread == 0.0) != (value == 0.0) ||
        runtime::parseLeadingNumber(form::shownText(reread, settings), settings) != reread) {
        std::abort();
    }
    const std::string full = runtime::formatSevenDecimals(value, settings);
    if (runtime::parseLeadingNumber(full, settings) != test::valueShown(full, settings)) {
        std::abort();
    }
    return 0;
}
