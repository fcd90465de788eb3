// The window's eighteen controls as one table, which every face creates its controls from and
// every face's tests check what it realised against: each control's designed name and index, its
// kind and container, its rectangle in twips (relative to the container), its accessible name,
// its caption or text, and its fixed colours. The table runs in the design's focus order: Tab
// moves through it from first to last, Shift+Tab back, and the focus visits the controls that
// take it (takesFocus()). Nothing here fails but the lookup of a control the window does not have.
#pragma once

#include "form/content.hpp"
#include "form/layout.hpp"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvala::form {

// The designed controls, by the name they share with the other members of their array.
enum class ControlArray { Text1, Label1, Frame1, Check1, Text2, List1, Command1, Picture1 };

// Frame1 and Picture1 are single controls, not members of an array.
inline constexpr int kNoIndex = -1;

struct ControlName {
    ControlArray array = ControlArray::Text1;
    int index = kNoIndex;

    friend constexpr bool operator==(const ControlName&, const ControlName&) = default;
};

// The controls the behaviour and the faces act on by name.
inline constexpr ControlName kWindowTitle{ControlArray::Label1, 0}; // "Korvala "
inline constexpr ControlName kProblemList{ControlArray::List1, 0};
inline constexpr ControlName kCalculateButton{ControlArray::Command1, 0}; // "Изчисли"
inline constexpr ControlName kClearButton{ControlArray::Command1, 1};     // "Изчисти"

// "Text2(3)", "Frame1".
[[nodiscard]] std::string objectNameOf(const ControlName& control);

enum class ControlKind {
    Label,        // a caption on an opaque background, centred
    ListBox,      // one column, single selection, not sorted
    Frame,        // a captioned group around the value rows
    CheckBox,     // box at the left, letter to its right; disabled
    ValueBox,     // single-line text box, locked until a problem type unlocks it
    StatementBox, // multi-line, wrapped, vertical scroll bar, read-only
    Button,       // graphical style: the whole face in its background colour
    PictureBox,   // the drawing inside a sunken border
};

enum class Container { Window, Frame };

struct ControlDesign {
    ControlName name;
    ControlKind kind = ControlKind::Label;
    Container container = Container::Window;
    layout::TwipRect rect{};
    std::string accessibleName;
    std::string text; // the caption, the statement, or empty (the list's entries: listEntries())
    std::optional<content::Rgb> background; // none: the system's colour for the kind
    std::optional<content::Rgb> textColour; // set wherever the background is fixed

    [[nodiscard]] std::string objectName() const { return objectNameOf(name); }
};

inline constexpr std::size_t kControlCount = 18;

[[nodiscard]] const std::array<ControlDesign, kControlCount>& controlTable();

// The control's position in the table; nothing for a control the window lacks.
[[nodiscard]] std::optional<std::size_t> positionOf(const ControlName& control);

// The list's nine entries, in the order of the problem types.
[[nodiscard]] std::vector<std::string_view> listEntries();

// Labels and the frame never take the focus; the check boxes are disabled and passed over.
[[nodiscard]] bool takesFocus(ControlKind kind);

// The controls the focus visits with Tab, in order; the first has the focus when the window
// opens.
[[nodiscard]] std::vector<ControlName> focusCycle();
[[nodiscard]] ControlName firstFocus();

} // namespace korvala::form
