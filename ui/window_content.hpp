// The window's fixed texts and colours.
#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

namespace korvala::ui::content {

// Shown before "Korvala" in the caption.
inline constexpr const char* kPublisherAddress = "korvala.example";

[[nodiscard]] QString caption();
[[nodiscard]] QString title();         // Label1(0), ends in one blank
[[nodiscard]] QString givenCaption();  // Label1(1)
[[nodiscard]] QString frameCaption();  // Frame1
[[nodiscard]] QString calculateText(); // Command1(0)
[[nodiscard]] QString clearText();     // Command1(1)

// The task statement: eleven lines, each ending in CR LF.
[[nodiscard]] QString taskStatement();
// The same lines as the statement box shows them, one paragraph each, the last line's break
// included: an empty paragraph follows it.
[[nodiscard]] QString taskStatementForDisplay();

// Accessible names, for screen readers.
[[nodiscard]] QString valueBoxName(std::size_t quantity); // "R – радиус на основата"
[[nodiscard]] QString checkBoxName(std::size_t quantity);
[[nodiscard]] QString problemListName();
[[nodiscard]] QString statementName();
[[nodiscard]] QString pictureName();

// The message of a run-time error: its number and its text.
[[nodiscard]] QString runTimeErrorMessage(int number, const QString& text);

inline const QColor kWindowBackground{192, 192, 255};
inline const QColor kLabelBackground{255, 192, 128};
inline const QColor kCheckBoxBackground{128, 128, 255};
inline const QColor kCalculateFace{0, 255, 0};
inline const QColor kClearFace{255, 0, 0};
// Text on the fixed colours above: dark enough for a contrast of at least 4.5:1 on each.
inline const QColor kTextOnFixedBackground{0, 0, 0};

inline constexpr const char* kFontFamily = "Times New Roman";
inline constexpr int kFontPointSize = 12;

} // namespace korvala::ui::content
