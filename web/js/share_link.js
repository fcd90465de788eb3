// A calculation as a link: the address's fragment names the two given quantities of the pair and
// the values the calculation read, "R=1&H=2.5", so that the link gives the same cylinder in a
// browser of any language; a value typed as a multiple of π stays one, "V=2.5pi", and so exact.
// Both directions are plain functions of their arguments.

// The shortest text that reads back to the same double, "." as its decimal point, no grouping,
// and an exponent without "+" (which the program's reading of numbers also takes).
const shortest = (value) => String(value).replace('e+', 'e');

// letters: the quantities' letters by quantity index; pair: the given pair's two indices;
// timesPi: by quantity index, the number a value was typed as a multiple of π with, or null.
export function fragmentOf(letters, pair, values, timesPi) {
  const valueText = (row) => {
    const number = timesPi[row];
    if (number === null) {
      return shortest(values[row]);
    }
    return number === 1 ? 'pi' : `${shortest(number)}pi`;
  };
  return pair.map((row) => `${letters[row]}=${valueText(row)}`).join('&');
}

// The problem type and the two given texts a fragment names ("#" or not), or null for anything
// but exactly two parts, LETTER=value, of two different letters (either case) that form one of
// the pairs, each value as decodeURIComponent decodes it.
export function readFragment(fragment, letters, pairs) {
  const parts = fragment.replace(/^#/, '').split('&');
  if (parts.length !== 2) {
    return null;
  }
  const given = new Map();
  for (const part of parts) {
    const at = part.indexOf('=');
    const row = at < 0 ? -1 : letters.indexOf(part.slice(0, at).toUpperCase());
    if (row < 0 || given.has(row)) {
      return null;
    }
    try {
      given.set(row, decodeURIComponent(part.slice(at + 1)));
    } catch {
      return null;
    }
  }
  const type = pairs.findIndex(([first, second]) => given.has(first) && given.has(second));
  if (type < 0) {
    return null;
  }
  return { type, given: pairs[type].map((row) => ({ row, text: given.get(row) })) };
}

// What a user typing the text into a box with this limit (in UTF-16 units, as the browser counts
// it) ends up with: the characters that fit, none of them cut in half.
export function typedThroughLimit(text, limit) {
  let typed = '';
  for (const character of text) {
    if (typed.length + character.length > limit) {
      break;
    }
    typed += character;
  }
  return typed;
}
