#include "site/window_description.hpp"

#include "calc/problem_type.hpp"
#include "calc/quantity.hpp"
#include "form/content.hpp"
#include "form/control_table.hpp"
#include "form/korvala_form.hpp"
#include "form/layout.hpp"
#include "form/words.hpp"

#include <nlohmann/json.hpp>
#include <optional>
#include <string_view>
#include <utility>

namespace korvala::site {

namespace {

namespace content = form::content;
namespace layout = form::layout;
using Json = nlohmann::ordered_json;

// In CSS pixels, as the page places it at 1:1.
Json rectJson(const layout::TwipRect& twips) {
    const layout::PixelRect rect = twips.pixels();
    return {{"left", rect.left}, {"top", rect.top}, {"width", rect.width}, {"height", rect.height}};
}

Json colourJson(const std::optional<content::Rgb>& colour) {
    if (!colour) {
        return nullptr;
    }
    return Json::array({colour->red, colour->green, colour->blue});
}

Json controlJson(const form::ControlDesign& design) {
    const std::string name = design.objectName();
    return {{"name", name},
            {"array", name.substr(0, name.find('('))},
            {"index", design.name.index},
            {"kind", kindName(design.kind)},
            {"inFrame", design.container == form::Container::Frame},
            {"rect", rectJson(design.rect)},
            {"accessibleName", design.accessibleName},
            {"text", design.text},
            {"background", colourJson(design.background)},
            {"textColour", colourJson(design.textColour)},
            {"takesFocus", form::takesFocus(design.kind)}};
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
    Json controls = Json::array();
    for (const form::ControlDesign& design : form::controlTable()) {
        controls.push_back(controlJson(design));
    }
    const Json table = {
        {"caption", content::caption()},
        {"clientArea", rectJson(layout::kClientArea)},
        {"background", colourJson(content::kWindowBackground)},
        {"fontFamily", content::kFontFamily},
        {"fontPointSize", content::kFontPointSize},
        {"errorDismiss", content::kErrorDismissText},
        {"linkCopied", content::kLinkCopied},
        {"solutionCopied", content::kSolutionCopied},
        {"pictureBorder", layout::kPictureBorder},
        {"listEntries", form::listEntries()},
        {"firstFocus", form::positionOf(form::firstFocus()).value()},
        {"controls", std::move(controls)},
    };
    return table.dump() + "\n";
}

std::string pageDescriptionJson() {
    const auto names = [](form::ControlArray array, int count) {
        Json list = Json::array();
        for (int index = 0; index < count; ++index) {
            list.push_back(form::objectNameOf({array, index}));
        }
        return list;
    };
    Json focusCycle = Json::array();
    for (const form::ControlName& control : form::focusCycle()) {
        focusCycle.push_back({{"name", form::objectNameOf(control)},
                              {"array", static_cast<int>(control.array)},
                              {"index", control.index}});
    }
    Json letters = Json::array();
    for (const calc::Quantity quantity : calc::kQuantities) {
        letters.push_back(form::letterOf(quantity));
    }
    Json pairs = Json::array();
    for (std::size_t type = 0; type < calc::kProblemTypeCount; ++type) {
        const calc::GivenPair pair = calc::givenPairOf(static_cast<calc::ProblemType>(type));
        pairs.push_back({calc::indexOf(pair.first), calc::indexOf(pair.second)});
    }
    const int quantities = static_cast<int>(calc::kQuantityCount);
    const Json description = {
        {"errorDismiss", content::kErrorDismissText},
        {"linkCopied", content::kLinkCopied},
        {"solutionCopied", content::kSolutionCopied},
        {"values", names(form::ControlArray::Text2, quantities)},
        {"checks", names(form::ControlArray::Check1, quantities)},
        {"calculate", form::objectNameOf(form::kCalculateButton)},
        {"clear", form::objectNameOf(form::kClearButton)},
        {"list", form::objectNameOf(form::kProblemList)},
        {"focusCycle", std::move(focusCycle)},
        {"letters", std::move(letters)},
        {"pairs", std::move(pairs)},
    };
    return description.dump();
}

} // namespace korvala::site
