#include "site/window_markup.hpp"

#include "calc/quantity.hpp"
#include "form/content.hpp"
#include "form/control_table.hpp"
#include "form/layout.hpp"
#include "site/html_text.hpp"
#include "site/page_files.hpp"
#include "site/window_description.hpp"

#include <string_view>

namespace korvala::site {

namespace {

namespace content = form::content;
namespace layout = form::layout;

std::string pixels(int count) {
    return std::to_string(count) + "px";
}

std::string colour(const content::Rgb& rgb) {
    return "rgb(" + std::to_string(rgb.red) + ", " + std::to_string(rgb.green) + ", " +
           std::to_string(rgb.blue) + ")";
}

// The designed place, as custom properties: the wide layout places the control by them, the
// narrow one ignores them.
std::string placed(const layout::TwipRect& designed) {
    const layout::PixelRect rect = designed.pixels();
    return "--left: " + pixels(rect.left) + "; --top: " + pixels(rect.top) +
           "; --width: " + pixels(rect.width) + "; --height: " + pixels(rect.height) + ";";
}

// The page's π key, in the gap between the frame and the picture, level with the last value row:
// beside the boxes it types into, in the designed window's spare room.
constexpr layout::TwipRect kPiKey{layout::kFrame.left + layout::kFrame.width +
                                      layout::kRowPitch / 3,
                                  layout::kFrame.top + layout::rowTop(calc::kQuantityCount - 1),
                                  layout::kPicture.left - layout::kFrame.left -
                                      layout::kFrame.width - 2 * (layout::kRowPitch / 3),
                                  layout::kRowHeight};

// The π key takes no focus, so that the box it types into keeps it (and a phone its keyboard);
// a keyboard types "pi" instead.
std::string piKeyMarkup() {
    return R"(<button type="button" id="pi-key" tabindex="-1" aria-label=")" +
           htmlEscaped(content::kPiKeyName) + R"(">)" + htmlEscaped(content::kPiKeyText) +
           "</button>";
}

// The statement as the page holds it: each line ended by the one character the browser keeps.
std::string statementOnPage() {
    std::string text;
    for (const std::string_view line : content::statementLines()) {
        text.append(line).append("\n");
    }
    return text;
}

std::string listMarkup(const std::string& opening) {
    std::string list = "<div" + opening + R"( role="listbox" tabindex="0">)";
    int position = 0;
    for (const std::string_view entry : form::listEntries()) {
        list += R"(<div role="option" id="problem-type-)" + std::to_string(position++) +
                R"(" aria-selected="false">)" + htmlEscaped(entry) + "</div>";
    }
    return list + "</div>";
}

// The element of one control, opened with its name and kind; the caller closes a frame.
std::string element(const form::ControlDesign& design) {
    const std::string name = " data-name=\"" + htmlEscaped(design.objectName()) + "\" class=\"" +
                             std::string(kindName(design.kind)) + "\"";
    const std::string accessible = " aria-label=\"" + htmlEscaped(design.accessibleName) + "\"";
    switch (design.kind) {
    case form::ControlKind::StatementBox:
        // Not a text area, whose height cannot follow its text: the narrow layout shows the
        // statement whole.
        return "<div" + name + accessible +
               R"( role="textbox" aria-readonly="true" aria-multiline="true" tabindex="0">)" +
               htmlEscaped(statementOnPage()) + "</div>";
    case form::ControlKind::Label: {
        const std::string_view tag = design.name == form::kWindowTitle ? "h1" : "div";
        return "<" + std::string(tag) + name + ">" + htmlEscaped(design.text) + "</" +
               std::string(tag) + ">";
    }
    case form::ControlKind::Frame:
        return "<fieldset" + name + accessible + "><legend>" + htmlEscaped(design.text) +
               "</legend>";
    case form::ControlKind::CheckBox:
        return "<label" + name + R"(><input type="checkbox" disabled tabindex="-1")" + accessible +
               "><span>" + htmlEscaped(design.text) + "</span></label>";
    case form::ControlKind::ValueBox:
        return "<input type=\"text\"" + name + accessible +
               R"( readonly autocomplete="off" spellcheck="false" inputmode="decimal")"
               R"( enterkeyhint="done">)";
    case form::ControlKind::ListBox:
        return listMarkup(name + accessible);
    case form::ControlKind::Button:
        return "<button type=\"button\"" + name + accessible + ">" + htmlEscaped(design.text) +
               "</button>";
    case form::ControlKind::PictureBox: {
        const layout::PixelRect drawing = layout::pictureDrawing();
        return "<img" + name + " src=\"" + std::string(kDrawing) + "\" srcset=\"" +
               std::string(kDrawing) + " 1x, " + std::string(kSharpDrawing) + " 2x\" width=\"" +
               std::to_string(drawing.width) + "\" height=\"" + std::to_string(drawing.height) +
               "\" alt=\"" + htmlEscaped(design.accessibleName) + R"(" tabindex="0">)";
    }
    }
    return {};
}

} // namespace

std::string windowMarkup() {
    std::string html = "<div id=\"window\">";
    bool inFrame = false;
    for (const form::ControlDesign& design : form::controlTable()) {
        if (inFrame && design.container != form::Container::Frame) {
            html += "</fieldset>" + piKeyMarkup();
            inFrame = false;
        }
        html += element(design);
        inFrame = inFrame || design.kind == form::ControlKind::Frame;
    }
    if (inFrame) {
        html += "</fieldset>" + piKeyMarkup();
    }
    return html + "</div>";
}

std::string windowStyle() {
    std::string css = ":root { font-family: \"" + std::string(content::kFontFamily) +
                      "\", serif; font-size: " + std::to_string(content::kFontPointSize) +
                      "pt; --window-background: " + colour(content::kWindowBackground) +
                      "; --touch-zoom: " + std::to_string(kTouchZoom) + "; }\n#window { " +
                      placed(layout::kClientArea) + " }\n";
    css += "#pi-key { " + placed(kPiKey) + " }\n";
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

std::string wideWindowQuery() {
    const layout::PixelRect window = layout::kClientArea.pixels();
    return "(pointer: fine) and (min-width: " + std::to_string(window.width) +
           "px) and (min-height: " + std::to_string(window.height) + "px), " + wideTouchQuery();
}

std::string wideTouchQuery() {
    const layout::PixelRect window = layout::kClientArea.pixels();
    return "(pointer: coarse) and (min-width: " + std::to_string(window.width * kTouchZoom) +
           "px) and (min-height: " + std::to_string(window.height * kTouchZoom) + "px)";
}

} // namespace korvala::site
