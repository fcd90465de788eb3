// Reading and driving the controls of a window that belongs to another process, the way a user
// or an assistive tool reaches them: messages the system carries across processes (WM_GETTEXT,
// key and click messages), and the common controls' own structures written into the other
// process's memory where a message takes a pointer.
#pragma once

#include <windows.h>

#include <string>

namespace korvala::drive {

[[nodiscard]] std::wstring textOf(HWND control);
[[nodiscard]] std::string utf8TextOf(HWND control);
[[nodiscard]] std::string listEntry(HWND list, int position);
[[nodiscard]] bool isReadOnly(HWND edit);

// Typed as key messages, so that the box's typing limit applies.
void type(HWND edit, std::wstring_view keys);
// Home, then Down as often as needed: each key moves the selection as a user's does.
void selectWithKeys(HWND list, int position);
// Posts the click and returns once the window has handled it or opened a modal box.
void click(HWND window, HWND button);
// A key press posted to the control, handled as if typed while it has the focus. Returns once
// it has been handled, told by a selection posted after it to the fence, an edit control whose
// selection nothing else depends on.
void pressKey(HWND fence, HWND control, WPARAM virtualKey);
// A click on the control, which gives it the focus; returns as pressKey() does.
void clickOn(HWND fence, HWND control);

enum class Visibility { Shown, Any };
// The first window of the class that the window owns, or nullptr.
[[nodiscard]] HWND ownedWindow(HWND owner, const wchar_t* windowClass,
                               Visibility visibility = Visibility::Shown);
// The text of the tooltip the control's tool shows.
[[nodiscard]] std::string tooltipText(HWND tooltips, HWND owner, HWND control);
// Rests the pointer on the middle of the control until the tooltip shows, then closes it; the
// height it was shown at, in pixels, or 0 when it did not show within five seconds.
[[nodiscard]] int shownTooltipHeight(HWND tooltips, HWND control);
// The control that has the keyboard focus in the window's thread.
[[nodiscard]] HWND focusedControl(HWND window);

} // namespace korvala::drive
