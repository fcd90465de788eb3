#include "ui/korvala_window.hpp"
#include "ui/window_placement.hpp"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvala"));

    korvala::ui::KorvalaWindow window;
    korvala::ui::centreOnScreen(window);
    window.show();
    return QApplication::exec();
}
