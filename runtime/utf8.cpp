#include "runtime/utf8.hpp"

#include <cstdint>
#include <optional>

namespace korvala::runtime::utf8 {

namespace {

constexpr unsigned char kContinuationMask = 0xC0;
constexpr unsigned char kContinuationBits = 0x80;
constexpr char32_t kLargestCodePoint = 0x10FFFF;
constexpr char32_t kReplacement = 0xFFFD;
constexpr char16_t kHighSurrogateFirst = 0xD800;
constexpr char16_t kLowSurrogateFirst = 0xDC00;
constexpr char16_t kLowSurrogateLast = 0xDFFF;

bool isContinuation(char byte) noexcept {
    return (static_cast<unsigned char>(byte) & kContinuationMask) == kContinuationBits;
}

// Length of the sequence a lead byte opens, and the smallest code point it may carry; 0 for a
// byte that cannot lead.
struct Lead {
    std::size_t length;
    char32_t smallest;
    char32_t bits;
};

Lead leadOf(unsigned char byte) noexcept {
    if (byte < 0x80) {
        return {1, 0, byte};
    }
    if ((byte & 0xE0) == 0xC0) {
        return {2, 0x80, byte & 0x1FU};
    }
    if ((byte & 0xF0) == 0xE0) {
        return {3, 0x800, byte & 0x0FU};
    }
    if ((byte & 0xF8) == 0xF0) {
        return {4, 0x10000, byte & 0x07U};
    }
    return {0, 0, 0};
}

struct Decoded {
    char32_t character;
    std::size_t length;
};

// The character whose bytes start at i, or nothing where they are malformed.
std::optional<Decoded> decodeAt(std::string_view text, std::size_t i) noexcept {
    const Lead lead = leadOf(static_cast<unsigned char>(text[i]));
    if (lead.length == 0 || i + lead.length > text.size()) {
        return std::nullopt;
    }
    char32_t c = lead.bits;
    for (std::size_t k = 1; k < lead.length; ++k) {
        if (!isContinuation(text[i + k])) {
            return std::nullopt;
        }
        c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3FU);
    }
    const bool surrogate = c >= kHighSurrogateFirst && c <= kLowSurrogateLast;
    if (c < lead.smallest || c > kLargestCodePoint || surrogate) {
        return std::nullopt;
    }
    return Decoded{c, lead.length};
}

void append(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

} // namespace

std::size_t characterCount(std::string_view text) noexcept {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i == 0 || !isContinuation(text[i])) {
            ++count;
        }
    }
    return count;
}

std::string_view firstCharacters(std::string_view text, std::size_t count) noexcept {
    std::size_t seen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i == 0 || !isContinuation(text[i])) {
            if (seen == count) {
                return text.substr(0, i);
            }
            ++seen;
        }
    }
    return text;
}

bool isValid(std::string_view text) noexcept {
    for (std::size_t i = 0; i < text.size();) {
        const std::optional<Decoded> decoded = decodeAt(text, i);
        if (!decoded) {
            return false;
        }
        i += decoded->length;
    }
    return true;
}

std::u16string toUtf16(std::string_view text) {
    constexpr char32_t kFirstSupplementary = 0x10000;
    constexpr char32_t kTenBits = 0x3FF;
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::optional<Decoded> decoded = decodeAt(text, i);
        const char32_t c = decoded ? decoded->character : kReplacement;
        i += decoded ? decoded->length : 1;
        if (c < kFirstSupplementary) {
            out += static_cast<char16_t>(c);
        } else {
            out += static_cast<char16_t>(kHighSurrogateFirst + ((c - kFirstSupplementary) >> 10));
            out +=
                static_cast<char16_t>(kLowSurrogateFirst + ((c - kFirstSupplementary) & kTenBits));
        }
    }
    return out;
}

std::string fromUtf16(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        const bool high = unit >= kHighSurrogateFirst && unit < kLowSurrogateFirst;
        const bool low = unit >= kLowSurrogateFirst && unit <= kLowSurrogateLast;
        if (high && i + 1 < text.size() && text[i + 1] >= kLowSurrogateFirst &&
            text[i + 1] <= kLowSurrogateLast) {
            const char32_t c =
                0x10000 + ((static_cast<char32_t>(unit - kHighSurrogateFirst) << 10) |
                           static_cast<char32_t>(text[++i] - kLowSurrogateFirst));
            append(out, c);
        } else {
            append(out, high || low ? kReplacement : unit);
        }
    }
    return out;
}

} // namespace korvala::runtime::utf8
