// Writes the page's one script: emscripten's script with its WebAssembly handed over inside it, so
// that the page opens straight from a folder too, where fetching the WebAssembly is refused. The
// bytes stand in a string literal, one character U+0000 to U+00FF for each byte, rather than in
// base64: gzip then finds the binary's repetitions as it finds them in the binary itself, where
// base64's 6-bit characters hide most of them.
// With --own-scope the script runs in a function of its own, its Module its own: for a second
// program on the page, beside the one whose Module is the page's.
// Usage: node tools/embed_wasm.mjs [--own-scope] CORE_SCRIPT WASM OUTPUT
import { readFileSync, writeFileSync } from 'node:fs';

const options = process.argv.slice(2);
const ownScope = options[0] === '--own-scope';
const [coreScript, wasm, output] = ownScope ? options.slice(1) : options;
if (!output) {
  console.error('usage: node tools/embed_wasm.mjs [--own-scope] CORE_SCRIPT WASM OUTPUT');
  process.exit(2);
}

const escapes = new Map([
  [0x22, '\\"'],
  [0x5c, '\\\\'],
  [0x0a, '\\n'],
  [0x0d, '\\r'],
]);
const isDigit = (byte) => byte >= 0x30 && byte <= 0x39;

function stringLiteral(bytes) {
  const characters = [];
  for (let i = 0; i < bytes.length; i++) {
    const byte = bytes[i];
    if (escapes.has(byte)) {
      characters.push(escapes.get(byte));
    } else if (byte === 0) {
      // "\0" followed by a digit would read as an octal escape, which strict code refuses.
      characters.push(isDigit(bytes[i + 1]) ? '\\x00' : '\\0');
    } else {
      characters.push(String.fromCharCode(byte));
    }
  }
  return `"${characters.join('')}"`;
}

const decoder =
  '(t=>{const b=new Uint8Array(t.length);for(let i=0;i<t.length;i++)b[i]=t.charCodeAt(i);return b})';
const handOver = `var Module={wasmBinary:${decoder}(${stringLiteral(readFileSync(wasm))})};\n`;
const script = handOver + readFileSync(coreScript, 'utf8');
writeFileSync(output, ownScope ? `(() => {\n${script}\n})();\n` : script, 'utf8');
