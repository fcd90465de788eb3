// The window's description as the page's script reads it: the control table, the list's
// entries, the caption, the window's size, colours and font, and where the focus starts, as one
// JSON text. The script builds the page's controls from it and nothing else, so that the page
// shows what every other face shows.
#pragma once

#include "form/control_table.hpp"

#include <string>
#include <string_view>

namespace korvala::web {

[[nodiscard]] std::string windowDescriptionJson();

// The name the page gives a kind of control: "statement", "label", "value", ...
[[nodiscard]] std::string_view kindName(form::ControlKind kind);

} // namespace korvala::web
