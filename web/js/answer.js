// What the page shows of an answer beside the window: the one polite status region reads the
// computed values out, the solution and the drawing to scale show it, and the address becomes
// the answer's share link (without a new history entry); all go when the values are emptied.
// onChange: whatever was said of the old link.
import { fragmentOf } from './share_link.js';

const withoutFragment = () => `${location.pathname}${location.search}`;

export function createAnswerView({ status, solution, drawing }, description, onChange) {
  return {
    show(answer) {
      const pair = description.pairs[answer.type];
      history.replaceState(
        history.state,
        '',
        `#${fragmentOf(description.letters, pair, answer.values, answer.timesPi)}`,
      );
      status.textContent = answer.announcement;
      solution.show(answer);
      drawing.show(answer);
      onChange();
    },
    clear() {
      if (location.hash) {
        history.replaceState(history.state, '', withoutFragment());
      }
      status.textContent = '';
      solution.clear();
      drawing.clear();
      onChange();
    },
  };
}
