// The floors of the start-up benchmark, shown the way Korvala shows its own window: a Qt window
// with nothing in it, or (with --label) one that shows a single label in the window's font, and
// so pays for the font database and a first font face as every window with text does.
#include "form/content.hpp"

#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstring>

int main(int argc, char** argv) {
    const bool withLabel = argc == 2 && std::strcmp(argv[1], "--label") == 0;
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(withLabel ? QStringLiteral("label window")
                                    : QStringLiteral("bare window"));
    window.setFixedSize(481, 424);
    if (withLabel) {
        namespace content = korvala::form::content;
        QFont font(QString::fromUtf8(content::kFontFamily.data(),
                                     static_cast<qsizetype>(content::kFontFamily.size())),
                   content::kFontPointSize);
        font.setStyleHint(QFont::Serif);
        window.setFont(font);
        auto* label = new QLabel(QString::fromUtf8(content::kTitle.data(),
                                                   static_cast<qsizetype>(content::kTitle.size())),
                                 &window);
        label->setGeometry(16, 0, 449, 25);
    }
    window.show();
    return QApplication::exec();
}
