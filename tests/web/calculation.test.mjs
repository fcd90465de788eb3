// The window at work, driven by keyboard and mouse as a user drives it: the worked examples,
// declines, run-time errors and their message, clearing, changing the type, the typing limit,
// locks, Return, and the full value each box offers.
import assert from 'node:assert/strict';
import { beforeEach, test } from 'node:test';
import {
  button,
  checkBox,
  chooseType,
  clipboardAccess,
  control,
  errorDialog,
  examples,
  expectPairApplied,
  focusedName,
  fullValues,
  listOption,
  problemList,
  rows,
  servedPageAndBrowser,
  texts,
  typeValues,
  valueBox,
} from './harness.mjs';

const served = servedPageAndBrowser();
let window;

beforeEach(async () => {
  await window?.close();
  // The paste below goes through the clipboard, as a user's does.
  window = await served.open({
    locale: 'en-US',
    permissions: clipboardAccess,
  });
});

const empty = Array(5).fill('');

test('the worked examples: typed, calculated, shown in seven characters, full in the tooltip', async () => {
  const { page, problems } = window;
  for (const example of examples.worked) {
    await chooseType(page, example.type);
    await typeValues(page, example.typed);
    await button(page, 0).click();
    assert.deepEqual(await texts(page), example.shown, example.entry);
    assert.deepEqual(await fullValues(page), example.offered, example.entry);
    await expectPairApplied(page, example);
  }
  assert.equal(await errorDialog(page).evaluate((dialog) => dialog.open), false);
  assert.deepEqual(problems, []);
});

test('Return in a value box calculates; on a button it presses that button, once', async () => {
  const { page, problems } = window;
  const [example] = examples.worked;
  await typeValues(page, example.typed);
  await page.keyboard.press('Enter');
  assert.deepEqual(await texts(page), example.shown);
  await button(page, 1).focus();
  await page.keyboard.press('Enter');
  assert.deepEqual(await texts(page), empty);
  // Pressed twice, the message would open twice (and the second time fail).
  const [impossible] = examples.errors;
  await chooseType(page, impossible.type);
  await typeValues(page, impossible.typed);
  await button(page, 0).focus();
  await page.keyboard.press('Enter');
  await errorDialog(page).getByRole('button').click();
  assert.equal(await errorDialog(page).evaluate((dialog) => dialog.open), false);
  // Elsewhere Return does nothing.
  await problemList(page).focus();
  await page.keyboard.press('Enter');
  assert.deepEqual(await texts(page), impossible.typed);
  assert.deepEqual(problems, []);
});

test('a given value that is not positive, or missing, is declined without a word', async () => {
  const { page, problems } = window;
  for (const example of examples.declines) {
    await chooseType(page, example.type);
    await button(page, 1).click();
    await typeValues(page, example.typed);
    await button(page, 0).click();
    assert.deepEqual(await texts(page), example.typed, example.name);
    assert.deepEqual(await fullValues(page), empty, example.name);
    assert.equal(await errorDialog(page).evaluate((dialog) => dialog.open), false, example.name);
    await expectPairApplied(page, example);
  }
  assert.deepEqual(problems, []);
});

test('a run-time error shows its number and text in a modal message; nothing changes', async () => {
  const { page, description, problems } = window;
  for (const example of examples.errors) {
    await chooseType(page, example.type);
    await typeValues(page, example.typed);
    await button(page, 0).click();
    const dialog = errorDialog(page);
    assert.equal(await dialog.evaluate((element) => element.matches(':modal')), true, example.name);
    assert.equal(await dialog.locator('h2').textContent(), description.caption);
    assert.equal(await dialog.locator('p').textContent(), example.message, example.name);
    assert.equal(await page.getByRole('dialog', { name: description.caption }).count(), 1);
    await dialog.getByRole('button').click();
    assert.equal(await dialog.evaluate((element) => element.open), false);
    assert.equal(await focusedName(page), 'Command1(0)', 'the focus back where it was');
    assert.deepEqual(await texts(page), example.typed, example.name);
    await expectPairApplied(page, example);
  }
  assert.deepEqual(problems, []);
});

test('clearing empties the boxes and keeps the pair; a new type empties the results too', async () => {
  const { page, problems } = window;
  const example = examples.worked[6];
  await chooseType(page, example.type);
  await typeValues(page, example.typed);
  await button(page, 0).click();
  await button(page, 1).click();
  assert.deepEqual(await texts(page), empty);
  assert.deepEqual(await fullValues(page), empty);
  await expectPairApplied(page, example);
  await button(page, 0).click();
  assert.deepEqual(await texts(page), empty, 'nothing to calculate from');

  await typeValues(page, example.typed);
  await button(page, 0).click();
  // The mouse changes the type as the keyboard does.
  const next = examples.worked[(example.type + 1) % examples.worked.length];
  const option = listOption(page, next.type);
  await option.scrollIntoViewIfNeeded();
  const box = await option.boundingBox();
  await page.mouse.click(box.x + box.width / 2, box.y + box.height / 2);
  assert.deepEqual(await texts(page), empty);
  assert.deepEqual(await fullValues(page), empty);
  await expectPairApplied(page, next);
  assert.deepEqual(problems, []);
});

test('the boxes take seven characters, typed or pasted; locked boxes and checks take nothing', async () => {
  const { page, problems } = window;
  await valueBox(page, 0).click();
  await page.keyboard.type('123456789');
  await valueBox(page, 1).click();
  await page.evaluate(() => navigator.clipboard.writeText('3.14159265358979 and more'));
  await page.keyboard.press('Control+V');
  assert.deepEqual((await texts(page)).slice(0, 2), ['1234567', '3.14159']);
  // A paste of characters outside the basic plane is cut between characters, never inside one.
  await page.keyboard.press('Control+A');
  await page.evaluate(() => navigator.clipboard.writeText('😀'.repeat(8)));
  await page.keyboard.press('Control+V');
  const pasted = (await texts(page))[1];
  assert.ok([...pasted].every((character) => character === '😀') && pasted.length <= 7, pasted);
  await button(page, 0).click();
  assert.equal((await texts(page))[1], pasted, 'declined, and kept as typed');

  for (const row of [2, 3, 4]) {
    await valueBox(page, row).click();
    await page.keyboard.type('5');
  }
  await checkBox(page, 3).click({ force: true });
  await control(page, 'Check1(0)').locator('span').click({ force: true });
  const state = await rows(page);
  assert.deepEqual(
    state.slice(2).map((row) => row.text),
    ['', '', ''],
  );
  assert.deepEqual(
    state.map((row) => row.checked),
    [true, true, false, false, false],
  );

  // The statement takes no typing, but scrolls to the rest of its text.
  const statement = control(page, 'Text1(0)');
  const before = await statement.textContent();
  await statement.click();
  await page.keyboard.type('x');
  await page.keyboard.press('Delete');
  assert.equal(await statement.textContent(), before);
  await statement.hover();
  await page.mouse.wheel(0, 400);
  await page.waitForFunction(() => document.querySelector('[data-name="Text1(0)"]').scrollTop > 0);
  assert.deepEqual(problems, []);
});

test('a box the user edits no longer offers the full value; the others still do', async () => {
  const { page, problems } = window;
  const [example] = examples.worked;
  await typeValues(page, example.typed);
  await button(page, 0).click();
  await valueBox(page, 1).click();
  await page.keyboard.press('End');
  await page.keyboard.press('Backspace');
  const offered = await fullValues(page);
  assert.equal(offered[1], '');
  assert.deepEqual(
    offered.filter((_, row) => row !== 1),
    example.offered.filter((_, r) => r !== 1),
  );
  await valueBox(page, 0).hover();
  assert.equal(await valueBox(page, 0).getAttribute('title'), example.texts[0]);
  assert.ok(example.given.includes(1));
  assert.deepEqual(problems, []);
});
