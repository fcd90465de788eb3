// Takes the page's pictures as headless Chromium shows them after the first worked example
// (R 1, H 1): the window for the README (wide) and the phone (narrow), and the manifest's
// screenshots of both layouts, in the sizes the manifest gives (site/page_files.cpp); and the
// whole page with the solution of "D S" (D 5, S 10) and, on the phone, a practice problem
// answered and marked, for the README.
// Usage: node tools/web_window_picture.mjs SITE_FOLDER DOCS_FOLDER RESOURCE_FOLDER
import { join } from 'node:path';
import { launchBrowser } from '../tests/web/browser.mjs';
import { serveFolder } from '../tests/web/static_server.mjs';

const [site, docs, resources] = process.argv.slice(2);
if (!site || !docs || !resources) {
  console.error('usage: node tools/web_window_picture.mjs SITE_FOLDER DOCS_FOLDER RESOURCE_FOLDER');
  process.exit(2);
}

const phone = {
  viewport: { width: 360, height: 640 },
  deviceScaleFactor: 2,
  isMobile: true,
  hasTouch: true,
};
const pictures = [
  {
    path: join(docs, 'window-web-solution.png'),
    device: { viewport: { width: 521, height: 600 } },
    link: '#D=5&S=10',
    fullPage: true,
  },
  { path: join(docs, 'window-web.png'), device: { viewport: { width: 521, height: 560 } } },
  { path: join(docs, 'window-web-phone.png'), device: phone },
  {
    path: join(resources, 'web/screenshot-wide.png'),
    device: { viewport: { width: 960, height: 720 } },
  },
  { path: join(resources, 'web/screenshot-narrow.png'), device: phone },
  {
    path: join(docs, 'practice-web-phone.png'),
    device: phone,
    link: '#problem=7&level=1',
    region: '#practice',
    async act(page) {
      await page.locator('#problem-statement').waitFor();
      await page.locator('#answer-0').fill('4');
      await page.locator('#answer-2').fill('150,79');
      await page.locator('#answer-3').fill('48π');
      await page.getByRole('button', { name: 'Провери' }).click();
    },
  },
];

const server = await serveFolder(site);
const browser = await launchBrowser();
try {
  for (const picture of pictures) {
    const context = await browser.newContext({ locale: 'bg-BG', ...picture.device });
    const page = await context.newPage();
    await page.goto(`${server.url}${picture.link ?? '#R=1&H=1'}`);
    await page.waitForSelector('html[data-window="ready"]', { state: 'attached' });
    await picture.act?.(page);
    await page.evaluate(() => document.activeElement.blur());
    if (picture.region) {
      await page.locator(picture.region).screenshot({ path: picture.path });
    } else {
      await page.screenshot({ path: picture.path, fullPage: picture.fullPage ?? false });
    }
    await context.close();
    console.log(`saved ${picture.path}`);
  }
} finally {
  await browser.close();
  await server.close();
}
