// Saves pictures of the window for the README: just after start-up, and after the first worked
// example (R 1, H 1, "Изчисли"). The window is drawn off screen with the POSIX number settings.
// Usage: korvala-window-screenshot OUTPUT_FOLDER
#include "ui/korvala_window.hpp"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTextStream>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: korvala-window-screenshot OUTPUT_FOLDER\n";
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    korvala::ui::WindowServices services = korvala::ui::WindowServices::system();
    services.numberSettings = korvala::runtime::posixNumberSettings;
    korvala::ui::KorvalaWindow window(services);
    window.show();
    QApplication::processEvents();
    bool saved = window.grab().save(folder + "/window-start.png");

    window.findChild<QLineEdit*>(QStringLiteral("Text2(0)"))->setText(QStringLiteral("1"));
    window.findChild<QLineEdit*>(QStringLiteral("Text2(1)"))->setText(QStringLiteral("1"));
    window.findChild<QPushButton*>(QStringLiteral("Command1(0)"))->click();
    QApplication::processEvents();
    saved = window.grab().save(folder + "/window-worked-example.png") && saved;
    if (!saved) {
        err << "could not write the pictures into " << folder << "\n";
        return 1;
    }
    return 0;
}
