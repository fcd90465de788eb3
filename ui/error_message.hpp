// How a run-time error of the calculation reaches the user. The window hands the error to an
// ErrorPresenter; the program's presenter shows a window-modal message box titled as the
// window, and tests put their own in its place to see the error without a modal dialog.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace korvala::ui {

struct ErrorReport {
    int number = 0;
    QString text;
};

using ErrorPresenter = std::function<void(QWidget& window, const ErrorReport& report)>;

void showErrorMessageBox(QWidget& window, const ErrorReport& report);

} // namespace korvala::ui
