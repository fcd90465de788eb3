// The seeds problems are made from: any whole number below 2³², as a link or a sheet's number
// names it, or one nobody chose.
export const kMostSeed = 4294967295;

export const randomSeed = () => crypto.getRandomValues(new Uint32Array(1))[0];

// A whole number from 0 to `most` as typed, digits only; else null.
export function wholeNumber(typed, most) {
  const text = typed.trim();
  if (!/^\d{1,10}$/.test(text) || Number(text) > most) {
    return null;
  }
  return Number(text);
}
