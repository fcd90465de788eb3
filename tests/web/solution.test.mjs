// The solution beside the window: the working of every worked example, with the decimal point
// and the decimal comma; the region empties with the values and stays through a decline or an
// error; "Копирай решението" copies it as plain text, or shows it selected; the drawing to scale
// shows the answer's cylinder, however flat or thin, with its values as text.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import {
  button,
  chooseType,
  clipboardAccess,
  errorDialog,
  examples,
  focusedName,
  servedPageAndBrowser,
  typeValues,
  withoutClipboard,
} from './harness.mjs';

const served = servedPageAndBrowser();

const working = (page) => page.locator('#working li').allTextContents();
const solutionShown = (page) => page.getByRole('region', { name: 'Решение' }).isVisible();

async function calculate(page, example) {
  await chooseType(page, example.type);
  await typeValues(page, example.typed);
  await button(page, 0).click();
}

for (const { locale, decimal } of [
  { locale: 'en-US', decimal: '.' },
  { locale: 'bg-BG', decimal: ',' },
]) {
  test(`in ${locale} the solution shows the working of each worked example, with "${decimal}"`, async () => {
    const window = await served.open({ locale });
    const { page, problems } = window;
    for (const example of examples.worked) {
      await calculate(page, example);
      const lines = example.steps.map((line) => line.replaceAll('.', decimal));
      assert.deepEqual(await working(page), lines, example.entry);
    }
    assert.deepEqual(problems, []);
    await window.close();
  });
}

test('the solution stays through a decline and an error, and goes with the values', async () => {
  const window = await served.open({ locale: 'en-US' });
  const { page, problems } = window;
  const [example] = examples.worked;
  assert.equal(await solutionShown(page), false, 'nothing before a calculation');
  await calculate(page, example);
  await typeValues(page, ['0', '', '', '', '']);
  await button(page, 0).click();
  assert.deepEqual(await working(page), example.steps, 'after a decline');
  await typeValues(page, ['1E400', '', '', '', '']);
  await button(page, 0).click();
  await errorDialog(page).getByRole('button').click();
  assert.deepEqual(await working(page), example.steps, 'after an error');
  await button(page, 1).click();
  assert.equal(await solutionShown(page), false, 'cleared');
  assert.deepEqual(await working(page), []);
  await calculate(page, example);
  await chooseType(page, 1);
  assert.equal(await solutionShown(page), false, 'another pair');
  assert.deepEqual(problems, []);
  await window.close();
});

test('"Копирай решението" copies the given pair and the working as plain text', async () => {
  const window = await served.open({
    locale: 'bg-BG',
    permissions: clipboardAccess,
  });
  const { page, problems } = window;
  const example = examples.worked[2];
  await calculate(page, example);
  await page.getByRole('button', { name: 'Копирай решението' }).click();
  const copied = await page.evaluate(() => navigator.clipboard.readText());
  const lines = example.steps.map((line) => line.replaceAll('.', ','));
  assert.equal(copied, ['Дадени: R = 2; S = 10', ...lines].join('\n'));
  assert.equal(await page.locator('#status').textContent(), 'Решението е копирано');
  assert.deepEqual(problems, []);
  await window.close();
});

test('where the page may not write the clipboard, the solution is shown selected', async () => {
  const window = await served.open({ locale: 'en-US' });
  const { page, problems } = window;
  await withoutClipboard(window);
  const [example] = examples.worked;
  await calculate(page, example);
  await page.getByRole('button', { name: 'Копирай решението' }).click();
  const field = page.getByRole('textbox', { name: 'Решението като текст' });
  await field.waitFor();
  const shown = await field.evaluate((element) => ({
    focused: document.activeElement === element,
    selected: element.value.slice(element.selectionStart, element.selectionEnd),
  }));
  assert.deepEqual(shown, {
    focused: true,
    selected: ['Дадени: R = 1; H = 1', ...example.steps].join('\n'),
  });
  // In the Tab cycle with the share control, before the practice and the cycle's return to the
  // statement.
  await page.keyboard.press('Shift+Tab');
  assert.equal(await focusedName(page), 'copy-solution');
  await page.keyboard.press('Shift+Tab');
  assert.equal(await focusedName(page), 'share');
  for (let step = 0; step < 6; step += 1) {
    await page.keyboard.press('Tab');
  }
  assert.equal(await focusedName(page), 'Text1(0)');
  assert.deepEqual(problems, []);
  await window.close();
});

test('the drawing shows the cylinder to scale, however flat or thin, its values as text', async () => {
  const window = await served.open({ locale: 'en-US' });
  const { page, problems } = window;
  const drawing = page.getByRole('img', { name: 'Чертеж на цилиндъра в мащаб' });
  // R and H typed, and how many times H the section is wide.
  const cylinders = [
    [['1', '1', '', '', ''], 2],
    [['2', '.5', '', '', ''], 8],
    [['1000', '.001', '', '', ''], null],
    [['.001', '1000', '', '', ''], null],
  ];
  for (const [typed, across] of cylinders) {
    await chooseType(page, 0);
    await typeValues(page, typed);
    await button(page, 0).click();
    const section = await drawing.evaluate((svg) => {
      const [leftSide, rightSide] = svg.querySelectorAll('line');
      const box = svg.viewBox.baseVal;
      const number = (line, name) => line[name].baseVal.value;
      const parts = [...svg.querySelectorAll('g > *')].map((part) => part.getBBox());
      return {
        width: number(rightSide, 'x1') - number(leftSide, 'x1'),
        height: number(leftSide, 'y2') - number(leftSide, 'y1'),
        inside: parts.every(
          (part) =>
            part.x >= 0 &&
            part.y >= 0 &&
            part.x + part.width <= box.width &&
            part.y + part.height <= box.height,
        ),
      };
    });
    const where = typed.slice(0, 2).join(' ');
    assert.ok(section.width >= 4 && section.height >= 4, `${where}: visible`);
    assert.ok(section.inside, `${where}: inside its box`);
    if (across) {
      assert.ok(Math.abs(section.width / section.height - across) < 1e-9, `${where}: to scale`);
    }
  }
  const caption = await page.locator('#scale-drawing figcaption').textContent();
  assert.match(caption, /^R = 0\.0010000; H = 1,000\.0000000; D = 1,000\.0000000$/);
  assert.deepEqual(problems, []);
  await window.close();
});
