#include "runtime/utf8.hpp"

namespace korvala::runtime::utf8 {

namespace {

constexpr unsigned char kContinuationMask = 0xC0;
constexpr unsigned char kContinuationBits = 0x80;

bool isContinuation(char byte) noexcept {
    return (static_cast<unsigned char>(byte) & kContinuationMask) == kContinuationBits;
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

} // namespace korvala::runtime::utf8
