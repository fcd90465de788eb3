// The window as static markup: the eighteen controls of the control table as page elements, in
// the table's order (which is the focus order), and the style sheet that places and paints them
// at 96 dots per inch. The page carries both from the start, so that the browser lays out and
// shows the window while the script that starts the form is still being compiled; the script
// then finds the elements by their designed names.
#pragma once

#include <string>

namespace korvala::web {

// The window's element (#window) with every control inside it; texts escaped for HTML.
[[nodiscard]] std::string windowMarkup();
// One rule for the window and one for each control: place, size, fixed colours.
[[nodiscard]] std::string windowStyle();

} // namespace korvala::web
