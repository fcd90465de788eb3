// Saves the page's window, as headless Chromium shows it after the first worked example
// (R 1, H 1), as a PNG picture for the README.
// Usage: node tools/web_window_picture.mjs SITE_FOLDER OUTPUT.png
import { launchBrowser } from '../tests/web/browser.mjs';
import { serveFolder } from '../tests/web/static_server.mjs';

const [site, output] = process.argv.slice(2);
if (!site || !output) {
  console.error('usage: node tools/web_window_picture.mjs SITE_FOLDER OUTPUT.png');
  process.exit(2);
}
const server = await serveFolder(site);
const browser = await launchBrowser();
try {
  const context = await browser.newContext({ locale: 'bg-BG', viewport: { width: 521, height: 464 } });
  const page = await context.newPage();
  await page.goto(server.url);
  await page.waitForSelector('html[data-window="ready"]', { state: 'attached' });
  for (const [row, text] of [[0, '1'], [1, '1']]) {
    await page.locator(`[data-name="Text2(${row})"]`).click();
    await page.keyboard.type(text);
  }
  await page.locator('[data-name="Command1(0)"]').click();
  await page.locator('#window').screenshot({ path: output });
  console.log(`saved ${output}`);
} finally {
  await browser.close();
  await server.close();
}
