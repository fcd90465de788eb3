// Offline and private: once opened from a server the page opens again when the server is gone;
// opened straight from its folder it works without one; it keeps nothing of the user's and
// asks for nothing outside its folder (every window here records any such request).
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import {
  button,
  examples,
  fileUrl,
  launchBrowser,
  openWindow,
  serveFolder,
  siteFolder,
  texts,
  typeValues,
  waitUntilReady,
} from './harness.mjs';

let browser;

before(async () => {
  browser = await launchBrowser();
});

after(async () => {
  await browser?.close();
});

async function calculateFirstExample(page) {
  const [example] = examples.worked;
  await typeValues(page, example.typed);
  await button(page, 0).click();
  assert.deepEqual(await texts(page), example.shown);
}

test('once opened, the page opens and calculates again with the server gone', async () => {
  const site = await serveFolder(siteFolder);
  const window = await openWindow(browser, site.url, { locale: 'en-US' });
  const { page } = window;
  await page.evaluate(async () => {
    await navigator.serviceWorker.ready;
    if (!navigator.serviceWorker.controller) {
      await new Promise((resolve) => {
        navigator.serviceWorker.addEventListener('controllerchange', resolve, { once: true });
      });
    }
  });
  await site.close();
  await page.reload();
  await waitUntilReady(page);
  await calculateFirstExample(page);
  // The server's refusals, which the kept copies answer, are the only messages allowed.
  const unexpected = window.problems.filter((problem) => !problem.includes('ERR_CONNECTION'));
  assert.deepEqual(unexpected, []);
  await window.close();
});

test('opened straight from its folder, the page works without a server', async () => {
  const window = await openWindow(browser, fileUrl(), { locale: 'en-US' });
  const { page, problems } = window;
  await calculateFirstExample(page);
  assert.equal(await page.evaluate(() => navigator.serviceWorker?.controller ?? null), null);
  assert.deepEqual(problems, []);
  await window.close();
});

test("the page keeps nothing of the user's: no cookies, no storage", async () => {
  const site = await serveFolder(siteFolder);
  const window = await openWindow(browser, site.url, { locale: 'en-US' });
  const { page, context, problems } = window;
  await calculateFirstExample(page);
  const kept = await page.evaluate(async () => ({
    cookie: document.cookie,
    local: localStorage.length,
    session: sessionStorage.length,
    databases: (await indexedDB.databases()).length,
  }));
  assert.deepEqual(kept, { cookie: '', local: 0, session: 0, databases: 0 });
  assert.deepEqual(await context.cookies(), []);
  assert.deepEqual(problems, []);
  await window.close();
  await site.close();
});
