// The page's two layouts. On a phone (narrow): one column in the order of the focus cycle from the
// value boxes on, every target at least 48 × 48 CSS px, all text at least 16 px, nothing to
// scroll sideways, the statement whole, all nine pairs in view, the worked examples by touch.
// Browser zoom enlarges the designed window and then reflows it; a tablet shows the designed
// window twice its size. The style sheet alone chooses: the page lays out the same without its
// script.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import {
  button,
  chooseType,
  desktop,
  examples,
  expectPairApplied,
  focusedName,
  fullValues,
  listIndex,
  listOption,
  phone,
  servedPageAndBrowser,
  texts,
  valueBox,
} from './harness.mjs';

const served = servedPageAndBrowser();

const finger = 48;
// The examples' values as a Bulgarian phone writes them.
const inBulgarian = (values) => values.map((value) => value.replaceAll('.', ','));
const smallestText = 16;

// What the user sees of the page: where each control and the page's own part stand, the sizes
// of what a finger must hit, the smallest text, and whether anything scrolls that should not.
function measure(page) {
  return page.evaluate(() => {
    const root = document.documentElement;
    const rectOf = (element) => {
      const { left, top, width, height } = element.getBoundingClientRect();
      return { left, top: top + window.scrollY, width, height };
    };
    const named = [...document.querySelectorAll('#window [data-name]')];
    const targets = [
      ...document.querySelectorAll(
        '#window input.value, #window [role="option"], #window button, #beside button',
      ),
    ].filter((element) => element.getClientRects().length > 0);
    const texts = [...document.querySelectorAll('#page *')].filter(
      (element) => element.childElementCount === 0 && element.textContent.trim() !== '',
    );
    const statement = document.querySelector('[data-name="Text1(0)"]');
    const list = document.querySelector('[data-name="List1(0)"]');
    return {
      controls: Object.fromEntries(named.map((element) => [element.dataset.name, rectOf(element)])),
      beside: rectOf(document.getElementById('beside')),
      window: rectOf(document.getElementById('window')),
      targets: targets.map((element) => ({
        name: element.dataset.name ?? element.textContent,
        ...rectOf(element),
      })),
      options: [...list.querySelectorAll('[role="option"]')].map(rectOf),
      smallestText: Math.min(
        ...texts.map((element) => parseFloat(getComputedStyle(element).fontSize)),
      ),
      scrollsSideways: root.scrollWidth > root.clientWidth,
      statementScrolls: statement.scrollHeight > statement.clientHeight,
      listScrolls: list.scrollHeight > list.clientHeight,
      viewport: { width: root.clientWidth, height: root.clientHeight },
    };
  });
}

function expectFingerSized(targets, where) {
  for (const target of targets) {
    assert.ok(
      target.width >= finger && target.height >= finger,
      `${where}: ${target.name} is ${target.width} × ${target.height}`,
    );
  }
}

test("on a phone the controls stand in one column in the focus cycle's order, large enough for a finger", async () => {
  for (const orientation of [phone.viewport, { width: 640, height: 360 }]) {
    const window = await served.open({ ...phone, viewport: orientation });
    const { page, problems } = window;
    const seen = await measure(page);
    const where = `${orientation.width} × ${orientation.height}`;
    const top = (name) => seen.controls[name].top;
    const column = [
      top('Label1(0)'),
      top('Frame1'),
      top('Label1(1)'),
      top('List1(0)'),
      top('Command1(0)'),
      top('Picture1'),
      seen.beside.top,
      top('Text1(0)'),
    ];
    assert.deepEqual(
      column,
      [...column].sort((a, b) => a - b),
      `${where}: the order on screen`,
    );
    assert.equal(top('Command1(0)'), top('Command1(1)'), `${where}: the buttons side by side`);
    expectFingerSized(seen.targets, where);
    assert.ok(seen.smallestText >= smallestText, `${where}: text of ${seen.smallestText} px`);
    assert.equal(seen.scrollsSideways, false, where);
    assert.equal(seen.statementScrolls, false, `${where}: the statement whole`);
    assert.equal(seen.listScrolls, false, `${where}: all nine pairs in view`);
    const rows = new Set(seen.options.map((option) => option.top));
    assert.equal(rows.size, 3, `${where}: the pairs three by three`);
    assert.ok(seen.controls['List1(0)'].height <= orientation.height, `${where}: the list fits`);
    // A sharp screen gets the drawing at twice its pixels.
    assert.match(
      await page.locator('[data-name="Picture1"]').evaluate((image) => image.currentSrc),
      /cylinder-2x\.png$/,
    );
    // The statement has the focus, yet the page opens at its top.
    assert.equal(await page.evaluate(() => window.scrollY), 0, where);
    assert.deepEqual(problems, []);
    await window.close();
  }
});

test('on a phone the worked examples work by touch, the full values in view', async () => {
  const window = await served.open(phone);
  const { page, problems } = window;
  for (const example of examples.worked) {
    await listOption(page, example.type).tap();
    await expectPairApplied(page, example);
    for (const [row, typed] of example.typed.entries()) {
      if (typed !== '') {
        await valueBox(page, row).tap();
        await page.keyboard.type(typed);
      }
    }
    await button(page, 0).tap();
    assert.deepEqual(await texts(page), inBulgarian(example.shown), example.entry);
    assert.deepEqual(await fullValues(page), inBulgarian(example.offered), example.entry);
    const computed = inBulgarian(example.texts).filter((_, row) => !example.given.includes(row));
    const status = page.getByRole('status');
    assert.ok(await status.isVisible(), example.entry);
    for (const value of computed) {
      assert.ok((await status.textContent()).includes(value), `${example.entry}: ${value} shown`);
    }
  }
  await button(page, 1).tap();
  assert.deepEqual(await texts(page), Array(5).fill(''));
  assert.deepEqual(problems, []);
  await window.close();
});

// The textbook's problem: the lateral surface 70π and the height 7.
test('on a phone the π key types π where the caret is, within the limit, the focus left in the box', async () => {
  const window = await served.open(phone);
  const { page, problems } = window;
  const key = page.getByRole('button', { name: 'Въведи π' });
  const size = await key.boundingBox();
  assert.ok(size.width >= finger && size.height >= finger, `${size.width} × ${size.height}`);
  await listOption(page, 5).tap();
  await valueBox(page, 1).tap();
  await page.keyboard.type('7');
  await valueBox(page, 3).tap();
  await page.keyboard.type('70');
  await key.tap();
  assert.equal(await focusedName(page), 'Text2(3)');
  await button(page, 0).tap();
  assert.deepEqual(await texts(page), ['5,00000', '7,00000', '12,2065', '70π', '549,778']);
  assert.match(await page.getByRole('status').textContent(), /V = 175π, около 549,7787144/);
  // Full, a box takes no π; a locked one takes none at all.
  await valueBox(page, 1).tap();
  await page.keyboard.press('Control+A');
  await page.keyboard.type('1234567');
  await key.tap();
  assert.equal(await valueBox(page, 1).inputValue(), '1234567');
  await valueBox(page, 4).tap();
  await key.tap();
  assert.equal(await valueBox(page, 4).inputValue(), '549,778');
  assert.deepEqual(problems, []);
  await window.close();
});

test('in the designed window the π key stands between the values and the picture', async () => {
  const window = await served.open(desktop);
  const { page, problems } = window;
  const rectOf = (locator) =>
    locator.evaluate((element) => element.getBoundingClientRect().toJSON());
  const key = await rectOf(page.getByRole('button', { name: 'Въведи π' }));
  const frame = await rectOf(page.locator('[data-name="Frame1"]'));
  const picture = await rectOf(page.locator('[data-name="Picture1"]'));
  const lastRow = await rectOf(valueBox(page, 4));
  assert.ok(key.left >= frame.right && key.right <= picture.left, JSON.stringify(key));
  assert.ok(key.top >= lastRow.top - 1 && key.bottom <= lastRow.bottom + 1, JSON.stringify(key));
  await valueBox(page, 0).click();
  await page.keyboard.type('2');
  await page.getByRole('button', { name: 'Въведи π' }).click();
  assert.equal(await valueBox(page, 0).inputValue(), '2π');
  assert.equal(await focusedName(page), 'Text2(0)');
  assert.deepEqual(problems, []);
  await window.close();
});

test('the value boxes ask for the number keyboard, and Return on it calculates', async () => {
  const window = await served.open(phone);
  const { page, problems } = window;
  for (const row of [0, 1, 2, 3, 4]) {
    assert.equal(await valueBox(page, row).getAttribute('inputmode'), 'decimal');
    assert.equal(await valueBox(page, row).getAttribute('enterkeyhint'), 'done');
  }
  const [example] = examples.worked;
  await valueBox(page, 0).tap();
  await page.keyboard.type('1');
  await valueBox(page, 1).tap();
  await page.keyboard.type('1');
  await page.keyboard.press('Enter');
  assert.deepEqual(await texts(page), inBulgarian(example.shown));
  assert.deepEqual(problems, []);
  await window.close();
});

test('in the list Up or Left, Down or Right, Home and End select; only a change applies a pair', async () => {
  const window = await served.open(desktop);
  const { page, problems } = window;
  const last = examples.worked.length - 1;
  await chooseType(page, 0);
  await valueBox(page, 0).click();
  await page.keyboard.type('7');
  const steps = [
    ['ArrowUp', 0, '7'],
    ['ArrowLeft', 0, '7'],
    ['ArrowRight', 1, ''],
    ['ArrowDown', 2, ''],
    ['ArrowLeft', 1, ''],
    ['End', last, ''],
    ['ArrowDown', last, '5'],
    ['ArrowRight', last, '5'],
    ['Home', 0, ''],
  ];
  for (const [key, selected, firstText] of steps) {
    await page.getByRole('listbox').focus();
    await page.keyboard.press(key);
    assert.equal(await listIndex(page), selected, key);
    await expectPairApplied(page, examples.worked[selected]);
    const given = examples.worked[selected].given[0];
    assert.equal((await texts(page))[given], firstText, `${key}: the typed value`);
    if (firstText === '' && selected === last) {
      await valueBox(page, given).click();
      await page.keyboard.type('5');
    }
  }
  // Clicking the selected pair changes nothing either.
  await valueBox(page, 0).click();
  await page.keyboard.type('7');
  await listOption(page, 0).click();
  assert.equal((await texts(page))[0], '7');
  assert.deepEqual(problems, []);
  await window.close();
});

test('browser zoom enlarges the designed window to 200 %, then reflows it down to 320 px', async () => {
  // A laptop screen of 1920 × 1080 at 100 %, 200 % and 400 %, and a window of 320 px.
  const zooms = [
    { zoom: 1, viewport: { width: 1920, height: 1080 }, wide: true },
    { zoom: 2, viewport: { width: 960, height: 540 }, wide: true },
    { zoom: 4, viewport: { width: 480, height: 270 }, wide: false },
    { zoom: 1, viewport: { width: 320, height: 640 }, wide: false },
  ];
  for (const { zoom, viewport, wide } of zooms) {
    const window = await served.open({ viewport, deviceScaleFactor: zoom });
    const { page, description, problems } = window;
    const seen = await measure(page);
    const where = `${viewport.width} × ${viewport.height} at ${zoom * 100} %`;
    assert.equal(seen.scrollsSideways, false, where);
    if (wide) {
      assert.deepEqual(
        [seen.window.width, seen.window.height],
        [description.clientArea.width, description.clientArea.height],
        `${where}: the designed window at 1:1`,
      );
    } else {
      expectFingerSized(seen.targets, where);
    }
    assert.ok(seen.smallestText >= smallestText, where);
    assert.deepEqual(problems, []);
    await window.close();
  }
});

test('a tablet shows the designed window twice its size, its targets large enough for a finger', async () => {
  const window = await served.open({ ...phone, viewport: { width: 1024, height: 1366 } });
  const { page, description, problems } = window;
  const seen = await measure(page);
  for (const [name, rect] of Object.entries(seen.controls)) {
    const design = description.controls.find((control) => control.name === name);
    assert.equal(rect.width, 2 * design.rect.width, name);
  }
  expectFingerSized(seen.targets, 'tablet');
  assert.equal(seen.scrollsSideways, false);
  assert.deepEqual(problems, []);
  await window.close();
});

test('the style sheet alone chooses the layout: before its script runs the page stands as after', async () => {
  for (const device of [phone, desktop]) {
    const withScript = await served.open(device);
    const before = await measure(withScript.page);
    await withScript.close();
    // The page as it stands before its script has run: the script never comes.
    const context = await withScript.context.browser().newContext(device);
    await context.route('**/korvala.js', (route) => route.abort());
    const page = await context.newPage();
    await page.goto(withScript.page.url().replace(/#.*/, ''));
    const without = await measure(page);
    assert.deepEqual(without.controls, before.controls);
    await context.close();
  }
});
