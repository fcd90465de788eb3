// The Win32 window's text crossing between UTF-8 and UTF-16.
#include "win/wide_text.hpp"

#include <gtest/gtest.h>

namespace {

using korvala::win::toUtf8;
using korvala::win::toWide;

TEST(WideText, RoundTripsEveryPlaneAndEmptiness) {
    for (const std::string utf8 : {"", "1.0000000", "Изчисли", "1\u00A0234,5", "R \U0001D445 H"}) {
        EXPECT_EQ(toUtf8(toWide(utf8)), utf8);
    }
    EXPECT_EQ(toWide("Дадени:"), L"Дадени:");
}

TEST(WideText, WhatCannotBeConvertedBecomesReplacementCharacters) {
    EXPECT_EQ(toUtf8(std::wstring{L'a', static_cast<wchar_t>(0xD800), L'b'}), "a\uFFFDb");
    EXPECT_EQ(toWide("a\xFF\xE2\x82"
                     "b\xED\xA0\x80"),
              L"a\uFFFD\uFFFD\uFFFDb\uFFFD\uFFFD\uFFFD");
}

} // namespace
