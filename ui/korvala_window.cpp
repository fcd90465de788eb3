#include "ui/korvala_window.hpp"

#include "calc/calculation.hpp"
#include "calc/problem_type.hpp"
#include "calc/value_box.hpp"
#include "runtime/regional_settings.hpp"
#include "ui/text_conversion.hpp"
#include "ui/window_content.hpp"
#include "ui/window_layout.hpp"

#include <QCheckBox>
#include <QIcon>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <string>

namespace korvala::ui {

namespace {

constexpr int kCalculateButton = 0;
constexpr int kClearButton = 1;

} // namespace

WindowServices WindowServices::system() {
    return {runtime::userNumberSettings, showErrorMessageBox};
}

KorvalaWindow::KorvalaWindow(WindowServices services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      services_(std::move(services)) {
    setObjectName(QStringLiteral("Korvala"));
    setWindowTitle(content::caption());
    // PNG pictures and a pixmap icon: Qt reads PNG itself, so no image or icon-engine plugin
    // is loaded at start-up.
    setWindowIcon(QIcon(QPixmap(QStringLiteral(":/korvala/korvala.png"))));
    setFixedSize(layout::kClientArea);
    QFont font(QString::fromLatin1(content::kFontFamily), content::kFontPointSize);
    font.setStyleHint(QFont::Serif);
    setFont(font);
    QPalette background = palette();
    background.setColor(QPalette::Window, content::kWindowBackground);
    setPalette(background);
    setAutoFillBackground(true);

    buildControls();
    connectEvents();
    Form_Load();
}

void KorvalaWindow::Form_Load() {
    ClearValues();
    for (QLineEdit* box : text2_) {
        box->setMaxLength(static_cast<int>(calc::kValueBoxWidth));
    }
    list1_->setCurrentRow(0);
    // Repeats what selecting "R H" has just applied.
    check1_[0]->setChecked(true);
    text2_[0]->setReadOnly(false);
    check1_[1]->setChecked(true);
    text2_[1]->setReadOnly(false);
}

void KorvalaWindow::List1_Click(int index) {
    if (index == 0) {
        SelectProblemType();
    }
}

void KorvalaWindow::Command1_Click(int index) {
    if (index == kCalculateButton) {
        SolveCylinder();
    } else if (index == kClearButton) {
        ClearValues();
    }
}

void KorvalaWindow::SelectProblemType() {
    for (std::size_t row = 0; row < calc::kQuantityCount; ++row) {
        check1_.at(row)->setEnabled(false);
        check1_.at(row)->setChecked(false);
        setValueText(row, QString(), QString());
        text2_.at(row)->setReadOnly(true);
    }
    const auto type = calc::problemTypeAt(list1_->currentRow());
    if (!type) {
        return;
    }
    const calc::GivenPair pair = calc::givenPairOf(*type);
    for (const calc::Quantity given : {pair.first, pair.second}) {
        check1_.at(calc::indexOf(given))->setChecked(true);
        text2_.at(calc::indexOf(given))->setReadOnly(false);
    }
}

void KorvalaWindow::SolveCylinder() {
    const auto type = calc::problemTypeAt(list1_->currentRow());
    if (!type) {
        return;
    }
    std::array<std::string, calc::kQuantityCount> texts;
    calc::CalculationInput input;
    input.type = *type;
    for (std::size_t row = 0; row < calc::kQuantityCount; ++row) {
        texts.at(row) = text2_.at(row)->text().toStdString();
        input.texts.at(row) = texts.at(row);
        input.checks.at(row) = check1_.at(row)->isChecked() ? 1 : 0;
    }
    const runtime::NumberSettings settings = services_.numberSettings();
    const calc::CalculationOutcome outcome = calc::calculate(input, settings);
    if (const auto* completed = std::get_if<calc::Completed>(&outcome)) {
        for (std::size_t row = 0; row < calc::kQuantityCount; ++row) {
            setValueText(row, toQString(calc::shownText(completed->values.at(row), settings)),
                         toQString(completed->texts.at(row)));
        }
    } else if (const auto* failed = std::get_if<calc::Failed>(&outcome)) {
        services_.presentError(
            *this, {static_cast<int>(failed->error), toQString(runtime::errorText(failed->error))});
    }
}

void KorvalaWindow::ClearValues() {
    for (std::size_t row = 0; row < calc::kQuantityCount; ++row) {
        setValueText(row, QString(), QString());
    }
}

// The box shows the start of its text, and the full value when the pointer rests on it.
void KorvalaWindow::setValueText(std::size_t row, const QString& shown, const QString& full) {
    QLineEdit* box = text2_.at(row);
    box->setText(shown);
    box->setCursorPosition(0);
    box->setToolTip(full);
}

} // namespace korvala::ui
