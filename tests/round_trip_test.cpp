// What the program writes it must read back as the number it shows: otherwise a second press
// of the calculate button computes another cylinder.
#include "runtime/number_format.hpp"
#include "runtime/number_parse.hpp"
#include "runtime/utf8.hpp"
#include "settings_matrix.hpp"
#include "value_shown.hpp"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

namespace korvala::runtime {
namespace {

// Values of every magnitude the calculator produces, with awkward last digits.
std::vector<double> sampleValues() {
    std::vector<double> values{0.0,
                               1.0,
                               2.5,
                               0.00000004,
                               0.000000049999,
                               0.00001234,
                               0.0000099,
                               999999.95,
                               9999999.5,
                               1234.5,
                               123456.5,
                               1234567.0,
                               31415926.5358979,
                               1e22,
                               1.5e-300,
                               3.14e123,
                               0.9999999999,
                               99999.99999,
                               1.7976e308,
                               1.79769313486e308,
                               std::numeric_limits<double>::max()};
    std::uint64_t state = 0x9E3779B97F4A7C15ULL;
    for (int exponent = -12; exponent <= 15; ++exponent) {
        for (int i = 0; i < 20; ++i) {
            state = state * 6364136223846793005ULL + 1442695040888963407ULL;
            const double mantissa = 1.0 + static_cast<double>(state >> 11) * 0x1p-53 * 9.0;
            values.push_back(mantissa * std::pow(10.0, exponent));
        }
    }
    return values;
}

class RoundTrip : public testing::TestWithParam<test::NamedSettings> {};

TEST_P(RoundTrip, ShownTextReadsBackAsTheNumberItShows) {
    const NumberSettings& settings = GetParam().settings;
    for (const double value : sampleValues()) {
        const std::string shown = fitToWidth(value, 7, settings);
        SCOPED_TRACE(testing::Message() << "value " << value << " shown as " << shown);
        EXPECT_LE(utf8::characterCount(shown), 7U);
        const double expected = test::valueShown(shown, settings);
        EXPECT_EQ(parseLeadingNumber(shown, settings), expected);
        // Of the right magnitude: never ten times too small, never zero for a non-zero value.
        // Near the top of the range the last digit is cut rather than rounded up.
        const double tolerance = value > 1e308 ? 0.1 : 0.05;
        EXPECT_LE(std::abs(expected - value), std::max(tolerance * value, 1e-5));
        EXPECT_EQ(expected == 0.0, value == 0.0);
    }
}

TEST_P(RoundTrip, FullTextReadsBackAsTheRoundedValue) {
    const NumberSettings& settings = GetParam().settings;
    for (const double value : sampleValues()) {
        const std::string text = formatSevenDecimals(value, settings);
        SCOPED_TRACE(text);
        EXPECT_EQ(parseLeadingNumber(text, settings), test::valueShown(text, settings));
    }
}

TEST_P(RoundTrip, ShownTextIsStableUnderASecondReading) {
    const NumberSettings& settings = GetParam().settings;
    for (const double value : sampleValues()) {
        const std::string shown = fitToWidth(value, 7, settings);
        EXPECT_EQ(fitToWidth(parseLeadingNumber(shown, settings), 7, settings), shown)
            << "value " << value;
    }
}

INSTANTIATE_TEST_SUITE_P(RegionalSettings, RoundTrip, testing::ValuesIn(test::settingsMatrix()),
                         [](const testing::TestParamInfo<test::NamedSettings>& info) {
                             return info.param.name;
                         });

} // namespace
} // namespace korvala::runtime
