#include "ui/korvala_window.hpp"

#include "form/content.hpp"
#include "form/layout.hpp"
#include "runtime/regional_settings.hpp"
#include "ui/embedded_picture.hpp"
#include "ui/qt_conversion.hpp"

#include <QCheckBox>
#include <QDebug>
#include <QIcon>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <string>
#include <utility>

namespace korvala::ui {

WindowServices WindowServices::system() {
    return {runtime::usersSettingsInUse([](std::string_view warning) {
                qWarning().noquote() << toQString(warning).trimmed();
            }),
            showErrorMessageBox};
}

KorvalaWindow::KorvalaWindow(WindowServices services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      services_(std::move(services)), form_(*this, services_.numberSettings) {
    namespace content = form::content;
    setObjectName(QStringLiteral("Korvala"));
    setWindowTitle(toQString(content::caption()));
    // A pixmap icon, so that no icon-engine plugin is loaded at start-up.
    setWindowIcon(QIcon(embeddedPng(QStringLiteral(":/korvala/korvala.png"))));
    setFixedSize(toQRect(form::layout::kClientArea).size());
    QFont font(toQString(content::kFontFamily), content::kFontPointSize);
    font.setStyleHint(QFont::Serif);
    setFont(font);
    QPalette background = palette();
    background.setColor(QPalette::Window, toQColor(content::kWindowBackground));
    setPalette(background);
    setAutoFillBackground(true);

    buildControls();
    connectEvents();
    form_.start();
}

std::string KorvalaWindow::valueText(std::size_t row) const {
    return valueBoxes_.at(row)->text().toStdString();
}

// The box shows the start of its text, and the full value when the pointer rests on it.
void KorvalaWindow::setValueText(std::size_t row, std::string_view text,
                                 std::string_view fullValue) {
    QLineEdit* box = valueBoxes_.at(row);
    box->setText(toQString(text));
    box->setCursorPosition(0);
    box->setToolTip(toQString(fullValue));
}

void KorvalaWindow::dropFullValue(std::size_t row) {
    valueBoxes_.at(row)->setToolTip(QString());
}

void KorvalaWindow::setTypingLimit(std::size_t row, std::size_t characters) {
    valueBoxes_.at(row)->setMaxLength(static_cast<int>(characters));
}

void KorvalaWindow::setLocked(std::size_t row, bool locked) {
    valueBoxes_.at(row)->setReadOnly(locked);
}

bool KorvalaWindow::isChecked(std::size_t row) const {
    return givenChecks_.at(row)->isChecked();
}

void KorvalaWindow::setChecked(std::size_t row, bool checked) {
    givenChecks_.at(row)->setChecked(checked);
}

void KorvalaWindow::setCheckEnabled(std::size_t row, bool enabled) {
    givenChecks_.at(row)->setEnabled(enabled);
}

int KorvalaWindow::listIndex() const {
    return problemList_->currentRow();
}

// The list's signals follow the user only: the form runs what a choice sets off itself.
void KorvalaWindow::setListIndex(int position) {
    const QSignalBlocker quiet(problemList_);
    problemList_->setCurrentRow(position);
}

void KorvalaWindow::presentError(const form::content::ErrorMessage& message) {
    services_.presentError(*this, message);
}

} // namespace korvala::ui
