// The page's start-up in headless Chromium from a local server: the median time from navigation
// until the window is shown and takes input (the form loaded), against a floor page holding the same
// controls as static HTML with no script (the real page's own elements after start-up, scripts
// removed), measured in the same run, alternately; and the bytes the page transfers, raw and
// gzip-compressed. A benchmark that prints figures, not a test.
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
// security policy and its service worker's registration gone; the controls' places are then
// inline styles, which the policy would refuse.
async function writeFloor(browser, url, folder) {
  const context = await browser.newContext();
  const page = await context.newPage();
  await page.goto(url);
  await page.waitForSelector('html[data-window="ready"]', { state: 'attached' });
  const html = await page.evaluate(() => {
    const copy = document.documentElement.cloneNode(true);
    copy.querySelectorAll('script, meta[http-equiv], dialog').forEach((node) => node.remove());
    copy.removeAttribute('data-window');
    return `<!DOCTYPE html>\n${copy.outerHTML}`;
  });
  await context.close();
  writeFileSync(join(folder, 'floor.html'), html);
}

async function timeToReady(browser, url, readyAt) {
  const context = await browser.newContext();
  const page = await context.newPage();
  await page.goto(url, { waitUntil: 'load' });
  const milliseconds = await page.evaluate(readyAt);
  await context.close();
  return milliseconds;
}

// Both windows take input once they are shown: the floor from its first paint with content, the
// page from the later of that paint and the form's start-up (its window is drawn only once the
// script has built it, so the paint comes after).
const shownAndReady = async () => {
  const entry = (type, name) => performance.getEntriesByType(type).find((e) => e.name === name);
  const marked = () => entry('mark', 'korvala-ready') ?? { startTime: 0 };
  const painted = () => entry('paint', 'first-contentful-paint');
  const isPage = document.querySelector('script') !== null;
  while (!painted() || (isPage && !entry('mark', 'korvala-ready'))) {
    await new Promise((resolve) => setTimeout(resolve, 5));
  }
  return Math.max(painted().startTime, marked().startTime);
};

async function transferred(browser, url) {
  const context = await browser.newContext();
  const page = await context.newPage();
  const bodies = [];
  page.on('response', (response) => bodies.push(response.body().then((body) => ({
    path: new URL(response.url()).pathname, raw: body.length, gzip: gzipSync(body, { level: 9 }).length,
  })).catch(() => null)));
  await page.goto(url, { waitUntil: 'load' });
  await page.waitForSelector('html[data-window="ready"]', { state: 'attached' });
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
    korvala.push(await timeToReady(browser, server.url, shownAndReady));
    floor.push(await timeToReady(browser, `${server.url}floor.html`, shownAndReady));
  }
  const files = await transferred(browser, server.url);
  const raw = files.reduce((sum, file) => sum + file.raw, 0);
  const gzip = files.reduce((sum, file) => sum + file.gzip, 0);
  const page = median(korvala);
  const bare = median(floor);
  console.log(`runs: ${runs} each, alternately`);
  console.log(`window shown and ready for input: ${page.toFixed(1)} ms (median)`);
  console.log(`floor shown (static controls, no script): ${bare.toFixed(1)} ms (median)`);
  console.log(`ratio: ${(page / bare).toFixed(2)} (aim: at most 1.5)`);
  for (const file of files) {
    console.log(`  ${file.path}: ${file.raw} bytes, ${file.gzip} gzip-compressed`);
  }
  console.log(`transferred: ${raw} bytes, ${gzip} gzip-compressed ` +
    `(${((gzip / aimBytes) * 100).toFixed(0)} % of the 64 KB aim)`);
} finally {
  await browser.close();
  await server.close();
  rmSync(folder, { recursive: true, force: true });
}
