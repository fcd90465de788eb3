// The window as JSON, in two cuts.
// - pageDescriptionJson(): what the page's script uses, and no more: the error message's
//   button, the designed names of the controls it wires (value boxes, check boxes, the list, the
//   buttons), the focus cycle by name and by array and index, which the script hands to the form
//   with Return (its first has the focus when the window opens), and the quantities' letters and
//   the problem types' pairs, which the share link is written in. The build writes it into the
//   page, so that the core need not carry it.
// - windowTableJson(): the whole control table with the window's own settings, rectangles in CSS
//   pixels, which the page's tests check the rendered page against; the build writes it beside
//   the page, not into it.
// Nothing here fails.
#pragma once

#include "form/control_table.hpp"

#include <string>
#include <string_view>

namespace korvala::site {

[[nodiscard]] std::string pageDescriptionJson();
[[nodiscard]] std::string windowTableJson();

// The name the page gives a kind of control: "statement", "label", "value", ...
[[nodiscard]] std::string_view kindName(form::ControlKind kind);

} // namespace korvala::site
