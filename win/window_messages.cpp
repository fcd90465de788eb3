// The window's messages: the controls' notifications delivered to the form, the fixed colours
// and the owner-drawn buttons painted, the resolution followed from monitor to monitor.
#include "form/content.hpp"
#include "form/control_table.hpp"
#include "form/korvala_form.hpp"
#include "win/colour_ref.hpp"
#include "win/control_ids.hpp"
#include "win/korvala_window.hpp"
#include "win/wide_text.hpp"

#include <new>
#include <optional>
#include <string>

namespace korvala::win {

namespace content = form::content;

LRESULT CALLBACK KorvalaWindow::windowProcedure(HWND window, UINT message, WPARAM wParam,
                                                LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<KorvalaWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<KorvalaWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    // Nothing may unwind through the system's code. The form throws only when memory runs out;
    // the event is then dropped and the controls keep what they held.
    try {
        return self->handleMessage(message, wParam, lParam);
    } catch (const std::bad_alloc&) {
        MessageBeep(MB_ICONERROR);
        return 0;
    }
}

LRESULT KorvalaWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        onCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return controlColours(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_DRAWITEM:
        drawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_ERASEBKGND: {
        RECT client{};
        GetClientRect(window_, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, windowBrush_);
        return 1;
    }
    case WM_DPICHANGED:
        onDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_CLOSE:
        DestroyWindow(window_);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY: {
        const LRESULT result = DefWindowProcW(window_, message, wParam, lParam);
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        window_ = nullptr;
        return result;
    }
    default:
        return DefWindowProcW(window_, message, wParam, lParam);
    }
}

void KorvalaWindow::onCommand(int id, int notification, HWND control) {
    if (id == IDOK && control == nullptr) {
        onReturnKey();
        return;
    }
    const std::optional<std::size_t> position = positionOf(control);
    if (!position) {
        return;
    }
    const form::ControlName& name = form::controlTable().at(*position).name;
    if (name == form::kProblemList && notification == LBN_SELCHANGE) {
        form_.problemTypeChosen();
    } else if (name == form::kCalculateButton && notification == BN_CLICKED) {
        form_.calculatePressed();
    } else if (name == form::kClearButton && notification == BN_CLICKED) {
        form_.clearPressed();
    } else if (name.array == form::ControlArray::Text2 && notification == EN_CHANGE &&
               !assigningText_) {
        form_.valueEdited(static_cast<std::size_t>(name.index));
    }
}

// The dialog keys turn Return and Enter into IDOK whatever has the focus; the form decides what
// they do there.
void KorvalaWindow::onReturnKey() {
    if (const auto position = positionOf(GetFocus())) {
        form_.returnPressed(form::controlTable().at(*position).name);
    }
}

// Controls with a fixed background are painted on it, their text in the table's colour;
// read-only boxes (locked value boxes, the statement) keep the look of boxes one can type in.
LRESULT KorvalaWindow::controlColours(HDC context, HWND control) {
    const auto position = positionOf(control);
    const form::ControlDesign* design = position ? &form::controlTable().at(*position) : nullptr;
    if (design == nullptr || !design->background || !design->textColour) {
        SetTextColor(context, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(context, GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    }
    SetTextColor(context, toColorRef(*design->textColour));
    SetBkColor(context, toColorRef(*design->background));
    return reinterpret_cast<LRESULT>(brushes_.at(*position));
}

// The buttons in their face colours, raised, sunk while pressed, with a focus rectangle.
void KorvalaWindow::drawButton(const DRAWITEMSTRUCT& item) const {
    const auto position = positionOf(item.hwndItem);
    if (!position || brushes_.at(*position) == nullptr) {
        return;
    }
    const form::ControlDesign& design = form::controlTable().at(*position);
    RECT face = item.rcItem;
    FillRect(item.hDC, &face, brushes_.at(*position));
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    DrawEdge(item.hDC, &face, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);

    const std::wstring text = windowText(item.hwndItem);
    RECT textArea = face;
    if (pressed) {
        OffsetRect(&textArea, 1, 1);
    }
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, toColorRef(design.textColour.value_or(content::kTextOnFixedBackground)));
    DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &textArea,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if ((item.itemState & ODS_FOCUS) != 0) {
        RECT focus = face;
        InflateRect(&focus, -4, -4);
        DrawFocusRect(item.hDC, &focus);
    }
}

// Moved to a monitor of another scale: the twip table and the font are scaled afresh, and the
// window takes the size the system suggests for it.
void KorvalaWindow::onDpiChanged(UINT dpi, const RECT& suggested) {
    dpi_ = dpi;
    applyFont();
    placeControls();
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(window_, nullptr, TRUE);
}

} // namespace korvala::win
