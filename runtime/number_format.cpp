#include "runtime/number_format.hpp"

#include "runtime/digit_grouping.hpp"
#include "runtime/float_text.hpp"
#include "runtime/utf8.hpp"

#include <algorithm>
#include <array>
#include <charconv> // the integer digits
#include <cmath>
#include <cstdint>
#include <string_view>

namespace korvala::runtime {

namespace {

constexpr int kDecimals = 7;
// DBL_MAX has 309 integer digits; with the sign, the point and seven decimals 320 suffice.
constexpr std::size_t kFixedBufferSize = 330;
constexpr std::size_t kScientificBufferSize = 64;
// Seventeen significant digits tell every double apart; more would only repeat the value.
constexpr std::size_t kMostScientificDecimals = 16;
// Only numbers this large can round up past the largest double (about 1.798e308).
constexpr double kNearTheTop = 1e308;

// A formatted number and where its parts lie, so a cut can be judged without reading the text.
struct Layout {
    std::string text;
    std::size_t integerEnd = 0; // byte just past the sign prefix and the integer digits
    std::size_t fractionBegin = 0;
    std::size_t fractionEnd = 0; // the suffix (")", "-" or " -") starts here
    bool integerIsZero = false;
};

std::string_view prefixOf(NegativeForm form) {
    switch (form) {
    case NegativeForm::Parentheses:
        return "(";
    case NegativeForm::LeadingMinus:
        return "-";
    case NegativeForm::LeadingMinusBlank:
        return "- ";
    case NegativeForm::TrailingMinus:
    case NegativeForm::TrailingMinusBlank:
        return "";
    }
    return "-";
}

std::string_view suffixOf(NegativeForm form) {
    switch (form) {
    case NegativeForm::Parentheses:
        return ")";
    case NegativeForm::TrailingMinus:
        return "-";
    case NegativeForm::TrailingMinusBlank:
        return " -";
    case NegativeForm::LeadingMinus:
    case NegativeForm::LeadingMinusBlank:
        return "";
    }
    return "";
}

void appendGrouped(std::string& out, std::string_view digits, const NumberSettings& settings) {
    if (settings.groupSymbol.empty() || settings.groupSizes.empty()) {
        out += digits;
        return;
    }
    const GroupLayout layout =
        layoutOf(digits.size(), settings.groupSizes, settings.lastGroupRepeats);
    out += digits.substr(0, layout.leadingGroup);
    std::size_t pos = layout.leadingGroup;
    for (std::size_t group = layout.groupsAfter; group-- > 0;) {
        const std::size_t size = groupSizeAt(settings.groupSizes, group);
        out += settings.groupSymbol;
        out += digits.substr(pos, size);
        pos += size;
    }
}

bool isAllZeros(std::string_view digits) {
    return std::all_of(digits.begin(), digits.end(), [](char c) { return c == '0'; });
}

// The user never meets a sign on a NaN.
std::string nonFiniteText(double value) {
    return std::string(float_text::nonFiniteText(std::isnan(value) ? std::fabs(value) : value));
}

// The 32-bit Windows build has no 128-bit integers; KORVALA_PORTABLE_FORMAT takes its path
// anywhere, so that it is tested too.
#if defined(__SIZEOF_INT128__) && !defined(KORVALA_PORTABLE_FORMAT)
__extension__ using Unsigned128 = unsigned __int128;

// Below this every value times 10^7 is a whole number of at most 77 bits, so the rounding can
// be done exactly in 128-bit integers, many times faster than the general conversion.
constexpr double kExactLimit = 1e15;
constexpr std::uint64_t kTenToTheDecimals = 10'000'000;
constexpr int kSignificandBits = 53;
constexpr int kWideBits = 128;

// Writes |value| rounded to seven decimals, ties to even, as float_text::writeFixed() would.
char* writeExactFixed(char* out, char* end, double value) {
    int exponent = 0;
    const double fraction = std::frexp(std::abs(value), &exponent);
    const auto significand = static_cast<std::uint64_t>(std::ldexp(fraction, kSignificandBits));
    const int shift = exponent - kSignificandBits;
    const Unsigned128 scaled = Unsigned128{significand} * kTenToTheDecimals;
    Unsigned128 rounded = 0;
    if (shift >= 0) {
        rounded = scaled << shift;
    } else if (-shift < kWideBits) {
        const int right = -shift;
        rounded = scaled >> right;
        const Unsigned128 remainder = scaled & ((Unsigned128{1} << right) - 1);
        const Unsigned128 half = Unsigned128{1} << (right - 1);
        if (remainder > half || (remainder == half && (rounded & 1U) != 0)) {
            ++rounded;
        }
    }
    if (std::signbit(value)) {
        *out++ = '-';
    }
    const auto integer = static_cast<std::uint64_t>(rounded / kTenToTheDecimals);
    auto fractionDigits = static_cast<std::uint64_t>(rounded % kTenToTheDecimals);
    out = std::to_chars(out, end, integer).ptr;
    *out++ = '.';
    for (int i = kDecimals - 1; i >= 0; --i) {
        out[i] = static_cast<char>('0' + fractionDigits % 10);
        fractionDigits /= 10;
    }
    return out + kDecimals;
}
#endif

// Digits of value with seven decimals, '-' for a negative sign, '.' for the point.
std::string_view fixedDigits(double value, std::array<char, kFixedBufferSize>& buffer) {
    char* const begin = buffer.data();
#if defined(__SIZEOF_INT128__) && !defined(KORVALA_PORTABLE_FORMAT)
    if (std::abs(value) < kExactLimit) {
        char* const end = begin + buffer.size();
        return {begin, static_cast<std::size_t>(writeExactFixed(begin, end, value) - begin)};
    }
#endif
    return {begin, float_text::writeFixed(value, kDecimals, buffer).value_or(0)};
}

Layout layoutSevenDecimals(double value, const NumberSettings& settings) {
    std::array<char, kFixedBufferSize> buffer; // NOLINT(cppcoreguidelines-pro-type-member-init)
    std::string_view digits = fixedDigits(value, buffer);
    const bool minus = !digits.empty() && digits.front() == '-';
    if (minus) {
        digits.remove_prefix(1);
    }
    const std::size_t point = digits.find('.');
    const std::string_view integer = digits.substr(0, point);
    const std::string_view fraction = digits.substr(point + 1);
    const bool negative = minus && !(isAllZeros(integer) && isAllZeros(fraction));

    Layout layout;
    layout.integerIsZero = isAllZeros(integer);
    std::string& text = layout.text;
    if (negative) {
        text += prefixOf(settings.negativeForm);
    }
    if (!(layout.integerIsZero && !settings.leadingZero)) {
        appendGrouped(text, integer, settings);
    }
    layout.integerEnd = text.size();
    text += settings.decimalSymbol;
    layout.fractionBegin = text.size();
    text += fraction;
    layout.fractionEnd = text.size();
    if (negative) {
        text += suffixOf(settings.negativeForm);
    }
    return layout;
}

// Digits of value in scientific form with `decimals` digits after the point, rounded to nearest;
// where that carries the number past the double range (1.798E308 for the largest double), rounded
// toward zero instead, so that the text always reads back as a finite number.
std::string_view scientificDigits(double value, int decimals,
                                  std::array<char, kScientificBufferSize>& buffer) {
    char* const begin = buffer.data();
    const std::string_view rounded(
        begin, float_text::writeScientific(value, decimals, buffer).value_or(0));
    const float_text::ReadResult readBack = float_text::readDecimal(rounded);
    if (std::abs(value) < kNearTheTop || readBack ||
        readBack.error().reason != float_text::ReadError::OutOfRange) {
        return rounded;
    }
    // Seventeen significant digits read back as value itself; cutting them reads back smaller.
    const std::string_view digits(
        begin, float_text::writeScientific(value, static_cast<int>(kMostScientificDecimals), buffer)
                   .value_or(0));
    const std::size_t e = digits.find('e');
    const std::size_t mantissaEnd = digits.find('.') + 1 + static_cast<std::size_t>(decimals);
    const std::size_t keep = decimals == 0 ? digits.find('.') : mantissaEnd;
    const std::string_view exponent = digits.substr(e);
    std::copy(exponent.begin(), exponent.end(), begin + keep);
    return {begin, keep + exponent.size()};
}

std::string formatScientific(double value, int decimals, const NumberSettings& settings) {
    std::array<char, kScientificBufferSize> buffer{};
    std::string_view digits = scientificDigits(value, decimals, buffer);
    const bool negative = !digits.empty() && digits.front() == '-';
    if (negative) {
        digits.remove_prefix(1);
    }
    const std::size_t e = digits.find('e');
    const std::string_view mantissa = digits.substr(0, e);
    std::string_view exponent = digits.substr(e + 1);
    const bool negativeExponent = exponent.front() == '-';
    exponent.remove_prefix(1); // the exponent's sign is always written
    exponent.remove_prefix(std::min(exponent.find_first_not_of('0'), exponent.size() - 1));

    std::string text;
    if (negative) {
        text += prefixOf(settings.negativeForm);
    }
    text += mantissa.front();
    if (mantissa.size() > 1) {
        text += settings.decimalSymbol;
        text += mantissa.substr(2);
    }
    text += 'E';
    if (negativeExponent) {
        text += '-';
    }
    text += exponent;
    if (negative) {
        text += suffixOf(settings.negativeForm);
    }
    return text;
}

// A cut is faithful when it keeps the sign and every integer digit, and shows something
// other than zeros for a value that is not zero.
bool cutIsFaithful(const Layout& layout, std::size_t cutBytes, double value) {
    const bool whole = cutBytes == layout.text.size();
    const bool hasSuffix = layout.fractionEnd != layout.text.size();
    if (!whole && (cutBytes < layout.integerEnd || hasSuffix)) {
        return false;
    }
    const std::size_t shownEnd = std::clamp(cutBytes, layout.fractionBegin, layout.fractionEnd);
    const std::string_view shownFraction =
        std::string_view(layout.text).substr(layout.fractionBegin, shownEnd - layout.fractionBegin);
    return value == 0.0 || !layout.integerIsZero || !isAllZeros(shownFraction);
}

} // namespace

std::string formatSevenDecimals(double value, const NumberSettings& settings) {
    if (!std::isfinite(value)) {
        return nonFiniteText(value);
    }
    return layoutSevenDecimals(value, settings).text;
}

std::string formatWithoutTrailingZeros(double value, const NumberSettings& settings) {
    if (!std::isfinite(value)) {
        return nonFiniteText(value);
    }
    Layout layout = layoutSevenDecimals(value, settings);
    std::size_t kept = layout.fractionEnd;
    while (kept > layout.fractionBegin && layout.text[kept - 1] == '0') {
        --kept;
    }
    if (kept == layout.fractionBegin) {
        kept = layout.integerEnd;
    }
    layout.text.erase(kept, layout.fractionEnd - kept);
    // Only a zero can lose every digit, and a zero is written without a sign.
    return layout.text.empty() ? "0" : std::move(layout.text);
}

std::string fitToWidth(double value, std::size_t width, const NumberSettings& settings) {
    if (!std::isfinite(value)) {
        return std::string(utf8::firstCharacters(nonFiniteText(value), width));
    }
    Layout layout = layoutSevenDecimals(value, settings);
    const std::size_t cutBytes = utf8::firstCharacters(layout.text, width).size();
    if (cutIsFaithful(layout, cutBytes, value)) {
        layout.text.resize(cutBytes);
        return std::move(layout.text);
    }
    const int mostDecimals =
        static_cast<int>(std::min<std::size_t>(width, kMostScientificDecimals));
    for (int decimals = mostDecimals; decimals > 0; --decimals) {
        std::string text = formatScientific(value, decimals, settings);
        if (utf8::characterCount(text) <= width) {
            return text;
        }
    }
    return formatScientific(value, 0, settings);
}

} // namespace korvala::runtime
