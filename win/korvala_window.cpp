#include "win/korvala_window.hpp"

#include "form/content.hpp"
#include "form/control_table.hpp"
#include "form/layout.hpp"
#include "runtime/regional_settings.hpp"
#include "win/colour_ref.hpp"
#include "win/control_ids.hpp"
#include "win/dpi.hpp"
#include "win/drawing.hpp"
#include "win/picture_box.hpp"
#include "win/wide_text.hpp"

#include <commctrl.h>
#include <cstdio>
#include <string>
#include <string_view>

namespace korvala::win {

namespace {

namespace content = form::content;
namespace layout = form::layout;

// Where a console is attached (a test's, a developer's), it shows a warning about regional
// settings that cannot be used; a window started from the desktop has nowhere to say it.
void writeToStandardError(std::string_view warning) {
    (void)std::fwrite(warning.data(), 1, warning.size(), stderr);
}

// Without WS_CLIPCHILDREN: the frame (a group box) leaves its inside to the window's background.
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;

HBRUSH brushOf(content::Rgb colour) {
    return CreateSolidBrush(toColorRef(colour));
}

void place(HWND control, const layout::TwipRect& twips, UINT dpi) {
    const layout::PixelRect pixels = twips.pixelsAt(static_cast<int>(dpi));
    SetWindowPos(control, nullptr, pixels.left, pixels.top, pixels.width, pixels.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

// Tab leaves the read-only statement, as it leaves every other control; the multi-line edit
// control would keep it.
LRESULT CALLBACK tabLeavesStatement(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR /*id*/, DWORD_PTR /*data*/) {
    const LRESULT result = DefSubclassProc(control, message, wParam, lParam);
    return message == WM_GETDLGCODE ? result & ~static_cast<LRESULT>(DLGC_WANTALLKEYS) : result;
}

RECT workAreaOf(HWND window) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    return monitor.rcWork;
}

HICON programIcon(HINSTANCE instance, int width, int height) {
    return static_cast<HICON>(
        LoadImageW(instance, L"IDI_ICON1", IMAGE_ICON, width, height, LR_SHARED));
}

void registerWindowClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon =
        programIcon(instance, GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON));
    windowClass.hIconSm =
        programIcon(instance, GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON));
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    windowClass.lpszClassName = kWindowClass;
    RegisterClassExW(&windowClass);
}

} // namespace

KorvalaWindow::KorvalaWindow(HINSTANCE instance)
    : instance_(instance), dpi_(kDefaultDpi), windowBrush_(brushOf(content::kWindowBackground)),
      form_(*this, runtime::usersSettingsInUse(writeToStandardError)) {
    for (std::size_t position = 0; position < form::kControlCount; ++position) {
        if (const auto& background = form::controlTable().at(position).background) {
            brushes_.at(position) = brushOf(*background);
        }
    }
}

tl::expected<std::unique_ptr<KorvalaWindow>, DWORD> KorvalaWindow::create(HINSTANCE instance) {
    std::unique_ptr<KorvalaWindow> window(new KorvalaWindow(instance));
    registerWindowClass(instance, windowProcedure);
    registerPictureBoxClass(instance);
    const std::wstring caption = toWide(content::caption());
    CreateWindowExW(0, kWindowClass, caption.c_str(), kWindowStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, window.get());
    if (window->window_ == nullptr) {
        return tl::unexpected(GetLastError());
    }
    window->dpi_ = dpiOf(window->window_);
    window->drawing_ = decodeDrawing(instance);
    window->createControls();
    window->createTooltips();
    window->applyFont();
    window->placeControls();
    window->form_.start();
    return window;
}

KorvalaWindow::~KorvalaWindow() {
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
    DeleteObject(windowBrush_);
    for (const HBRUSH brush : brushes_) {
        if (brush != nullptr) {
            DeleteObject(brush);
        }
    }
    if (font_ != nullptr) {
        DeleteObject(font_);
    }
    if (drawing_) {
        DeleteObject(*drawing_);
    }
}

void KorvalaWindow::show(int showCommand) {
    const layout::PixelRect client = layout::kClientArea.pixelsAt(static_cast<int>(dpi_));
    const SIZE size = windowSizeFor({client.width, client.height}, kWindowStyle, 0, dpi_);
    const RECT work = workAreaOf(window_);
    SetWindowPos(window_, nullptr, work.left + (work.right - work.left - size.cx) / 2,
                 work.top + (work.bottom - work.top - size.cy) / 2, size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
}

HWND KorvalaWindow::createControl(const wchar_t* windowClass, const wchar_t* text, DWORD style,
                                  DWORD extendedStyle, int id) {
    return CreateWindowExW(extendedStyle, windowClass, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0,
                           0, window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_,
                           nullptr);
}

// Creation order is the table's, which is the focus order; the frame then goes beneath every
// other control, so that it is drawn beneath the rows it holds.
void KorvalaWindow::createControls() {
    for (std::size_t position = 0; position < form::kControlCount; ++position) {
        controls_.at(position) = createControl(form::controlTable().at(position));
    }
    SetWindowPos(valueFrame_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetFocus(controlOf(form::firstFocus()));
}

HWND KorvalaWindow::createControl(const form::ControlDesign& design) {
    const std::wstring text = toWide(design.text);
    const int id = control_id::idOf(design.name);
    const auto row = static_cast<std::size_t>(design.name.index);
    switch (design.kind) {
    case form::ControlKind::StatementBox: {
        HWND statement =
            createControl(L"EDIT", text.c_str(),
                          WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL,
                          WS_EX_CLIENTEDGE, id);
        SetWindowSubclass(statement, tabLeavesStatement, 0, 0);
        return statement;
    }
    case form::ControlKind::Label:
        return createControl(L"STATIC", text.c_str(), SS_CENTER, 0, id);
    case form::ControlKind::Frame:
        valueFrame_ = createControl(L"BUTTON", text.c_str(), BS_GROUPBOX | WS_CLIPSIBLINGS, 0, id);
        return valueFrame_;
    case form::ControlKind::CheckBox:
        givenChecks_.at(row) =
            createControl(L"BUTTON", text.c_str(), WS_TABSTOP | WS_DISABLED | BS_CHECKBOX, 0, id);
        return givenChecks_.at(row);
    case form::ControlKind::ValueBox:
        valueBoxes_.at(row) = createControl(L"EDIT", L"", WS_TABSTOP | ES_AUTOHSCROLL | ES_READONLY,
                                            WS_EX_CLIENTEDGE, id);
        return valueBoxes_.at(row);
    case form::ControlKind::ListBox:
        problemList_ = createControl(L"LISTBOX", L"",
                                     WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                                     WS_EX_CLIENTEDGE, id);
        for (const std::string_view entry : form::listEntries()) {
            SendMessageW(problemList_, LB_ADDSTRING, 0,
                         reinterpret_cast<LPARAM>(toWide(entry).c_str()));
        }
        return problemList_;
    case form::ControlKind::Button:
        return createControl(L"BUTTON", text.c_str(), WS_TABSTOP | BS_OWNERDRAW, 0, id);
    case form::ControlKind::PictureBox: {
        HWND picture = createControl(kPictureBoxClass, L"", WS_TABSTOP, WS_EX_CLIENTEDGE, id);
        if (drawing_) {
            setPictureBoxBitmap(picture, *drawing_);
        }
        return picture;
    }
    }
    return nullptr;
}

HWND KorvalaWindow::controlOf(const form::ControlName& name) const {
    return controls_.at(form::positionOf(name).value());
}

std::optional<std::size_t> KorvalaWindow::positionOf(HWND control) const {
    for (std::size_t position = 0; position < form::kControlCount; ++position) {
        if (control != nullptr && controls_.at(position) == control) {
            return position;
        }
    }
    return std::nullopt;
}

// Each value box offers its full value, or the working that led to it, as a tooltip while the
// pointer rests on it. Only a tooltip with a maximum width breaks its text into lines, at the
// line breaks and, past the width of the screen, at a blank.
void KorvalaWindow::createTooltips() {
    tooltips_ =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                        WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr, instance_, nullptr);
    const RECT work = workAreaOf(window_);
    SendMessageW(tooltips_, TTM_SETMAXTIPWIDTH, 0, work.right - work.left);
    for (HWND box : valueBoxes_) {
        TTTOOLINFOW tool = toolOf(box, L"");
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        SendMessageW(tooltips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void KorvalaWindow::applyFont() {
    const HFONT previous = font_;
    LOGFONTW font{};
    font.lfHeight = -MulDiv(content::kFontPointSize, static_cast<int>(dpi_), 72);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = RUSSIAN_CHARSET;
    font.lfQuality = CLEARTYPE_QUALITY;
    font.lfPitchAndFamily = VARIABLE_PITCH | FF_ROMAN;
    const std::wstring family = toWide(content::kFontFamily);
    family.copy(font.lfFaceName, LF_FACESIZE - 1);
    font_ = CreateFontIndirectW(&font);
    for (HWND child = GetWindow(window_, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
    }
    if (previous != nullptr) {
        DeleteObject(previous);
    }
}

// Every control of the window is the window's child: the value rows are placed in the window's
// own coordinates.
void KorvalaWindow::placeControls() {
    for (std::size_t position = 0; position < form::kControlCount; ++position) {
        const form::ControlDesign& design = form::controlTable().at(position);
        place(controls_.at(position),
              design.container == form::Container::Frame ? layout::inFrame(design.rect)
                                                         : design.rect,
              dpi_);
    }
}

std::string KorvalaWindow::valueText(std::size_t row) const {
    return toUtf8(windowText(valueBoxes_.at(row)));
}

void KorvalaWindow::setValueText(std::size_t row, std::string_view text,
                                 std::string_view fullValue) {
    HWND box = valueBoxes_.at(row);
    const std::wstring shown = toWide(text);
    assigningText_ = true;
    SetWindowTextW(box, shown.c_str());
    assigningText_ = false;

    setTooltip(box, toWide(fullValue).c_str());
}

// The tooltip control's record of a value box's tool; the control copies the text.
TTTOOLINFOW KorvalaWindow::toolOf(HWND box, const wchar_t* text) const {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = window_;
    tool.uId = reinterpret_cast<UINT_PTR>(box);
    tool.hinst = instance_;
    tool.lpszText = const_cast<wchar_t*>(text);
    return tool;
}

// An empty text shows no tooltip.
void KorvalaWindow::setTooltip(HWND box, const wchar_t* text) {
    TTTOOLINFOW tool = toolOf(box, text);
    SendMessageW(tooltips_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void KorvalaWindow::dropFullValue(std::size_t row) {
    setTooltip(valueBoxes_.at(row), L"");
}

void KorvalaWindow::setTypingLimit(std::size_t row, std::size_t characters) {
    SendMessageW(valueBoxes_.at(row), EM_SETLIMITTEXT, characters, 0);
}

void KorvalaWindow::setLocked(std::size_t row, bool locked) {
    SendMessageW(valueBoxes_.at(row), EM_SETREADONLY, locked ? TRUE : FALSE, 0);
}

bool KorvalaWindow::isChecked(std::size_t row) const {
    return SendMessageW(givenChecks_.at(row), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void KorvalaWindow::setChecked(std::size_t row, bool checked) {
    SendMessageW(givenChecks_.at(row), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void KorvalaWindow::setCheckEnabled(std::size_t row, bool enabled) {
    EnableWindow(givenChecks_.at(row), enabled ? TRUE : FALSE);
}

int KorvalaWindow::listIndex() const {
    const auto selected = static_cast<int>(SendMessageW(problemList_, LB_GETCURSEL, 0, 0));
    return selected == LB_ERR ? form::kNoSelection : selected;
}

// A program's selection raises no notification in the list box.
void KorvalaWindow::setListIndex(int position) {
    SendMessageW(problemList_, LB_SETCURSEL, static_cast<WPARAM>(position), 0);
}

// A message box owned by the window, which is disabled until the box is closed.
void KorvalaWindow::presentError(const form::content::ErrorMessage& message) {
    const std::wstring text = toWide(message.text);
    const std::wstring title = toWide(message.title);
    MessageBoxW(window_, text.c_str(), title.c_str(), MB_OK | MB_ICONERROR);
}

} // namespace korvala::win
