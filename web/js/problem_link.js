// A practice problem's link: "#problem=SEED&level=N", SEED a whole number below 2³², N 1 to 3.
// Anything else names no problem.
const kMostSeed = 4294967295;

export const problemFragmentOf = (seed, level) => `#problem=${seed}&level=${level}`;

export function readProblemLink(fragment) {
  const found = /^#?problem=(\d{1,10})&level=([1-3])$/.exec(fragment);
  if (!found || Number(found[1]) > kMostSeed) {
    return null;
  }
  return { seed: Number(found[1]), level: Number(found[2]) };
}
