#include "form/control_table.hpp"

#include "calc/problem_type.hpp"
#include "calc/quantity.hpp"
#include "form/words.hpp"

namespace korvala::form {

namespace {

std::string_view arrayName(ControlArray array) {
    switch (array) {
    case ControlArray::Text1:
        return "Text1";
    case ControlArray::Label1:
        return "Label1";
    case ControlArray::Frame1:
        return "Frame1";
    case ControlArray::Check1:
        return "Check1";
    case ControlArray::Text2:
        return "Text2";
    case ControlArray::List1:
        return "List1";
    case ControlArray::Command1:
        return "Command1";
    case ControlArray::Picture1:
        return "Picture1";
    }
    return "Text1";
}

ControlDesign label(int index, const layout::TwipRect& rect, std::string_view caption) {
    return {{ControlArray::Label1, index},
            ControlKind::Label,
            Container::Window,
            rect,
            std::string(caption),
            std::string(caption),
            content::kLabelBackground,
            content::kTextOnFixedBackground};
}

ControlDesign button(const ControlName& name, const layout::TwipRect& rect,
                     std::string_view caption, content::Rgb face) {
    return {name,
            ControlKind::Button,
            Container::Window,
            rect,
            std::string(caption),
            std::string(caption),
            face,
            content::kTextOnFixedBackground};
}

std::array<ControlDesign, kControlCount> buildTable() {
    std::vector<ControlDesign> table;
    table.push_back({{ControlArray::Text1, 0},
                     ControlKind::StatementBox,
                     Container::Window,
                     layout::kStatement,
                     std::string(content::kStatementName),
                     content::taskStatement(),
                     std::nullopt,
                     std::nullopt});
    table.push_back(label(0, layout::kTitle, content::kTitle));
    table.push_back({{ControlArray::Frame1, kNoIndex},
                     ControlKind::Frame,
                     Container::Window,
                     layout::kFrame,
                     std::string(content::kFrameCaption),
                     std::string(content::kFrameCaption),
                     content::kWindowBackground,
                     content::kTextOnFixedBackground});
    for (std::size_t row = 0; row < calc::kQuantityCount; ++row) {
        const int index = static_cast<int>(row);
        table.push_back({{ControlArray::Check1, index},
                         ControlKind::CheckBox,
                         Container::Frame,
                         layout::checkBoxRow(row),
                         content::checkBoxName(row),
                         std::string(letterOf(calc::kQuantities.at(row))),
                         content::kCheckBoxBackground,
                         content::kTextOnFixedBackground});
        table.push_back({{ControlArray::Text2, index},
                         ControlKind::ValueBox,
                         Container::Frame,
                         layout::valueBoxRow(row),
                         content::valueBoxName(row),
                         {},
                         std::nullopt,
                         std::nullopt});
    }
    table.push_back({kProblemList,
                     ControlKind::ListBox,
                     Container::Window,
                     layout::kProblemList,
                     std::string(content::kProblemListName),
                     {},
                     std::nullopt,
                     std::nullopt});
    table.push_back(button(kCalculateButton, layout::kCalculateButton, content::kCalculateText,
                           content::kCalculateFace));
    table.push_back(
        button(kClearButton, layout::kClearButton, content::kClearText, content::kClearFace));
    table.push_back(label(1, layout::kGivenCaption, content::kGivenCaption));
    table.push_back({{ControlArray::Picture1, kNoIndex},
                     ControlKind::PictureBox,
                     Container::Window,
                     layout::kPicture,
                     std::string(content::kPictureName),
                     {},
                     std::nullopt,
                     std::nullopt});
    std::array<ControlDesign, kControlCount> fixed;
    std::move(table.begin(), table.end(), fixed.begin());
    return fixed;
}

} // namespace

std::string objectNameOf(const ControlName& control) {
    std::string name(arrayName(control.array));
    if (control.index != kNoIndex) {
        name += '(';
        name += std::to_string(control.index);
        name += ')';
    }
    return name;
}

const std::array<ControlDesign, kControlCount>& controlTable() {
    static const std::array<ControlDesign, kControlCount> table = buildTable();
    return table;
}

std::optional<std::size_t> positionOf(const ControlName& control) {
    const auto& table = controlTable();
    for (std::size_t position = 0; position < table.size(); ++position) {
        if (table.at(position).name == control) {
            return position;
        }
    }
    return std::nullopt;
}

std::vector<std::string_view> listEntries() {
    std::vector<std::string_view> entries;
    for (std::size_t position = 0; position < calc::kProblemTypeCount; ++position) {
        entries.push_back(listEntryOf(static_cast<calc::ProblemType>(position)));
    }
    return entries;
}

bool takesFocus(ControlKind kind) {
    return kind != ControlKind::Label && kind != ControlKind::Frame &&
           kind != ControlKind::CheckBox;
}

std::vector<ControlName> focusCycle() {
    std::vector<ControlName> cycle;
    for (const ControlDesign& design : controlTable()) {
        if (takesFocus(design.kind)) {
            cycle.push_back(design.name);
        }
    }
    return cycle;
}

ControlName firstFocus() {
    return focusCycle().front();
}

} // namespace korvala::form
