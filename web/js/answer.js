// What the page shows of an answer beside the window: the one polite status region reads the
// computed values out, and the address becomes the answer's share link (without a new history
// entry); both go when the values are emptied. onChange: whatever was said of the old link.
import { fragmentOf } from './share_link.js';

const withoutFragment = () => `${location.pathname}${location.search}`;

export function createAnswerView(status, description, onChange) {
  return {
    show(type, values, announcement) {
      const fragment = fragmentOf(description.letters, description.pairs[type], values);
      history.replaceState(history.state, '', `#${fragment}`);
      status.textContent = announcement;
      onChange();
    },
    clear() {
      if (location.hash) {
        history.replaceState(history.state, '', withoutFragment());
      }
      status.textContent = '';
      onChange();
    },
  };
}
