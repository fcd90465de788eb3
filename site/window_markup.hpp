// The window as static markup: the eighteen controls of the control table as page elements, in
// the table's order (which is the focus order), and the style sheet that gives them their
// designed places and colours at 96 dots per inch. The page carries both from the start, so that
// the browser lays out and shows the window while the script that starts the form is still being
// compiled; the script then finds the elements by their designed names.
//
// The page has two layouts, and its style sheet alone chooses between them: the designed window
// at 1:1 (wide) where it fits and the pointer is fine, or enlarged kTouchZoom times on a touch
// screen large enough for that; everywhere else one column (narrow) whose targets are large
// enough for a finger. Nothing here fails.
#pragma once

#include <string>

namespace korvala::site {

// On a touch screen the wide layout is enlarged so that its smallest target (a button, 25 px
// high) reaches a finger's 48 px.
inline constexpr int kTouchZoom = 2;

// The window's element (#window) with every control inside it; texts escaped for HTML.
[[nodiscard]] std::string windowMarkup();
// The font and the window's colour, and one rule for the window and one for each control: its
// designed place and size (as custom properties, which only the wide layout uses) and its fixed
// colours.
[[nodiscard]] std::string windowStyle();
// The media queries of the wide layout, from the window's designed size: any wide layout, and
// the enlarged one of a touch screen.
[[nodiscard]] std::string wideWindowQuery();
[[nodiscard]] std::string wideTouchQuery();

} // namespace korvala::site
