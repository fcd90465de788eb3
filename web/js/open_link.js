// A share link opened: the page selects its pair, types its two values as a user would (as far
// as the boxes' typing limit lets them) and presses "Изчисли". A fragment that names no
// calculation is ignored, and nothing of it is ever put into the page as markup.
import { readFragment, typedThroughLimit } from './share_link.js';

export function openLink(fragment, windowControls, problemList, description) {
  const link = readFragment(fragment, description.letters, description.pairs);
  if (!link) {
    return;
  }
  problemList.choose(link.type);
  // No destructuring in the loop's head: this emscripten's minifier drops it.
  for (const given of link.given) {
    const box = windowControls.valueBoxes[given.row];
    box.value = typedThroughLimit(given.text, box.maxLength);
    box.dispatchEvent(new Event('input'));
  }
  windowControls.calculate.click();
}
