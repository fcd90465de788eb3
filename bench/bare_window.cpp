// The floor of the start-up benchmark: a Qt window with nothing in it, shown the way Korvala
// shows its own.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare window"));
    window.setFixedSize(481, 424);
    window.show();
    return QApplication::exec();
}
