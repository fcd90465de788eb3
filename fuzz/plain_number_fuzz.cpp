// Numbers in the plain form (sign, digits with at most one period, exponent) read exactly as the
// C library's strtod reads them: the same double to the last bit, and an overflow exactly where
// strtod leaves the double range.
#include "runtime/number_parse.hpp"
#include "runtime/run_time_error.hpp"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>

namespace {

constexpr std::size_t kLongestDigitRun = 400;
constexpr std::size_t kLongestExponent = 6;

std::string consumeDigits(FuzzedDataProvider& data, std::size_t longest) {
    std::string digits(data.ConsumeIntegralInRange<std::size_t>(0, longest), '0');
    for (char& digit : digits) {
        // Mostly zeros and nines, where rounding is hardest, and the rest.
        const int pick = data.ConsumeIntegralInRange(0, 11);
        digit = static_cast<char>(pick < 10 ? '0' + pick : (pick == 10 ? '0' : '9'));
    }
    return digits;
}

std::string consumePlainNumber(FuzzedDataProvider& data) {
    std::string text;
    const int sign = data.ConsumeIntegralInRange(0, 2);
    text += sign == 0 ? "" : (sign == 1 ? "+" : "-");
    text += consumeDigits(data, kLongestDigitRun);
    if (data.ConsumeBool()) {
        text += '.';
        text += consumeDigits(data, kLongestDigitRun);
    }
    if (data.ConsumeBool()) {
        text += data.ConsumeBool() ? 'E' : 'e';
        const int exponentSign = data.ConsumeIntegralInRange(0, 2);
        text += exponentSign == 0 ? "" : (exponentSign == 1 ? "+" : "-");
        text += consumeDigits(data, kLongestExponent);
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    using namespace korvala;
    FuzzedDataProvider data(bytes, size);
    const std::string text = consumePlainNumber(data);
    errno = 0;
    char* end = nullptr;
    const double expected = std::strtod(text.c_str(), &end);
    const bool overflow = errno == ERANGE && std::isinf(expected);
    try {
        const double value = runtime::parseLeadingNumber(text, runtime::posixNumberSettings());
        if (overflow || std::memcmp(&value, &expected, sizeof value) != 0) {
            std::abort();
        }
    } catch (const runtime::RunTimeError& error) {
        if (!overflow || error.number() != runtime::ErrorNumber::Overflow) {
            std::abort();
        }
    }
    return 0;
}
