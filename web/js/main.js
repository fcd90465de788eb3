// Start-up, once the core is ready: find the window's controls, start the form, give the focus
// to its first control, open a share link or a problem's link the address may hold, and tell
// whoever waits that the window takes input. The core calls the page through `controls`.
import { createAnswerView } from './answer.js';
import { controls } from './controls.js';
import { core } from './core.js';
import { createErrorDialog } from './error_dialog.js';
import { wireEvents } from './events.js';
import { keepFocusInCycle } from './focus_cycle.js';
import { keepForOffline } from './offline.js';
import { calculateInWindow, openLink } from './open_link.js';
import { wirePiKey } from './pi_key.js';
import { wirePractice } from './practice_loader.js';
import { createProblemList } from './problem_list.js';
import { createScaleDrawing } from './scale_drawing.js';
import { wireShare } from './share.js';
import { createSolutionView } from './solution.js';
import { findWindow, readDescription } from './window_elements.js';

export { controls };

core.whenReady(() => {
  const description = readDescription();
  const windowControls = findWindow(description);
  const problemList = createProblemList(windowControls.list, core.problemTypeChosen);
  const status = document.getElementById('status');
  const say = (text) => {
    status.textContent = text;
  };
  const shareView = wireShare(
    document.getElementById('share'),
    document.getElementById('share-link'),
    say,
    description.linkCopied,
  );
  const answerView = createAnswerView(
    {
      status,
      solution: createSolutionView(
        document.getElementById('solution'),
        say,
        description.solutionCopied,
      ),
      drawing: createScaleDrawing(document.getElementById('scale-drawing'), description.letters),
    },
    description,
    shareView.reset,
  );
  controls.attach({
    valueBoxes: windowControls.valueBoxes,
    checks: windowControls.checks,
    problemList,
    errorDialog: createErrorDialog(description.errorDismiss),
    answerView,
  });
  wireEvents(windowControls, description);
  wirePiKey(document.getElementById('pi-key'), windowControls.valueBoxes);
  keepFocusInCycle(windowControls.focusCycle);
  const practice = wirePractice(document.getElementById('practice'), {
    say,
    piKey: document.getElementById('pi-key'),
    pairs: description.pairs,
    letters: description.letters,
    showInWindow(type, given) {
      calculateInWindow(type, given, windowControls, problemList);
      windowControls.focusCycle[0].scrollIntoView({ block: 'start' });
    },
  });

  // Start-up empties the values, and with them the address's fragment: read it first.
  const linkAtStart = location.hash;
  core.start();
  // In the narrow layout the statement comes last: the page opens at its top all the same.
  windowControls.focusCycle[0].focus({ preventScroll: true });
  openLink(linkAtStart, windowControls, problemList, description);
  practice.openLink(linkAtStart);
  addEventListener('hashchange', () => {
    openLink(location.hash, windowControls, problemList, description);
    practice.openLink(location.hash);
  });

  performance.mark('korvala-ready');
  document.documentElement.dataset.window = 'ready';
  addEventListener('load', keepForOffline);
  if (document.readyState === 'complete') {
    keepForOffline();
  }
});
