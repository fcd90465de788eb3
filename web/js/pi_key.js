// The π key types π into the value box being edited, where the caret is, as far as the box's
// typing limit lets it, and leaves the focus (and a phone's keyboard) in the box: a phone's
// decimal keypad has no π. Pressed while no editable box has the focus, it types into the one
// that had it last, else into the first editable one.
export function wirePiKey(key, valueBoxes) {
  const editable = (box) => valueBoxes.includes(box) && !box.readOnly;
  let lastEdited = null;
  for (const box of valueBoxes) {
    box.addEventListener('focus', () => {
      lastEdited = box;
    });
  }
  // A press would move the focus to the key.
  key.addEventListener('pointerdown', (event) => event.preventDefault());
  key.addEventListener('mousedown', (event) => event.preventDefault());
  key.addEventListener('click', () => {
    const box = [document.activeElement, lastEdited, ...valueBoxes].find(editable);
    if (!box) {
      return;
    }
    box.focus();
    const start = box.selectionStart ?? box.value.length;
    const end = box.selectionEnd ?? start;
    const pi = key.textContent;
    if (box.maxLength >= 0 && box.value.length - (end - start) + pi.length > box.maxLength) {
      return;
    }
    box.setRangeText(pi, start, end, 'end');
    box.dispatchEvent(new Event('input', { bubbles: true }));
  });
}
