// axe-core over the page in both layouts: at start, after a calculation, with the error
// message open, and with a problem marked and a worksheet made; no violation of any rule it runs.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { test } from 'node:test';
import {
  button,
  chooseType,
  desktop,
  errorDialog,
  examples,
  phone,
  servedPageAndBrowser,
  typeValues,
} from './harness.mjs';

const served = servedPageAndBrowser();
const axeSource = readFileSync(
  createRequire(import.meta.url).resolve('axe-core/axe.min.js'),
  'utf8',
);

async function violations(page) {
  await page.evaluate(axeSource);
  const results = await page.evaluate(() => window.axe.run(document));
  return results.violations.map(
    (violation) =>
      `${violation.id}: ${violation.nodes.map((node) => node.target.join(' ')).join(', ')}`,
  );
}

for (const [layout, device] of [
  ['wide', desktop],
  ['narrow', phone],
]) {
  test(`no violation in the ${layout} layout: at start, after a calculation, with the message open, practising`, async () => {
    const window = await served.open({ locale: 'bg-BG', ...device });
    const { page, problems } = window;
    assert.deepEqual(await violations(page), [], 'at start');
    await typeValues(page, examples.worked[0].typed);
    await button(page, 0).click();
    assert.deepEqual(await violations(page), [], 'after a calculation');
    const [impossible] = examples.errors;
    await chooseType(page, impossible.type);
    await typeValues(page, impossible.typed);
    await button(page, 0).click();
    await errorDialog(page).waitFor();
    assert.deepEqual(await violations(page), [], 'with the message open');
    await page.keyboard.press('Escape');
    await page.locator('#new-problem').click();
    await page.locator('#answer-0').fill('1');
    await page.getByRole('button', { name: 'Провери' }).click();
    await page.locator('#new-worksheet').click();
    await page.getByRole('button', { name: 'Направи листа' }).click();
    await page.locator('#worksheet').waitFor();
    assert.deepEqual(await violations(page), [], 'with a problem marked and a worksheet');
    assert.deepEqual(problems, []);
    await window.close();
  });
}
