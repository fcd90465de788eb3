// A share link opened: the page selects its pair, types its two values as a user would (as far
// as the boxes' typing limit lets them) and presses "Изчисли". A fragment that names no
// calculation is ignored, and nothing of it is ever put into the page as markup.
import { readFragment, typedThroughLimit } from './share_link.js';

// given: the rows' texts, "" where not given.
export function calculateInWindow(type, given, windowControls, problemList) {
  problemList.choose(type);
  given.forEach((text, row) => {
    if (text !== '') {
      const box = windowControls.valueBoxes[row];
      box.value = typedThroughLimit(text, box.maxLength);
      box.dispatchEvent(new Event('input'));
    }
  });
  windowControls.calculate.click();
}

export function openLink(fragment, windowControls, problemList, description) {
  const link = readFragment(fragment, description.letters, description.pairs);
  if (!link) {
    return;
  }
  const given = windowControls.valueBoxes.map(() => '');
  // No destructuring in the loop's head: this emscripten's minifier drops it.
  for (const pair of link.given) {
    given[pair.row] = pair.text;
  }
  calculateInWindow(link.type, given, windowControls, problemList);
}
