#include "ui/error_message.hpp"

#include "form/content.hpp"
#include "ui/qt_conversion.hpp"

#include <QMessageBox>

namespace korvala::ui {

void showErrorMessageBox(QWidget& window, const ErrorReport& report) {
    QMessageBox box(
        QMessageBox::Critical, window.windowTitle(),
        toQString(form::content::runTimeErrorMessage(report.number, report.text.toStdString())),
        QMessageBox::Ok, &window);
    box.setWindowModality(Qt::WindowModal);
    box.exec();
}

} // namespace korvala::ui
