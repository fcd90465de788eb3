// The window as it opens on a desktop (the wide layout): every control where the control table
// puts it, with its text, colours, role and accessible name; the page's landmarks; the state
// after start-up; the focus order, with the page's own control after the window's.
import assert from 'node:assert/strict';
import { before, test } from 'node:test';
import {
  control,
  desktop,
  examples,
  expectPairApplied,
  focusedName,
  listIndex,
  problemList,
  rows,
  servedPageAndBrowser,
} from './harness.mjs';

const served = servedPageAndBrowser();
let window;

before(async () => {
  window = await served.open(desktop);
});

const colour = (rgb) => `rgb(${rgb.join(', ')})`;
const roles = {
  statement: 'textbox',
  value: 'textbox',
  list: 'listbox',
  button: 'button',
  check: 'checkbox',
  frame: 'group',
  picture: 'img',
};

test('every control stands where the table puts it, at 96 dots per inch', async () => {
  const { page, description } = window;
  const placed = await page.evaluate(() => {
    const origin = document.getElementById('window').getBoundingClientRect();
    const frame = document.querySelector('[data-name="Frame1"]').getBoundingClientRect();
    return {
      window: { width: origin.width, height: origin.height },
      controls: [...document.querySelectorAll('#window [data-name]')].map((element) => {
        const rect = element.getBoundingClientRect();
        const inFrame = element.parentElement.dataset.name === 'Frame1';
        const container = inFrame ? frame : origin;
        return {
          name: element.dataset.name,
          rect: {
            left: rect.left - container.left,
            top: rect.top - container.top,
            width: rect.width,
            height: rect.height,
          },
        };
      }),
    };
  });
  assert.deepEqual(placed.window, {
    width: description.clientArea.width,
    height: description.clientArea.height,
  });
  assert.deepEqual(
    placed.controls.map((c) => c.name),
    description.controls.map((c) => c.name),
    "the controls in the table's order",
  );
  for (const [position, design] of description.controls.entries()) {
    assert.deepEqual(placed.controls[position].rect, design.rect, design.name);
  }
});

test("every control shows its text and colours, in the window's font", async () => {
  const { page, description } = window;
  assert.equal(await page.title(), description.caption);
  assert.equal(await page.evaluate(() => document.documentElement.lang), 'bg');
  const shown = await page.evaluate(() => {
    const style = (element) => getComputedStyle(element);
    return [...document.querySelectorAll('#window [data-name]')].map((element) => {
      const textOf = {
        statement: () => element.textContent,
        frame: () => element.querySelector('legend').textContent,
        check: () => element.querySelector('span').textContent,
        value: () => element.value,
        // Its entries are the list's content, checked below.
        list: () => '',
      };
      const kind = [...element.classList].find((name) => name in textOf);
      const letter = element.querySelector('span');
      return {
        text: kind ? textOf[kind]() : element.textContent,
        background: style(element).backgroundColor,
        colour: style(letter ?? element).color,
        font: style(element).fontFamily,
        size: style(element).fontSize,
      };
    });
  });
  const windowStyle = await page.evaluate(() => {
    const style = getComputedStyle(document.getElementById('window'));
    return { background: style.backgroundColor, font: style.fontFamily, size: style.fontSize };
  });
  assert.equal(windowStyle.background, colour(description.background));
  for (const [position, design] of description.controls.entries()) {
    const { text, background, colour: textColour, font, size } = shown[position];
    // A text box holds its line breaks as the browser does, one character each.
    assert.equal(
      text,
      design.kind === 'statement' ? design.text.replaceAll('\r\n', '\n') : design.text,
      `${design.name} text`,
    );
    if (design.background) {
      assert.equal(background, colour(design.background), `${design.name} background`);
    }
    if (design.textColour) {
      assert.equal(textColour, colour(design.textColour), `${design.name} text colour`);
    }
    assert.equal(font, `"${description.fontFamily}", serif`, `${design.name} font`);
    assert.equal(size, `${(description.fontPointSize * 96) / 72}px`, `${design.name} font size`);
  }
  const entries = await problemList(page).evaluate((list) =>
    [...list.querySelectorAll('[role="option"]')].map((option) => option.textContent),
  );
  assert.deepEqual(entries, description.listEntries);
  // Neither the list nor the statement shows all it holds at once: both scroll.
  for (const name of ['List1(0)', 'Text1(0)']) {
    assert.ok(
      await control(page, name).evaluate((box) => box.scrollHeight > box.clientHeight),
      `${name} scrolls`,
    );
  }
  const picture = await control(page, 'Picture1').evaluate((image) => ({
    width: image.naturalWidth,
    height: image.naturalHeight,
    border: getComputedStyle(image).borderTopWidth,
    style: getComputedStyle(image).borderTopStyle,
  }));
  assert.deepEqual(picture, {
    width:
      description.controls.find((c) => c.kind === 'picture').rect.width -
      2 * description.pictureBorder,
    height:
      description.controls.find((c) => c.kind === 'picture').rect.height -
      2 * description.pictureBorder,
    border: `${description.pictureBorder}px`,
    style: 'inset',
  });
});

test('assistive technology finds every control by its role and name', async () => {
  const { page, description } = window;
  for (const design of description.controls) {
    const found =
      design.kind === 'label'
        ? page.getByText(design.text, { exact: true })
        : page.getByRole(roles[design.kind], { name: design.accessibleName, exact: true });
    assert.equal(await found.count(), 1, `${design.name}: one ${roles[design.kind] ?? 'text'}`);
    assert.equal(
      await found.evaluate((element) => element.closest('[data-name]').dataset.name),
      design.name,
    );
  }
  const options = page.getByRole('listbox').getByRole('option');
  assert.deepEqual(await options.allTextContents(), description.listEntries);
  // The title is the page's one heading, the window stands in its main landmark.
  const heading = page.getByRole('heading', { level: 1 });
  assert.equal(await heading.evaluate((element) => element.dataset.name), 'Label1(0)');
  assert.equal(await page.getByRole('main').locator('#window').count(), 1);
  assert.match(await page.locator('meta[name="description"]').getAttribute('content'), /цилиндър/);
});

test('after start-up "R H" is applied, the boxes are empty and the statement has the focus', async () => {
  const { page, description, problems } = window;
  assert.equal(await listIndex(page), 0);
  await expectPairApplied(page, examples.worked[0]);
  assert.deepEqual(
    (await rows(page)).map((row) => [row.text, row.fullValue]),
    Array(5).fill(['', '']),
  );
  assert.equal(await focusedName(page), description.controls[description.firstFocus].name);
  assert.deepEqual(problems, []);
});

test("Tab visits the controls in the design's order and starts again; Shift+Tab goes back", async () => {
  const { page, description, problems } = window;
  const cycle = [
    ...description.controls.filter((c) => c.takesFocus).map((c) => c.name),
    'share',
    'practice-level',
    'new-problem',
    'new-worksheet',
  ];
  await control(page, cycle[0]).focus();
  const visited = [];
  for (let step = 0; step <= cycle.length; step += 1) {
    visited.push(await focusedName(page));
    await page.keyboard.press('Tab');
  }
  assert.deepEqual(visited, [...cycle, cycle[0]]);
  await control(page, cycle[0]).focus();
  const back = [];
  for (let step = 0; step <= cycle.length; step += 1) {
    await page.keyboard.press('Shift+Tab');
    back.push(await focusedName(page));
  }
  assert.deepEqual(back, [...[...cycle].reverse(), cycle[cycle.length - 1]]);
  assert.deepEqual(problems, []);
});
