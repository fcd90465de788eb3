#include "runtime/characters.hpp"
#include "runtime/float_text_implementations.hpp"

#include <algorithm>
#include <array>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <locale.h> // NOLINT(modernize-deprecated-headers): uselocale and newlocale are POSIX
#include <string>

namespace korvala::runtime::float_text::c_library {

namespace {

using characters::isDigit;
using characters::isHexDigit;

// Where the number's parts lie in the text; length 0 when it holds no number.
struct Syntax {
    std::size_t length = 0;
    bool nonZeroDigit = false;
};

// -?(m+(.m*)?|.m+)(x[+-]?d+)? with m the mantissa's digits and x the exponent's letters.
Syntax scan(std::string_view text, bool (*isMantissaDigit)(char), char exponentLetter) {
    Syntax syntax;
    std::size_t pos = text.starts_with('-') ? 1 : 0;
    std::size_t digits = 0;
    const auto readMantissaDigits = [&] {
        while (pos < text.size() && isMantissaDigit(text[pos])) {
            syntax.nonZeroDigit = syntax.nonZeroDigit || text[pos] != '0';
            ++pos;
            ++digits;
        }
    };
    readMantissaDigits();
    if (pos < text.size() && text[pos] == '.') {
        const std::size_t point = pos;
        ++pos;
        readMantissaDigits();
        if (digits == 0) {
            pos = point;
        }
    }
    if (digits == 0) {
        return {};
    }
    if (pos < text.size() && (text[pos] | 0x20) == exponentLetter) {
        std::size_t exponent = pos + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) {
            ++exponent;
        }
        if (exponent < text.size() && isDigit(text[exponent])) {
            while (exponent < text.size() && isDigit(text[exponent])) {
                ++exponent;
            }
            pos = exponent;
        }
    }
    syntax.length = pos;
    return syntax;
}

// The C locale for this thread while it lives, whatever the program's locale (Qt sets the
// user's), so that strtod and snprintf read and write a decimal period.
class InTheCLocale {
public:
    InTheCLocale() : previous_(uselocale(cLocale())) {}
    ~InTheCLocale() { uselocale(previous_); }
    InTheCLocale(const InTheCLocale&) = delete;
    InTheCLocale& operator=(const InTheCLocale&) = delete;
    InTheCLocale(InTheCLocale&&) = delete;
    InTheCLocale& operator=(InTheCLocale&&) = delete;

private:
    static locale_t cLocale() {
        static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t{});
        return locale;
    }
    locale_t previous_;
};

// prefix (such as "0x") and the number, after its sign, for strtod.
ReadResult convert(std::string_view text, const Syntax& syntax, std::string_view prefix) {
    if (syntax.length == 0) {
        return tl::make_unexpected(ReadFailure{});
    }
    const bool negative = text.starts_with('-');
    std::string number;
    number.reserve(syntax.length + prefix.size() + 1);
    if (negative) {
        number += '-';
    }
    number += prefix;
    number += text.substr(negative ? 1 : 0, syntax.length - (negative ? 1 : 0));
    double value = 0.0;
    {
        const InTheCLocale cLocale;
        value = std::strtod(number.c_str(), nullptr);
    }
    // from_chars' failures, told by the result alone: errno differs between C libraries (glibc
    // sets ERANGE for inexact subnormals, which from_chars reads without complaint).
    if (std::isinf(value) || (value == 0.0 && syntax.nonZeroDigit)) {
        return tl::make_unexpected(ReadFailure{ReadError::OutOfRange, syntax.length});
    }
    return Number{value, syntax.length};
}

WriteResult copyOut(std::string_view text, std::span<char> out) {
    if (text.size() > out.size()) {
        return std::nullopt;
    }
    std::copy(text.begin(), text.end(), out.begin());
    return text.size();
}

WriteResult write(const char* format, double value, int decimals, std::span<char> out) {
    if (!std::isfinite(value)) {
        return copyOut(nonFiniteText(value), out);
    }
    std::array<char, longestFixed(kMostDecimals) + 1> buffer{};
    int written = 0;
    {
        const InTheCLocale cLocale;
        // NOLINTNEXTLINE(cppcoreguidelines-pro-type-vararg)
        written = std::snprintf(buffer.data(), buffer.size(), format, decimals, value);
    }
    if (written < 0 || static_cast<std::size_t>(written) >= buffer.size()) {
        return std::nullopt;
    }
    return copyOut({buffer.data(), static_cast<std::size_t>(written)}, out);
}

} // namespace

ReadResult readDecimal(std::string_view text) {
    return convert(text, scan(text, isDigit, 'e'), "");
}

ReadResult readHex(std::string_view text) {
    return convert(text, scan(text, isHexDigit, 'p'), "0x");
}

WriteResult writeFixed(double value, int decimals, std::span<char> out) {
    return write("%.*f", value, decimals, out);
}

WriteResult writeScientific(double value, int decimals, std::span<char> out) {
    return write("%.*e", value, decimals, out);
}

} // namespace korvala::runtime::float_text::c_library
