// The window's behaviour, with the names it was designed with: start-up (Form_Load), the list's
// and the buttons' click events (List1_Click, Command1_Click) and the procedures they run
// (SelectProblemType, SolveCylinder, ClearValues). It acts on the controls through FormControls
// only and keeps no state of its own. A run-time error of the calculation is presented and
// changes nothing; the user can correct a value and press again. Nothing here throws but
// std::bad_alloc.
#pragma once

#include "form/form_controls.hpp"
#include "runtime/number_settings.hpp"

#include <functional>

namespace korvala::form {

class KorvalaForm {
public:
    // numberSettings is asked at every calculation, so that a change of the regional settings
    // while the program runs is followed.
    KorvalaForm(FormControls& controls, std::function<runtime::NumberSettings()> numberSettings);

    // Start-up: empties the values, limits the boxes to seven characters, selects "R H".
    void Form_Load();
    // The list's selection changed; index is the list's control-array index.
    void List1_Click(int index);
    // A button was pressed: 0 calculates, 1 clears.
    void Command1_Click(int index);

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
