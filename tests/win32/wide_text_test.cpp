// The Win32 window's text crossing between UTF-8 and UTF-16, and the cut of assigned texts to
// a value box's typing limit.
#include "win/wide_text.hpp"

#include <gtest/gtest.h>

namespace {

using korvala::win::firstCharacters;
using korvala::win::toUtf8;
using korvala::win::toWide;

TEST(WideText, RoundTripsEveryPlaneAndEmptiness) {
    for (const std::string utf8 : {"", "1.0000000", "Изчисли", "1\u00A0234,5", "R \U0001D445 H"}) {
        EXPECT_EQ(toUtf8(toWide(utf8)), utf8);
    }
    EXPECT_EQ(toWide("Дадени:"), L"Дадени:");
}

TEST(WideText, UnpairedSurrogateBecomesReplacementCharacter) {
    EXPECT_EQ(toUtf8(std::wstring{L'a', static_cast<wchar_t>(0xD800), L'b'}), "a\uFFFDb");
}

struct CutCase {
    std::wstring text;
    std::size_t characters;
    std::wstring expected;
};

TEST(WideText, CutsByCharactersNeverSplittingAPair) {
    const std::wstring pair = toWide("\U0001D445");
    const std::vector<CutCase> cases{
        {L"123456789", 7, L"1234567"},
        {L"1234", 7, L"1234"},
        {L"", 7, L""},
        {L"123456789", 0, L""},
        {L"123456" + pair + L"9", 7, L"123456" + pair},
        {pair + pair, 1, pair},
    };
    for (const CutCase& cut : cases) {
        EXPECT_EQ(firstCharacters(cut.text, cut.characters), cut.expected);
    }
}

} // namespace
