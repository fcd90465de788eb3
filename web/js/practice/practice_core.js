// The practice part's compiled core: each call answers at once, through the reply the core
// hands back (practice_library.js). The only module of the practice part that names emscripten's
// own globals, which are its own script's: the page's core is another.
let replied = null;

export function reply(json) {
  replied = JSON.parse(json);
}

function answerOf(call) {
  replied = null;
  call();
  return replied;
}

// `pairs`: the problem types to draw from, as a bit for each, none for all of them; a mark is
// for a problem drawn from all of them.
export const core = {
  whenReady(start) {
    Module.onRuntimeInitialized = start;
  },
  problem: (seed, level, pairs) =>
    answerOf(() => Module._korvala_practice_problem(seed, level, pairs)),
  mark: (problem, index, typed) =>
    answerOf(() => {
      const size = lengthBytesUTF8(typed) + 1;
      const text = Module._malloc(size);
      stringToUTF8(typed, text, size);
      Module._korvala_practice_mark(problem.seed, problem.level, index, text);
      Module._free(text);
    }),
  sheet: (seed, count, level, pairs) =>
    answerOf(() => Module._korvala_practice_sheet(seed, count, level, pairs)),
};
