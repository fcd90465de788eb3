// The compiled core, as emscripten's script around the page's defines it: the form's entry
// points and the conversion of texts into the core's memory. The only module that names
// emscripten's own globals.
export const core = {
  whenReady(start) {
    Module.onRuntimeInitialized = start;
  },
  start: () => Module._korvala_start(),
  problemTypeChosen: () => Module._korvala_problem_type_chosen(),
  calculatePressed: () => Module._korvala_calculate_pressed(),
  clearPressed: () => Module._korvala_clear_pressed(),
  valueEdited: (row) => Module._korvala_value_edited(row),
  // The focused control by its array and index, as the window's description gives them.
  returnPressed: (array, index) => Module._korvala_return_pressed(array, index),
  textLength: (text) => lengthBytesUTF8(text),
  copyText: (text, buffer, size) => stringToUTF8(text, buffer, size),
};
