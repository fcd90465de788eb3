// Building the window's controls from the layout table, and wiring their events.
#include "calc/problem_type.hpp"
#include "ui/korvala_window.hpp"
#include "ui/text_conversion.hpp"
#include "ui/window_content.hpp"
#include "ui/window_layout.hpp"

#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>

namespace korvala::ui {

namespace {

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
        palette.setColor(group, QPalette::WindowText, content::kTextOnFixedBackground);
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
                  const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(indexed("Label1", index));
    label->setGeometry(rect.pixels());
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    fillBackground(*label, content::kLabelBackground);
    return label;
}

// Buttons are painted in their own colour whatever the desktop style, so their look comes
// from a style sheet alone.
QPushButton* makeButton(QWidget* parent, std::size_t index, const layout::TwipRect& rect,
                        const QString& text, const QColor& face) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(indexed("Command1", index));
    button->setGeometry(rect.pixels());
    button->setAccessibleName(text);
    button->setStyleSheet(
        QStringLiteral("QPushButton { background-color: %1; color: %3;"
                       " border: 2px outset %2; }"
                       "QPushButton:pressed { border-style: inset; }"
                       "QPushButton:focus { border-color: %3; }")
            .arg(face.name(), face.darker(130).name(), content::kTextOnFixedBackground.name()));
    button->installEventFilter(new ReturnPressesButton(button));
    return button;
}

} // namespace

void KorvalaWindow::buildControls() {
    label1_[0] = makeLabel(this, 0, layout::kTitle, content::title());
    label1_[1] = makeLabel(this, 1, layout::kGivenCaption, content::givenCaption());

    list1_ = new QListWidget(this);
    list1_->setObjectName(QStringLiteral("List1(0)"));
    list1_->setGeometry(layout::kProblemList.pixels());
    list1_->setSelectionMode(QAbstractItemView::SingleSelection);
    list1_->setSortingEnabled(false);
    list1_->setAccessibleName(content::problemListName());
    for (std::size_t position = 0; position < calc::kProblemTypeCount; ++position) {
        list1_->addItem(toQString(calc::listEntryOf(static_cast<calc::ProblemType>(position))));
    }

    frame1_ = new QGroupBox(content::frameCaption(), this);
    frame1_->setObjectName(QStringLiteral("Frame1"));
    frame1_->setGeometry(layout::kFrame.pixels());
    fillBackground(*frame1_, content::kWindowBackground);

    for (std::size_t row = 0; row < calc::kQuantityCount; ++row) {
        const calc::Quantity quantity = calc::kQuantities.at(row);
        auto* check = new QCheckBox(toQString(calc::letterOf(quantity)), frame1_);
        check->setObjectName(indexed("Check1", row));
        check->setGeometry(layout::checkBoxRow(static_cast<int>(row)).pixels());
        check->setEnabled(false);
        check->setAccessibleName(content::checkBoxName(row));
        fillBackground(*check, content::kCheckBoxBackground);
        check1_.at(row) = check;

        auto* box = new QLineEdit(frame1_);
        box->setObjectName(indexed("Text2", row));
        box->setGeometry(layout::valueBoxRow(static_cast<int>(row)).pixels());
        box->setReadOnly(true);
        box->setAccessibleName(content::valueBoxName(row));
        text2_.at(row) = box;
    }

    command1_[0] = makeButton(this, 0, layout::kCalculateButton, content::calculateText(),
                              content::kCalculateFace);
    command1_[1] =
        makeButton(this, 1, layout::kClearButton, content::clearText(), content::kClearFace);

    picture1_ = new QLabel(this);
    picture1_->setObjectName(QStringLiteral("Picture1"));
    picture1_->setGeometry(layout::kPicture.pixels());
    picture1_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picture1_->setLineWidth(layout::kPictureBorder);
    picture1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture1_->setPixmap(QPixmap(QStringLiteral(":/korvala/cylinder.png")));
    picture1_->setFocusPolicy(Qt::StrongFocus);
    picture1_->setAccessibleName(content::pictureName());

    text1_ = new QPlainTextEdit(this);
    text1_->setObjectName(QStringLiteral("Text1(0)"));
    text1_->setGeometry(layout::kStatement.pixels());
    text1_->setReadOnly(true);
    text1_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text1_->setTabChangesFocus(true);
    text1_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text1_->setPlainText(content::taskStatementForDisplay());
    text1_->setAccessibleName(content::statementName());

    // Tab order: the statement, the value rows (check boxes are disabled and passed over),
    // the list, the two buttons, the drawing. Labels and the frame never take the focus.
    QWidget* previous = text1_;
    for (std::size_t row = 0; row < calc::kQuantityCount; ++row) {
        setTabOrder(previous, check1_.at(row));
        setTabOrder(check1_.at(row), text2_.at(row));
        previous = text2_.at(row);
    }
    setTabOrder(previous, list1_);
    setTabOrder(list1_, command1_[0]);
    setTabOrder(command1_[0], command1_[1]);
    setTabOrder(command1_[1], picture1_);
    text1_->setFocus();
}

void KorvalaWindow::connectEvents() {
    connect(list1_, &QListWidget::currentRowChanged, this, [this] { List1_Click(0); });
    // The list always keeps its entry selected: Ctrl+click or Ctrl+Space on it would otherwise
    // leave the list without one.
    connect(list1_, &QListWidget::itemSelectionChanged, this, [this] {
        if (list1_->selectedItems().isEmpty() && list1_->currentItem() != nullptr) {
            list1_->currentItem()->setSelected(true);
        }
    });
    for (std::size_t index = 0; index < command1_.size(); ++index) {
        connect(command1_.at(index), &QPushButton::clicked, this,
                [this, index] { Command1_Click(static_cast<int>(index)); });
    }
    for (QLineEdit* box : text2_) {
        // Return or Enter in a value box calculates, as the calculate button does.
        connect(box, &QLineEdit::returnPressed, this, [this] { Command1_Click(0); });
        // The full value no longer describes a box the user has edited.
        connect(box, &QLineEdit::textEdited, box, [box] { box->setToolTip(QString()); });
    }
}

} // namespace korvala::ui
