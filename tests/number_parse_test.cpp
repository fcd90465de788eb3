#include "runtime/number_parse.hpp"
#include "runtime/run_time_error.hpp"
#include "settings_matrix.hpp"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace korvala::runtime {
namespace {

using test::makeSettings;

struct ParseCase {
    const char* text;
    double value;
};

void PrintTo(const ParseCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class LeadingNumberWithPosixSettings : public testing::TestWithParam<ParseCase> {};

TEST_P(LeadingNumberWithPosixSettings, ReadsTheNumberAtTheStart) {
    const double value = parseLeadingNumber(GetParam().text, posixNumberSettings());
    EXPECT_EQ(value, GetParam().value);
    EXPECT_EQ(std::signbit(value), std::signbit(GetParam().value));
}

INSTANTIATE_TEST_SUITE_P(
    PlainNumbers, LeadingNumberWithPosixSettings,
    testing::Values(ParseCase{"1", 1.0}, ParseCase{"2.5", 2.5}, ParseCase{".5", 0.5},
                    ParseCase{"5.", 5.0}, ParseCase{"+7", 7.0}, ParseCase{"-7.25", -7.25},
                    ParseCase{"0.1", 0.1}, ParseCase{"00012", 12.0},
                    ParseCase{"3.14159265358979", 3.14159265358979},
                    // Correctly rounded, even where the digits lie almost halfway.
                    ParseCase{"9007199254740993", 9007199254740992.0},
                    ParseCase{"9007199254740993.0000000001", 9007199254740994.0},
                    ParseCase{"2.2250738585072011e-308", 2.2250738585072011e-308}));

INSTANTIATE_TEST_SUITE_P(BlanksAreDroppedEverywhere, LeadingNumberWithPosixSettings,
                         testing::Values(ParseCase{"2 45 7", 2457.0}, ParseCase{" \t\n12", 12.0},
                                         ParseCase{"- 3", -3.0}, ParseCase{"1 E 3", 1000.0},
                                         ParseCase{"& H F F", 255.0}, ParseCase{"1\r2", 1.0}));

INSTANTIATE_TEST_SUITE_P(ReadingStopsAtTheFirstForeignCharacter, LeadingNumberWithPosixSettings,
                         testing::Values(ParseCase{"24 and 57", 24.0}, ParseCase{"2abc", 2.0},
                                         ParseCase{"1.2.3", 1.2}, ParseCase{"2,5", 2.0},
                                         ParseCase{"1,234.5", 1.0}, ParseCase{"3-4", 3.0},
                                         ParseCase{"1e", 1.0}, ParseCase{"1e+", 1.0},
                                         ParseCase{"1e-x", 1.0}, ParseCase{"1D3", 1.0},
                                         ParseCase{"--1", 0.0},
                                         ParseCase{"1\xC2\xA0"
                                                   "234",
                                                   1.0}));

INSTANTIATE_TEST_SUITE_P(NoNumberReadsAsZero, LeadingNumberWithPosixSettings,
                         testing::Values(ParseCase{"", 0.0}, ParseCase{"abc", 0.0},
                                         ParseCase{".", 0.0}, ParseCase{"-", 0.0},
                                         ParseCase{"+.", 0.0}, ParseCase{"e5", 0.0},
                                         ParseCase{"&", 0.0}, ParseCase{"&X1", 0.0},
                                         ParseCase{"(1)", 0.0}, ParseCase{"\xFF\xFE", 0.0}));

INSTANTIATE_TEST_SUITE_P(Exponents, LeadingNumberWithPosixSettings,
                         testing::Values(ParseCase{"1E3", 1000.0}, ParseCase{"1e3", 1000.0},
                                         ParseCase{"2.5E-2", 0.025}, ParseCase{"1E+2", 100.0},
                                         ParseCase{"1E0000000000000000000000002", 100.0},
                                         ParseCase{"0E999999999999999999999", 0.0}));

INSTANTIATE_TEST_SUITE_P(
    TooSmallForADoubleIsZeroOrSubnormal, LeadingNumberWithPosixSettings,
    testing::Values(ParseCase{"1E-400", 0.0}, ParseCase{"-1E-400", -0.0}, ParseCase{"2E-324", 0.0},
                    ParseCase{"4.9E-324", std::numeric_limits<double>::denorm_min()},
                    ParseCase{"1E-310", 1e-310},
                    ParseCase{"0.0000000000000000000001E-99999999999999999999", 0.0},
                    ParseCase{"123456789E-99999999999999", 0.0}));

INSTANTIATE_TEST_SUITE_P(
    HexadecimalAndOctal, LeadingNumberWithPosixSettings,
    testing::Values(ParseCase{"&HFF", 255.0}, ParseCase{"&hff", 255.0}, ParseCase{"&H", 0.0},
                    ParseCase{"&HG", 0.0}, ParseCase{"&H1G", 1.0}, ParseCase{"&HFFFF", 65535.0},
                    ParseCase{"&O17", 15.0}, ParseCase{"&o777", 511.0}, ParseCase{"&O8", 0.0},
                    ParseCase{"&O78", 7.0}, ParseCase{"&H0000000000000000000000000000001", 1.0},
                    // Unsigned, any length, rounded to nearest (ties to even).
                    ParseCase{"&HFFFFFFFFFFFFFFFF", 18446744073709551616.0},
                    ParseCase{"&H20000000000001", 9007199254740992.0},
                    ParseCase{"&H20000000000003", 9007199254740996.0},
                    ParseCase{"&O1777777777777777777777", 18446744073709551616.0},
                    ParseCase{"&O400000000000000001", 9007199254740992.0}));

struct OverflowCase {
    const char* text;
};

class LeadingNumberOverflow : public testing::TestWithParam<OverflowCase> {};

TEST_P(LeadingNumberOverflow, RaisesOverflow) {
    try {
        (void)parseLeadingNumber(GetParam().text, posixNumberSettings());
        FAIL() << "no error for " << GetParam().text;
    } catch (const RunTimeError& error) {
        EXPECT_EQ(error.number(), ErrorNumber::Overflow);
    }
}

INSTANTIATE_TEST_SUITE_P(BeyondTheDoubleRange, LeadingNumberOverflow,
                         testing::Values(OverflowCase{"1E400"}, OverflowCase{"-1E400"},
                                         OverflowCase{"1.8E308"},
                                         OverflowCase{"0.00001E99999999999999999"},
                                         OverflowCase{"1E99999999999999999999999999"}));

TEST(LeadingNumberOverflow, HexadecimalBeyondTheDoubleRange) {
    const std::string text = "&H1" + std::string(256, '0');
    EXPECT_THROW((void)parseLeadingNumber(text, posixNumberSettings()), RunTimeError);
    EXPECT_EQ(parseLeadingNumber("&H1" + std::string(255, '0'), posixNumberSettings()),
              std::ldexp(1.0, 1020));
}

TEST(LeadingNumberOverflow, OctalBeyondTheDoubleRange) {
    EXPECT_THROW((void)parseLeadingNumber("&O1" + std::string(342, '0'), posixNumberSettings()),
                 RunTimeError);
    EXPECT_EQ(parseLeadingNumber("&O1" + std::string(340, '0'), posixNumberSettings()),
              std::ldexp(1.0, 1020));
}

TEST(LeadingNumberOverflow, ManyGroupsOverflowQuickly) {
    std::string grouped = "1";
    for (int i = 0; i < 200000; ++i) {
        grouped += ",000";
    }
    EXPECT_THROW((void)parseLeadingNumber(grouped, test::makeSettings(".", ",", {3})),
                 RunTimeError);
    std::string misplaced = "1";
    for (int i = 0; i < 200000; ++i) {
        misplaced += ",0";
    }
    EXPECT_EQ(parseLeadingNumber(misplaced, test::makeSettings(".", ",", {3})), 1.0);
}

TEST(LeadingNumberOverflow, MaximumDoubleStillReads) {
    EXPECT_EQ(parseLeadingNumber("1.7976931348623157E308", posixNumberSettings()),
              std::numeric_limits<double>::max());
}

struct RegionalCase {
    const char* name;
    NumberSettings settings;
    const char* text;
    double value;
};

void PrintTo(const RegionalCase& c, std::ostream* os) {
    *os << c.name;
}

class LeadingNumberWithRegionalSymbols : public testing::TestWithParam<RegionalCase> {};

TEST_P(LeadingNumberWithRegionalSymbols, ReadsWhatTheFormatWrites) {
    EXPECT_EQ(parseLeadingNumber(GetParam().text, GetParam().settings), GetParam().value);
}

const NumberSettings kBulgarian = makeSettings(",", "\u00A0", {3});
const NumberSettings kEnglish = makeSettings(".", ",", {3});
const NumberSettings kGerman = makeSettings(",", ".", {3});
const NumberSettings kIndian = makeSettings(".", ",", {3, 2});
const NumberSettings kSwiss = makeSettings(".", "\u2019", {3});

INSTANTIATE_TEST_SUITE_P(
    Symbols, LeadingNumberWithRegionalSymbols,
    testing::Values(
        RegionalCase{"DecimalCommaIsASeparator", kBulgarian, "2,5", 2.5},
        RegionalCase{"PeriodStaysASeparator", kBulgarian, "2.5", 2.5},
        RegionalCase{"OnlyOneSeparator", kBulgarian, "2,5.5", 2.5},
        RegionalCase{"OnlyOneSeparatorPeriodFirst", kBulgarian, "2.5,5", 2.5},
        RegionalCase{"KeptTextReadsBack", kBulgarian, "2,50000", 2.5},
        RegionalCase{"NoBreakSpaceGroups", kBulgarian, "1\u00A0234,5", 1234.5},
        RegionalCase{"CommaGroupsThousands", kEnglish, "1,234.5", 1234.5},
        RegionalCase{"CommaIsNoDecimalSymbol", kEnglish, "2,5", 2.0},
        RegionalCase{"SeveralGroups", kEnglish, "12,345,678.25", 12345678.25},
        RegionalCase{"UngroupedDigitsStillRead", kEnglish, "1234567", 1234567.0},
        RegionalCase{"GroupOutOfPlaceEndsTheNumber", kEnglish, "1,23", 1.0},
        RegionalCase{"GroupTooLongEndsTheNumber", kEnglish, "1,2345", 1.0},
        RegionalCase{"LastGoodGroupKept", kEnglish, "1,234,56", 1234.0},
        RegionalCase{"MisplacedGroupEndsBeforeFraction", kEnglish, "12,34.5", 12.0},
        RegionalCase{"GroupWithoutFollowingDigit", kEnglish, "1,", 1.0},
        RegionalCase{"GroupInFractionEndsTheNumber", kEnglish, "1.234,5", 1.234},
        RegionalCase{"GroupBeforeAnyDigit", kEnglish, ",123", 0.0},
        RegionalCase{"ExponentAfterGroups", kEnglish, "1,000E3", 1e6},
        RegionalCase{"NoExponentAfterEndedNumber", kEnglish, "1,00E3", 1.0},
        RegionalCase{"SignBeforeGroups", kEnglish, "-1,234", -1234.0},
        RegionalCase{"PeriodGroupsWithDecimalComma", kGerman, "1.234,5", 1234.5},
        RegionalCase{"PeriodInGroupPlaceGroups", kGerman, "1.234", 1234.0},
        RegionalCase{"CutBoxTextGroups", kGerman, "123.456", 123456.0},
        RegionalCase{"PeriodOutOfGroupPlaceIsTheDecimalPoint", kGerman, "2.5", 2.5},
        RegionalCase{"TwoDigitsThenPeriod", kGerman, "12.5", 12.5},
        RegionalCase{"TooLongForAGroup", kGerman, "1.2345", 1.2345},
        RegionalCase{"PeriodAfterGoodGroups", kGerman, "1.234.5", 1234.5},
        RegionalCase{"PeriodPointTakesAnExponent", kGerman, "2.5E3", 2500.0},
        RegionalCase{"ScientificWithDecimalComma", kGerman, "3,142E7", 31420000.0},
        RegionalCase{"IndianGrouping", kIndian, "12,34,567.5", 1234567.5},
        RegionalCase{"IndianGroupingRejectsThrees", kIndian, "1,234,567", 1234.0},
        RegionalCase{"OneGroupOnly", test::onlyOnce(kEnglish), "1234,567.5", 1234567.5},
        RegionalCase{"OneGroupOnlyRejectsThrees", test::onlyOnce(kEnglish), "1,234,567", 1234.0},
        RegionalCase{"MultiByteGroup", kSwiss, "1\u2019234.5", 1234.5},
        RegionalCase{"HalfAMultiByteGroupEnds", kSwiss,
                     "1\xE2\x80"
                     "234",
                     1.0},
        RegionalCase{"BlankGroupIsDroppedAnyway", makeSettings(",", " ", {3}), "12 34,5", 1234.5},
        RegionalCase{"GroupSymbolWithoutSizesIsIgnored", makeSettings(".", ",", {}), "1,234", 1.0}),
    [](const testing::TestParamInfo<RegionalCase>& info) { return info.param.name; });

} // namespace
} // namespace korvala::runtime
