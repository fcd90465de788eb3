// Practice: a problem from its link, answered by touch on a phone and marked; "Покажи решението";
// "Нова задача"; the worksheet made by keyboard and printed on A4 with the key after the
// problems; a part that fails to load. The problems are the examples' table's, which the core's
// own functions wrote.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import {
  desktop,
  examples,
  fileUrl,
  launchBrowser,
  openWindow,
  phone,
  servedPageAndBrowser,
  texts,
} from './harness.mjs';

const served = servedPageAndBrowser();
const { problem, sheet } = examples.practice;

const status = (page) => page.locator('#status');
const region = (page) => page.locator('#practice');
const decimals = (value, places) => value.toFixed(places).replace('.', ',');

async function openProblemLink(page, seed, level) {
  await page.evaluate((fragment) => {
    location.hash = fragment;
  }, `#problem=${seed}&level=${level}`);
  await page.locator('#problem-statement').waitFor();
}

test('a problem from its link, answered by touch on a phone, marked and then worked in the window', async () => {
  const window = await served.open(phone);
  const { page, problems } = window;
  await openProblemLink(page, problem.seed, problem.level);
  assert.equal(await page.locator('#problem-statement').textContent(), problem.statement);
  assert.equal(await page.locator('#practice-level').inputValue(), String(problem.level));

  // The exact form with the π key, a correct rounding, a rounding one off, another quantity's
  // value.
  const withPi = problem.asked.find((asked) => asked.exact.endsWith('π'));
  const [rounded, roundedOff, other] = problem.asked.filter((asked) => asked !== withPi);
  const box = (asked) => region(page).getByRole('textbox', { name: asked.name });
  await box(withPi).tap();
  await page.keyboard.type(withPi.exact.replace('π', ''));
  await region(page).getByRole('button', { name: 'Въведи π' }).tap();
  assert.equal(await box(withPi).inputValue(), withPi.exact);
  await box(rounded).tap();
  await page.keyboard.type(decimals(rounded.value, 2));
  await box(roundedOff).tap();
  await page.keyboard.type(decimals(roundedOff.value + 0.01, 2));
  await box(other).tap();
  await page.keyboard.type(withPi.exact);
  await region(page).getByRole('button', { name: 'Провери' }).tap();

  const expected = [
    [withPi, 'false', 'вярно'],
    [rounded, 'false', 'вярно'],
    [roundedOff, 'true', 'грешно: близо, но закръглено неправилно'],
    [other, 'true', `грешно: това е ${withPi.letter}, а не ${other.letter}`],
  ];
  const said = await status(page).textContent();
  for (const [asked, invalid, mark] of expected) {
    assert.equal(await box(asked).getAttribute('aria-invalid'), invalid, asked.name);
    const described = await box(asked).evaluate((element) =>
      element
        .getAttribute('aria-describedby')
        .split(' ')
        .map((id) => document.getElementById(id).textContent)
        .join(' '),
    );
    assert.equal(described, `${asked.unit} ${mark}`);
    assert.ok(said.includes(`${asked.letter}: ${mark}`), said);
  }

  // An edit takes the mark away.
  await box(roundedOff).tap();
  await page.keyboard.press('Backspace');
  assert.equal(await box(roundedOff).getAttribute('aria-invalid'), null);

  await region(page).getByRole('button', { name: 'Покажи решението' }).tap();
  // The window calculated the givens as typed: its share link names them.
  const typed = problem.given
    .map((text, row) => text && `${'RHDSV'[row]}=${text.replace('π', 'pi').replace(',', '.')}`)
    .filter((pair) => pair !== '');
  assert.equal(await page.evaluate(() => location.hash), `#${typed.join('&')}`);
  assert.ok((await texts(page)).every((text) => text !== ''));
  assert.ok(await page.locator('#solution').isVisible());
  assert.ok((await page.locator('#working li').count()) > 0);

  // "Нова задача" at the level chosen: another problem, and its link in the address.
  await page.locator('#practice-level').selectOption('3');
  await region(page).getByRole('button', { name: 'Нова задача' }).tap();
  await page.waitForFunction(
    (old) => document.getElementById('problem-statement').textContent !== old,
    problem.statement,
  );
  assert.match(await page.evaluate(() => location.hash), /^#problem=\d+&level=3$/);
  assert.deepEqual(problems, []);
  await window.close();
});

test('a worksheet by keyboard: its values checked, its problems the core writes, printed on A4 with the key after them', async () => {
  const window = await served.open(desktop);
  const { page, problems } = window;
  await page.locator('#practice-level').selectOption(String(sheet.level));
  await page.locator('#new-worksheet').focus();
  await page.keyboard.press('Enter');
  const count = page.getByRole('textbox', { name: 'Брой задачи (от 1 до 20)' });
  await count.waitFor();
  assert.equal(await page.evaluate(() => document.activeElement.id), 'sheet-count');

  // A count that cannot be is marked, said and kept as typed; no sheet is made of it.
  await page.keyboard.press('Control+A');
  await page.keyboard.type('25');
  const make = page.getByRole('button', { name: 'Направи листа' });
  await make.press('Enter');
  assert.equal(await count.getAttribute('aria-invalid'), 'true');
  assert.equal(await status(page).textContent(), 'Брой задачи: цяло число от 1 до 20.');
  assert.equal(await count.inputValue(), '25');
  assert.equal(await page.locator('#worksheet').count(), 0);

  await count.fill(String(sheet.statements.length));
  await page.getByRole('textbox', { name: 'Номер на листа' }).fill(String(sheet.seed));
  await make.press('Enter');
  await page.locator('#worksheet').waitFor();
  assert.equal(await count.getAttribute('aria-invalid'), 'false');
  assert.deepEqual(await page.locator('.sheet-problems > li').allTextContents(), sheet.statements);
  const key = page.locator('.sheet-key');
  assert.equal(await key.getByRole('heading').textContent(), 'Отговори');
  assert.equal(await key.locator(':scope > ol > li').count(), sheet.statements.length);
  assert.ok((await key.locator('.key-working li').count()) > sheet.statements.length);

  // Printed: the sheet alone, the key from a new page on, no problem cut.
  await page.emulateMedia({ media: 'print' });
  const printed = await page.evaluate(() => {
    const shown = (selector) => document.querySelector(selector).getClientRects().length > 0;
    const style = (selector) => getComputedStyle(document.querySelector(selector));
    const problemsEnd = document.querySelector('.sheet-problems').getBoundingClientRect().bottom;
    return {
      window: shown('[data-name="Text2(0)"]'),
      buttons: shown('.sheet-buttons') || shown('#new-problem'),
      keyAfter: document.querySelector('.sheet-key').getBoundingClientRect().top >= problemsEnd,
      keyBreak: style('.sheet-key').breakBefore,
      problemBreak: style('.sheet-problems > li').breakInside,
      colours: [style('#worksheet').color, style('html').backgroundColor],
    };
  });
  assert.deepEqual(printed, {
    window: false,
    buttons: false,
    keyAfter: true,
    keyBreak: 'page',
    problemBreak: 'avoid',
    colours: ['rgb(0, 0, 0)', 'rgb(255, 255, 255)'],
  });
  const pdf = await page.pdf({ format: 'A4' });
  const pages = pdf.toString('latin1').match(/\/Type\s*\/Page\b/g) ?? [];
  assert.ok(pages.length >= 2, `${pages.length} pages`);
  assert.deepEqual(problems, []);
  await window.close();
});

test('a part that fails to load is said, and loads at the next press; opened from a folder too', async () => {
  // The service worker would fetch the script past the route.
  const window = await served.open({ ...phone, serviceWorkers: 'block' });
  const { page } = window;
  await page.route('**/practice.js', (route) => route.abort());
  await region(page).getByRole('button', { name: 'Нова задача' }).tap();
  await page.waitForFunction(() => document.getElementById('status').textContent !== '');
  assert.equal(
    await status(page).textContent(),
    await region(page).getAttribute('data-load-failed'),
  );
  await page.unroute('**/practice.js');
  await region(page).getByRole('button', { name: 'Нова задача' }).tap();
  await page.locator('#problem-statement').waitFor();
  await window.close();

  const browser = await launchBrowser();
  const fromFolder = await openWindow(browser, `${fileUrl()}#problem=${problem.seed}&level=1`);
  await fromFolder.page.locator('#problem-statement').waitFor();
  assert.equal(
    await fromFolder.page.locator('#problem-statement').textContent(),
    problem.statement,
  );
  assert.deepEqual(fromFolder.problems, []);
  await browser.close();
});
