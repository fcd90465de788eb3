// The program's one window: the problem-type list, five value rows, the two buttons, the
// drawing and the task statement. The handlers keep the names the window was designed with
// (Form_Load, List1_Click, Command1_Click and the procedures they call); the controls keep
// theirs as object names ("Text2(0)", "Check1(3)", "Command1(1)", ...), so tests and assistive
// technology can find them. The window owns all state: the calculation reads the controls and
// writes the five value texts, nothing else.
#pragma once

#include "calc/quantity.hpp"
#include "runtime/number_settings.hpp"
#include "ui/error_message.hpp"

#include <QWidget>
#include <array>
#include <functional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace korvala::ui {

// What the window takes from outside, so tests can supply their own: the regional number
// settings, read at every calculation, and the presentation of a run-time error.
struct WindowServices {
    std::function<runtime::NumberSettings()> numberSettings;
    ErrorPresenter presentError;

    [[nodiscard]] static WindowServices system();
};

class KorvalaWindow : public QWidget {
public:
    explicit KorvalaWindow(WindowServices services = WindowServices::system(),
                           QWidget* parent = nullptr);

    // Start-up: empties the values, limits the boxes to seven characters, selects "R H".
    void Form_Load();
    // The list's selection changed; index is the list's control-array index.
    void List1_Click(int index);
    // A button was pressed: 0 calculates, 1 clears.
    void Command1_Click(int index);

    // Empties and locks every value row, then checks and unlocks the selected pair.
    void SelectProblemType();
    // Reads the controls, calculates, and writes the five values (or reports the error).
    void SolveCylinder();
    // Empties the five value boxes and nothing else.
    void ClearValues();

private:
    void buildControls();
    void connectEvents();
    void setValueText(std::size_t row, const QString& shown, const QString& full);

    WindowServices services_;
    std::array<QLabel*, 2> label1_{};
    QListWidget* list1_ = nullptr;
    QGroupBox* frame1_ = nullptr;
    std::array<QCheckBox*, calc::kQuantityCount> check1_{};
    std::array<QLineEdit*, calc::kQuantityCount> text2_{};
    std::array<QPushButton*, 2> command1_{};
    QLabel* picture1_ = nullptr;
    QPlainTextEdit* text1_ = nullptr;
};

} // namespace korvala::ui
