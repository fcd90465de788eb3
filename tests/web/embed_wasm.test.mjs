// The page's WebAssembly handed over inside its script: every byte value comes out as it went in,
// including those the string literal has to escape and a zero before a digit, which a plain "\0"
// would turn into an octal escape; and a second program's script, in a scope of its own.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { test } from 'node:test';
import { runInNewContext } from 'node:vm';

const embedder = new URL('../../tools/embed_wasm.mjs', import.meta.url).pathname;

test('every byte survives the string literal', () => {
  const folder = mkdtempSync(join(tmpdir(), 'korvala-embed-'));
  try {
    const bytes = Uint8Array.from([
      ...Array.from({ length: 256 }, (_, i) => i),
      ...[0, 0x37, 0, 0, 0x22, 0x5c, 0x0d, 0x0a, 0],
    ]);
    const wasm = join(folder, 'core.wasm');
    const core = join(folder, 'core.js');
    const output = join(folder, 'page.js');
    writeFileSync(wasm, bytes);
    writeFileSync(core, '"use strict";var handed=Module.wasmBinary;');
    execFileSync(process.execPath, [embedder, core, wasm, output]);
    const context = {};
    runInNewContext(`"use strict";${readFileSync(output, 'utf8')}`, context);
    assert.deepEqual([...context.handed], [...bytes]);
  } finally {
    rmSync(folder, { recursive: true, force: true });
  }
});

test('a script of its own scope hands over its WebAssembly and leaves the page’s Module alone', () => {
  const folder = mkdtempSync(join(tmpdir(), 'korvala-embed-'));
  try {
    const wasm = join(folder, 'practice.wasm');
    const core = join(folder, 'practice.js');
    const output = join(folder, 'out.js');
    writeFileSync(wasm, Uint8Array.from([0, 0x61, 0x73, 0x6d]));
    writeFileSync(
      core,
      'var Module=typeof Module!="undefined"?Module:{};globalThis.handed=Module.wasmBinary;',
    );
    execFileSync(process.execPath, [embedder, '--own-scope', core, wasm, output]);
    const page = { own: true };
    const context = { Module: page };
    context.globalThis = context;
    runInNewContext(readFileSync(output, 'utf8'), context);
    assert.equal(context.Module, page);
    assert.deepEqual(page, { own: true });
    assert.deepEqual([...context.handed], [0, 0x61, 0x73, 0x6d]);
  } finally {
    rmSync(folder, { recursive: true, force: true });
  }
});
