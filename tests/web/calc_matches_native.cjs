// Holds the WebAssembly korvala-calc against the native one: the same random requests under
// several settings must give the same answers, byte for byte, and the same exit status; so must
// a full disk and a folder for input; and each answer must come before the next request is
// sent. (Node.js makes closed standard streams /dev/null, so those cases cannot be compared.)
//   node calc_matches_native.cjs NATIVE_CALC COUNT SEED -- NODE [NODE_OPTIONS...] WASM_CALC
'use strict';

const fs = require('node:fs');
const { spawnSync } = require('node:child_process');
const { requests } = require('./random_requests.cjs');

const [nativeCalc, count, seed] = process.argv.slice(2, 5);
const wasmCommand = process.argv.slice(process.argv.indexOf('--') + 1);

if (!fs.existsSync(nativeCalc)) {
  console.error(
    `the native korvala-calc is not at ${nativeCalc}: build the dev preset first ` +
      '(cmake --preset dev && cmake --build --preset dev --target korvala-calc), ' +
      'or point KORVALA_NATIVE_CALC at one',
  );
  process.exit(1);
}

const settings = [
  ['--decimal', '.'],
  ['--decimal', ',', '--group', ' '],
  ['--decimal', ',', '--group', '.', '--grouping', '3'],
  [
    '--decimal',
    '.',
    '--group',
    ',',
    '--grouping',
    '3;2',
    '--no-leading-zero',
    '--negative-form',
    '0',
  ],
  ['--decimal', ',', '--group', '\u00a0', '--negative-form', '4'],
  ['--decimal', '\u066b', '--group', '\u066c', '--grouping', '3', '--negative-form', '3'],
  ['--decimal', '.', '--group', "'", '--grouping', 'none', '--negative-form', '2'],
  ['--decimal', ',', '--group', ','],
];

const input = requests(Number(count), seed);
const requestLines = input.split('\n');
let failed = 0;
for (const options of settings) {
  const run = (command) =>
    spawnSync(command[0], [...command.slice(1), ...options], {
      input,
      maxBuffer: 1 << 28,
      encoding: 'utf8',
    });
  const native = run([nativeCalc]);
  const wasm = run(wasmCommand);
  const label = JSON.stringify(options);
  // A program that refuses its options reads no request: the rest of the input is not taken.
  const fault = (result) => (result.error && result.error.code !== 'EPIPE' ? result.error : null);
  if (fault(native) || fault(wasm)) {
    console.error(`${label}: ${fault(native) || fault(wasm)}`);
    failed++;
    continue;
  }
  if (native.status !== wasm.status) {
    console.error(
      `${label}: exit status ${wasm.status}, the native one ${native.status}\n${wasm.stderr}`,
    );
    failed++;
    continue;
  }
  if (native.stdout !== wasm.stdout) {
    const nativeLines = native.stdout.split('\n');
    const wasmLines = wasm.stdout.split('\n');
    const i = nativeLines.findIndex((line, n) => line !== wasmLines[n]);
    console.error(
      `${label}, request ${i + 1}:\n${requestLines[i]}\n` +
        `native: ${nativeLines[i]}\nwasm:   ${wasmLines[i]}`,
    );
    failed++;
    continue;
  }
  const answers = native.stdout.split('\n').length - 1;
  console.log(`${answers} answers alike with ${label} (exit status ${native.status})`);
}
let passed = settings.length - failed;
function check(alike, what) {
  if (alike) {
    passed++;
  } else {
    failed++;
  }
  console.log(`${alike ? 'alike' : 'DIFFERENT'}: ${what}`);
}

const requestFile = `${fs.mkdtempSync(`${require('node:os').tmpdir()}/korvala-web-`)}/requests.jsonl`;
fs.writeFileSync(requestFile, input);
const streamCases = [
  ['answers to a full disk', () => [fs.openSync(requestFile, 'r'), fs.openSync('/dev/full', 'w')]],
  ['a folder for input', () => [fs.openSync('/', 'r'), 'pipe']],
];
for (const [what, streams] of streamCases) {
  const statusOf = (command) =>
    spawnSync(command[0], [...command.slice(1), '--decimal', '.'], {
      stdio: [...streams(), 'pipe'],
    }).status;
  const native = statusOf([nativeCalc]);
  const wasm = statusOf(wasmCommand);
  check(native === wasm, `${what}: exit status ${wasm}, the native one ${native}`);
}
fs.rmSync(requestFile.replace(/\/[^/]*$/, ''), { recursive: true });

// One request at a time, the next sent only when the answer to the last has come.
const chosen = requestLines.filter((line) => line.startsWith('{')).slice(0, 20);
const child = require('node:child_process').spawn(wasmCommand[0], [
  ...wasmCommand.slice(1),
  '--decimal',
  '.',
]);
let received = '';
let sent = 0;
const timer = setTimeout(() => {
  check(false, `answered line by line: no answer to request ${sent} within 20 s`);
  child.kill();
}, 20000);
child.stdout.setEncoding('utf8');
child.stdout.on('data', (data) => {
  received += data;
  if (received.split('\n').length - 1 === sent) {
    if (sent === chosen.length) {
      child.stdin.end();
    } else {
      child.stdin.write(`${chosen[sent++]}\n`);
    }
  }
});
child.on('exit', () => {
  clearTimeout(timer);
  const nativeAnswers = spawnSync(nativeCalc, ['--decimal', '.'], {
    input: `${chosen.join('\n')}\n`,
    encoding: 'utf8',
  }).stdout;
  check(
    received === nativeAnswers && sent === chosen.length,
    `answered line by line (${sent} requests)`,
  );
  console.log(`${passed} passed, ${failed} failed`);
  process.exitCode = failed === 0 ? 0 : 1;
});
child.stdin.write(`${chosen[sent++]}\n`);
