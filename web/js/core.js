// The compiled core, as emscripten's script around the page's defines it: the form's entry
// points and the conversion of texts into the core's memory. The only module that names
// emscripten's own globals.
export const core = {
  whenReady(start) {
    Module.onRuntimeInitialized = start;
  },
  formLoad: () => Module._korvala_form_load(),
  listClick: (index) => Module._korvala_list_click(index),
  buttonClick: (index) => Module._korvala_button_click(index),
  valueEdited: (row) => Module._korvala_value_edited(row),
  // The focused control by its array and index, as the window's description gives them.
  returnPressed: (array, index) => Module._korvala_return_pressed(array, index),
  textLength: (text) => lengthBytesUTF8(text),
  copyText: (text, buffer, size) => stringToUTF8(text, buffer, size),
};
