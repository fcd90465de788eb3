// The browser's (or Node.js's) number settings as the values Windows gives for a language, so
// that the core judges them as it judges the desktop's: LOCALE_SDECIMAL, LOCALE_STHOUSAND,
// LOCALE_SGROUPING, LOCALE_ILZERO and LOCALE_INEGNUMBER, each ended by U+001F, in one text; null
// where the language has no number format (an invalid language tag).
// - The language: navigator.language where a navigator has one, otherwise the default locale of
//   Intl.
// - Grouping comes from a number of thirteen digits, which every language groups (CLDR's minimum
//   grouping digits leave a Bulgarian "1234,5" ungrouped, Windows does not): the group next to
//   the decimal symbol, then the next one, which repeats ("3;0", "3;2;0").
// - The negative form is where the minus sign stands, before or after the digits, with a blank
//   between or not. Whatever its characters (U+2212, or "-" with a direction mark), the sign
//   becomes the ASCII minus in the same place, the nearest form Windows has.
const blanks = [0x20, 0xa0, 0x202f, 0x2009, 0x2007];
const endOfValue = '\u001f';

function language() {
  const browser = typeof navigator === 'object' && navigator !== null ? navigator.language : '';
  return typeof browser === 'string' && browser !== ''
    ? browser
    : Intl.DateTimeFormat().resolvedOptions().locale;
}

const partValue = (parts, type) => parts.find((part) => part.type === type)?.value ?? '';
const isBlank = (text) => [...text].some((character) => blanks.includes(character.charCodeAt(0)));

function grouping(format) {
  const long = format.formatToParts(1234567890123.5);
  const sizes = long.filter((part) => part.type === 'integer').map((part) => part.value.length);
  if (partValue(long, 'group') === '' || sizes.length < 2) {
    return { thousand: '', grouping: '0' };
  }
  const first = sizes[sizes.length - 1];
  const second = sizes.length > 2 ? sizes[sizes.length - 2] : first;
  return {
    thousand: partValue(long, 'group'),
    grouping: second === first ? `${first};0` : `${first};${second};0`,
  };
}

function negativeNumber(format) {
  const parts = format.formatToParts(-1.5);
  const sign = parts.findIndex((part) => part.type === 'minusSign');
  if (sign < 0) {
    return partValue(parts, 'literal').includes('(') ? '0' : '1';
  }
  const digits = parts
    .map((part, at) => (['integer', 'decimal', 'fraction'].includes(part.type) ? at : -1))
    .filter((at) => at >= 0);
  const blankBetween = (from, to) => parts.slice(from + 1, to).some((part) => isBlank(part.value));
  if (sign < digits[0]) {
    return blankBetween(sign, digits[0]) ? '2' : '1';
  }
  return blankBetween(digits[digits.length - 1], sign) ? '4' : '3';
}

export function windowsNumberValues() {
  let format;
  try {
    format = new Intl.NumberFormat(language());
  } catch {
    return null;
  }
  const { thousand, grouping: groups } = grouping(format);
  const leadingZero = partValue(format.formatToParts(0.5), 'integer') === '' ? '0' : '1';
  const decimal = partValue(format.formatToParts(1.5), 'decimal');
  return [decimal, thousand, groups, leadingZero, negativeNumber(format)]
    .map((value) => value + endOfValue)
    .join('');
}
