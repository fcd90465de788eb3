#include "web/window_markup.hpp"

#include "form/content.hpp"
#include "form/control_table.hpp"
#include "form/layout.hpp"
#include "web/window_description.hpp"

#include <optional>
#include <string_view>

namespace korvala::web {

namespace {

namespace content = form::content;
namespace layout = form::layout;

std::string escaped(std::string_view text) {
    std::string html;
    html.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&':
            html += "&amp;";
            break;
        case '<':
            html += "&lt;";
            break;
        case '>':
            html += "&gt;";
            break;
        case '"':
            html += "&quot;";
            break;
        default:
            html += c;
        }
    }
    return html;
}

std::string pixels(int twips) {
    return std::to_string(twips / layout::kTwipsPerPixel) + "px";
}

std::string colour(const content::Rgb& rgb) {
    return "rgb(" + std::to_string(rgb.red) + ", " + std::to_string(rgb.green) + ", " +
           std::to_string(rgb.blue) + ")";
}

std::string placed(const layout::TwipRect& rect) {
    return "left: " + pixels(rect.left) + "; top: " + pixels(rect.top) +
           "; width: " + pixels(rect.width) + "; height: " + pixels(rect.height) + ";";
}

// The element of one control, opened with its name and kind; the caller closes it.
std::string element(const form::ControlDesign& design) {
    const std::string name = " data-name=\"" + escaped(design.objectName()) + "\" class=\"" +
                             std::string(kindName(design.kind)) + "\"";
    const std::string accessible = " aria-label=\"" + escaped(design.accessibleName) + "\"";
    switch (design.kind) {
    case form::ControlKind::StatementBox:
        return "<textarea" + name + accessible + " readonly spellcheck=\"false\">" +
               escaped(design.text) + "</textarea>";
    case form::ControlKind::Label:
        return "<div" + name + ">" + escaped(design.text) + "</div>";
    case form::ControlKind::Frame:
        return "<fieldset" + name + accessible + "><legend>" + escaped(design.text) + "</legend>";
    case form::ControlKind::CheckBox:
        return "<label" + name + R"(><input type="checkbox" disabled tabindex="-1")" + accessible +
               "><span>" + escaped(design.text) + "</span></label>";
    case form::ControlKind::ValueBox:
        return "<input type=\"text\"" + name + accessible +
               R"( readonly autocomplete="off" spellcheck="false">)";
    case form::ControlKind::ListBox: {
        std::string list = "<select" + name + accessible + " size=\"" +
                           std::to_string(form::listEntries().size()) + "\">";
        for (const std::string_view entry : form::listEntries()) {
            list += "<option>" + escaped(entry) + "</option>";
        }
        return list + "</select>";
    }
    case form::ControlKind::Button:
        return "<button type=\"button\"" + name + accessible + ">" + escaped(design.text) +
               "</button>";
    case form::ControlKind::PictureBox:
        return "<img" + name + R"( src="cylinder.jpg" alt=")" + escaped(design.accessibleName) +
               R"(" tabindex="0">)";
    }
    return {};
}

} // namespace

std::string windowMarkup() {
    std::string html = "<div id=\"window\">";
    bool inFrame = false;
    for (const form::ControlDesign& design : form::controlTable()) {
        if (inFrame && design.container != form::Container::Frame) {
            html += "</fieldset>";
            inFrame = false;
        }
        html += element(design);
        inFrame = inFrame || design.kind == form::ControlKind::Frame;
    }
    if (inFrame) {
        html += "</fieldset>";
    }
    return html + "</div>";
}

std::string windowStyle() {
    std::string css = "body { font-family: \"" + std::string(content::kFontFamily) +
                      "\", serif; font-size: " + std::to_string(content::kFontPointSize) +
                      "pt; }\n#window { " + placed(layout::kClientArea) +
                      " background-color: " + colour(content::kWindowBackground) + "; }\n";
    for (const form::ControlDesign& design : form::controlTable()) {
        css += "[data-name=\"" + design.objectName() + "\"] { " + placed(design.rect);
        if (design.background) {
            css += " background-color: " + colour(*design.background) + ";";
        }
        if (design.textColour) {
            css += " color: " + colour(*design.textColour) + ";";
        }
        if (design.kind == form::ControlKind::PictureBox) {
            css += " border-width: " + std::to_string(layout::kPictureBorder) + "px;";
        }
        css += " }\n";
    }
    return css;
}

} // namespace korvala::web
