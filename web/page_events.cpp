// The page's entry points: the script asks for the window's description, builds the controls,
// starts the form, and from then on hands every event the user raises to the form by name.
#include "form/control_table.hpp"
#include "form/korvala_form.hpp"
#include "runtime/regional_settings.hpp"
#include "web/web_controls.hpp"
#include "web/window_description.hpp"

#include <emscripten.h>
#include <string>

namespace {

struct Window {
    korvala::web::WebControls controls;
    korvala::form::KorvalaForm form{controls, korvala::runtime::userNumberSettings};
};

Window& window() {
    static Window instance;
    return instance;
}

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE const char* korvala_window_description() {
    static const std::string description = korvala::web::pageDescriptionJson();
    return description.c_str();
}

// Once, after the script has built every control of the description.
EMSCRIPTEN_KEEPALIVE void korvala_form_load() {
    window().form.Form_Load();
}

EMSCRIPTEN_KEEPALIVE void korvala_list_click(int index) {
    window().form.List1_Click(index);
}

EMSCRIPTEN_KEEPALIVE void korvala_button_click(int index) {
    window().form.Command1_Click(index);
}

EMSCRIPTEN_KEEPALIVE void korvala_value_edited(int row) {
    window().form.Text2_Change(row);
}

// position: the focused control's place in the description's focus cycle, or -1 for none.
EMSCRIPTEN_KEEPALIVE void korvala_return_pressed(int position) {
    const auto cycle = korvala::form::focusCycle();
    if (position >= 0 && static_cast<std::size_t>(position) < cycle.size()) {
        window().form.ReturnPressed(cycle.at(static_cast<std::size_t>(position)));
    }
}

} // extern "C"
