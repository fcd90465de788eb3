// Building the window's controls from the layout table, and wiring their events.
#include "calc/problem_type.hpp"
#include "form/content.hpp"
#include "form/layout.hpp"
#include "form/words.hpp"
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

namespace content = form::content;
namespace layout = form::layout;

QString indexed(const char* name, std::size_t index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

// Paints the widget's whole rectangle in one colour, and writes its text in a fixed dark colour
// that stays readable on it whatever the desktop's colour scheme. Check boxes take their
// background from the button role, labels and frames from the window role. Disabled text keeps
// the system's disabled look.
void fillBackground(QWidget& widget, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(widget.backgroundRole(), colour);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, toQColor(content::kTextOnFixedBackground));
    }
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

// Return and Enter press a focused button, as Space does (and as they do on the platform the
// window was designed for).
class ReturnPressesButton : public QObject {
public:
    explicit ReturnPressesButton(QPushButton* button) : QObject(button), button_(button) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (const auto* key = dynamic_cast<QKeyEvent*>(event);
            key != nullptr && event->type() == QEvent::KeyPress &&
            (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            button_->click();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QPushButton* button_;
};

QLabel* makeLabel(QWidget* parent, std::size_t index, const layout::TwipRect& rect,
                  std::string_view text) {
    auto* label = new QLabel(toQString(text), parent);
    label->setObjectName(indexed("Label1", index));
    label->setGeometry(toQRect(rect));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    fillBackground(*label, toQColor(content::kLabelBackground));
    return label;
}

// Buttons are painted in their own colour whatever the desktop style, so their look comes
// from a style sheet alone.
QPushButton* makeButton(QWidget* parent, std::size_t index, const layout::TwipRect& rect,
                        std::string_view text, content::Rgb faceColour) {
    const QColor face = toQColor(faceColour);
    auto* button = new QPushButton(toQString(text), parent);
    button->setObjectName(indexed("Command1", index));
    button->setGeometry(toQRect(rect));
    button->setAccessibleName(toQString(text));
    button->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; color: %3;"
                                         " border: 2px outset %2; }"
                                         "QPushButton:pressed { border-style: inset; }"
                                         "QPushButton:focus { border-color: %3; }")
                              .arg(face.name(), face.darker(130).name(),
                                   toQColor(content::kTextOnFixedBackground).name()));
    button->installEventFilter(new ReturnPressesButton(button));
    return button;
}

} // namespace

void KorvalaWindow::buildControls() {
    labels_[0] = makeLabel(this, 0, layout::kTitle, content::kTitle);
    labels_[1] = makeLabel(this, 1, layout::kGivenCaption, content::kGivenCaption);

    problemList_ = new QListWidget(this);
    problemList_->setObjectName(QStringLiteral("List1(0)"));
    problemList_->setGeometry(toQRect(layout::kProblemList));
    problemList_->setSelectionMode(QAbstractItemView::SingleSelection);
    problemList_->setSortingEnabled(false);
    problemList_->setAccessibleName(toQString(content::kProblemListName));
    for (std::size_t position = 0; position < calc::kProblemTypeCount; ++position) {
        problemList_->addItem(
            toQString(form::listEntryOf(static_cast<calc::ProblemType>(position))));
    }

    valueFrame_ = new QGroupBox(toQString(content::kFrameCaption), this);
    valueFrame_->setObjectName(QStringLiteral("Frame1"));
    valueFrame_->setGeometry(toQRect(layout::kFrame));
    fillBackground(*valueFrame_, toQColor(content::kWindowBackground));

    for (std::size_t row = 0; row < calc::kQuantityCount; ++row) {
        const calc::Quantity quantity = calc::kQuantities.at(row);
        auto* check = new QCheckBox(toQString(form::letterOf(quantity)), valueFrame_);
        check->setObjectName(indexed("Check1", row));
        check->setGeometry(toQRect(layout::checkBoxRow(static_cast<int>(row))));
        check->setEnabled(false);
        check->setAccessibleName(toQString(content::checkBoxName(row)));
        fillBackground(*check, toQColor(content::kCheckBoxBackground));
        givenChecks_.at(row) = check;

        auto* box = new QLineEdit(valueFrame_);
        box->setObjectName(indexed("Text2", row));
        box->setGeometry(toQRect(layout::valueBoxRow(static_cast<int>(row))));
        box->setReadOnly(true);
        box->setAccessibleName(toQString(content::valueBoxName(row)));
        valueBoxes_.at(row) = box;
    }

    buttons_[0] = makeButton(this, 0, layout::kCalculateButton, content::kCalculateText,
                             content::kCalculateFace);
    buttons_[1] =
        makeButton(this, 1, layout::kClearButton, content::kClearText, content::kClearFace);

    picture_ = new QLabel(this);
    picture_->setObjectName(QStringLiteral("Picture1"));
    picture_->setGeometry(toQRect(layout::kPicture));
    picture_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picture_->setLineWidth(layout::kPictureBorder);
    picture_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture_->setPixmap(embeddedPng(QStringLiteral(":/korvala/cylinder.png")));
    picture_->setFocusPolicy(Qt::StrongFocus);
    picture_->setAccessibleName(toQString(content::kPictureName));

    statement_ = new QPlainTextEdit(this);
    statement_->setObjectName(QStringLiteral("Text1(0)"));
    statement_->setGeometry(toQRect(layout::kStatement));
    statement_->setReadOnly(true);
    statement_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    statement_->setTabChangesFocus(true);
    statement_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    statement_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // One paragraph a line; the last line's break leaves an empty paragraph after it.
    statement_->setPlainText(
        toQString(content::taskStatement()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    statement_->setAccessibleName(toQString(content::kStatementName));

    // Tab order: the statement, the value rows (check boxes are disabled and passed over),
    // the list, the two buttons, the drawing. Labels and the frame never take the focus.
    QWidget* previous = statement_;
    for (std::size_t row = 0; row < calc::kQuantityCount; ++row) {
        setTabOrder(previous, givenChecks_.at(row));
        setTabOrder(givenChecks_.at(row), valueBoxes_.at(row));
        previous = valueBoxes_.at(row);
    }
    setTabOrder(previous, problemList_);
    setTabOrder(problemList_, buttons_[0]);
    setTabOrder(buttons_[0], buttons_[1]);
    setTabOrder(buttons_[1], picture_);
    statement_->setFocus();
}

void KorvalaWindow::connectEvents() {
    connect(problemList_, &QListWidget::currentRowChanged, this, [this] { form_.List1_Click(0); });
    // The list always keeps its entry selected: Ctrl+click or Ctrl+Space on it would otherwise
    // leave the list without one.
    connect(problemList_, &QListWidget::itemSelectionChanged, this, [this] {
        if (problemList_->selectedItems().isEmpty() && problemList_->currentItem() != nullptr) {
            problemList_->currentItem()->setSelected(true);
        }
    });
    for (std::size_t index = 0; index < buttons_.size(); ++index) {
        connect(buttons_.at(index), &QPushButton::clicked, this,
                [this, index] { form_.Command1_Click(static_cast<int>(index)); });
    }
    for (QLineEdit* box : valueBoxes_) {
        // Return or Enter in a value box calculates, as the calculate button does.
        connect(box, &QLineEdit::returnPressed, this, [this] { form_.Command1_Click(0); });
        // The full value no longer describes a box the user has edited.
        connect(box, &QLineEdit::textEdited, box, [box] { box->setToolTip(QString()); });
    }
}

} // namespace korvala::ui
