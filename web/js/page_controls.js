// What the core asks of the page's controls (see web_controls.cpp): it reads and sets them
// here, and finds their state in them, as it would in a toolkit's widgets.
const korvalaPage = {
  attach(realised, errorDialog) {
    this.valueBoxes = realised.arrays.Text2;
    this.checks = realised.arrays.Check1;
    this.list = realised.arrays.List1[0];
    this.errorDialog = errorDialog;
  },
  valueLength(row) {
    return lengthBytesUTF8(this.valueBoxes[row].value);
  },
  copyValue(row, buffer, size) {
    stringToUTF8(this.valueBoxes[row].value, buffer, size);
  },
  setValue(row, text, fullValue) {
    const box = this.valueBoxes[row];
    box.value = text;
    if (fullValue) {
      box.title = fullValue;
    } else {
      box.removeAttribute('title');
    }
  },
  dropFullValue(row) {
    this.valueBoxes[row].removeAttribute('title');
  },
  setTypingLimit(row, characters) {
    this.valueBoxes[row].maxLength = characters;
  },
  setLocked(row, locked) {
    this.valueBoxes[row].readOnly = Boolean(locked);
  },
  isChecked(row) {
    return this.checks[row].checked ? 1 : 0;
  },
  setChecked(row, checked) {
    this.checks[row].checked = Boolean(checked);
  },
  setCheckEnabled(row, enabled) {
    this.checks[row].disabled = !enabled;
  },
  listIndex() {
    return this.list.selectedIndex;
  },
  setListIndex(position) {
    this.list.selectedIndex = position;
  },
  presentError(message) {
    this.errorDialog.show(message);
  },
};
