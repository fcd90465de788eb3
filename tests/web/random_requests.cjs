// Random korvala-calc requests, one a line, the same ones for the same seed: requests(count,
// seed) gives the text, and `node random_requests.cjs COUNT SEED` writes it.
// All nine problem types (and a few that are none), texts with grouping symbols, exponents,
// &H and &O numbers, blanks, huge and tiny values and noise, the given pair mostly checked,
// and now and then a malformed line.
'use strict';

let state = 1n;

// A 64-bit linear congruential generator, its high bits mixed: the same draws everywhere.
function next() {
  state = (state * 6364136223846793005n + 1442695040888963407n) & 0xffffffffffffffffn;
  return Number(state >> 33n);
}
function below(bound) {
  return next() % bound;
}
function pick(list) {
  return list[below(list.length)];
}
function digits(length) {
  let text = '';
  for (let i = 0; i < length; i++) {
    text += String(below(10));
  }
  return text;
}

const groupSymbols = [',', '.', ' ', '\u00a0', '\u202f', "'", '\u2019'];
const decimalSymbols = ['.', ',', '\u066b'];

function grouped(integer) {
  const symbol = pick(groupSymbols);
  const size = pick([3, 3, 2]);
  let text = '';
  for (let end = integer.length; end > 0; end -= size) {
    const group = integer.slice(Math.max(0, end - size), end);
    text = group + (text === '' ? '' : symbol + text);
  }
  return text;
}

function number() {
  switch (below(12)) {
    case 0:
      return digits(1 + below(4));
    case 1:
      return (below(2) ? '-' : '') + digits(1 + below(6)) + pick(decimalSymbols) + digits(below(9));
    case 2:
      return grouped(digits(1 + below(12))) + pick(decimalSymbols) + digits(below(8));
    case 3:
      return digits(1 + below(3)) + pick(['E', 'e']) + pick(['', '+', '-']) + String(below(330));
    case 4:
      return `1${pick(['E', 'e'])}${pick(['308', '309', '400', '-308', '-320', '-324', '-400'])}`;
    case 5:
      return (
        pick(['&H', '&h', '&O', '&o']) +
        pick(['FF', '7f', '17', '10', `1${'0'.repeat(below(300))}`])
      );
    case 6:
      return pick(['', ' ', 'abc', '0', '-0', '.', ',', '-', '+5', '2abc', '1.2.3', '\t3 4']);
    case 7:
      return `0.${'0'.repeat(below(12))}${digits(1 + below(8))}`;
    case 8:
      return `${digits(1 + below(3))} ${digits(1 + below(3))}`;
    case 9:
      return digits(200 + below(150));
    case 10:
      return String(below(100000) / 2 ** (1 + below(10))); // exact halves: ties
    default:
      return `${digits(1 + below(3))}.${digits(below(8))}E${pick(['', '-'])}${digits(1 + below(2))}`;
  }
}

const givenPairs = [
  [0, 1],
  [0, 2],
  [0, 3],
  [0, 4],
  [1, 2],
  [1, 3],
  [1, 4],
  [2, 3],
  [3, 4],
];

function request() {
  const type = below(40) === 0 ? pick([-1, 9, 100]) : below(9);
  const texts = [];
  const checks = [0, 0, 0, 0, 0];
  for (let i = 0; i < 5; i++) {
    texts.push(below(8) === 0 ? '' : number());
  }
  if (type >= 0 && type < 9 && below(10) !== 0) {
    for (const i of givenPairs[type]) {
      checks[i] = 1;
    }
  } else {
    for (let i = 0; i < 5; i++) {
      checks[i] = below(2);
    }
  }
  return JSON.stringify({ type, texts, checks });
}

function malformed() {
  return pick([
    '',
    '{}',
    'not json',
    '{"type": 0, "texts": ["1", "1", "", "", ""]}',
    '{"type": 0, "type": 1, "texts": ["1", "1", "", "", ""], "checks": [1, 1, 0, 0, 0]}',
    '{"type": 0, "texts": ["1", "1", "", ""], "checks": [1, 1, 0, 0, 0]}',
    '{"type": "0", "texts": ["1", "1", "", "", ""], "checks": [1, 1, 0, 0, 0]}',
  ]);
}

function requests(count, seed) {
  state = BigInt(seed) & 0xffffffffffffffffn;
  const lines = [];
  for (let i = 0; i < count; i++) {
    lines.push(below(50) === 0 ? malformed() : request());
  }
  return `${lines.join('\n')}\n`;
}

module.exports = { requests };

if (require.main === module) {
  process.stdout.write(requests(Number(process.argv[2] || 3000), process.argv[3] || 1));
}
