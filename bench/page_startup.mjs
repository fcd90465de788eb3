// The page's start-up in headless Chromium from a local server: the median time from navigation
// until the first working calculation (R 1 and H 1 typed, "Изчисли" pressed, again and again
// until D appears), against the first frame of a floor page holding the same window as static
// HTML with no script (the real page's own elements after start-up, scripts removed), measured
// in the same run, alternately; and the bytes the page loads until then, raw and gzip-compressed.
// A benchmark that prints figures, not a test.
// Usage: node bench/page_startup.mjs SITE_FOLDER [RUNS]
import { cpSync, mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';
import { launchBrowser } from '../tests/web/browser.mjs';
import { serveFolder } from '../tests/web/static_server.mjs';

const [site, runsArgument] = process.argv.slice(2);
if (!site) {
  console.error('usage: node bench/page_startup.mjs SITE_FOLDER [RUNS]');
  process.exit(2);
}
const runs = Number(runsArgument ?? 21);
const aimBytes = 64 * 1024;

const median = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted[Math.floor(sorted.length / 2)];
};

// The floor: the page as it stands once started, with its scripts, its script-only content
// security policy and its service worker's registration gone.
async function writeFloor(browser, url, folder) {
  const context = await browser.newContext();
  const page = await context.newPage();
  await page.goto(url);
  await page.waitForSelector('html[data-window="ready"]', { state: 'attached' });
  const html = await page.evaluate(() => {
    const copy = document.documentElement.cloneNode(true);
    for (const node of copy.querySelectorAll('script, meta[http-equiv], dialog')) {
      node.remove();
    }
    copy.removeAttribute('data-window');
    return `<!DOCTYPE html>\n${copy.outerHTML}`;
  });
  await context.close();
  writeFileSync(join(folder, 'floor.html'), html);
}

// Runs in the page before its own scripts: a user who types R 1 and H 1 and presses "Изчисли"
// whenever the page changes, until D appears. Tries come with the page's changes rather than in
// a busy loop, which would hold up the page it measures.
function calculateAsSoonAsPossible() {
  globalThis.firstCalculation = new Promise((resolve) => {
    const box = (row) => document.querySelector(`[data-name="Text2(${row})"]`);
    let done = false;
    const attempt = () => {
      const calculate = document.querySelector('[data-name="Command1(0)"]');
      if (done || !calculate || !box(2)) {
        return;
      }
      for (const row of [0, 1]) {
        box(row).value = '1';
        box(row).dispatchEvent(new Event('input'));
      }
      calculate.click();
      if (box(2).value) {
        done = true;
        resolve(performance.now());
      }
    };
    new MutationObserver(attempt).observe(document, {
      subtree: true,
      childList: true,
      attributes: true,
    });
  });
}

const firstFrame = () =>
  new Promise((resolve) => {
    const painted = () =>
      performance.getEntriesByType('paint').find((e) => e.name === 'first-contentful-paint');
    const wait = () => (painted() ? resolve(painted().startTime) : setTimeout(wait, 5));
    wait();
  });

async function time(browser, url, measure) {
  const context = await browser.newContext();
  await context.addInitScript(calculateAsSoonAsPossible);
  const page = await context.newPage();
  await page.goto(url, { waitUntil: 'load' });
  const milliseconds = await page.evaluate(measure);
  await context.close();
  return milliseconds;
}

async function loadedUntilCalculation(browser, url) {
  const context = await browser.newContext();
  await context.addInitScript(calculateAsSoonAsPossible);
  const page = await context.newPage();
  const bodies = [];
  page.on('response', (response) =>
    bodies.push(
      response
        .body()
        .then((body) => ({
          path: new URL(response.url()).pathname,
          raw: body.length,
          gzip: gzipSync(body, { level: 9 }).length,
        }))
        .catch(() => null),
    ),
  );
  await page.goto(url, { waitUntil: 'load' });
  await page.evaluate(() => globalThis.firstCalculation);
  const files = (await Promise.all(bodies)).filter(Boolean);
  await context.close();
  return files;
}

const folder = mkdtempSync(join(tmpdir(), 'korvala-bench-'));
cpSync(site, folder, { recursive: true });
// Served without the service worker, whose caching after start-up is no part of opening.
rmSync(join(folder, 'sw.js'));
const server = await serveFolder(folder);
const browser = await launchBrowser();
try {
  await writeFloor(browser, server.url, folder);
  const korvala = [];
  const floor = [];
  for (let run = 0; run < runs; run += 1) {
    korvala.push(await time(browser, server.url, () => globalThis.firstCalculation));
    floor.push(await time(browser, `${server.url}floor.html`, firstFrame));
  }
  const files = await loadedUntilCalculation(browser, server.url);
  const raw = files.reduce((sum, file) => sum + file.raw, 0);
  const gzip = files.reduce((sum, file) => sum + file.gzip, 0);
  const page = median(korvala);
  const bare = median(floor);
  console.log(`runs: ${runs} each, alternately`);
  console.log(`first working calculation: ${page.toFixed(1)} ms (median)`);
  console.log(`floor's first frame (static window, no script): ${bare.toFixed(1)} ms (median)`);
  console.log(`ratio: ${(page / bare).toFixed(2)} (aim: at most 1.5)`);
  for (const file of files) {
    console.log(`  ${file.path}: ${file.raw} bytes, ${file.gzip} gzip-compressed`);
  }
  console.log(
    `loaded until then: ${raw} bytes, ${gzip} gzip-compressed ` +
      `(${((gzip / aimBytes) * 100).toFixed(0)} % of the 64 KB aim)`,
  );
} finally {
  await browser.close();
  await server.close();
  rmSync(folder, { recursive: true, force: true });
}
