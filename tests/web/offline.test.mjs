// Installed, offline and private: the manifest's pictures are there at the sizes it gives, the
// icons a system cuts to its shape opaque; once opened from a server the page opens again, all
// its pictures kept, when the server is gone; opened straight from its folder it works without
// one; it keeps nothing of the user's and asks for nothing outside its folder (every window here
// records any such request).
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
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

// A PNG's size and whether its pixels may be transparent, from its header.
function png(path) {
  const bytes = readFileSync(path);
  const colourType = bytes[25];
  return {
    sizes: `${bytes.readUInt32BE(16)}x${bytes.readUInt32BE(20)}`,
    opaque: colourType === 0 || colourType === 2,
  };
}

test('the manifest names the page, its icons and screenshots of both layouts, as they are', () => {
  const manifest = JSON.parse(readFileSync(join(siteFolder, 'manifest.webmanifest'), 'utf8'));
  assert.ok(manifest.id && manifest.description && manifest.start_url);
  for (const picture of [...manifest.icons, ...manifest.screenshots]) {
    assert.equal(png(join(siteFolder, picture.src)).sizes, picture.sizes, picture.src);
  }
  const sizes = manifest.icons.map((icon) => icon.sizes);
  assert.ok(sizes.includes('192x192') && sizes.includes('512x512'));
  const maskable = manifest.icons.filter((icon) => icon.purpose === 'maskable');
  assert.deepEqual(
    maskable.map((icon) => [icon.sizes, png(join(siteFolder, icon.src)).opaque]),
    [['512x512', true]],
  );
  assert.deepEqual(manifest.screenshots.map((shot) => shot.form_factor).sort(), ['narrow', 'wide']);
  const page = readFileSync(join(siteFolder, 'index.html'), 'utf8');
  const touchIcon = page.match(/<link rel="apple-touch-icon" href="([^"]+)">/)[1];
  assert.deepEqual(png(join(siteFolder, touchIcon)), { sizes: '180x180', opaque: true });
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
  const kept = await page.evaluate(async () =>
    (await (await caches.open('korvala')).keys()).map((request) => new URL(request.url).pathname),
  );
  for (const file of [
    '/icons/korvala-maskable-512.png',
    '/icons/apple-touch-icon.png',
    '/cylinder-2x.png',
  ]) {
    assert.ok(kept.includes(file), `${file} kept`);
  }
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
