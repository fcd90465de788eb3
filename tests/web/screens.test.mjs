// The window on a phone: scaled down as a whole to the screen's width, no sideways scrolling,
// every control still where the table puts it (scaled) and working by touch.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import {
  button, control, examples, expectPairApplied, problemList, servedPageAndBrowser, texts, valueBox,
} from './harness.mjs';

const served = servedPageAndBrowser();

const phone = {
  viewport: { width: 360, height: 640 }, deviceScaleFactor: 2, isMobile: true, hasTouch: true,
  locale: 'en-US',
};

test('on a phone the whole window fits the width, in the table\'s proportions', async () => {
  const window = await served.open(phone);
  const { page, description, problems } = window;
  const fitted = await page.evaluate(() => {
    const root = document.documentElement;
    const origin = document.getElementById('window').getBoundingClientRect();
    return {
      scrollsSideways: root.scrollWidth > root.clientWidth,
      window: { left: origin.left, right: origin.right, width: origin.width },
      viewport: root.clientWidth,
      controls: [...document.querySelectorAll('#window [data-name]')].map((element) => {
        const rect = element.getBoundingClientRect();
        return { width: rect.width, height: rect.height };
      }),
    };
  });
  assert.equal(fitted.scrollsSideways, false);
  assert.ok(fitted.window.left >= 0 && fitted.window.right <= fitted.viewport, 'inside');
  const scale = fitted.window.width / (description.clientArea.width / description.twipsPerPixel);
  assert.ok(scale < 1 && scale > 0.7, `scaled by ${scale}`);
  for (const [position, design] of description.controls.entries()) {
    const expected = (design.rect.width / description.twipsPerPixel) * scale;
    assert.ok(Math.abs(fitted.controls[position].width - expected) < 1, design.name);
  }
  assert.deepEqual(problems, []);
  await window.close();
});

test('on a phone the list, the boxes and the buttons work by touch', async () => {
  const window = await served.open(phone);
  const { page, problems } = window;
  const example = examples.worked[1];
  const option = problemList(page).locator('option').nth(example.type);
  const place = await option.boundingBox();
  await page.touchscreen.tap(place.x + place.width / 2, place.y + place.height / 2);
  await expectPairApplied(page, example);
  for (const [row, typed] of example.typed.entries()) {
    if (typed !== '') {
      await valueBox(page, row).tap();
      await page.keyboard.type(typed);
    }
  }
  await button(page, 0).tap();
  assert.deepEqual(await texts(page), example.shown);
  await button(page, 1).tap();
  assert.deepEqual(await texts(page), Array(5).fill(''));
  await control(page, 'Text1(0)').tap();
  assert.deepEqual(problems, []);
  await window.close();
});

test('on a desktop screen the window keeps its designed size, and follows the browser\'s',
  async () => {
    const window = await served.open({ viewport: { width: 1024, height: 768 } });
    const { page, description } = window;
    const size = () => page.evaluate(() => {
      const rect = document.getElementById('window').getBoundingClientRect();
      const root = document.documentElement;
      return { width: rect.width, height: rect.height,
        scrollsSideways: root.scrollWidth > root.clientWidth };
    });
    const designed = {
      width: description.clientArea.width / description.twipsPerPixel,
      height: description.clientArea.height / description.twipsPerPixel,
      scrollsSideways: false,
    };
    assert.deepEqual(await size(), designed);
    await page.setViewportSize({ width: 400, height: 768 });
    await page.waitForFunction((width) =>
      document.getElementById('window').getBoundingClientRect().width < width, designed.width);
    assert.equal((await size()).scrollsSideways, false);
    await page.setViewportSize({ width: 1024, height: 768 });
    await page.waitForFunction((width) =>
      document.getElementById('window').getBoundingClientRect().width === width, designed.width);
    assert.deepEqual(await size(), designed);
    assert.deepEqual(window.problems, []);
    await window.close();
  });
