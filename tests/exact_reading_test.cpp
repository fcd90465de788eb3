// Answers read as exact values: every form Korvala writes and a student writes, nothing else.
#include "calc/exact_reading.hpp"
#include "calc/exact_text.hpp"

#include <gtest/gtest.h>

namespace korvala::calc {
namespace {

runtime::NumberSettings decimalComma() {
    runtime::NumberSettings settings = runtime::posixNumberSettings();
    settings.decimalSymbol = ",";
    return settings;
}

struct ReadingCase {
    const char* text;
    const char* exact; // as Korvala writes it; nullptr where nothing is read
};

TEST(ExactAnswers, AreReadInEveryFormAndNothingElse) {
    const runtime::NumberSettings settings = decimalComma();
    const ReadingCase cases[] = {
        {"5π/2", "5π/2"},
        {"2,5π", "5π/2"},
        {"3π√2/4", "3π√2/4"},
        {"35/(2π)", "35/(2π)"},
        {"(√6 − √2)/2", "(√6 − √2)/2"},
        {"π(√6 - √2)", "π(√6 − √2)"},
        {"√(8 + 4√3)", "√6 + √2"},
        {"2²·π", "4π"},
        {"-3", "−3"},
        {"PI", "π"},
        {"1/0", nullptr},
        {"√-4", nullptr},
        {"((((((((((1))))))))))", nullptr},
        {"1e5", nullptr},
        {"2,5,5", nullptr},
        {"9223372036854775807", "9223372036854775807"},
        {"9223372036854775808", nullptr},
        {"", nullptr},
        {"π√", nullptr},
    };
    for (const ReadingCase& c : cases) {
        const std::optional<ExactValue> value = readExactAnswer(c.text, settings);
        if (c.exact == nullptr) {
            EXPECT_FALSE(value) << c.text;
        } else {
            ASSERT_TRUE(value) << c.text;
            EXPECT_EQ(schoolText(*value), c.exact) << c.text;
        }
    }
}

// Where the regional decimal symbol is a sign of the notation, answers take a decimal point.
TEST(ExactAnswers, KeepTheirSignsWhereTheDecimalSymbolIsOne) {
    runtime::NumberSettings slash = runtime::posixNumberSettings();
    slash.decimalSymbol = "/";
    EXPECT_EQ(answerDecimalSymbol(slash), ".");
    EXPECT_EQ(readExactAnswer("√41/2", slash), readExactAnswer("√41/2", decimalComma()));
    EXPECT_EQ(readExactAnswer("2.5", slash), ExactValue::fraction(5, 2));
}

} // namespace
} // namespace korvala::calc
