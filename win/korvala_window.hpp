// The program's one window on the Win32 API: the problem-type list, five value rows, the two
// buttons, the drawing and the task statement, standard Windows controls placed from the
// window's description in twips and scaled to the monitor's resolution. What the window does
// is the form's (KorvalaForm); this face only realises its controls, paints their fixed colours
// and delivers their notifications to it.
#pragma once

#include "calc/quantity.hpp"
#include "form/control_table.hpp"
#include "form/form_controls.hpp"
#include "form/korvala_form.hpp"

#include <windows.h>

#include <array>
#include <commctrl.h>
#include <memory>
#include <optional>
#include <tl/expected.hpp>

namespace korvala::win {

inline constexpr const wchar_t* kWindowClass = L"KorvalaWindow";

class KorvalaWindow : private form::FormControls {
public:
    // Creates the window and its controls, hidden, and starts the form; or the system's error
    // code where the window could not be created. COM must be initialised (the drawing is
    // decoded through it). The form calculates with the user's settings.
    [[nodiscard]] static tl::expected<std::unique_ptr<KorvalaWindow>, DWORD>
    create(HINSTANCE instance);
    ~KorvalaWindow() override;
    KorvalaWindow(const KorvalaWindow&) = delete;
    KorvalaWindow& operator=(const KorvalaWindow&) = delete;
    KorvalaWindow(KorvalaWindow&&) = delete;
    KorvalaWindow& operator=(KorvalaWindow&&) = delete;

    // Centres the window on its monitor's work area and shows it.
    void show(int showCommand);
    // Null once the window is destroyed.
    [[nodiscard]] HWND handle() const { return window_; }

private:
    explicit KorvalaWindow(HINSTANCE instance);

    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void onCommand(int id, int notification, HWND control);
    void onReturnKey();
    LRESULT controlColours(HDC context, HWND control);
    void drawButton(const DRAWITEMSTRUCT& item) const;
    void onDpiChanged(UINT dpi, const RECT& suggested);

    void createControls();
    [[nodiscard]] HWND createControl(const form::ControlDesign& design);
    [[nodiscard]] HWND controlOf(const form::ControlName& name) const;
    // The control's position in the form's control table.
    [[nodiscard]] std::optional<std::size_t> positionOf(HWND control) const;
    void createTooltips();
    [[nodiscard]] TTTOOLINFOW toolOf(HWND box, const wchar_t* text) const;
    void setTooltip(HWND box, const wchar_t* text);
    void placeControls();
    void applyFont();
    [[nodiscard]] HWND createControl(const wchar_t* windowClass, const wchar_t* text, DWORD style,
                                     DWORD extendedStyle, int id);

    [[nodiscard]] std::string valueText(std::size_t row) const override;
    void setValueText(std::size_t row, std::string_view text, std::string_view fullValue) override;
    void dropFullValue(std::size_t row) override;
    void setTypingLimit(std::size_t row, std::size_t characters) override;
    void setLocked(std::size_t row, bool locked) override;
    [[nodiscard]] bool isChecked(std::size_t row) const override;
    void setChecked(std::size_t row, bool checked) override;
    void setCheckEnabled(std::size_t row, bool enabled) override;
    [[nodiscard]] int listIndex() const override;
    void setListIndex(int position) override;
    void presentError(const form::content::ErrorMessage& message) override;

    HINSTANCE instance_;
    HWND window_ = nullptr;
    // In the order of the form's control table.
    std::array<HWND, form::kControlCount> controls_{};
    HWND problemList_ = nullptr;
    HWND valueFrame_ = nullptr;
    std::array<HWND, calc::kQuantityCount> givenChecks_{};
    std::array<HWND, calc::kQuantityCount> valueBoxes_{};
    HWND tooltips_ = nullptr;

    UINT dpi_;
    HFONT font_ = nullptr;
    std::optional<HBITMAP> drawing_;
    HBRUSH windowBrush_;
    // Each control's fixed background, in the order of the control table; none where the
    // control keeps the system's colours.
    std::array<HBRUSH, form::kControlCount> brushes_{};
    // Set while the program itself assigns a value box's text, so that the box's change
    // notification is told apart from the user's typing.
    bool assigningText_ = false;

    form::KorvalaForm form_;
};

} // namespace korvala::win
