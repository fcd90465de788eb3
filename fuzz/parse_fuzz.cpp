// The number parse and format on any bytes under any settings: no crash, no sanitizer report,
// the only failure an overflow, and under settings the program accepts a shown number reads
// back as itself.
#include "form/value_box.hpp"
#include "fuzzed_settings.hpp"
#include "runtime/number_format.hpp"
#include "runtime/number_parse.hpp"
#include "runtime/run_time_error.hpp"

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    using namespace korvala;
    FuzzedDataProvider data(bytes, size);
    const runtime::NumberSettings settings = fuzz::consumeSettings(data);
    const std::size_t width = data.ConsumeIntegralInRange<std::size_t>(0, 12);
    const std::string text = data.ConsumeRemainingBytesAsString();
    double value = 0.0;
    try {
        value = runtime::parseLeadingNumber(text, settings);
    } catch (const runtime::RunTimeError& error) {
        if (error.number() != runtime::ErrorNumber::Overflow) {
            std::abort();
        }
        return 0;
    }
    if (!std::isfinite(value)) {
        std::abort();
    }
    (void)runtime::formatSevenDecimals(value, settings);
    (void)runtime::fitToWidth(value, width, settings);
    // A number shown in a value box, written again and read again, stays the same number: a
    // second press of the calculate button changes nothing.
    if (value >= 0.0 && runtime::unambiguous(settings)) {
        const double reread =
            runtime::parseLeadingNumber(form::shownText(value, settings), settings);
        const std::string shownAgain = form::shownText(reread, settings);
        if (runtime::parseLeadingNumber(shownAgain, settings) != reread) {
            std::abort();
        }
    }
    return 0;
}
