// The practice part's script, loaded the first time the page wants it: once its core is ready it
// hands the page a function that attaches the part to the page's region "Упражнение", through
// an event rather than a global, since the page's script and this one share no scope.

import { createExercise } from './practice/exercise.js';
import { core, reply } from './practice/practice_core.js';
import { createWorksheet } from './practice/worksheet.js';
import { randomSeed } from './seeds.js';

export { reply };

core.whenReady(() => {
  const attach = (host) => {
    const exercise = createExercise(host.exercisePlace, host);
    let worksheet = null;
    return {
      pose: exercise.pose,
      newSeed: randomSeed,
      openWorksheet() {
        worksheet = worksheet ?? createWorksheet(host.worksheetPlace, host);
        worksheet.open();
      },
    };
  };
  document.dispatchEvent(new CustomEvent('korvala-practice-ready', { detail: attach }));
});
