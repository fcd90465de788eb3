#include "ui/error_message.hpp"

#include "ui/qt_conversion.hpp"

#include <QMessageBox>

namespace korvala::ui {

void showErrorMessageBox(QWidget& window, const form::content::ErrorMessage& message) {
    QMessageBox box(QMessageBox::Critical, toQString(message.title), toQString(message.text),
                    QMessageBox::Ok, &window);
    box.setWindowModality(Qt::WindowModal);
    box.exec();
}

} // namespace korvala::ui
