// What the core asks of the page's controls (see web_controls.cpp): it reads and sets them here,
// and finds their state in them, as it would in a toolkit's widgets.
import { core } from './core.js';

export const controls = {
  attach({ valueBoxes, checks, problemList, errorDialog, answerView }) {
    Object.assign(this, { valueBoxes, checks, problemList, errorDialog, answerView });
  },
  valueLength(row) {
    return core.textLength(this.valueBoxes[row].value);
  },
  copyValue(row, buffer, size) {
    core.copyText(this.valueBoxes[row].value, buffer, size);
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
    return this.problemList.index();
  },
  setListIndex(position) {
    this.problemList.select(position);
  },
  presentError(title, text) {
    this.errorDialog.show(title, text);
  },
  // timesPi: for each value typed as a multiple of π the number before π, NaN for the others;
  // texts and working: a line each.
  showAnswer(type, values, timesPi, texts, announcement, working, solution) {
    this.answerView.show({
      type,
      values,
      timesPi: timesPi.map((number) => (Number.isNaN(number) ? null : number)),
      texts: texts.split('\n'),
      announcement,
      working: working.split('\n'),
      solution,
    });
  },
  clearAnswer() {
    this.answerView.clear();
  },
};
