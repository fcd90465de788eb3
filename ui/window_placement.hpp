// Where the window opens: it has no owner window, so in the middle of its screen.
#pragma once

class QWidget;

namespace korvala::ui {

void centreOnScreen(QWidget& window);

} // namespace korvala::ui
