// The compiled core, as emscripten's script around the page's defines it: the form's entry
// points and the conversion of texts to and from the core's memory. The only module that names
// emscripten's own globals.
export const core = {
  whenReady(start) {
    Module.onRuntimeInitialized = start;
  },
  description: () => JSON.parse(UTF8ToString(Module._korvala_window_description())),
  formLoad: () => Module._korvala_form_load(),
  listClick: (index) => Module._korvala_list_click(index),
  buttonClick: (index) => Module._korvala_button_click(index),
  valueEdited: (row) => Module._korvala_value_edited(row),
  // position: the focused control's place in the focus cycle, -1 for none.
  returnPressed: (position) => Module._korvala_return_pressed(position),
  text: (pointer) => UTF8ToString(pointer),
  textLength: (text) => lengthBytesUTF8(text),
  copyText: (text, buffer, size) => stringToUTF8(text, buffer, size),
};
