// A practice problem's link: "#problem=SEED&level=N", SEED a seed, N 1 to 3. Anything else names
// no problem.
import { kMostSeed, wholeNumber } from './seeds.js';

export const problemFragmentOf = (seed, level) => `#problem=${seed}&level=${level}`;

export function readProblemLink(fragment) {
  const found = /^#?problem=(\d+)&level=([1-3])$/.exec(fragment);
  const seed = found ? wholeNumber(found[1], kMostSeed) : null;
  return seed === null ? null : { seed, level: Number(found[2]) };
}
