#include "ui/window_placement.hpp"

#include <QScreen>
#include <QWidget>

namespace korvala::ui {

void centreOnScreen(QWidget& window) {
    if (const QScreen* screen = window.screen()) {
        QRect frame = window.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
}

} // namespace korvala::ui
