#include "ui/error_message.hpp"

#include "ui/window_content.hpp"

#include <QMessageBox>

namespace korvala::ui {

void showErrorMessageBox(QWidget& window, const ErrorReport& report) {
    QMessageBox box(QMessageBox::Critical, window.windowTitle(),
                    content::runTimeErrorMessage(report.number, report.text), QMessageBox::Ok,
                    &window);
    box.setWindowModality(Qt::WindowModal);
    box.exec();
}

} // namespace korvala::ui
