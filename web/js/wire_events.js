// Hands the user's actions to the core by name; what they do is the form's to decide. Changes
// the program makes raise none of these events (a list's change event follows the user only).
function wireEvents(realised) {
  realised.arrays.List1.forEach((list, index) => {
    list.addEventListener('change', () => Module._korvala_list_click(index));
  });
  realised.arrays.Command1.forEach((button, index) => {
    button.addEventListener('click', () => Module._korvala_button_click(index));
  });
  realised.arrays.Text2.forEach((box, row) => {
    box.addEventListener('input', () => Module._korvala_value_edited(row));
  });
  // The form decides what Return does where; the browser's own reaction (a focused button's
  // click) would come on top of it.
  realised.window.addEventListener('keydown', (event) => {
    if (event.key !== 'Enter' || event.isComposing || event.altKey || event.ctrlKey ||
        event.metaKey) {
      return;
    }
    event.preventDefault();
    Module._korvala_return_pressed(realised.byPosition.indexOf(document.activeElement));
  });
}
