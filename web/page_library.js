// The calls the core makes into the page (web_controls.cpp declares them), each handed to the
// page's controls (js/controls.js); texts cross as NUL-terminated UTF-8. Emscripten links this
// file into its script as a library: each call is a plain function expression, the form its
// linker names.
mergeInto(LibraryManager.library, {
  korvala_value_length: function (row) {
    return Module.page.controls.valueLength(row);
  },
  korvala_copy_value: function (row, buffer, size) {
    Module.page.controls.copyValue(row, buffer, size);
  },
  korvala_set_value: function (row, text, fullValue) {
    Module.page.controls.setValue(row, UTF8ToString(text), UTF8ToString(fullValue));
  },
  korvala_drop_full_value: function (row) {
    Module.page.controls.dropFullValue(row);
  },
  korvala_set_typing_limit: function (row, characters) {
    Module.page.controls.setTypingLimit(row, characters);
  },
  korvala_set_locked: function (row, locked) {
    Module.page.controls.setLocked(row, locked);
  },
  korvala_is_checked: function (row) {
    return Module.page.controls.isChecked(row);
  },
  korvala_set_checked: function (row, checked) {
    Module.page.controls.setChecked(row, checked);
  },
  korvala_set_check_enabled: function (row, enabled) {
    Module.page.controls.setCheckEnabled(row, enabled);
  },
  korvala_list_index: function () {
    return Module.page.controls.listIndex();
  },
  korvala_set_list_index: function (position) {
    Module.page.controls.setListIndex(position);
  },
  korvala_present_error: function (title, text) {
    Module.page.controls.presentError(UTF8ToString(title), UTF8ToString(text));
  },
  // r to v: the values; piR to piV: the number a given value was typed as a multiple of π with,
  // NaN for the others; texts: the five seven-decimal texts, a line each; working: the steps, a
  // line each; solution: the plain text the page copies.
  korvala_show_answer: function (
    type,
    r,
    h,
    d,
    s,
    v,
    piR,
    piH,
    piD,
    piS,
    piV,
    texts,
    announcement,
    working,
    solution,
  ) {
    Module.page.controls.showAnswer(
      type,
      [r, h, d, s, v],
      [piR, piH, piD, piS, piV],
      UTF8ToString(texts),
      UTF8ToString(announcement),
      UTF8ToString(working),
      UTF8ToString(solution),
    );
  },
  korvala_clear_answer: function () {
    Module.page.controls.clearAnswer();
  },
});
