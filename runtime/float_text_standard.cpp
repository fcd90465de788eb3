#include "runtime/float_text_implementations.hpp"

#include <charconv>
#include <system_error>

namespace korvala::runtime::float_text::standard {

namespace {

// from_chars also reads "inf", "infinity" and "nan"; the contract has no such numbers.
bool namesNonFinite(std::string_view text) {
    const std::size_t first = text.starts_with('-') ? 1 : 0;
    if (first >= text.size()) {
        return false;
    }
    const char c = text[first];
    return c == 'i' || c == 'I' || c == 'n' || c == 'N';
}

ReadResult read(std::string_view text, std::chars_format format) {
    if (namesNonFinite(text)) {
        return tl::make_unexpected(ReadFailure{});
    }
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value, format);
    const auto length = static_cast<std::size_t>(result.ptr - text.data());
    if (result.ec == std::errc::invalid_argument) {
        return tl::make_unexpected(ReadFailure{});
    }
    if (result.ec == std::errc::result_out_of_range) {
        return tl::make_unexpected(ReadFailure{ReadError::OutOfRange, length});
    }
    return Number{value, length};
}

WriteResult write(double value, std::chars_format format, int decimals, std::span<char> out) {
    const auto result = std::to_chars(out.data(), out.data() + out.size(), value, format, decimals);
    if (result.ec != std::errc{}) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(result.ptr - out.data());
}

} // namespace

ReadResult readDecimal(std::string_view text) {
    return read(text, std::chars_format::general);
}

ReadResult readHex(std::string_view text) {
    ReadResult result = read(text, std::chars_format::hex);
    // libstdc++ 12 reads "1p+-5" as 2^-5, a sign after the sign; the contract ends the number
    // before the p, as at any other exponent without digits.
    const std::size_t length = result ? result->length : result.error().length;
    const std::size_t exponent = text.substr(0, length).find_first_of("pP");
    if (exponent != std::string_view::npos && text.substr(exponent + 1).starts_with("+-")) {
        result = read(text.substr(0, exponent), std::chars_format::hex);
    }
    return result;
}

WriteResult writeFixed(double value, int decimals, std::span<char> out) {
    return write(value, std::chars_format::fixed, decimals, out);
}

WriteResult writeScientific(double value, int decimals, std::span<char> out) {
    return write(value, std::chars_format::scientific, decimals, out);
}

} // namespace korvala::runtime::float_text::standard
