#include "win/korvala_window.hpp"

#include "calc/problem_type.hpp"
#include "form/content.hpp"
#include "form/layout.hpp"
#include "form/words.hpp"
#include "runtime/regional_settings.hpp"
#include "win/colour_ref.hpp"
#include "win/control_ids.hpp"
#include "win/dpi.hpp"
#include "win/drawing.hpp"
#include "win/picture_box.hpp"
#include "win/wide_text.hpp"

#include <commctrl.h>
#include <string>

namespace korvala::win {

namespace {

namespace content = form::content;
namespace layout = form::layout;

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
      labelBrush_(brushOf(content::kLabelBackground)),
      checkBoxBrush_(brushOf(content::kCheckBoxBackground)),
      buttonBrushes_{brushOf(content::kCalculateFace), brushOf(content::kClearFace)},
      form_(*this, runtime::userNumberSettings) {
    registerWindowClass(instance, windowProcedure);
    registerPictureBoxClass(instance);
    const std::wstring caption = toWide(content::caption());
    CreateWindowExW(0, kWindowClass, caption.c_str(), kWindowStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, this);
    if (window_ == nullptr) {
        return;
    }
    dpi_ = dpiOf(window_);
    drawing_ = decodeDrawing(instance);
    createControls();
    createTooltips();
    applyFont();
    placeControls();
    form_.Form_Load();
}

KorvalaWindow::~KorvalaWindow() {
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
    for (const HBRUSH brush :
         {windowBrush_, labelBrush_, checkBoxBrush_, buttonBrushes_[0], buttonBrushes_[1]}) {
        DeleteObject(brush);
    }
    if (font_ != nullptr) {
        DeleteObject(font_);
    }
    if (drawing_ != nullptr) {
        DeleteObject(drawing_);
    }
}

void KorvalaWindow::show(int showCommand) {
    const layout::PixelRect client = layout::kClientArea.pixelsAt(static_cast<int>(dpi_));
    const SIZE size = windowSizeFor({client.width, client.height}, kWindowStyle, 0, dpi_);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& work = monitor.rcWork;
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

// Creation order is the focus order (the statement, the value rows, the list, the two buttons,
// the drawing) and, for controls that overlap, the drawing order: the frame comes after its
// rows so that it is drawn beneath them.
void KorvalaWindow::createControls() {
    statement_ =
        createControl(L"EDIT", toWide(content::taskStatement()).c_str(),
                      WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL,
                      WS_EX_CLIENTEDGE, control_id::kStatement);
    SetWindowSubclass(statement_, tabLeavesStatement, 0, 0);
    for (std::size_t row = 0; row < calc::kQuantityCount; ++row) {
        const int offset = static_cast<int>(row);
        const std::wstring letter = toWide(form::letterOf(calc::kQuantities.at(row)));
        givenChecks_.at(row) =
            createControl(L"BUTTON", letter.c_str(), WS_TABSTOP | WS_DISABLED | BS_CHECKBOX, 0,
                          control_id::kGivenCheck + offset);
        valueBoxes_.at(row) = createControl(L"EDIT", L"", WS_TABSTOP | ES_AUTOHSCROLL | ES_READONLY,
                                            WS_EX_CLIENTEDGE, control_id::kValueBox + offset);
    }
    problemList_ =
        createControl(L"LISTBOX", L"", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                      WS_EX_CLIENTEDGE, control_id::kProblemList);
    for (std::size_t position = 0; position < calc::kProblemTypeCount; ++position) {
        const std::wstring entry =
            toWide(form::listEntryOf(static_cast<calc::ProblemType>(position)));
        SendMessageW(problemList_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    }
    buttons_[0] = createControl(L"BUTTON", toWide(content::kCalculateText).c_str(),
                                WS_TABSTOP | BS_OWNERDRAW, 0, control_id::kButton);
    buttons_[1] = createControl(L"BUTTON", toWide(content::kClearText).c_str(),
                                WS_TABSTOP | BS_OWNERDRAW, 0, control_id::kButton + 1);
    picture_ =
        createControl(kPictureBoxClass, L"", WS_TABSTOP, WS_EX_CLIENTEDGE, control_id::kPicture);
    setPictureBoxBitmap(picture_, drawing_);

    labels_[0] =
        createControl(L"STATIC", toWide(content::kTitle).c_str(), SS_CENTER, 0, control_id::kTitle);
    labels_[1] = createControl(L"STATIC", toWide(content::kGivenCaption).c_str(), SS_CENTER, 0,
                               control_id::kGivenCaption);
    valueFrame_ = createControl(L"BUTTON", toWide(content::kFrameCaption).c_str(),
                                BS_GROUPBOX | WS_CLIPSIBLINGS, 0, control_id::kFrame);
    SetFocus(statement_);
}

// Each value box offers its full value as a tooltip while the pointer rests on it.
void KorvalaWindow::createTooltips() {
    tooltips_ =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                        WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr, instance_, nullptr);
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

void KorvalaWindow::placeControls() {
    place(labels_[0], layout::kTitle, dpi_);
    place(labels_[1], layout::kGivenCaption, dpi_);
    place(problemList_, layout::kProblemList, dpi_);
    place(valueFrame_, layout::kFrame, dpi_);
    for (std::size_t row = 0; row < calc::kQuantityCount; ++row) {
        place(givenChecks_.at(row), layout::inFrame(layout::checkBoxRow(static_cast<int>(row))),
              dpi_);
        place(valueBoxes_.at(row), layout::inFrame(layout::valueBoxRow(static_cast<int>(row))),
              dpi_);
    }
    place(buttons_[0], layout::kCalculateButton, dpi_);
    place(buttons_[1], layout::kClearButton, dpi_);
    place(picture_, layout::kPicture, dpi_);
    place(statement_, layout::kStatement, dpi_);
}

std::string KorvalaWindow::valueText(std::size_t row) const {
    return toUtf8(windowText(valueBoxes_.at(row)));
}

// The edit control limits typing only; an assigned text is cut to the limit here.
void KorvalaWindow::setValueText(std::size_t row, std::string_view text,
                                 std::string_view fullValue) {
    HWND box = valueBoxes_.at(row);
    const auto limit = static_cast<std::size_t>(SendMessageW(box, EM_GETLIMITTEXT, 0, 0));
    const std::wstring wide = toWide(text);
    const std::wstring shown(firstCharacters(wide, limit));
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
    return selected == LB_ERR ? -1 : selected;
}

// A program's selection raises no notification in the list box, so the click event is
// delivered here, as a user's selection delivers it.
void KorvalaWindow::setListIndex(int position) {
    if (position == listIndex()) {
        return;
    }
    SendMessageW(problemList_, LB_SETCURSEL, static_cast<WPARAM>(position), 0);
    form_.List1_Click(0);
}

// A message box owned by the window, which is disabled until the box is closed.
void KorvalaWindow::presentError(int number, std::string_view text) {
    const std::wstring message = toWide(content::runTimeErrorMessage(number, text));
    const std::wstring caption = toWide(content::caption());
    MessageBoxW(window_, message.c_str(), caption.c_str(), MB_OK | MB_ICONERROR);
}

} // namespace korvala::win
