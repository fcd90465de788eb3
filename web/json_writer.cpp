#include "web/json_writer.hpp"

#include <array>
#include <charconv>

namespace korvala::web {

void JsonWriter::separate() {
    if (!first_) {
        text_ += ',';
    }
    first_ = false;
}

void JsonWriter::open(char bracket) {
    separate();
    text_ += bracket;
    first_ = true;
}

void JsonWriter::close(char bracket) {
    text_ += bracket;
    first_ = false;
}

void JsonWriter::key(std::string_view name) {
    string(name);
    text_ += ':';
    first_ = true;
}

// The texts are UTF-8 already: only the quote, the backslash and the control characters (the
// statement's line breaks) need escapes.
void JsonWriter::string(std::string_view text) {
    separate();
    text_ += '"';
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            text_ += '\\';
            text_ += c;
        } else if (byte < 0x20) {
            constexpr std::string_view kHex = "0123456789abcdef";
            text_ += "\\u00";
            text_ += kHex[byte / 16];
            text_ += kHex[byte % 16];
        } else {
            text_ += c;
        }
    }
    text_ += '"';
}

void JsonWriter::number(int value) {
    separate();
    std::array<char, 12> digits{};
    const auto result = std::to_chars(digits.begin(), digits.end(), value);
    text_.append(digits.data(), result.ptr);
}

void JsonWriter::boolean(bool value) {
    separate();
    text_ += value ? "true" : "false";
}

void JsonWriter::null() {
    separate();
    text_ += "null";
}

void JsonWriter::member(std::string_view name, std::string_view text) {
    key(name);
    string(text);
}

void JsonWriter::member(std::string_view name, int value) {
    key(name);
    number(value);
}

void JsonWriter::memberBoolean(std::string_view name, bool value) {
    key(name);
    boolean(value);
}

} // namespace korvala::web
