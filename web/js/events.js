// Hands the user's actions to the core by name; what they do is the form's to decide. Changes
// the program makes raise none of these events.
import { core } from './core.js';

export function wireEvents(windowControls, description) {
  windowControls.calculate.addEventListener('click', core.calculatePressed);
  windowControls.clear.addEventListener('click', core.clearPressed);
  windowControls.valueBoxes.forEach((box, row) => {
    box.addEventListener('input', () => core.valueEdited(row));
  });
  // The form decides what Return does where; the browser's own reaction (a focused button's
  // click) would come on top of it.
  windowControls.element.addEventListener('keydown', (event) => {
    if (
      event.key !== 'Enter' ||
      event.isComposing ||
      event.altKey ||
      event.ctrlKey ||
      event.metaKey
    ) {
      return;
    }
    event.preventDefault();
    const focused =
      description.focusCycle[windowControls.focusCycle.indexOf(document.activeElement)];
    if (focused) {
      core.returnPressed(focused.array, focused.index);
    }
  });
}
