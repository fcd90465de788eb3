#include "runtime/float_text.hpp"
#include "runtime/number_format.hpp"
#include "settings_matrix.hpp"

#include <array>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

namespace korvala::runtime {
namespace {

using test::makeSettings;

NumberSettings withForm(NegativeForm form, bool leadingZero = true) {
    return makeSettings(".", ",", {3}, leadingZero, form);
}

struct FormatCase {
    const char* name;
    NumberSettings settings;
    double value;
    const char* text;
};

void PrintTo(const FormatCase& c, std::ostream* os) {
    *os << c.name;
}

class SevenDecimalFormat : public testing::TestWithParam<FormatCase> {};

TEST_P(SevenDecimalFormat, WritesSevenDecimalsInTheRegionalStyle) {
    EXPECT_EQ(formatSevenDecimals(GetParam().value, GetParam().settings), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Rounding, SevenDecimalFormat,
    testing::Values(
        FormatCase{"TrailingZerosStay", posixNumberSettings(), 1.0, "1.0000000"},
        FormatCase{"OneGroupOnly", test::onlyOnce(makeSettings(".", ",", {3})), 1234567.5,
                   "1234,567.5000000"},
        FormatCase{"RoundsToNearest", posixNumberSettings(), 2.23606797749979, "2.2360680"},
        FormatCase{"ExactBinaryValueDecides", posixNumberSettings(), 0.00000005, "0.0000000"},
        FormatCase{"HalfwayBelowStaysDown", posixNumberSettings(), 1.00000005, "1.0000000"},
        FormatCase{"CarryIntoIntegerPart", posixNumberSettings(), 9.99999999, "10.0000000"},
        FormatCase{"TinyValueIsZero", posixNumberSettings(), 4e-8, "0.0000000"},
        FormatCase{"NegativeZeroHasNoSign", posixNumberSettings(), -0.0, "0.0000000"},
        FormatCase{"RoundedToZeroHasNoSign", posixNumberSettings(), -1e-9, "0.0000000"},
        FormatCase{"AllDigitsOfLargeValues", posixNumberSettings(), 1e22,
                   "10000000000000000000000.0000000"},
        FormatCase{"Pi", posixNumberSettings(), 3.14159265358979, "3.1415927"}),
    [](const testing::TestParamInfo<FormatCase>& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    RegionalStyle, SevenDecimalFormat,
    testing::Values(
        FormatCase{"CommaThousands", makeSettings(".", ",", {3}), 1234.5, "1,234.5000000"},
        FormatCase{"BlankAndDecimalComma", makeSettings(",", " ", {3}), 2.5, "2,5000000"},
        FormatCase{"NoGroupBelowAThousand", makeSettings(".", ",", {3}), 999.0, "999.0000000"},
        FormatCase{"Millions", makeSettings(",", ".", {3}), 1234567.0, "1.234.567,0000000"},
        FormatCase{"IndianGroups", makeSettings(".", ",", {3, 2}), 123456789.0,
                   "12,34,56,789.0000000"},
        FormatCase{"MultiByteSymbols", makeSettings("\u066B", "\u202F", {3}), 12345.0,
                   "12\u202F345\u066B0000000"},
        FormatCase{"SymbolWithoutSizesDoesNotGroup", makeSettings(".", ",", {}), 12345.0,
                   "12345.0000000"},
        FormatCase{"NoLeadingZero", withForm(NegativeForm::LeadingMinus, false), 0.5, ".5000000"},
        FormatCase{"NoLeadingZeroAboveOne", withForm(NegativeForm::LeadingMinus, false), 1.5,
                   "1.5000000"},
        FormatCase{"Parentheses", withForm(NegativeForm::Parentheses), -1234.5, "(1,234.5000000)"},
        FormatCase{"LeadingMinus", withForm(NegativeForm::LeadingMinus), -1.1, "-1.1000000"},
        FormatCase{"LeadingMinusBlank", withForm(NegativeForm::LeadingMinusBlank), -1.1,
                   "- 1.1000000"},
        FormatCase{"TrailingMinus", withForm(NegativeForm::TrailingMinus), -1.1, "1.1000000-"},
        FormatCase{"TrailingMinusBlank", withForm(NegativeForm::TrailingMinusBlank), -1.1,
                   "1.1000000 -"},
        FormatCase{"NegativeWithoutLeadingZero", withForm(NegativeForm::Parentheses, false), -0.5,
                   "(.5000000)"}),
    [](const testing::TestParamInfo<FormatCase>& info) { return info.param.name; });

// The values put into a formula: the seven-decimal text less the zeros that tell nothing.
class TrailingZerosDropped : public testing::TestWithParam<FormatCase> {};

TEST_P(TrailingZerosDropped, KeepsTheRegionalStyle) {
    EXPECT_EQ(formatWithoutTrailingZeros(GetParam().value, GetParam().settings), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Formula, TrailingZerosDropped,
    testing::Values(
        FormatCase{"SomeZeros", posixNumberSettings(), 2.23606797749979, "2.236068"},
        FormatCase{"DecimalSymbolToo", makeSettings(",", " ", {3}), 1234.0, "1 234"},
        FormatCase{"MultiByteSymbols", makeSettings("\u066B", "\u202F", {3}), 12345.25,
                   "12\u202F345\u066B25"},
        FormatCase{"RoundedToZero", posixNumberSettings(), 4e-8, "0"},
        FormatCase{"ZeroWithoutLeadingZero", withForm(NegativeForm::LeadingMinus, false), 0.0, "0"},
        FormatCase{"BelowOneWithoutLeadingZero", withForm(NegativeForm::LeadingMinus, false), 0.5,
                   ".5"},
        FormatCase{"Parentheses", withForm(NegativeForm::Parentheses), -1234.5, "(1,234.5)"},
        FormatCase{"TrailingMinusBlank", withForm(NegativeForm::TrailingMinusBlank), -2.0, "2 -"}),
    [](const testing::TestParamInfo<FormatCase>& info) { return info.param.name; });

TEST(SevenDecimalFormatExtremes, LargestDoubleKeepsEveryDigit) {
    const std::string text =
        formatSevenDecimals(std::numeric_limits<double>::max(), makeSettings(".", ",", {3}));
    EXPECT_EQ(text.substr(0, 8), "179,769,");
    EXPECT_EQ(text.size(), 309 + 102 + 8);
    EXPECT_EQ(text.substr(text.size() - 8), ".0000000");
}

// The format takes a fast exact path for ordinary magnitudes; it must agree digit for digit
// with the general conversion, exact ties (rounded to even) included.
TEST(SevenDecimalFormatExactness, AgreesWithTheGeneralConversionEverywhere) {
    std::vector<double> values{
        0.00390625,         0.01171875,   1.00390625, 2.5e-8,     7.5e-8,
        999999999.99999995, 1e15 - 0.125, 1e15,       1e15 + 2.0, std::nextafter(1e15, 0.0),
        4.9e-324,           1e-300,       0.5,        1.0};
    std::uint64_t state = 12345;
    for (int i = 0; i < 20000; ++i) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        const double mantissa = static_cast<double>(state >> 11) * 0x1p-53;
        values.push_back(std::ldexp(mantissa, static_cast<int>(state % 80) - 40));
    }
    for (const double value : values) {
        for (const double signedValue : {value, -value}) {
            std::array<char, 400> buffer{};
            std::string expected(buffer.data(),
                                 float_text::writeFixed(signedValue, 7, buffer).value_or(0));
            if (expected.find_first_not_of("-0.") == std::string::npos) {
                expected = "0.0000000";
            }
            ASSERT_EQ(formatSevenDecimals(signedValue, posixNumberSettings()), expected)
                << "value " << signedValue;
        }
    }
}

TEST(SevenDecimalFormatExtremes, NonFiniteValuesDoNotFail) {
    const NumberSettings settings = posixNumberSettings();
    EXPECT_EQ(formatSevenDecimals(std::numeric_limits<double>::infinity(), settings), "inf");
    EXPECT_EQ(formatSevenDecimals(-std::numeric_limits<double>::infinity(), settings), "-inf");
    EXPECT_EQ(formatSevenDecimals(std::numeric_limits<double>::quiet_NaN(), settings), "nan");
    EXPECT_EQ(fitToWidth(std::numeric_limits<double>::infinity(), 2, settings), "in");
}

struct FitCase {
    const char* name;
    NumberSettings settings;
    double value;
    const char* shown;
};

void PrintTo(const FitCase& c, std::ostream* os) {
    *os << c.name;
}

class FitToSevenCharacters : public testing::TestWithParam<FitCase> {};

TEST_P(FitToSevenCharacters, ShowsTheValueAtItsTrueMagnitude) {
    EXPECT_EQ(fitToWidth(GetParam().value, 7, GetParam().settings), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Cuts, FitToSevenCharacters,
    testing::Values(
        FitCase{"CutsTheFraction", posixNumberSettings(), 2.23606797749979, "2.23606"},
        FitCase{"KeepsTwoDigitIntegers", posixNumberSettings(), 14.0496295, "14.0496"},
        FitCase{"MayEndInTheDecimalSymbol", posixNumberSettings(), 123456.25, "123456."},
        FitCase{"SevenIntegerDigitsFit", posixNumberSettings(), 1234567.89, "1234567"},
        FitCase{"GroupedThousands", makeSettings(".", ",", {3}), 1234.5, "1,234.5"},
        FitCase{"GroupedHundredThousands", makeSettings(".", ",", {3}), 123456.5, "123,456"},
        FitCase{"MultiByteGroupCountsOnce", makeSettings(".", "\u2019", {3}), 1234.5,
                "1\u2019234.5"},
        FitCase{"SmallButVisible", posixNumberSettings(), 0.00001234, "0.00001"},
        FitCase{"Zero", posixNumberSettings(), 0.0, "0.00000"},
        FitCase{"NoLeadingZero", withForm(NegativeForm::LeadingMinus, false), 0.25, ".250000"}),
    [](const testing::TestParamInfo<FitCase>& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    ScientificWhenTheCutWouldMislead, FitToSevenCharacters,
    testing::Values(
        FitCase{"TooManyIntegerDigits", posixNumberSettings(), 31415926.5358979, "3.142E7"},
        FitCase{"OnlyZerosWouldShow", posixNumberSettings(), 0.00000004, "4.00E-8"},
        FitCase{"ThreeDigitExponent", posixNumberSettings(), 3.14e123, "3.1E123"},
        FitCase{"NegativeThreeDigitExponent", posixNumberSettings(), 1.5e-300, "2E-300"},
        FitCase{"GroupingWouldBeCut", makeSettings(".", ",", {3}), 1234567.0, "1.235E6"},
        FitCase{"RegionalDecimalSymbol", makeSettings(",", ".", {3}), 1234567.0, "1,235E6"},
        FitCase{"IndianGroupingWouldBeCut", makeSettings(".", ",", {3, 2}), 123456.7, "1.235E5"},
        FitCase{"RoundingRaisesTheExponent", posixNumberSettings(), 99999999.9, "1.000E8"},
        FitCase{"TrailingSignWouldBeCut", withForm(NegativeForm::TrailingMinus), -1.5, "1.50E0-"},
        FitCase{"NegativeTooWide", withForm(NegativeForm::LeadingMinus), -12345678.0, "-1.23E7"},
        // Rounded up, these would read back beyond the double range: rounded toward zero.
        FitCase{"LargestDouble", posixNumberSettings(), std::numeric_limits<double>::max(),
                "1.7E308"},
        FitCase{"JustBelowTheLargest", posixNumberSettings(), 1.7976e308, "1.7E308"},
        FitCase{"NegativeLargest", withForm(NegativeForm::LeadingMinus),
                -std::numeric_limits<double>::max(), "-1E308"}),
    [](const testing::TestParamInfo<FitCase>& info) { return info.param.name; });

TEST(FitToWidthLimits, ReturnsTheShortestFormWhenNothingFits) {
    EXPECT_EQ(fitToWidth(-2e-308, 7, withForm(NegativeForm::Parentheses)), "(2E-308)");
    EXPECT_EQ(fitToWidth(12345.0, 0, posixNumberSettings()), "1E4");
}

} // namespace
} // namespace korvala::runtime
