#include "runtime/locale_values.hpp"
#include "runtime/number_settings.hpp"
#include "runtime/regional_settings.hpp"
#include "settings_matrix.hpp"

#include <array>
#include <cstdlib>
#include <gtest/gtest.h>
#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif
#include <optional>
#include <string>
#include <vector>

namespace korvala::runtime {
namespace {

using test::makeSettings;

// Real locales as glibc 2.36 describes them (nl_langinfo_l of CODESET, RADIXCHAR, THOUSEP and
// GROUPING), and what Korvala makes of them.
struct PosixRow {
    const char* locale;
    PosixNumericValues values;
    NumberSettings expected;
};

void PrintTo(const PosixRow& row, std::ostream* os) {
    *os << row.locale;
}

const std::array<PosixRow, 9> kPosixRows{{
    {"C", {"ANSI_X3.4-1968", ".", "", ""}, posixNumberSettings()},
    {"en_US.UTF-8", {"UTF-8", ".", ",", "\x03\x03"}, makeSettings(".", ",", {3, 3})},
    {"de_DE.UTF-8", {"UTF-8", ",", ".", "\x03\x03"}, makeSettings(",", ".", {3, 3})},
    {"de_CH.UTF-8", {"UTF-8", ".", "\u2019", "\x03\x03"}, makeSettings(".", "\u2019", {3, 3})},
    {"bg_BG.UTF-8", {"UTF-8", ",", "", "\x03\x03"}, makeSettings(",", "", {})},
    {"hi_IN.UTF-8", {"UTF-8", ".", ",", "\x03"}, makeSettings(".", ",", {3})},
    {"fr_FR.UTF-8", {"UTF-8", ",", "\u202F", "\x03"}, makeSettings(",", "\u202F", {3})},
    {"one group of three",
     {"UTF-8", ".", ",", "\x03\x7F"},
     test::onlyOnce(makeSettings(".", ",", {3}))},
    // A Latin-1 locale's no-break space is one byte that is not UTF-8: it is left out.
    {"de_AT.ISO-8859-1", {"ISO-8859-1", ",", "\xA0", "\x03"}, makeSettings(",", "", {})},
}};

class PosixLocaleValues : public testing::TestWithParam<PosixRow> {};

TEST_P(PosixLocaleValues, BecomeTheLocalesSettings) {
    EXPECT_EQ(settingsFromPosix(GetParam().values), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(RealLocales, PosixLocaleValues, testing::ValuesIn(kPosixRows));

// The same locales as Windows describes them (GetLocaleInfoEx).
struct WindowsRow {
    const char* locale;
    WindowsNumberValues values;
    NumberSettings expected;
};

void PrintTo(const WindowsRow& row, std::ostream* os) {
    *os << row.locale;
}

class WindowsLocaleValues : public testing::TestWithParam<WindowsRow> {};

TEST_P(WindowsLocaleValues, BecomeTheLocalesSettings) {
    EXPECT_EQ(settingsFromWindows(GetParam().values), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    RealLocales, WindowsLocaleValues,
    testing::Values(
        WindowsRow{"en-US", {u".", u",", u"3;0", u"1", u"1"}, makeSettings(".", ",", {3})},
        WindowsRow{"one group of three",
                   {u".", u",", u"3", u"1", u"1"},
                   test::onlyOnce(makeSettings(".", ",", {3}))},
        WindowsRow{"de-DE", {u",", u".", u"3;0", u"1", u"1"}, makeSettings(",", ".", {3})},
        WindowsRow{
            "de-CH", {u".", u"\u2019", u"3;0", u"1", u"1"}, makeSettings(".", "\u2019", {3})},
        WindowsRow{
            "bg-BG", {u",", u"\u00A0", u"3;0", u"1", u"1"}, makeSettings(",", "\u00A0", {3})},
        WindowsRow{"hi-IN", {u".", u",", u"3;2;0", u"1", u"1"}, makeSettings(".", ",", {3, 2})},
        WindowsRow{
            "fr-FR", {u",", u"\u202F", u"3;0", u"1", u"1"}, makeSettings(",", "\u202F", {3})},
        WindowsRow{"customised",
                   {u",", u"\u00A0", u"3;2;0", u"0", u"4"},
                   makeSettings(",", "\u00A0", {3, 2}, false, NegativeForm::TrailingMinusBlank)},
        WindowsRow{"unreadable", {u"", u"", u"x", u"7", u"9"}, posixNumberSettings()}));

#ifndef _WIN32
// Points the locale variables at one locale for the test's duration.
class UserLocale : public testing::TestWithParam<PosixRow> {
protected:
    void SetUp() override {
        for (const char* name : kVariables) {
            const char* value = std::getenv(name);
            saved_.emplace_back(value != nullptr ? std::optional<std::string>(value)
                                                 : std::nullopt);
        }
    }
    void TearDown() override {
        for (std::size_t i = 0; i < kVariables.size(); ++i) {
            if (saved_[i]) {
                setenv(kVariables[i], saved_[i]->c_str(), 1);
            } else {
                unsetenv(kVariables[i]);
            }
        }
    }
    static void use(const char* all, const char* numeric, const char* lang) {
        const std::array<const char*, 3> values{all, numeric, lang};
        for (std::size_t i = 0; i < kVariables.size(); ++i) {
            if (values[i] != nullptr) {
                setenv(kVariables[i], values[i], 1);
            } else {
                unsetenv(kVariables[i]);
            }
        }
    }

private:
    static constexpr std::array<const char*, 3> kVariables{"LC_ALL", "LC_NUMERIC", "LANG"};
    std::vector<std::optional<std::string>> saved_;
};

constexpr const char* kMissingLocale =
    "is the locale compiled? The build compiles it from Debian's locales package";

TEST_P(UserLocale, IsReadFromTheSystem) {
    use(GetParam().locale, nullptr, nullptr);
    EXPECT_EQ(userNumberSettings(), GetParam().expected) << kMissingLocale;
}

TEST_P(UserLocale, NumericLocaleAloneCarriesItsOwnCodeSet) {
    use(nullptr, GetParam().locale, "C");
    EXPECT_EQ(userNumberSettings(), GetParam().expected) << kMissingLocale;
}

TEST_P(UserLocale, ChangeIsFollowedOnTheNextCall) {
    use("C", nullptr, nullptr);
    (void)userNumberSettings();
    use(GetParam().locale, nullptr, nullptr);
    EXPECT_EQ(userNumberSettings(), GetParam().expected) << kMissingLocale;
}

// The last two rows are only table rows; the build compiles the others.
INSTANTIATE_TEST_SUITE_P(GeneratedLocales, UserLocale,
                         testing::ValuesIn(kPosixRows.begin(), kPosixRows.end() - 2));

TEST(UserLocaleFallback, UnknownLocaleGivesThePosixSettings) {
    const char* saved = std::getenv("LC_ALL");
    const std::string restore = saved != nullptr ? saved : "";
    setenv("LC_ALL", "xx_XX.NOPE", 1);
    EXPECT_EQ(userNumberSettings(), posixNumberSettings());
    if (saved != nullptr) {
        setenv("LC_ALL", restore.c_str(), 1);
    } else {
        unsetenv("LC_ALL");
    }
}
#else
// The reader's real run: the user's settings as GetLocaleInfoEx gives them (under Wine, those of
// the locale it takes from the environment) are read and usable.
TEST(UserLocale, IsReadFromTheSystem) {
    const SystemSettings settings = userNumberSettings();
    ASSERT_TRUE(settings) << settings.error().ambiguity.why;
    EXPECT_FALSE(settings->groupSizes.empty());
}
#endif

#ifdef __EMSCRIPTEN__
// The web build's reader: the language as the browser (here Node.js) formats numbers in it.
// Pretends to be a browser whose navigator.language is `language`, or removes the pretence.
// NOLINTNEXTLINE(cppcoreguidelines-pro-type-vararg,hicpp-vararg)
EM_JS(void, useNavigatorLanguage, (const char* language), {
    if (language == 0) {
        delete globalThis.navigator;
    } else {
        Object.defineProperty(
            globalThis, "navigator",
            {value : {language : UTF8ToString(language)}, configurable : true, writable : true});
    }
});

struct BrowserRow {
    const char* language;
    NumberSettings expected;
};

void PrintTo(const BrowserRow& row, std::ostream* os) {
    *os << row.language;
}

class BrowserLanguage : public testing::TestWithParam<BrowserRow> {
protected:
    void TearDown() override { useNavigatorLanguage(nullptr); }
};

TEST_P(BrowserLanguage, IsReadThroughIntl) {
    useNavigatorLanguage(GetParam().language);
    EXPECT_EQ(userNumberSettings(), GetParam().expected);
}

TEST_P(BrowserLanguage, ChangeIsFollowedOnTheNextCall) {
    useNavigatorLanguage("ja");
    (void)userNumberSettings();
    useNavigatorLanguage(GetParam().language);
    EXPECT_EQ(userNumberSettings(), GetParam().expected);
}

// Bulgarian groups "1234,5" as Windows does, though CLDR leaves four digits ungrouped;
// Swedish's minus is U+2212, written as the leading ASCII minus.
INSTANTIATE_TEST_SUITE_P(NodesIntl, BrowserLanguage,
                         testing::Values(BrowserRow{"bg", makeSettings(",", "\u00A0", {3})},
                                         BrowserRow{"bg-BG", makeSettings(",", "\u00A0", {3})},
                                         BrowserRow{"en", makeSettings(".", ",", {3})},
                                         BrowserRow{"en-IN", makeSettings(".", ",", {3, 2})},
                                         BrowserRow{"de", makeSettings(",", ".", {3})},
                                         BrowserRow{"fr", makeSettings(",", "\u202F", {3})},
                                         BrowserRow{"sv", makeSettings(",", "\u00A0", {3})},
                                         BrowserRow{"not a language tag", posixNumberSettings()}),
                         [](const testing::TestParamInfo<BrowserRow>& info) {
                             std::string name;
                             for (const char c : std::string(info.param.language)) {
                                 name += (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ? c : '_';
                             }
                             return name;
                         });

TEST(BrowserLanguageSource, IsTheNavigatorsWhereThereIsOne) {
    useNavigatorLanguage("bg");
    const SystemSettings read = userNumberSettings();
    useNavigatorLanguage(nullptr);
    EXPECT_EQ(read, makeSettings(",", "\u00A0", {3}));
}

TEST(BrowserLanguageSource, IsIntlsDefaultOtherwise) {
    useNavigatorLanguage(nullptr);
    const SystemSettings read = userNumberSettings();
    ASSERT_TRUE(read) << read.error().ambiguity.why;
    EXPECT_FALSE(read->decimalSymbol.empty());
}
#endif

struct AmbiguityCase {
    const char* name;
    NumberSettings settings;
    bool ambiguous;
};

void PrintTo(const AmbiguityCase& c, std::ostream* os) {
    *os << c.name;
}

class SettingsThatCouldBeMisread : public testing::TestWithParam<AmbiguityCase> {};

TEST_P(SettingsThatCouldBeMisread, AreRefusedAndFallBack) {
    const NumberSettings& settings = GetParam().settings;
    const auto checked = unambiguous(settings);
    EXPECT_EQ(!checked, GetParam().ambiguous) << (checked ? "" : checked.error().why);
    NumberSettings expected = settings;
    if (GetParam().ambiguous) {
        expected.decimalSymbol = ".";
        expected.groupSymbol.clear();
        expected.groupSizes.clear();
    }
    EXPECT_EQ(unambiguousOrFallback(settings), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Symbols, SettingsThatCouldBeMisread,
    testing::Values(AmbiguityCase{"Posix", posixNumberSettings(), false},
                    AmbiguityCase{"BlankGroups", makeSettings(",", " ", {3}), false},
                    AmbiguityCase{"PeriodGroups", makeSettings(",", ".", {3}), false},
                    AmbiguityCase{"NarrowNoBreakSpace", makeSettings(",", "\u202F", {3}), false},
                    AmbiguityCase{"OddButClear",
                                  makeSettings("/", "'", {3, 2}, false, NegativeForm::Parentheses),
                                  false},
                    AmbiguityCase{"EmptyDecimal", makeSettings("", "", {}), true},
                    AmbiguityCase{"SameSymbols", makeSettings(",", ",", {3}), true},
                    AmbiguityCase{"GroupStartsTheDecimal", makeSettings(",,", ",", {3}), true},
                    AmbiguityCase{"DigitDecimal", makeSettings("5", "", {}), true},
                    AmbiguityCase{"DigitGroup", makeSettings(",", "1", {3}), true},
                    AmbiguityCase{"SignGroup", makeSettings(",", "-", {3}), true},
                    AmbiguityCase{"ExponentDecimal", makeSettings("e", "", {}), true},
                    AmbiguityCase{"AmpersandDecimal", makeSettings("&", "", {}), true},
                    AmbiguityCase{"BlankDecimal", makeSettings(" ", "", {}), true},
                    AmbiguityCase{"BlankInAGroup", makeSettings(",", " '", {3}), true},
                    AmbiguityCase{"TabGroup", makeSettings(",", "\t", {3}), true},
                    AmbiguityCase{"PeriodInsideASymbol", makeSettings(",.", "", {}), true},
                    AmbiguityCase{"NotUtf8", makeSettings("\xFF", "", {}), true},
                    AmbiguityCase{"TooLong", makeSettings("abcd", "", {}), true},
                    AmbiguityCase{"GroupTooLarge", makeSettings(".", ",", {12}), true}),
    [](const testing::TestParamInfo<AmbiguityCase>& info) { return info.param.name; });

TEST(SettingsThatCouldBeMisread, UnknownNegativeFormFallsBackToTheMinus) {
    const NumberSettings odd = makeSettings(",", "", {}, true, static_cast<NegativeForm>(7));
    EXPECT_FALSE(unambiguous(odd));
    EXPECT_EQ(unambiguousOrFallback(odd), posixNumberSettings());
}

// The program is handed the warning once, however often the settings are read, and only once
// they cannot be used.
TEST(SettingsThatCouldBeMisread, FromTheSystemFallBackWithOneWarning) {
    static const NumberSettings same =
        makeSettings(",", ",", {3}, false, NegativeForm::Parentheses);
    static const NumberSettings fallback =
        makeSettings(".", "", {}, false, NegativeForm::Parentheses);
    EXPECT_EQ(usableSystemSettings(same).error().fallback, fallback);
    static bool usable = true;
    static std::vector<std::string> warnings;
    SettingsInUse inUse([] { return usableSystemSettings(usable ? fallback : same); },
                        [](std::string_view warning) { warnings.emplace_back(warning); });
    EXPECT_EQ(inUse(), fallback);
    EXPECT_TRUE(warnings.empty());
    usable = false;
    EXPECT_EQ(inUse(), fallback);
    EXPECT_EQ(inUse(), fallback);
    EXPECT_EQ(warnings, std::vector<std::string>{
                            "korvala: the regional number settings cannot be used (the decimal "
                            "and grouping symbols cannot be told apart); numbers are written with "
                            "a decimal period and no grouping\n"});
}

TEST(SettingsThatCouldBeMisread, NoneOfTheTestedStylesIs) {
    for (const auto& [name, settings] : test::settingsMatrix()) {
        EXPECT_TRUE(unambiguous(settings)) << name;
    }
}

struct GroupSizesCase {
    const char* text;
    bool accepted;
    std::vector<int> sizes;
};

void PrintTo(const GroupSizesCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class GroupSizesText : public testing::TestWithParam<GroupSizesCase> {};

TEST_P(GroupSizesText, ReadsTheRegionalNotation) {
    EXPECT_EQ(parseGroupSizes(GetParam().text),
              GetParam().accepted ? std::optional(GetParam().sizes) : std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    Notation, GroupSizesText,
    testing::Values(GroupSizesCase{"3", true, {3}}, GroupSizesCase{"3;0", true, {3}},
                    GroupSizesCase{"3;2", true, {3, 2}}, GroupSizesCase{"3;2;0", true, {3, 2}},
                    GroupSizesCase{"", true, {}}, GroupSizesCase{"none", true, {}},
                    GroupSizesCase{"0", true, {}}, GroupSizesCase{"3;", false, {}},
                    GroupSizesCase{"3;0;2", false, {}}, GroupSizesCase{"12", false, {}},
                    GroupSizesCase{"x", false, {}}, GroupSizesCase{";", false, {}}));

} // namespace
} // namespace korvala::runtime
