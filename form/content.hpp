// The window's fixed texts, colours and font, as plain data that every face shows alike. Texts
// are UTF-8.
#pragma once

#include "runtime/run_time_error.hpp"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace korvala::form::content {

struct Rgb {
    int red;
    int green;
    int blue;

    friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

// Shown before "Korvala" in the caption.
inline constexpr std::string_view kPublisherAddress = "korvala.example";

[[nodiscard]] std::string caption();
inline constexpr std::string_view kTitle = "Korvala ";        // Label1(0), ends in one blank
inline constexpr std::string_view kGivenCaption = "Дадени:";  // Label1(1)
inline constexpr std::string_view kFrameCaption = "Размери";  // Frame1
inline constexpr std::string_view kCalculateText = "Изчисли"; // Command1(0)
inline constexpr std::string_view kClearText = "Изчисти";     // Command1(1)

// The task statement's eleven lines, without their line breaks.
[[nodiscard]] const std::array<std::string_view, 11>& statementLines();
// The statement as the window holds it: every line, the last one included, ends in CR LF.
[[nodiscard]] std::string taskStatement();

// Accessible names, for screen readers.
[[nodiscard]] std::string valueBoxName(std::size_t quantity); // "R – радиус на основата"
[[nodiscard]] std::string checkBoxName(std::size_t quantity);
inline constexpr std::string_view kProblemListName = "Дадени величини";
inline constexpr std::string_view kStatementName = "Условие на задачата";
inline constexpr std::string_view kPictureName = "Чертеж на цилиндър с означени R, H и D";

// The page's key that types π into a value box: a phone's decimal keypad has none.
inline constexpr std::string_view kPiKeyText = "π";
inline constexpr std::string_view kPiKeyName = "Въведи π";

// The page's confirmations, read out once "Сподели" or "Копирай решението" has copied.
inline constexpr std::string_view kLinkCopied = "Връзката е копирана";
inline constexpr std::string_view kSolutionCopied = "Решението е копирано";

// Between a value's exact form and its decimals where it is read out: "V = 5π/2, около 7,8539816".
inline constexpr std::string_view kApproximately = ", около ";

// A run-time error as the user meets it: titled with the caption, its number and its text.
struct ErrorMessage {
    std::string title;
    std::string text;

    friend bool operator==(const ErrorMessage&, const ErrorMessage&) = default;
};
[[nodiscard]] ErrorMessage runTimeErrorMessage(runtime::ErrorNumber number);
// The one button of that message, which closes it.
inline constexpr std::string_view kErrorDismissText = "OK";

inline constexpr Rgb kWindowBackground{192, 192, 255};
inline constexpr Rgb kLabelBackground{255, 192, 128};
inline constexpr Rgb kCheckBoxBackground{128, 128, 255};
inline constexpr Rgb kCalculateFace{0, 255, 0};
inline constexpr Rgb kClearFace{255, 0, 0};
// Text on the fixed colours above: dark enough for a contrast of at least 4.5:1 on each.
inline constexpr Rgb kTextOnFixedBackground{0, 0, 0};

inline constexpr std::string_view kFontFamily = "Times New Roman";
inline constexpr int kFontPointSize = 12;

} // namespace korvala::form::content
