// The window driven as a user drives it: off screen, widgets found by their object names,
// keys typed and buttons clicked, one new window a test. A watchdog closes any modal dialog and
// fails the test, so a message box can never hang the suite.
#include "calc/problem_type.hpp"
#include "calc/quantity.hpp"
#include "form/content.hpp"
#include "form/control_table.hpp"
#include "form/layout.hpp"
#include "form/words.hpp"
#include "ui/korvala_window.hpp"
#include "ui/qt_conversion.hpp"
#include "ui/toolkit_texts.hpp"
#include "ui/window_placement.hpp"
#include "worked_examples.hpp"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <QToolTip>
#include <cmath>
#include <memory>
#include <string_view>
#include <vector>

using korvala::runtime::NumberSettings;
using korvala::ui::KorvalaWindow;
using korvala::ui::toQColor;
using korvala::ui::toQString;
using korvala::ui::WindowServices;

namespace {

namespace content = korvala::form::content;

constexpr int kRows = static_cast<int>(korvala::calc::kQuantityCount);

// The test whose window opens under a dark desktop colour scheme.
constexpr std::string_view kDarkSchemeTest = "readableOnADarkColourScheme";

// Everything the user can see change in the value rows and the list.
struct RowsState {
    QStringList texts;
    QStringList toolTips;
    QList<bool> checked;
    QList<bool> locked;
    QList<bool> enabled;
    int problemType = -1;

    bool operator==(const RowsState&) const = default;
};

// A dark scheme changes the system's colours: dark window, base and buttons, light text.
QPalette darkened(QPalette palette) {
    for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button}) {
        palette.setColor(role, QColor(40, 40, 40));
    }
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(role, QColor(235, 235, 235));
    }
    return palette;
}

QStringList toStringList(const korvala::test::Texts& texts) {
    QStringList list;
    for (const std::string& text : texts) {
        list << QString::fromStdString(text);
    }
    return list;
}

} // namespace

class KorvalaWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<KorvalaWindow> window_;
    NumberSettings settings_;
    std::vector<korvala::form::content::ErrorMessage> errors_;
    QTimer watchdog_;
    bool modalSeen_ = false;
    QPalette systemPalette_;

    [[nodiscard]] QLineEdit* box(int row) const {
        return window_->findChild<QLineEdit*>(QStringLiteral("Text2(%1)").arg(row));
    }
    [[nodiscard]] QCheckBox* check(int row) const {
        return window_->findChild<QCheckBox*>(QStringLiteral("Check1(%1)").arg(row));
    }
    [[nodiscard]] QPushButton* button(int index) const {
        return window_->findChild<QPushButton*>(QStringLiteral("Command1(%1)").arg(index));
    }
    [[nodiscard]] QListWidget* list() const {
        return window_->findChild<QListWidget*>(QStringLiteral("List1(0)"));
    }

    void choose(int problemType) {
        QListWidgetItem* item = list()->item(problemType);
        list()->scrollToItem(item);
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                          list()->visualItemRect(item).center());
    }
    void type(int row, const QString& text) {
        box(row)->setFocus();
        QTest::keyClicks(box(row), text);
    }
    void typeRows(const QStringList& typed) {
        for (int row = 0; row < kRows; ++row) {
            if (!typed[row].isEmpty()) {
                type(row, typed[row]);
            }
        }
    }
    void calculate() { QTest::mouseClick(button(0), Qt::LeftButton); }
    void clear() { QTest::mouseClick(button(1), Qt::LeftButton); }

    [[nodiscard]] RowsState state() const {
        RowsState rows;
        for (int row = 0; row < kRows; ++row) {
            rows.texts << box(row)->text();
            rows.toolTips << box(row)->toolTip();
            rows.checked << check(row)->isChecked();
            rows.locked << box(row)->isReadOnly();
            rows.enabled << check(row)->isEnabled();
        }
        rows.problemType = list()->currentRow();
        return rows;
    }
    [[nodiscard]] QStringList texts() const { return state().texts; }

    // The label Qt shows a tooltip in, while it is shown.
    [[nodiscard]] static QLabel* shownTip() {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == QStringLiteral("qtooltip_label") && widget->isVisible()) {
                return qobject_cast<QLabel*>(widget);
            }
        }
        return nullptr;
    }

    // The text a control shows, as the table gives it (the statement's line breaks as CR LF).
    static QString shownText(QWidget* control) {
        if (auto* label = qobject_cast<QLabel*>(control); label != nullptr) {
            return label->text();
        }
        if (auto* frame = qobject_cast<QGroupBox*>(control); frame != nullptr) {
            return frame->title();
        }
        if (auto* button = qobject_cast<QAbstractButton*>(control); button != nullptr) {
            return button->text();
        }
        if (auto* box = qobject_cast<QLineEdit*>(control); box != nullptr) {
            return box->text();
        }
        if (auto* statement = qobject_cast<QPlainTextEdit*>(control); statement != nullptr) {
            return statement->toPlainText().replace(QChar('\n'), QStringLiteral("\r\n"));
        }
        return {};
    }

private slots:
    void initTestCase() {
        const auto installed =
            korvala::ui::installBulgarianToolkitTexts(*QCoreApplication::instance());
        QVERIFY2(installed, qPrintable((installed ? QString() : installed.error()) +
                                       QStringLiteral(": tools/install-deps.sh test installs it")));
    }

    void init() {
        systemPalette_ = QApplication::palette();
        if (QTest::currentTestFunction() == kDarkSchemeTest) {
            QApplication::setPalette(darkened(systemPalette_));
        }
        settings_ = korvala::runtime::posixNumberSettings();
        errors_.clear();
        modalSeen_ = false;
        WindowServices services;
        services.numberSettings = [this] { return settings_; };
        services.presentError = [this](QWidget&,
                                       const korvala::form::content::ErrorMessage& message) {
            errors_.push_back(message);
        };
        window_ = std::make_unique<KorvalaWindow>(services);
        window_->show();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        connect(&watchdog_, &QTimer::timeout, this, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                modalSeen_ = true;
                modal->close();
            }
        });
        watchdog_.start(50);
    }

    void cleanup() {
        watchdog_.stop();
        watchdog_.disconnect();
        window_.reset();
        QApplication::setPalette(systemPalette_);
        QVERIFY2(!modalSeen_, "a modal dialog opened");
    }

    void startsWithRHSelectedAndOnlyRAndHEditable() {
        const RowsState rows = state();
        QCOMPARE(rows.problemType, 0);
        QCOMPARE(rows.texts, QStringList(kRows, QString()));
        QCOMPARE(rows.checked, (QList<bool>{true, true, false, false, false}));
        QCOMPARE(rows.locked, (QList<bool>{false, false, true, true, true}));
        QCOMPARE(rows.enabled, QList<bool>(kRows, false));
        for (int row = 0; row < kRows; ++row) {
            QCOMPARE(box(row)->maxLength(), 7);
        }
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Text1(0)"));
    }

    // The behaviour is the form's and tested there; here the user's clicks and keys must reach
    // it and its writes must reach the widgets.
    void userActionsReachTheForm() {
        const auto& example = korvala::test::workedExamples().at(1);
        choose(static_cast<int>(example.type));
        typeRows(toStringList(example.typed));
        calculate();
        RowsState rows = state();
        QCOMPARE(rows.problemType, static_cast<int>(example.type));
        QCOMPARE(rows.texts, toStringList(example.shown));
        QCOMPARE(rows.toolTips, toStringList(korvala::test::offeredAfter(example)));
        QCOMPARE(rows.checked, (QList<bool>{true, false, true, false, false}));
        QCOMPARE(rows.locked, (QList<bool>{false, true, false, true, true}));
        for (int row = 0; row < kRows; ++row) {
            QCOMPARE(box(row)->cursorPosition(), 0);
        }

        clear();
        QCOMPARE(texts(), QStringList(kRows, QString()));
        const auto& error = korvala::test::errorExamples().front();
        choose(static_cast<int>(error.type));
        typeRows(toStringList(error.typed));
        rows = state();
        calculate();
        QVERIFY(errors_ == std::vector{content::runTimeErrorMessage(error.error)});
        QCOMPARE(state(), rows);
    }

    void listAlwaysKeepsItsSelection() {
        type(0, "1");
        const RowsState before = state();
        const QRect first = list()->visualItemRect(list()->item(0));
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, Qt::ControlModifier, first.center());
        list()->setFocus();
        QTest::keyClick(list(), Qt::Key_Space, Qt::ControlModifier);
        QCOMPARE(list()->selectedItems().size(), 1);
        QCOMPARE(list()->currentRow(), 0);
        QCOMPARE(state(), before);
    }

    void returnAndKeypadEnterCalculate_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Return") << int(Qt::Key_Return) << int(Qt::NoModifier);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
    }

    void returnAndKeypadEnterCalculate() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        type(0, "1");
        type(1, "1");
        QTest::keyClick(box(1), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(box(4)->text(), QStringLiteral("3.14159"));
        // On a focused button they press it: "Изчисти" empties, "Изчисли" calculates again.
        button(1)->setFocus();
        QTest::keyClick(button(1), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(texts(), QStringList(kRows, QString()));
        type(0, "2");
        type(1, "1");
        button(0)->setFocus();
        QTest::keyClick(button(0), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(box(2)->text(), QStringLiteral("4.12310"));
    }

    void typingIsLimitedAndLockedBoxesRefuseIt() {
        type(0, "123456789");
        QCOMPARE(box(0)->text(), QStringLiteral("1234567"));
        box(0)->setText(QStringLiteral("2.2360680"));
        QCOMPARE(box(0)->text(), QStringLiteral("2.23606"));
        type(2, "5");
        QCOMPARE(box(2)->text(), QString());
        QTest::mouseClick(check(2), Qt::LeftButton);
        QTest::mouseClick(check(0), Qt::LeftButton);
        QCOMPARE(check(2)->isChecked(), false);
        QCOMPARE(check(0)->isChecked(), true);

        auto* statement = window_->findChild<QPlainTextEdit*>("Text1(0)");
        const QString before = statement->toPlainText();
        statement->setFocus();
        QTest::keyClicks(statement, "x");
        QTest::keyClick(statement, Qt::Key_Delete);
        QCOMPARE(statement->toPlainText(), before);
        QTest::keySequence(statement, QKeySequence::SelectAll);
        QCOMPARE(statement->textCursor().selectedText().size(), before.size());
    }

    // main() centres the window before it shows it; here the centring itself, on the fixture's.
    void centreOnScreenPutsTheFrameInTheMiddle() {
        korvala::ui::centreOnScreen(*window_);
        const QPoint screenCentre = window_->screen()->availableGeometry().center();
        QVERIFY((window_->frameGeometry().center() - screenCentre).manhattanLength() <= 1);
    }

    void editingAValueDropsItsFullTextTip() {
        type(0, "1");
        type(1, "1");
        calculate();
        QCOMPARE(box(0)->toolTip(), QStringLiteral("1.0000000"));
        box(0)->selectAll();
        type(0, "5");
        QCOMPARE(box(0)->toolTip(), QString());
        QCOMPARE(box(1)->toolTip(), QStringLiteral("1.0000000"));
    }

    // R of "D S" offers the line of T and its own: shown, the tip holds two lines, H's one.
    void workingTipShowsEachLineOnALineOfItsOwn() {
        const auto& example = korvala::test::workedExamples().at(7);
        choose(static_cast<int>(example.type));
        typeRows(toStringList(example.typed));
        calculate();
        const QStringList offered = toStringList(korvala::test::offeredAfter(example));
        QList<int> lines;
        for (const int row : {0, 1}) {
            QHelpEvent hover(QEvent::ToolTip, box(row)->rect().center(),
                             box(row)->mapToGlobal(box(row)->rect().center()));
            QApplication::sendEvent(box(row), &hover);
            QTRY_VERIFY(QToolTip::isVisible());
            QCOMPARE(QToolTip::text(), offered.at(row));
            const QLabel* tip = shownTip();
            QVERIFY(tip != nullptr);
            lines << qRound(double(tip->contentsRect().height() - 2 * tip->margin()) /
                            tip->fontMetrics().lineSpacing());
            QToolTip::hideText();
        }
        QCOMPARE(lines, (QList<int>{2, 1}));
    }

    void focusOrder() {
        QStringList expected;
        for (const korvala::form::ControlName& control : korvala::form::focusCycle()) {
            expected << QString::fromStdString(korvala::form::objectNameOf(control));
        }
        QCOMPARE(QApplication::focusWidget()->objectName(), expected.front());
        expected << expected.takeFirst();
        QStringList visited;
        for (int step = 0; step < expected.size(); ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, expected);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget()->objectName(), expected.at(expected.size() - 2));
    }

    // The window cannot be resized, offers no minimise or maximise, and its background is
    // painted in the table's colour whatever the desktop's style.
    void windowIsFixedAndPainted() {
        QCOMPARE(window_->minimumSize(), window_->maximumSize());
        const Qt::WindowFlags flags = window_->windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        const auto colourAt = [this](QPoint point) {
            return QColor(window_->grab().toImage().pixel(point));
        };
        QCOMPARE(colourAt({300, 224}), toQColor(content::kWindowBackground));
        QCOMPARE(colourAt({474, 100}), toQColor(content::kWindowBackground));
    }

    // Every control of the table stands where the table puts it, in its container, with its
    // text, accessible name, the window's font and its fixed colours.
    void controlsRealiseTheTable() {
        for (const korvala::form::ControlDesign& design : korvala::form::controlTable()) {
            const QString name = QString::fromStdString(design.objectName());
            auto* control = window_->findChild<QWidget*>(name);
            QVERIFY2(control != nullptr, qPrintable(name));
            const korvala::form::layout::PixelRect pixels = design.rect.pixels();
            QCOMPARE(control->geometry(),
                     QRect(pixels.left, pixels.top, pixels.width, pixels.height));
            QCOMPARE(control->parentWidget()->objectName(),
                     design.container == korvala::form::Container::Frame
                         ? QStringLiteral("Frame1")
                         : QStringLiteral("Korvala"));
            QCOMPARE(control->accessibleName(), QString::fromStdString(design.accessibleName));
            QCOMPARE(shownText(control), QString::fromStdString(design.text));
            QCOMPARE(control->font().family(), toQString(content::kFontFamily));
            if (design.background) {
                QCOMPARE(QColor(control->grab().toImage().pixel(control->width() - 3, 2)),
                         toQColor(*design.background));
            }
        }
    }

    void listAndStatementContent() {
        QStringList entries;
        for (int i = 0; i < list()->count(); ++i) {
            entries << list()->item(i)->text();
        }
        QStringList designed;
        for (const std::string_view entry : korvala::form::listEntries()) {
            designed << toQString(entry);
        }
        QCOMPARE(entries, designed);
        QVERIFY(list()->verticalScrollBar()->isVisible());

        auto* statement = window_->findChild<QPlainTextEdit*>("Text1(0)");
        QVERIFY(statement->isReadOnly());
        // Eleven lines, each with its line break: an empty line follows the last one.
        QCOMPARE(statement->document()->blockCount(), 12);
        QCOMPARE(statement->document()->lastBlock().text(), QString());
        QCOMPARE(statement->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    }

    // A dark desktop scheme changes the system's colours, not the fixed ones: the texts drawn
    // on fixed colours must stay dark.
    void readableOnADarkColourScheme() {
        const auto contrast = [](const QColor& a, const QColor& b) {
            const auto luminance = [](const QColor& c) {
                const auto channel = [](double v) {
                    return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
                };
                return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
                       0.0722 * channel(c.blueF());
            };
            const double high = std::max(luminance(a), luminance(b));
            const double low = std::min(luminance(a), luminance(b));
            return (high + 0.05) / (low + 0.05);
        };
        for (const korvala::form::ControlDesign& design : korvala::form::controlTable()) {
            if (!design.background) {
                continue;
            }
            auto* control =
                window_->findChild<QWidget*>(QString::fromStdString(design.objectName()));
            const QColor text = control->palette().color(
                QPalette::Active, qobject_cast<QPushButton*>(control) != nullptr
                                      ? QPalette::ButtonText
                                      : QPalette::WindowText);
            QVERIFY2(contrast(text, toQColor(*design.background)) >= 4.5,
                     qPrintable(control->objectName()));
        }
        // The value boxes follow the scheme: light text on its dark base.
        QCOMPARE(box(0)->palette().color(QPalette::Text),
                 darkened(systemPalette_).color(QPalette::Text));
    }

    void toolkitTextsAreBulgarian() {
        const std::unique_ptr<QMenu> menu(box(0)->createStandardContextMenu());
        QCOMPARE(menu->actions().front()->text().section(QChar('\t'), 0, 0),
                 QStringLiteral("&Отмяна"));
        QMessageBox message;
        message.setStandardButtons(QMessageBox::Ok);
        QCOMPARE(message.button(QMessageBox::Ok)->text(), QStringLiteral("Добре"));
    }

    void drawingFillsThePictureBox() {
        auto* picture = window_->findChild<QLabel*>("Picture1");
        const QPixmap drawing = picture->pixmap();
        const korvala::form::layout::PixelRect inside = korvala::form::layout::pictureDrawing();
        QCOMPARE(drawing.size(), QSize(inside.width, inside.height));
        QCOMPARE(picture->contentsRect(),
                 QRect(inside.left, inside.top, inside.width, inside.height));
    }

    // The box is read and closed at once, so that a failed comparison cannot leave it open.
    void errorMessageIsWindowModalAndShownAsItComes() {
        watchdog_.stop();
        QString title;
        QString text;
        Qt::WindowModality modality = Qt::NonModal;
        bool shown = false;
        QTimer::singleShot(0, this, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown = true;
                title = box->windowTitle();
                text = box->text();
                modality = box->windowModality();
                box->accept();
            }
        });
        const content::ErrorMessage message =
            content::runTimeErrorMessage(korvala::runtime::ErrorNumber::Overflow);
        korvala::ui::showErrorMessageBox(*window_, message);
        QVERIFY(shown);
        QCOMPARE(title, toQString(message.title));
        QCOMPARE(modality, Qt::WindowModal);
        QCOMPARE(text, toQString(message.text));
    }
};

QTEST_MAIN(KorvalaWindowTest)
#include "korvala_window_test.moc"
