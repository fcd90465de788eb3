// The window's description as the page's script reads it: the control table, the list's
// entries, the caption, the window's size, colours and font, and where the focus starts, as one
// JSON text. The script builds the page's controls from it and nothing else, so that the page
// shows what every other face shows.
#pragma once

#include <string>

namespace korvala::web {

[[nodiscard]] std::string windowDescriptionJson();

} // namespace korvala::web
