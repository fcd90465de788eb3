// A value box's text read as the calculation reads it, π and "pi" included, on any bytes under
// any settings: no crash, no sanitizer report, the only failure an overflow; a value without π is
// the plain number read, one with π multiplies that number; and an exact value,
// where there is one, is the same number and has a text or none.
#include "calc/constants.hpp"
#include "calc/exact_text.hpp"
#include "calc/typed_value.hpp"
#include "fuzzed_settings.hpp"
#include "runtime/number_parse.hpp"
#include "runtime/run_time_error.hpp"

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    using namespace korvala;
    FuzzedDataProvider data(bytes, size);
    const runtime::NumberSettings settings = fuzz::consumeSettings(data);
    const std::string text = data.ConsumeRemainingBytesAsString();
    calc::TypedValue typed;
    try {
        typed = calc::readTypedValue(text, settings);
    } catch (const runtime::RunTimeError& error) {
        if (error.number() != runtime::ErrorNumber::Overflow) {
            std::abort();
        }
        return 0;
    }
    const runtime::LeadingNumber number = runtime::parseLeadingNumberAndRest(text, settings);
    const bool withPi = typed.timesPi.has_value();
    if (!std::isfinite(typed.value) || (!withPi && typed.value != number.value) ||
        (withPi && number.found && *typed.timesPi != number.value)) {
        std::abort();
    }
    if (!typed.exact.isNone()) {
        const double exact = typed.exact.approximately();
        if (std::abs(exact - typed.value) > 1e-9 * std::abs(typed.value) + 1e-300) {
            std::abort();
        }
    }
    (void)calc::schoolText(typed.exact);
    return 0;
}
