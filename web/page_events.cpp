// The page's entry points: the script finds the controls the build wrote, starts the form, and
// from then on hands every event the user raises to the form by name.
#include "form/control_table.hpp"
#include "form/korvala_form.hpp"
#include "runtime/regional_settings.hpp"
#include "web/console.hpp"
#include "web/web_controls.hpp"

#include <emscripten.h>

namespace {

struct Window {
    korvala::web::WebControls controls;
    korvala::form::KorvalaForm form{
        controls, korvala::runtime::usersSettingsInUse(korvala::web::writeToConsole)};
};

Window& window() {
    static Window instance;
    return instance;
}

} // namespace

extern "C" {

// Once, after the script has found the window's controls.
EMSCRIPTEN_KEEPALIVE void korvala_start() {
    window().form.start();
}

EMSCRIPTEN_KEEPALIVE void korvala_problem_type_chosen() {
    window().form.problemTypeChosen();
}

EMSCRIPTEN_KEEPALIVE void korvala_calculate_pressed() {
    window().form.calculatePressed();
}

EMSCRIPTEN_KEEPALIVE void korvala_clear_pressed() {
    window().form.clearPressed();
}

EMSCRIPTEN_KEEPALIVE void korvala_value_edited(int row) {
    window().form.valueEdited(static_cast<std::size_t>(row));
}

// The focused control by its array (a form::ControlArray) and index, as the window's description
// gives them; an array outside the window's, as for no focused control, does nothing.
EMSCRIPTEN_KEEPALIVE void korvala_return_pressed(int array, int index) {
    using korvala::form::ControlArray;
    if (array >= static_cast<int>(ControlArray::Text1) &&
        array <= static_cast<int>(ControlArray::Picture1)) {
        window().form.returnPressed({static_cast<ControlArray>(array), index});
    }
}

} // extern "C"
