// The program's one window on Qt: the problem-type list, five value rows, the two buttons, the
// drawing and the task statement, built from the window's description. The controls keep their
// designed names as object names ("Text2(0)", "Check1(3)", "Command1(1)", ...), so tests and
// assistive technology can find them. What the window does is the form's (KorvalaForm); this
// face only realises its controls and delivers their events to it.
#pragma once

#include "calc/quantity.hpp"
#include "form/control_table.hpp"
#include "form/form_controls.hpp"
#include "form/korvala_form.hpp"
#include "runtime/number_settings.hpp"
#include "ui/error_message.hpp"

#include <QWidget>
#include <array>
#include <functional>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace korvala::ui {

// What the window takes from outside, so tests can supply their own: the regional number
// settings, read at every calculation, and the presentation of a run-time error.
struct WindowServices {
    std::function<runtime::NumberSettings()> numberSettings;
    ErrorPresenter presentError;

    // The user's settings (a warning about ones that cannot be used goes to Qt's log) and the
    // message box.
    [[nodiscard]] static WindowServices system();
};

class KorvalaWindow : public QWidget, private form::FormControls {
public:
    explicit KorvalaWindow(WindowServices services, QWidget* parent = nullptr);

private:
    void buildControls();
    [[nodiscard]] QWidget* makeControl(const form::ControlDesign& design, QWidget* parent);
    [[nodiscard]] QWidget* widgetOf(const form::ControlName& name) const;
    [[nodiscard]] QPushButton* buttonOf(const form::ControlName& name) const;
    void connectEvents();

    [[nodiscard]] std::string valueText(std::size_t row) const override;
    void setValueText(std::size_t row, std::string_view text, std::string_view fullValue) override;
    void dropFullValue(std::size_t row) override;
    void setTypingLimit(std::size_t row, std::size_t characters) override;
    void setLocked(std::size_t row, bool locked) override;
    [[nodiscard]] bool isChecked(std::size_t row) const override;
    void setChecked(std::size_t row, bool checked) override;
    void setCheckEnabled(std::size_t row, bool enabled) override;
    [[nodiscard]] int listIndex() const override;
    void setListIndex(int position) override;
    void presentError(const form::content::ErrorMessage& message) override;

    WindowServices services_;
    form::KorvalaForm form_;
    QListWidget* problemList_ = nullptr;
    QGroupBox* valueFrame_ = nullptr;
    std::array<QCheckBox*, calc::kQuantityCount> givenChecks_{};
    std::array<QLineEdit*, calc::kQuantityCount> valueBoxes_{};
};

} // namespace korvala::ui
