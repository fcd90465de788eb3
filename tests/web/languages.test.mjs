// The numbers follow the browser's language: the decimal symbol of Bulgarian is the comma, of
// English the period; what a box shows reads back as the number shown.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import {
  button,
  chooseType,
  examples,
  fullValues,
  servedPageAndBrowser,
  texts,
  typeValues,
} from './harness.mjs';

const served = servedPageAndBrowser();

// The examples' values are all below a thousand, so no grouping shows in either language.
const languages = [
  { locale: 'bg-BG', decimal: ',' },
  { locale: 'en-US', decimal: '.' },
];

for (const { locale, decimal } of languages) {
  test(`in ${locale} the values are written with "${decimal}"`, async () => {
    const window = await served.open({ locale });
    const { page, problems } = window;
    const inLanguage = (values) => values.map((value) => value.replaceAll('.', decimal));
    for (const example of [examples.worked[0], examples.worked[7]]) {
      await chooseType(page, example.type);
      await typeValues(page, example.typed);
      await button(page, 0).click();
      assert.deepEqual(await texts(page), inLanguage(example.shown), example.entry);
      assert.deepEqual(await fullValues(page), inLanguage(example.offered), example.entry);
      // Typed back as shown, the given pair gives the same cylinder.
      const shown = await texts(page);
      const given = example.typed.map((typed, row) => (typed === '' ? '' : shown[row]));
      await button(page, 1).click();
      await typeValues(page, given);
      await button(page, 0).click();
      assert.deepEqual(await texts(page), shown, `${example.entry} typed back`);
    }
    assert.deepEqual(problems, []);
    await window.close();
  });
}
