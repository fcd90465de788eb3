// One problem to practise on, in the region "Упражнение": its statement, a box for each asked
// quantity (named as the window's boxes are, its unit after it, its mark beside it), the π key,
// "Провери" and "Покажи решението". A mark is said in words beside its box and by aria-invalid on
// it, and all the marks are read out at once in the status region; an edit takes its box's mark
// away. Enter in a box checks, as "Провери" does. A new problem takes the focus to its statement.
import { wirePiKey } from '../pi_key.js';
import { element } from './elements.js';
import { core } from './practice_core.js';
import { texts } from './texts.js';

const isPlainEnter = (event) =>
  event.key === 'Enter' && !event.isComposing && !event.altKey && !event.ctrlKey && !event.metaKey;

function unmark(row) {
  row.mark.textContent = '';
  row.box.removeAttribute('aria-invalid');
}

function answerRow(asked, index) {
  const box = element('input', {
    id: `answer-${index}`,
    class: 'answer',
    type: 'text',
    inputmode: 'decimal',
    autocomplete: 'off',
    autocapitalize: 'off',
    spellcheck: 'false',
    maxlength: '32',
    'aria-describedby': `answer-unit-${index} answer-mark-${index}`,
  });
  const row = {
    letter: asked.letter,
    box,
    mark: element('span', { id: `answer-mark-${index}`, class: 'mark' }),
  };
  row.element = element('p', { class: 'answer-row' }, [
    element('label', { for: box.id, text: asked.name }),
    box,
    element('span', { id: `answer-unit-${index}`, class: 'unit', text: asked.unit }),
    row.mark,
  ]);
  box.addEventListener('input', () => unmark(row));
  return row;
}

export function createExercise(place, host) {
  let problem = null;
  let rows = [];

  const check = () => {
    const said = [];
    rows.forEach((row, index) => {
      const typed = row.box.value.trim();
      const mark = typed === '' ? null : core.mark(problem, index, typed);
      if (!mark) {
        unmark(row);
        return;
      }
      row.mark.textContent = mark.text;
      row.box.setAttribute('aria-invalid', String(!mark.right));
      said.push(`${row.letter}: ${mark.text}`);
    });
    host.say(said.length > 0 ? said.join('; ') : texts.noAnswer);
  };

  const pose = (seed, level) => {
    problem = core.problem(seed, level, 0);
    rows = problem.asked.map(answerRow);
    const piKey = host.piKey.cloneNode(true);
    piKey.removeAttribute('id');
    const boxes = rows.map((row) => row.box);
    wirePiKey(piKey, boxes);
    for (const box of boxes) {
      box.addEventListener('keydown', (event) => {
        if (isPlainEnter(event)) {
          event.preventDefault();
          check();
        }
      });
    }
    const checkButton = element('button', { type: 'button', text: texts.check });
    checkButton.addEventListener('click', check);
    const solutionButton = element('button', { type: 'button', text: texts.showSolution });
    solutionButton.addEventListener('click', () => host.showInWindow(problem.type, problem.given));
    const statement = element('p', {
      id: 'problem-statement',
      tabindex: '-1',
      text: problem.statement,
    });
    place.replaceChildren(
      statement,
      ...rows.map((row) => row.element),
      element('p', { class: 'practice-keys' }, [piKey, checkButton, solutionButton]),
    );
    place.hidden = false;
    host.setProblemLink(problem.seed, problem.level);
    // Read out where it stands, and where a phone's reader scrolls to it; no keyboard opens.
    statement.focus();
  };

  return { pose };
}
