// "Лист със задачи": the teacher chooses how many problems (1 to 20), the sheet's number (the
// seed of its first problem, the next ones following as korvala-calc --problems numbers them),
// the pairs given and, beside "Нова задача", the level; the sheet comes last beside the window, its
// problems numbered and then, on a page of its own when printed, the key "Отговори" with each
// problem's answers, exact and in decimals, and its working. While it is there the browser's
// print prints the sheet alone (practice.css). A value that cannot be is marked, said, and kept
// as typed.

import { kMostSeed, randomSeed, wholeNumber } from '../seeds.js';
import { element } from './elements.js';
import { core } from './practice_core.js';
import { texts } from './texts.js';

const kMostProblems = 20;

function field(id, label, value) {
  const box = element('input', {
    id,
    type: 'text',
    inputmode: 'numeric',
    autocomplete: 'off',
    value: String(value),
  });
  return {
    box,
    element: element('p', { class: 'sheet-field' }, [
      element('label', { for: id, text: label }),
      box,
    ]),
  };
}

function pairChoices(pairs, letters) {
  const checks = pairs.map((_pair, index) =>
    element('input', { type: 'checkbox', id: `sheet-pair-${index}`, checked: '' }),
  );
  const choices = element(
    'fieldset',
    { class: 'sheet-pairs' },
    [element('legend', { text: texts.sheetPairs })].concat(
      checks.map((check, index) =>
        element('label', { for: check.id }, [
          check,
          `${letters[pairs[index][0]]} ${letters[pairs[index][1]]}`,
        ]),
      ),
    ),
  );
  // A bit for each pair in the list's order.
  const chosen = () =>
    checks.reduce((bits, check, index) => (check.checked ? bits | (1 << index) : bits), 0);
  return { element: choices, chosen };
}

function keyEntry(problem) {
  return element('li', {}, [
    ...problem.answers.map((line) => element('p', { class: 'key-answer', text: line })),
    element('p', { class: 'key-given', text: problem.givenLine }),
    element(
      'ol',
      { class: 'key-working' },
      problem.working.map((line) => element('li', { text: line })),
    ),
  ]);
}

function sheetOf(problems, about) {
  const printButton = element('button', { type: 'button', text: texts.print });
  printButton.addEventListener('click', () => print());
  return element('section', { id: 'worksheet', 'aria-labelledby': 'worksheet-title' }, [
    element('h2', { id: 'worksheet-title', tabindex: '-1', text: texts.sheetTitle }),
    element('p', { class: 'sheet-about', text: about }),
    element(
      'ol',
      { class: 'sheet-problems' },
      problems.map((problem) => element('li', { text: problem.statement })),
    ),
    element('p', { class: 'sheet-buttons' }, [printButton]),
    element('section', { class: 'sheet-key', 'aria-labelledby': 'key-title' }, [
      element('h2', { id: 'key-title', text: texts.key }),
      element('ol', {}, problems.map(keyEntry)),
    ]),
  ]);
}

export function createWorksheet(place, host) {
  const count = field('sheet-count', texts.sheetCount, 10);
  const number = field('sheet-number', texts.sheetNumber, randomSeed());
  const pairs = pairChoices(host.pairs, host.letters);
  const make = element('button', { type: 'button', text: texts.makeSheet });
  place.replaceChildren(
    element('h3', { text: texts.sheetTitle }),
    count.element,
    number.element,
    pairs.element,
    make,
  );

  // Each value's fault marked on its box; the first fault said.
  const faults = () => {
    const checked = [
      {
        box: count.box,
        fault: wholeNumber(count.box.value, kMostProblems) >= 1 ? null : texts.badCount,
      },
      {
        box: number.box,
        fault: wholeNumber(number.box.value, kMostSeed) === null ? texts.badNumber : null,
      },
    ];
    for (const value of checked) {
      value.box.setAttribute('aria-invalid', String(value.fault !== null));
    }
    const first = checked.find((value) => value.fault !== null);
    return first ? first.fault : pairs.chosen() === 0 ? texts.noPairs : null;
  };

  make.addEventListener('click', () => {
    const fault = faults();
    if (fault) {
      host.say(fault);
      return;
    }
    const level = host.level();
    const seed = wholeNumber(number.box.value, kMostSeed);
    const problems = core.sheet(
      seed,
      wholeNumber(count.box.value, kMostProblems),
      level,
      pairs.chosen(),
    );
    const sheet = sheetOf(problems, texts.sheetAbout(level, seed));
    const old = document.getElementById('worksheet');
    if (old) {
      old.replaceWith(sheet);
    } else {
      host.sheetPlace.append(sheet);
    }
    document.documentElement.dataset.print = 'worksheet';
    sheet.querySelector('h2').focus();
    host.say(texts.sheetReady(problems.length));
  });

  return {
    open() {
      place.hidden = false;
      count.box.focus();
    },
  };
}
