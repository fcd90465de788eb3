#include "web/window_description.hpp"

#include "form/content.hpp"
#include "form/control_table.hpp"
#include "form/layout.hpp"
#include "web/json_writer.hpp"

#include <algorithm>
#include <optional>
#include <string_view>

namespace korvala::web {

namespace {

namespace content = form::content;
namespace layout = form::layout;

void writeRect(JsonWriter& json, const layout::TwipRect& rect) {
    json.beginObject();
    json.member("left", rect.left);
    json.member("top", rect.top);
    json.member("width", rect.width);
    json.member("height", rect.height);
    json.endObject();
}

void writeColour(JsonWriter& json, const std::optional<content::Rgb>& colour) {
    if (!colour) {
        json.null();
        return;
    }
    json.beginArray();
    json.number(colour->red);
    json.number(colour->green);
    json.number(colour->blue);
    json.endArray();
}

void writeControl(JsonWriter& json, const form::ControlSpec& spec) {
    const std::string name = spec.objectName();
    json.beginObject();
    json.member("name", name);
    json.member("array", std::string_view(name).substr(0, name.find('(')));
    json.member("index", spec.name.index);
    json.member("kind", kindName(spec.kind));
    json.memberBoolean("inFrame", spec.container == form::Container::Frame);
    json.key("rect");
    writeRect(json, spec.rect);
    json.member("accessibleName", spec.accessibleName);
    json.member("text", spec.text);
    json.key("background");
    writeColour(json, spec.background);
    json.key("textColour");
    writeColour(json, spec.textColour);
    json.memberBoolean("takesFocus", form::takesFocus(spec.kind));
    json.endObject();
}

int positionOf(const form::ControlName& control) {
    const auto& table = form::controlTable();
    return static_cast<int>(
        std::find_if(table.begin(), table.end(),
                     [&control](const form::ControlSpec& spec) { return spec.name == control; }) -
        table.begin());
}

} // namespace

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

std::string windowDescriptionJson() {
    JsonWriter json;
    json.beginObject();
    json.member("caption", content::caption());
    json.key("clientArea");
    writeRect(json, layout::kClientArea);
    json.member("twipsPerPixel", layout::kTwipsPerPixel);
    json.key("background");
    writeColour(json, content::kWindowBackground);
    json.member("fontFamily", content::kFontFamily);
    json.member("fontPointSize", content::kFontPointSize);
    json.member("errorDismiss", content::kErrorDismissText);
    json.member("pictureBorder", layout::kPictureBorder);
    json.key("listEntries");
    json.beginArray();
    for (const std::string_view entry : form::listEntries()) {
        json.string(entry);
    }
    json.endArray();
    json.member("firstFocus", positionOf(form::firstFocus()));
    json.key("controls");
    json.beginArray();
    for (const form::ControlSpec& spec : form::controlTable()) {
        writeControl(json, spec);
    }
    json.endArray();
    json.endObject();
    return json.text();
}

} // namespace korvala::web
