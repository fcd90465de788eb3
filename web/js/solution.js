// The solution beside the window: the working's lines in the region "Решение", and "Копирай
// решението", which copies the given pair's line and the working as plain text (or shows them
// selected, as "Сподели" shows its link). The region is no live region: the status region reads
// the values out already.
import { copyOrShow } from './hand_over.js';

export function createSolutionView(region, say, copiedText) {
  const list = region.querySelector('ol');
  const field = region.querySelector('textarea');
  let text = '';
  region
    .querySelector('button')
    .addEventListener('click', () => copyOrShow(text, field, say, copiedText));
  return {
    show(answer) {
      list.replaceChildren(
        ...answer.working.map((line) => {
          const item = document.createElement('li');
          item.textContent = line;
          return item;
        }),
      );
      text = answer.solution;
      field.hidden = true;
      region.hidden = false;
    },
    clear() {
      list.replaceChildren();
      text = '';
      field.hidden = true;
      region.hidden = true;
    },
  };
}
