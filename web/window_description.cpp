#include "web/window_description.hpp"

#include "form/content.hpp"
#include "form/control_table.hpp"
#include "form/layout.hpp"

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>
#include <string_view>

namespace korvala::web {

namespace {

namespace content = form::content;
namespace layout = form::layout;

std::string_view kindName(form::ControlKind kind) {
    switch (kind) {
    case form::ControlKind::Label:
        return "label";
    case form::ControlKind::ListBox:
        return "list";
    case form::ControlKind::Frame:
        return "frame";
    case form::ControlKind::CheckBox:
        return "check";
    case form::ControlKind::ValueBox:
        return "value";
    case form::ControlKind::StatementBox:
        return "statement";
    case form::ControlKind::Button:
        return "button";
    case form::ControlKind::PictureBox:
        return "picture";
    }
    return "label";
}

// A JSON string: the texts are UTF-8 already, so only the quote, the backslash and the control
// characters (the statement's line breaks) need escapes.
void appendString(std::string& json, std::string_view text) {
    json += '"';
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (byte < 0x20) {
            std::array<char, 8> escape{};
            std::snprintf(escape.data(), escape.size(), "\\u%04x", static_cast<unsigned>(byte));
            json += escape.data();
        } else {
            json += c;
        }
    }
    json += '"';
}

void appendMember(std::string& json, std::string_view name) {
    if (json.back() != '{') {
        json += ',';
    }
    appendString(json, name);
    json += ':';
}

void appendRect(std::string& json, const layout::TwipRect& rect) {
    json += "{\"left\":" + std::to_string(rect.left) + ",\"top\":" + std::to_string(rect.top) +
            ",\"width\":" + std::to_string(rect.width) +
            ",\"height\":" + std::to_string(rect.height) + "}";
}

void appendColour(std::string& json, const std::optional<content::Rgb>& colour) {
    if (!colour) {
        json += "null";
        return;
    }
    json += "[" + std::to_string(colour->red) + "," + std::to_string(colour->green) + "," +
            std::to_string(colour->blue) + "]";
}

std::string arrayNameOf(const form::ControlSpec& spec) {
    const std::string name = spec.objectName();
    return name.substr(0, name.find('('));
}

void appendControl(std::string& json, const form::ControlSpec& spec) {
    json += '{';
    appendMember(json, "name");
    appendString(json, spec.objectName());
    appendMember(json, "array");
    appendString(json, arrayNameOf(spec));
    appendMember(json, "index");
    json += std::to_string(spec.name.index);
    appendMember(json, "kind");
    appendString(json, kindName(spec.kind));
    appendMember(json, "inFrame");
    json += spec.container == form::Container::Frame ? "true" : "false";
    appendMember(json, "rect");
    appendRect(json, spec.rect);
    appendMember(json, "accessibleName");
    appendString(json, spec.accessibleName);
    appendMember(json, "text");
    appendString(json, spec.text);
    appendMember(json, "background");
    appendColour(json, spec.background);
    appendMember(json, "textColour");
    appendColour(json, spec.textColour);
    appendMember(json, "takesFocus");
    json += form::takesFocus(spec.kind) ? "true" : "false";
    json += '}';
}

std::size_t positionOf(const form::ControlName& control) {
    const auto& table = form::controlTable();
    return static_cast<std::size_t>(
        std::find_if(table.begin(), table.end(),
                     [&control](const form::ControlSpec& spec) { return spec.name == control; }) -
        table.begin());
}

} // namespace

std::string windowDescriptionJson() {
    std::string json = "{";
    appendMember(json, "caption");
    appendString(json, content::caption());
    appendMember(json, "clientArea");
    appendRect(json, layout::kClientArea);
    appendMember(json, "twipsPerPixel");
    json += std::to_string(layout::kTwipsPerPixel);
    appendMember(json, "background");
    appendColour(json, content::kWindowBackground);
    appendMember(json, "fontFamily");
    appendString(json, content::kFontFamily);
    appendMember(json, "fontPointSize");
    json += std::to_string(content::kFontPointSize);
    appendMember(json, "errorDismiss");
    appendString(json, content::kErrorDismissText);
    appendMember(json, "pictureBorder");
    json += std::to_string(layout::kPictureBorder);
    appendMember(json, "listEntries");
    json += '[';
    for (const std::string_view entry : form::listEntries()) {
        if (json.back() != '[') {
            json += ',';
        }
        appendString(json, entry);
    }
    json += ']';
    appendMember(json, "firstFocus");
    json += std::to_string(positionOf(form::firstFocus()));
    appendMember(json, "controls");
    json += '[';
    for (const form::ControlSpec& spec : form::controlTable()) {
        if (json.back() != '[') {
            json += ',';
        }
        appendControl(json, spec);
    }
    json += "]}";
    return json;
}

} // namespace korvala::web
