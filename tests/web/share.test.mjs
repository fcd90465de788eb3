// The share link: written after every completed calculation (and gone with the values), opened
// on load and when the address changes, ignored when it names no calculation; "Сподели" by the
// share sheet, the clipboard, or the link shown; the polite status region that reads the
// computed values out.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import {
  button,
  chooseType,
  clipboardAccess,
  errorDialog,
  examples,
  focusedName,
  fullValues,
  servedPageAndBrowser,
  texts,
  typeValues,
  waitUntilReady,
  withoutClipboard,
} from './harness.mjs';

const served = servedPageAndBrowser();

const fragment = (page) => page.evaluate(() => location.hash);
const historyLength = (page) => page.evaluate(() => history.length);

test('a completed calculation writes the pair and the values read, in any language, and nothing else does', async () => {
  const window = await served.open({ locale: 'bg-BG' });
  const { page, problems } = window;
  const entries = await historyLength(page);
  // Typed with the decimal comma, which reads as far as the comma, and with an exponent.
  const written = [
    [0, ['1', '2.5', '', '', ''], '#R=1&H=2.5'],
    [0, ['1,5', '2abc', '', '', ''], '#R=1.5&H=2'],
    [0, ['1E21', '1', '', '', ''], '#R=1e21&H=1'],
    [7, ['', '', '5', '10', ''], '#D=5&S=10'],
  ];
  for (const [type, typed, expected] of written) {
    await chooseType(page, type);
    await typeValues(page, typed);
    await button(page, 0).click();
    assert.equal(await fragment(page), expected);
  }
  // A decline and an error leave the link; clearing and another pair take it away.
  await typeValues(page, ['', '', '0', '', '']);
  await button(page, 0).click();
  assert.equal(await fragment(page), '#D=5&S=10');
  await typeValues(page, ['', '', '1', '2', '']);
  await button(page, 0).click();
  await errorDialog(page).getByRole('button').click();
  assert.equal(await fragment(page), '#D=5&S=10');
  await button(page, 1).click();
  assert.equal(await fragment(page), '');
  await typeValues(page, ['', '', '5', '10', '']);
  await button(page, 0).click();
  await chooseType(page, 0);
  assert.equal(await fragment(page), '');
  assert.equal(await historyLength(page), entries, 'no new history entries');
  assert.deepEqual(problems, []);
  await window.close();
});

test('a link opened selects its pair, types its values as a user would and calculates', async () => {
  const window = await served.open({ locale: 'en-US' });
  const { page, problems } = window;
  const [rh] = examples.worked;
  const ds = examples.worked[7];
  const opened = [
    ['#R=1&H=1', rh.offered],
    ['#h=1&r=1', rh.offered],
    ['#D=5&S=1%30', ds.offered],
    // Typed through the seven-character limit: 1234567.
    ['#R=123456789&H=1', ['1,234,567.0000000', '1.0000000']],
  ];
  for (const [link, full] of opened) {
    await page.goto(`${page.url().replace(/#.*/, '')}${link}`);
    await waitUntilReady(page);
    assert.deepEqual((await fullValues(page)).slice(0, full.length), full, link);
  }
  // Changed while the page is open, the address is followed too.
  await page.evaluate(() => {
    location.hash = '#R=1&H=1';
  });
  await page.waitForFunction(() => document.querySelector('[data-name="Text2(2)"]').value !== '');
  assert.deepEqual(await texts(page), rh.shown);
  // A pair no cylinder has brings the message, as the button would.
  const [impossible] = examples.errors;
  await page.evaluate((link) => {
    location.hash = link;
  }, `#R=${impossible.typed[0]}&D=${impossible.typed[2]}`);
  await errorDialog(page).waitFor();
  assert.equal(await errorDialog(page).locator('p').textContent(), impossible.message);
  assert.deepEqual(problems, []);
  await window.close();
});

test('a value typed with π stays exact in the link, written "pi", and reads back either way', async () => {
  const window = await served.open({ locale: 'bg-BG' });
  const { page, problems } = window;
  await chooseType(page, 3);
  await typeValues(page, ['1', '', '', '', '2,5π']);
  await button(page, 0).click();
  assert.equal(await fragment(page), '#R=1&V=2.5pi');
  const shown = await texts(page);
  assert.equal(shown[4], '2,5π', 'the given value stays as typed');
  await chooseType(page, 5);
  await typeValues(page, ['', '7', '', 'π', '']);
  await button(page, 0).click();
  assert.equal(await fragment(page), '#H=7&S=pi');
  for (const link of ['#R=1&V=2.5pi', '#r=1&v=2.5%CF%80', '#V=2.5PI&R=1']) {
    await page.goto(`${page.url().replace(/#.*/, '')}${link}`);
    await waitUntilReady(page);
    assert.deepEqual((await texts(page)).slice(0, 4), shown.slice(0, 4), link);
  }
  assert.deepEqual(problems, []);
  await window.close();
});

test('a fragment that names no calculation is ignored, and nothing of it becomes markup', async () => {
  const bad = [
    '#R=1',
    '#R=1&H=2&D=3',
    '#R=1&R=2',
    '#D=1&V=2',
    '#R=1&H=2&',
    '#R1&H=2',
    '#X=1&H=2',
    '#R=%E0%A4%A&H=1',
    '#<img src=x onerror=alert(1)>=1&H=2',
    '#R=<img src=x onerror=alert(1)>&H=1&D=<b>',
  ];
  const window = await served.open({ locale: 'en-US' });
  const { page, problems } = window;
  const elements = await page.evaluate(() => document.getElementsByTagName('*').length);
  for (const link of bad) {
    await page.evaluate((fragment) => {
      location.hash = fragment;
    }, link);
    await page.evaluate(() => new Promise((resolve) => setTimeout(resolve, 0)));
    assert.deepEqual(await texts(page), Array(5).fill(''), link);
    assert.equal(await errorDialog(page).evaluate((dialog) => dialog.open), false, link);
  }
  assert.equal(await page.evaluate(() => document.getElementsByTagName('*').length), elements);
  // Opened with one, the page is as without it.
  await page.goto(`${page.url().replace(/#.*/, '')}${bad[3]}`);
  await waitUntilReady(page);
  assert.deepEqual(await texts(page), Array(5).fill(''));
  assert.equal(await focusedName(page), 'Text1(0)');
  assert.deepEqual(problems, []);
  await window.close();
});

test('"Сподели" copies the link where the page may write the clipboard, and says so', async () => {
  const window = await served.open({
    locale: 'bg-BG',
    permissions: clipboardAccess,
  });
  const { page, problems } = window;
  const clipboard = () => page.evaluate(() => navigator.clipboard.readText());
  await page.getByRole('button', { name: 'Сподели' }).click();
  assert.equal(await clipboard(), page.url(), 'before a calculation: the page itself');
  assert.equal(await page.getByRole('status').textContent(), 'Връзката е копирана');
  await typeValues(page, examples.worked[0].typed);
  await button(page, 0).click();
  await page.getByRole('button', { name: 'Сподели' }).click();
  assert.match(await clipboard(), /#R=1&H=1$/);
  assert.deepEqual(problems, []);
  await window.close();
});

test('"Сподели" hands the link to the share sheet where there is one, else shows it selected', async () => {
  const sheet = await served.open({ locale: 'bg-BG' });
  await sheet.context.addInitScript(() => {
    navigator.share = async (data) => {
      window.shared = data;
    };
  });
  await sheet.page.reload();
  await waitUntilReady(sheet.page);
  await sheet.page.getByRole('button', { name: 'Сподели' }).click();
  await sheet.page.waitForFunction(() => window.shared);
  assert.equal(await sheet.page.evaluate(() => window.shared.url), sheet.page.url());
  assert.deepEqual(sheet.problems, []);
  await sheet.close();

  const plain = await served.open({ locale: 'bg-BG' });
  const { page, problems } = plain;
  await withoutClipboard(plain);
  await typeValues(page, examples.worked[0].typed);
  await button(page, 0).click();
  await page.getByRole('button', { name: 'Сподели' }).click();
  const link = page.getByRole('textbox', { name: 'Връзка към тази задача' });
  await link.waitFor();
  const shown = await link.evaluate((field) => ({
    value: field.value,
    focused: document.activeElement === field,
    selected: field.value.slice(field.selectionStart, field.selectionEnd),
  }));
  assert.deepEqual(shown, { value: page.url(), focused: true, selected: page.url() });
  // The link stands in the Tab cycle after "Сподели", before the solution's control and the
  // practice.
  await page.keyboard.press('Tab');
  assert.equal(await focusedName(page), 'copy-solution');
  await page.keyboard.press('Tab');
  assert.equal(await focusedName(page), 'practice-level');
  await page.keyboard.press('Shift+Tab');
  await page.keyboard.press('Shift+Tab');
  assert.equal(await focusedName(page), 'share-link');
  // A new calculation takes the old link away.
  await button(page, 0).click();
  assert.equal(await link.isVisible(), false);
  assert.deepEqual(problems, []);
  await plain.close();
});

test('after a completed calculation the one status region reads the computed values in full', async () => {
  const window = await served.open({ locale: 'bg-BG' });
  const { page, problems } = window;
  assert.equal(await page.locator('[aria-live], [role="status"], [role="alert"]').count(), 1);
  const status = page.locator('#status');
  // The exact form first where the decimals only approximate it.
  const readOut = [
    [
      examples.worked[0],
      'D = √5, около 2,2360680; S = 2π, около 6,2831853; V = π, около 3,1415927',
    ],
    [examples.worked[7], 'R = 0,3209661; H = 4,9586211; V = 1,6048307'],
  ];
  for (const [example, computed] of readOut) {
    await chooseType(page, example.type);
    await typeValues(page, example.typed);
    await button(page, 0).click();
    assert.equal(await status.textContent(), computed, example.entry);
  }
  await button(page, 1).click();
  assert.equal(await status.textContent(), '');
  assert.deepEqual(problems, []);
  await window.close();
});
