// The double-text conversions of float_text.hpp. A table of exact answers holds every
// implementation the build has (the web build has only the C library's); where the standard
// library's exists beside the C library's, many random doubles and texts hold one against the
// other byte for byte.
#include "runtime/float_text.hpp"
#include "runtime/float_text_implementations.hpp"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

namespace korvala::runtime::float_text {
namespace {

struct Implementation {
    const char* name;
    ReadResult (*readDecimal)(std::string_view);
    ReadResult (*readHex)(std::string_view);
    WriteResult (*writeFixed)(double, int, std::span<char>);
    WriteResult (*writeScientific)(double, int, std::span<char>);
};

std::vector<Implementation> implementations() {
    std::vector<Implementation> all{{"selected", float_text::readDecimal, float_text::readHex,
                                     float_text::writeFixed, float_text::writeScientific}};
#ifndef KORVALA_NO_STANDARD_FLOAT_TEXT
    all.push_back({"standard", standard::readDecimal, standard::readHex, standard::writeFixed,
                   standard::writeScientific});
#endif
#ifndef _WIN32
    all.push_back({"c_library", c_library::readDecimal, c_library::readHex, c_library::writeFixed,
                   c_library::writeScientific});
#endif
    return all;
}

std::uint64_t bitsOf(double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// Equal to the last bit, the sign of zero included.
void expectSameRead(const ReadResult& got, const ReadResult& expected, const std::string& what) {
    ASSERT_EQ(got.has_value(), expected.has_value()) << what;
    if (!got) {
        EXPECT_EQ(got.error().reason, expected.error().reason) << what;
        EXPECT_EQ(got.error().length, expected.error().length) << what;
        return;
    }
    EXPECT_EQ(got->length, expected->length) << what;
    EXPECT_EQ(bitsOf(got->value), bitsOf(expected->value))
        << what << ": " << got->value << " instead of " << expected->value;
}

constexpr double kSmallest = std::numeric_limits<double>::denorm_min();
constexpr double kLargest = std::numeric_limits<double>::max();

struct ReadRow {
    std::string text;
    bool hex;
    ReadResult expected;
};

ReadResult ok(double value, std::size_t length) {
    return Number{value, length};
}
ReadResult outOfRange(std::size_t length) {
    return tl::make_unexpected(ReadFailure{ReadError::OutOfRange, length});
}

std::vector<ReadRow> readRows() {
    const ReadResult none = tl::make_unexpected(ReadFailure{});
    std::vector<ReadRow> rows{
        {"", false, none},
        {"-", false, none},
        {".", false, none},
        {"-.", false, none},
        {".e5", false, none},
        {"e5", false, none},
        {"+1", false, none},
        {" 1", false, none},
        {"inf", false, none},
        {"-infinity", false, none},
        {"nan", false, none},
        {"NaN(1)", false, none},
        {"1", false, ok(1.0, 1)},
        {"-0", false, ok(-0.0, 2)},
        {"0e999999999999999999999", false, ok(0.0, 23)},
        {"1.5x", false, ok(1.5, 3)},
        {"5.", false, ok(5.0, 2)},
        {".5", false, ok(0.5, 2)},
        {"1.2.3", false, ok(1.2, 3)},
        {"1e", false, ok(1.0, 1)},
        {"1e+", false, ok(1.0, 1)},
        {"1E5", false, ok(1e5, 3)},
        {"1e-5", false, ok(1e-5, 4)},
        {"2E+3abc", false, ok(2000.0, 4)},
        {"0x10", false, ok(0.0, 1)},
        {"9007199254740993", false, ok(9007199254740992.0, 16)},
        {"9007199254740995", false, ok(9007199254740996.0, 16)},
        {"1.7976931348623157e308", false, ok(kLargest, 22)},
        {"1.7976931348623158e308", false, ok(kLargest, 22)},
        {"1.7976931348623159e308", false, outOfRange(22)},
        {"1e400", false, outOfRange(5)},
        {"-1e400", false, outOfRange(6)},
        {"1e-400", false, outOfRange(6)},
        {"-1e-400", false, outOfRange(7)},
        {"4.9e-324", false, ok(kSmallest, 8)},
        {"2.4703282292062328e-324", false, ok(kSmallest, 23)},
        {"2.4703282292062327e-324", false, outOfRange(23)},
        {"2.2250738585072011e-308", false, ok(2.2250738585072009e-308, 23)},
        {"1" + std::string(400, '0'), false, outOfRange(401)},
        {"0." + std::string(400, '0') + "1", false, outOfRange(403)},
        {"0." + std::string(400, '0') + "1e401", false, ok(1.0, 407)},
        {"ff", true, ok(255.0, 2)},
        {"FFx", true, ok(255.0, 2)},
        {"1.8", true, ok(1.5, 3)},
        {"1p4", true, ok(16.0, 3)},
        {"1P-1", true, ok(0.5, 4)},
        {"1p", true, ok(1.0, 1)},
        {"1p+-5", true, ok(1.0, 1)},
        {"0x1", true, ok(0.0, 1)},
        {"g", true, none},
        {"-a", true, ok(-10.0, 2)},
        {"1p-1074", true, ok(kSmallest, 7)},
        {"1.8p-1075", true, ok(kSmallest, 9)},
        {"1p-1075", true, outOfRange(7)},
        {"1fffffffffffffp971", true, ok(kLargest, 18)},
        {"1p1024", true, outOfRange(6)},
        {"1" + std::string(256, '0'), true, outOfRange(257)},
        {"20000000000001", true, ok(9007199254740992.0, 14)},
        {"20000000000003", true, ok(9007199254740996.0, 14)},
    };
    return rows;
}

TEST(FloatTextRead, GivesTheExactAnswersOfTheTable) {
    for (const Implementation& implementation : implementations()) {
        for (const ReadRow& row : readRows()) {
            const ReadResult got =
                row.hex ? implementation.readHex(row.text) : implementation.readDecimal(row.text);
            expectSameRead(got, row.expected,
                           std::string(implementation.name) + (row.hex ? " hex \"" : " \"") +
                               row.text.substr(0, 40) + "\"");
        }
    }
}

struct WriteRow {
    double value;
    int decimals;
    const char* fixed;
    const char* scientific;
};

const std::array<WriteRow, 16> kWriteRows{{
    {1.0, 7, "1.0000000", "1.0000000e+00"},
    {-0.0, 7, "-0.0000000", "-0.0000000e+00"},
    {0.0, 0, "0", "0e+00"},
    {0.5, 0, "0", "5e-01"},
    {1.5, 0, "2", "2e+00"},
    {2.5, 0, "2", "2e+00"},
    {0.125, 2, "0.12", "1.25e-01"},
    {0.375, 2, "0.38", "3.75e-01"},
    {-1234.5, 1, "-1234.5", "-1.2e+03"},
    {1e15, 7, "1000000000000000.0000000", "1.0000000e+15"},
    {5e-324, 3, "0.000", "4.941e-324"},
    {kLargest, 16, nullptr, "1.7976931348623157e+308"},
    {std::numeric_limits<double>::infinity(), 7, "inf", "inf"},
    {-std::numeric_limits<double>::infinity(), 7, "-inf", "-inf"},
    {std::numeric_limits<double>::quiet_NaN(), 7, "nan", "nan"},
    {-std::numeric_limits<double>::quiet_NaN(), 7, "-nan", "-nan"},
}};

std::string written(WriteResult (*write)(double, int, std::span<char>), double value,
                    int decimals) {
    std::vector<char> buffer(longestFixed(kMostDecimals));
    const WriteResult length = write(value, decimals, buffer);
    if (!length) {
        return "(does not fit)";
    }
    return {buffer.data(), *length};
}

TEST(FloatTextWrite, GivesTheExactAnswersOfTheTable) {
    for (const Implementation& implementation : implementations()) {
        for (const WriteRow& row : kWriteRows) {
            if (row.fixed != nullptr) {
                EXPECT_EQ(written(implementation.writeFixed, row.value, row.decimals), row.fixed)
                    << implementation.name << " fixed " << row.value;
            }
            EXPECT_EQ(written(implementation.writeScientific, row.value, row.decimals),
                      row.scientific)
                << implementation.name << " scientific " << row.value;
        }
        const std::string largest = written(implementation.writeFixed, kLargest, 7);
        EXPECT_EQ(largest.substr(0, 17), "17976931348623157") << implementation.name;
        EXPECT_EQ(largest.substr(300), "124858368.0000000") << implementation.name;
        EXPECT_EQ(largest.size(), longestFixed(7) - 1) << implementation.name;
    }
}

TEST(FloatTextWrite, FailsOnlyForABufferTooSmall) {
    for (const Implementation& implementation : implementations()) {
        std::array<char, 9> exact{};
        EXPECT_TRUE(implementation.writeFixed(1.0, 7, exact).has_value()) << implementation.name;
        EXPECT_FALSE(implementation.writeFixed(-1.0, 7, exact).has_value()) << implementation.name;
        EXPECT_FALSE(implementation.writeScientific(1.0, 7, exact).has_value())
            << implementation.name;
        std::array<char, 3> three{};
        EXPECT_TRUE(implementation.writeFixed(std::numeric_limits<double>::infinity(), 7, three)
                        .has_value())
            << implementation.name;
        EXPECT_FALSE(implementation.writeFixed(-std::numeric_limits<double>::infinity(), 7, three)
                         .has_value())
            << implementation.name;
        std::vector<char> longest(longestScientific(kMostDecimals));
        EXPECT_TRUE(implementation.writeScientific(-kSmallest, kMostDecimals, longest).has_value())
            << implementation.name;
    }
}

#if !defined(KORVALA_NO_STANDARD_FLOAT_TEXT) && !defined(_WIN32)
// A small generator of our own, each draw sequenced, so that every compiler draws the same
// numbers.
class Draw {
public:
    std::uint64_t next() {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        std::uint64_t x = state_;
        x ^= x >> 33;
        x *= 0xff51afd7ed558ccdULL;
        x ^= x >> 33;
        return x;
    }
    std::size_t below(std::size_t bound) { return static_cast<std::size_t>(next() % bound); }
    double anyDouble() {
        const std::uint64_t bits = next();
        double value = 0.0;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    // Magnitudes a calculation meets, the extremes and every power of two between.
    double someDouble() {
        switch (below(4)) {
        case 0:
            return anyDouble();
        case 1: {
            const auto significand = static_cast<double>(next() >> 11);
            return std::ldexp(significand, static_cast<int>(below(120)) - 80);
        }
        case 2: {
            const double fraction = static_cast<double>(next() >> 11) * 0x1p-53;
            return std::ldexp(fraction, static_cast<int>(below(2100)) - 1075);
        }
        default: {
            // Exact halves at some decimal place: ties.
            const auto numerator = static_cast<double>(next() % 100000);
            return numerator / static_cast<double>(1U << below(12));
        }
        }
    }

private:
    std::uint64_t state_ = 20261209;
};

TEST(FloatTextAgreement, WritesTheSameBytesForRandomDoubles) {
    Draw draw;
    std::vector<char> a(longestFixed(kMostDecimals));
    std::vector<char> b(longestFixed(kMostDecimals));
    for (int i = 0; i < 60000; ++i) {
        const double value = draw.someDouble();
        const int decimals = i % 3 == 0 ? 7 : static_cast<int>(draw.below(18));
        const bool fixed = i % 2 == 0;
        const WriteResult expected = fixed ? standard::writeFixed(value, decimals, a)
                                           : standard::writeScientific(value, decimals, a);
        const WriteResult got = fixed ? c_library::writeFixed(value, decimals, b)
                                      : c_library::writeScientific(value, decimals, b);
        ASSERT_EQ(expected.has_value(), got.has_value()) << value;
        ASSERT_EQ(std::string_view(a.data(), expected.value_or(0)),
                  std::string_view(b.data(), got.value_or(0)))
            << (fixed ? "fixed " : "scientific ") << decimals << " of " << value;
    }
}

std::string randomText(Draw& draw, std::string_view alphabet) {
    std::string text;
    const std::size_t length = draw.below(30);
    for (std::size_t i = 0; i < length; ++i) {
        text += alphabet[draw.below(alphabet.size())];
    }
    return text;
}

// Texts near every kind of edge: written doubles with too many or too few digits (near ties),
// exponents at the ends of the range, long runs of digits, and plain noise.
std::string someDecimalText(Draw& draw) {
    std::array<char, 64> buffer{};
    switch (draw.below(5)) {
    case 0:
        return randomText(draw, "0123456789.eE+-");
    case 1:
        return randomText(draw, "0123456789.eE+-infaxp ");
    case 2: {
        const double value = draw.someDouble();
        const int digits = static_cast<int>(draw.below(25));
        const WriteResult length = standard::writeScientific(value, digits, buffer);
        std::string text(buffer.data(), length.value_or(0));
        if (draw.below(2) == 0 && text.find('e') != std::string::npos) {
            text.resize(text.find('e'));
            text += std::to_string(draw.below(10));
            text += "e" + std::to_string(static_cast<int>(draw.below(700)) - 350);
        }
        return text;
    }
    case 3: {
        std::string text = draw.below(2) == 0 ? "0." : "";
        text += std::string(draw.below(330), '0');
        text += randomText(draw, "0123456789");
        text += "e" + std::to_string(static_cast<int>(draw.below(1400)) - 700);
        return text;
    }
    default: {
        std::string text = std::to_string(draw.below(10));
        text += randomText(draw, "0123456789");
        text += "." + randomText(draw, "0123456789");
        text += draw.below(2) == 0 ? "e-3" : "e3";
        text += std::to_string(draw.below(30));
        return text;
    }
    }
}

std::string someHexText(Draw& draw) {
    if (draw.below(3) == 0) {
        return randomText(draw, "0123456789abcdefABCDEF.pP+-x");
    }
    std::string text = randomText(draw, "0123456789abcdefABCDEF");
    const std::size_t padding = draw.below(300);
    text += std::string(padding, draw.below(2) == 0 ? '0' : 'f');
    if (draw.below(2) == 0) {
        text += "p" + std::to_string(static_cast<int>(draw.below(2400)) - 1200);
    }
    return text;
}

TEST(FloatTextAgreement, ReadsRandomTextsAlike) {
    Draw draw;
    for (int i = 0; i < 100000; ++i) {
        const bool hex = i % 4 == 0;
        const std::string text = hex ? someHexText(draw) : someDecimalText(draw);
        const ReadResult expected = hex ? standard::readHex(text) : standard::readDecimal(text);
        const ReadResult got = hex ? c_library::readHex(text) : c_library::readDecimal(text);
        expectSameRead(got, expected, (hex ? "hex \"" : "\"") + text + "\"");
        if (HasFailure()) {
            return;
        }
    }
}
#endif

} // namespace
} // namespace korvala::runtime::float_text
