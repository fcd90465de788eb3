#include "web/window_description.hpp"

#include "calc/problem_type.hpp"
#include "calc/quantity.hpp"
#include "form/content.hpp"
#include "form/control_table.hpp"
#include "form/korvala_form.hpp"
#include "form/layout.hpp"
#include "form/words.hpp"
#include "web/json_writer.hpp"

#include <optional>
#include <string_view>

namespace korvala::web {

namespace {

namespace content = form::content;
namespace layout = form::layout;

// In CSS pixels, as the page places it at 1:1.
void writeRect(JsonWriter& json, const layout::TwipRect& twips) {
    const layout::PixelRect rect = twips.pixels();
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

void writeControl(JsonWriter& json, const form::ControlDesign& design) {
    const std::string name = design.objectName();
    json.beginObject();
    json.member("name", name);
    json.member("array", std::string_view(name).substr(0, name.find('(')));
    json.member("index", design.name.index);
    json.member("kind", kindName(design.kind));
    json.memberBoolean("inFrame", design.container == form::Container::Frame);
    json.key("rect");
    writeRect(json, design.rect);
    json.member("accessibleName", design.accessibleName);
    json.member("text", design.text);
    json.key("background");
    writeColour(json, design.background);
    json.key("textColour");
    writeColour(json, design.textColour);
    json.memberBoolean("takesFocus", form::takesFocus(design.kind));
    json.endObject();
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

std::string windowTableJson() {
    JsonWriter json;
    json.beginObject();
    json.member("caption", content::caption());
    json.key("clientArea");
    writeRect(json, layout::kClientArea);
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
    json.member("firstFocus", static_cast<int>(form::positionOf(form::firstFocus()).value()));
    json.key("controls");
    json.beginArray();
    for (const form::ControlDesign& design : form::controlTable()) {
        writeControl(json, design);
    }
    json.endArray();
    json.endObject();
    return json.text() + "\n";
}

std::string pageDescriptionJson() {
    JsonWriter json;
    json.beginObject();
    json.member("errorDismiss", content::kErrorDismissText);
    const auto names = [&json](std::string_view key, form::ControlArray array, int count) {
        json.key(key);
        json.beginArray();
        for (int index = 0; index < count; ++index) {
            json.string(form::objectNameOf({array, index}));
        }
        json.endArray();
    };
    const int quantities = static_cast<int>(calc::kQuantityCount);
    names("values", form::ControlArray::Text2, quantities);
    names("checks", form::ControlArray::Check1, quantities);
    names("buttons", form::ControlArray::Command1, 2);
    json.member("list", form::objectNameOf({form::ControlArray::List1, form::kProblemList}));
    json.key("focusCycle");
    json.beginArray();
    for (const form::ControlName& control : form::focusCycle()) {
        json.beginObject();
        json.member("name", form::objectNameOf(control));
        json.member("array", static_cast<int>(control.array));
        json.member("index", control.index);
        json.endObject();
    }
    json.endArray();
    json.key("letters");
    json.beginArray();
    for (const calc::Quantity quantity : calc::kQuantities) {
        json.string(form::letterOf(quantity));
    }
    json.endArray();
    json.key("pairs");
    json.beginArray();
    for (std::size_t type = 0; type < calc::kProblemTypeCount; ++type) {
        const calc::GivenPair pair = calc::givenPairOf(static_cast<calc::ProblemType>(type));
        json.beginArray();
        json.number(static_cast<int>(calc::indexOf(pair.first)));
        json.number(static_cast<int>(calc::indexOf(pair.second)));
        json.endArray();
    }
    json.endArray();
    json.endObject();
    return json.text();
}

} // namespace korvala::web
