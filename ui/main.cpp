#include "ui/korvala_window.hpp"

#include <QApplication>
#include <QScreen>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvala"));

    korvala::ui::KorvalaWindow window;
    // The window has no owner, so it opens in the middle of the screen.
    if (const QScreen* screen = window.screen()) {
        window.move(screen->availableGeometry().center() - window.rect().center());
    }
    window.show();
    return QApplication::exec();
}
