// Saves pictures of the window for the README: just after start-up, and after the first worked
// example (R 1, H 1, "Изчисли"). The window is drawn off screen with the POSIX number settings.
// With --convert it saves a picture taken elsewhere (the Win32 window's, a BMP file) as PNG.
// Usage: korvala-window-screenshot OUTPUT_FOLDER
//        korvala-window-screenshot --convert PICTURE.bmp PICTURE.png
#include "ui/korvala_window.hpp"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTextStream>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTextStream err(stderr);
    if (argc == 4 && QByteArrayView(argv[1]) == "--convert") {
        const QImage picture(QString::fromLocal8Bit(argv[2]));
        if (picture.isNull() || !picture.save(QString::fromLocal8Bit(argv[3]))) {
            err << "could not convert " << argv[2] << "\n";
            return 1;
        }
        return 0;
    }
    if (argc != 2) {
        err << "usage: korvala-window-screenshot OUTPUT_FOLDER\n"
               "       korvala-window-screenshot --convert PICTURE.bmp PICTURE.png\n";
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    korvala::ui::KorvalaWindow window(
        {korvala::runtime::posixNumberSettings, korvala::ui::showErrorMessageBox});
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
