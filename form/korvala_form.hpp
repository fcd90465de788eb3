// The window's behaviour, with the names it was designed with: start-up (Form_Load), the list's
// and the buttons' click events (List1_Click, Command1_Click) and the procedures they run
// (SelectProblemType, SolveCylinder, ClearValues), and the window's keyboard and editing rules
// (Text2_Change, ReturnPressed). It acts on the controls through FormControls only and keeps no
// state of its own. A run-time error of the calculation is presented and changes nothing; the
// user can correct a value and press again. Nothing here throws but std::bad_alloc.
#pragma once

#include "form/control_table.hpp"
#include "form/form_controls.hpp"
#include "runtime/number_settings.hpp"

#include <cstddef>
#include <functional>

namespace korvala::form {

// The control-array indices the faces pass with the events.
inline constexpr int kCalculateButton = 0; // Command1(0), "Изчисли"
inline constexpr int kClearButton = 1;     // Command1(1), "Изчисти"
inline constexpr int kProblemList = 0;     // List1(0)

// The number settings every window calculates with: the user's, read afresh at each call.
// Settings that cannot be used are told once on standard error (the page's is the browser's
// console).
[[nodiscard]] runtime::NumberSettings usersNumberSettings();

class KorvalaForm {
public:
    // numberSettings is asked at every calculation, so that a change of the regional settings
    // while the program runs is followed.
    KorvalaForm(FormControls& controls, std::function<runtime::NumberSettings()> numberSettings);
    // Calculates with usersNumberSettings().
    explicit KorvalaForm(FormControls& controls);

    // Start-up: empties the values, limits the boxes to seven characters, selects "R H" and runs
    // the list's click event for it.
    void Form_Load();
    // The user changed the list's selection; index is the list's control-array index.
    void List1_Click(int index);
    // A button was pressed: kCalculateButton calculates, kClearButton clears.
    void Command1_Click(int index);
    // The user edited the text of Text2(row): what it offered no longer describes it.
    void Text2_Change(std::size_t row);
    // Return or Enter was pressed while `focused` had the focus: in a value box it calculates, on
    // a button it presses that button; elsewhere it does nothing.
    void ReturnPressed(const ControlName& focused);

    // Empties and locks every value row, then checks and unlocks the selected pair.
    void SelectProblemType();
    // Reads the controls, calculates, and writes the five values (or presents the error).
    void SolveCylinder();
    // Empties the five value boxes and nothing else.
    void ClearValues();

private:
    FormControls& controls_;
    std::function<runtime::NumberSettings()> numberSettings_;
};

} // namespace korvala::form
