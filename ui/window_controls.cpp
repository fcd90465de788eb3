// Building the window's controls from the form's control table, and wiring their events.
#include "form/control_table.hpp"
#include "form/layout.hpp"
#include "ui/embedded_picture.hpp"
#include "ui/korvala_window.hpp"
#include "ui/qt_conversion.hpp"

#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace korvala::ui {

namespace {

namespace layout = form::layout;
using form::ControlDesign;
using form::ControlKind;

// Paints the widget's whole rectangle in one colour, and writes its text in a fixed colour that
// stays readable on it whatever the desktop's colour scheme. Check boxes take their background
// from the button role, labels and frames from the window role. Disabled text keeps the
// system's disabled look.
void fillBackground(QWidget& widget, const QColor& colour, const QColor& text) {
    QPalette palette = widget.palette();
    palette.setColor(widget.backgroundRole(), colour);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, text);
    }
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

// Return and Enter go to the form with the control they were pressed on: in a value box they
// calculate, on a button they press it (as Space does).
class ReturnGoesToForm : public QObject {
public:
    ReturnGoesToForm(QWidget* control, form::KorvalaForm& form, form::ControlName name)
        : QObject(control), form_(form), name_(name) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (const auto* key = dynamic_cast<QKeyEvent*>(event);
            key != nullptr && event->type() == QEvent::KeyPress &&
            (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            form_.returnPressed(name_);
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    form::KorvalaForm& form_;
    form::ControlName name_;
};

// Buttons are painted in their own colour whatever the desktop style, so their look comes
// from a style sheet alone.
void paintButtonFace(QPushButton& button, const QColor& face, const QColor& text) {
    button.setStyleSheet(QStringLiteral("QPushButton { background-color: %1; color: %3;"
                                        " border: 2px outset %2; }"
                                        "QPushButton:pressed { border-style: inset; }"
                                        "QPushButton:focus { border-color: %3; }")
                             .arg(face.name(), face.darker(130).name(), text.name()));
}

QPlainTextEdit* makeStatement(const ControlDesign& design, QWidget* parent) {
    auto* statement = new QPlainTextEdit(parent);
    statement->setReadOnly(true);
    statement->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    statement->setTabChangesFocus(true);
    statement->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    statement->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // One paragraph a line; the last line's break leaves an empty paragraph after it.
    statement->setPlainText(
        toQString(design.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    return statement;
}

QListWidget* makeList(QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSortingEnabled(false);
    for (const std::string_view entry : form::listEntries()) {
        list->addItem(toQString(entry));
    }
    return list;
}

QLabel* makePicture(QWidget* parent) {
    auto* picture = new QLabel(parent);
    picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picture->setLineWidth(layout::kPictureBorder);
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->setPixmap(embeddedPng(QStringLiteral(":/korvala/cylinder.png")));
    picture->setFocusPolicy(Qt::StrongFocus);
    return picture;
}

} // namespace

QWidget* KorvalaWindow::makeControl(const ControlDesign& design, QWidget* parent) {
    const auto row = static_cast<std::size_t>(design.name.index);
    switch (design.kind) {
    case ControlKind::StatementBox:
        return makeStatement(design, parent);
    case ControlKind::Label: {
        auto* label = new QLabel(toQString(design.text), parent);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        return label;
    }
    case ControlKind::Frame:
        valueFrame_ = new QGroupBox(toQString(design.text), parent);
        return valueFrame_;
    case ControlKind::CheckBox:
        givenChecks_.at(row) = new QCheckBox(toQString(design.text), parent);
        givenChecks_.at(row)->setEnabled(false);
        return givenChecks_.at(row);
    case ControlKind::ValueBox:
        valueBoxes_.at(row) = new QLineEdit(parent);
        valueBoxes_.at(row)->setReadOnly(true);
        valueBoxes_.at(row)->installEventFilter(
            new ReturnGoesToForm(valueBoxes_.at(row), form_, design.name));
        return valueBoxes_.at(row);
    case ControlKind::ListBox:
        problemList_ = makeList(parent);
        return problemList_;
    case ControlKind::Button: {
        auto* button = new QPushButton(toQString(design.text), parent);
        button->installEventFilter(new ReturnGoesToForm(button, form_, design.name));
        return button;
    }
    case ControlKind::PictureBox:
        return makePicture(parent);
    }
    return nullptr;
}

void KorvalaWindow::buildControls() {
    // The table runs in the focus order, and the frame comes before the rows it holds.
    QWidget* previous = nullptr;
    for (const ControlDesign& design : form::controlTable()) {
        QWidget* parent = design.container == form::Container::Frame
                              ? static_cast<QWidget*>(valueFrame_)
                              : static_cast<QWidget*>(this);
        QWidget* control = makeControl(design, parent);
        control->setObjectName(toQString(design.objectName()));
        control->setGeometry(toQRect(design.rect));
        control->setAccessibleName(toQString(design.accessibleName));
        if (design.background && design.textColour) {
            if (auto* button = qobject_cast<QPushButton*>(control)) {
                paintButtonFace(*button, toQColor(*design.background),
                                toQColor(*design.textColour));
            } else {
                fillBackground(*control, toQColor(*design.background),
                               toQColor(*design.textColour));
            }
        }
        if (previous != nullptr) {
            setTabOrder(previous, control);
        }
        previous = control;
    }
    widgetOf(form::firstFocus())->setFocus();
}

QWidget* KorvalaWindow::widgetOf(const form::ControlName& name) const {
    return findChild<QWidget*>(toQString(form::objectNameOf(name)));
}

QPushButton* KorvalaWindow::buttonOf(const form::ControlName& name) const {
    return findChild<QPushButton*>(toQString(form::objectNameOf(name)));
}

void KorvalaWindow::connectEvents() {
    connect(problemList_, &QListWidget::currentRowChanged, this,
            [this] { form_.problemTypeChosen(); });
    // The list always keeps its entry selected: Ctrl+click or Ctrl+Space on it would otherwise
    // leave the list without one.
    connect(problemList_, &QListWidget::itemSelectionChanged, this, [this] {
        if (problemList_->selectedItems().isEmpty() && problemList_->currentItem() != nullptr) {
            problemList_->currentItem()->setSelected(true);
        }
    });
    connect(buttonOf(form::kCalculateButton), &QPushButton::clicked, this,
            [this] { form_.calculatePressed(); });
    connect(buttonOf(form::kClearButton), &QPushButton::clicked, this,
            [this] { form_.clearPressed(); });
    for (std::size_t row = 0; row < valueBoxes_.size(); ++row) {
        connect(valueBoxes_.at(row), &QLineEdit::textEdited, this,
                [this, row] { form_.valueEdited(row); });
    }
}

} // namespace korvala::ui
