// How a run-time error of the calculation reaches the user. The window hands the form's message
// to an ErrorPresenter; the program's presenter shows it in a window-modal message box, and
// tests put their own in its place to see the error without a modal dialog.
#pragma once

#include "form/content.hpp"

#include <functional>

class QWidget;

namespace korvala::ui {

using ErrorPresenter =
    std::function<void(QWidget& window, const form::content::ErrorMessage& message)>;

void showErrorMessageBox(QWidget& window, const form::content::ErrorMessage& message);

} // namespace korvala::ui
