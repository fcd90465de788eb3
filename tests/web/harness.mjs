// What the page's tests share: the built folder served from 127.0.0.1, the browser, the
// window's control table (which the build writes beside the page), the examples' table, the two
// layouts' devices, and a record of everything that must not happen (console errors, uncaught
// exceptions, requests outside the page's folder).
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { after } from 'node:test';
import { pathToFileURL } from 'node:url';
import { launchBrowser } from './browser.mjs';
import { serveFolder } from './static_server.mjs';

export const siteFolder = process.env.KORVALA_SITE;
export const examples = JSON.parse(readFileSync(process.env.KORVALA_EXAMPLES, 'utf8'));
export const table = JSON.parse(readFileSync(process.env.KORVALA_WINDOW_TABLE, 'utf8'));
assert.ok(siteFolder, 'KORVALA_SITE names the built page folder');

// The wide layout: a desktop with a mouse. The narrow one: a phone, used by touch.
export const desktop = { viewport: { width: 1280, height: 720 } };
export const phone = {
  viewport: { width: 360, height: 640 },
  deviceScaleFactor: 2,
  isMobile: true,
  hasTouch: true,
};

export { launchBrowser, serveFolder };

export const fileUrl = () => pathToFileURL(`${siteFolder}/index.html`).href;

// The folder served and one browser for a whole test file, started by the first open() (which
// opens the page from that server in a fresh context) and closed after the file's tests.
export function servedPageAndBrowser() {
  let started;
  const start = () => {
    started ??= Promise.all([serveFolder(siteFolder), launchBrowser()]);
    return started;
  };
  after(async () => {
    if (started) {
      const [site, browser] = await started;
      await browser.close();
      await site.close();
    }
  });
  return {
    open: async (contextOptions) => {
      const [site, browser] = await start();
      return openWindow(browser, site.url, contextOptions);
    },
  };
}

// Opens the page in a fresh context (no service worker, nothing kept) and waits until the
// window takes input. contextOptions: locale, viewport, hasTouch, ...
export async function openWindow(browser, baseUrl, contextOptions = {}) {
  const context = await browser.newContext({ locale: 'bg-BG', ...contextOptions });
  const problems = [];
  const folder = baseUrl.startsWith('file:') ? baseUrl.replace(/[^/]*$/, '') : baseUrl;
  context.on('request', (request) => {
    if (!request.url().startsWith(folder)) {
      problems.push(`request outside the folder: ${request.url()}`);
    }
  });
  context.on('console', (message) => {
    if (message.type() === 'error' || message.type() === 'warning') {
      problems.push(`console ${message.type()}: ${message.text()}`);
    }
  });
  const page = await context.newPage();
  page.on('pageerror', (error) => problems.push(`uncaught: ${error.message}`));
  await page.goto(baseUrl);
  await waitUntilReady(page);
  return { context, page, problems, description: table, close: () => context.close() };
}

export async function waitUntilReady(page) {
  await page.waitForSelector('html[data-window="ready"]', { state: 'attached' });
}

// What a page opened with it may do with the clipboard: write it and read it back.
export const clipboardAccess = ['clipboard-read', 'clipboard-write'];

// The open page again, where it may not write the clipboard (plain http, some browsers' folders).
export async function withoutClipboard({ context, page }) {
  await context.addInitScript(() => {
    Object.defineProperty(navigator, 'clipboard', { value: undefined });
  });
  await page.reload();
  await waitUntilReady(page);
}

export const control = (page, name) => page.locator(`[data-name="${name}"]`);
export const valueBox = (page, row) => control(page, `Text2(${row})`);
export const checkBox = (page, row) => control(page, `Check1(${row})`).locator('input');
export const problemList = (page) => control(page, 'List1(0)');
export const button = (page, index) => control(page, `Command1(${index})`);

// The value rows as the user sees them.
export function rows(page) {
  return page.evaluate(() =>
    [0, 1, 2, 3, 4].map((row) => {
      const box = document.querySelector(`[data-name="Text2(${row})"]`);
      const check = document.querySelector(`[data-name="Check1(${row})"] input`);
      return {
        text: box.value,
        fullValue: box.getAttribute('title') ?? '',
        locked: box.readOnly,
        checked: check.checked,
        checkEnabled: !check.disabled,
      };
    }),
  );
}

export const texts = async (page) => (await rows(page)).map((row) => row.text);
export const fullValues = async (page) => (await rows(page)).map((row) => row.fullValue);

// The designed name of the control that has the focus, or the id of the page's own.
export const focusedName = (page) =>
  page.evaluate(() => {
    const focused = document.activeElement;
    return focused.closest('[data-name]')?.dataset.name ?? (focused.id || null);
  });

// The list's selected position, -1 for none, as assistive technology reads it.
export const listIndex = (page) =>
  problemList(page).evaluate((list) =>
    [...list.querySelectorAll('[role="option"]')].findIndex(
      (option) => option.getAttribute('aria-selected') === 'true',
    ),
  );
export const listOption = (page, position) =>
  problemList(page).locator('[role="option"]').nth(position);

// Picks a problem type as a keyboard user does: into the list, to its top, down to the entry.
export async function chooseType(page, type) {
  await problemList(page).focus();
  await page.keyboard.press('Home');
  for (let step = 0; step < type; step += 1) {
    await page.keyboard.press('ArrowDown');
  }
  assert.equal(await listIndex(page), type);
}

// Types an example's given values into their boxes, clicking into each first.
export async function typeValues(page, typed) {
  for (const [row, text] of typed.entries()) {
    if (text !== '') {
      await valueBox(page, row).click();
      await page.keyboard.press('Control+A');
      await page.keyboard.type(text);
    }
  }
}

// Exactly the example's given pair checked and editable, every check box disabled.
export async function expectPairApplied(page, example) {
  for (const [row, state] of (await rows(page)).entries()) {
    const given = example.given.includes(row);
    assert.equal(state.checked, given, `Check1(${row}) for ${example.entry}`);
    assert.equal(state.locked, !given, `Text2(${row}) lock for ${example.entry}`);
    assert.equal(state.checkEnabled, false, `Check1(${row}) disabled`);
  }
}

export const errorDialog = (page) => page.locator('dialog.error');
