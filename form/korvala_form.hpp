// The window's behaviour, one operation for each thing the user does: start-up, a pair chosen
// in the list, "Изчисли" or "Изчисти" pressed, a value edited, Return pressed. It acts on the
// controls through FormControls only and keeps no state of its own. A run-time error of the
// calculation is presented and changes nothing; the user can correct a value and press again.
// Nothing here throws but std::bad_alloc.
#pragma once

#include "form/control_table.hpp"
#include "form/form_controls.hpp"
#include "runtime/number_settings.hpp"

#include <cstddef>
#include <functional>

namespace korvala::form {

class KorvalaForm {
public:
    // numberSettings is asked at every calculation, so that a change of the regional settings
    // while the program runs is followed (a window hands it runtime::usersSettingsInUse()).
    KorvalaForm(FormControls& controls, std::function<runtime::NumberSettings()> numberSettings);

    // Start-up: empties the values, limits the boxes to seven characters and selects "R H",
    // as if the user had chosen it.
    void start();
    // The user chose an entry of the list (or the list lost its selection).
    void problemTypeChosen();
    // Reads the controls, calculates, and writes the five values (or presents the error).
    void calculatePressed();
    // Empties the five value boxes and nothing else.
    void clearPressed();
    // The user edited the text of Text2(row): what it offered no longer describes it.
    void valueEdited(std::size_t row);
    // Return or Enter was pressed while `focused` had the focus: in a value box it calculates, on
    // a button it presses that button; elsewhere it does nothing.
    void returnPressed(const ControlName& focused);

private:
    FormControls& controls_;
    std::function<runtime::NumberSettings()> numberSettings_;
};

} // namespace korvala::form
