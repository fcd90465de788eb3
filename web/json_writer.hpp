// A JSON text written member by member, for the window's description: objects, arrays, strings
// (UTF-8 as they are), whole numbers, truth values and null. Commas are the writer's business.
#pragma once

#include <string>
#include <string_view>

namespace korvala::web {

class JsonWriter {
public:
    void beginObject() { open('{'); }
    void endObject() { close('}'); }
    void beginArray() { open('['); }
    void endArray() { close(']'); }
    // The next value is the object's member `name`.
    void key(std::string_view name);
    void string(std::string_view text);
    void number(int value);
    void boolean(bool value);
    void null();
    // A member and its value, in one call.
    void member(std::string_view name, std::string_view text);
    void member(std::string_view name, int value);
    void memberBoolean(std::string_view name, bool value);

    [[nodiscard]] const std::string& text() const { return text_; }

private:
    void open(char bracket);
    void close(char bracket);
    void separate();

    std::string text_;
    bool first_ = true; // no value yet in the innermost object or array
};

} // namespace korvala::web
