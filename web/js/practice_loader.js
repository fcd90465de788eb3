// The region "Упражнение": "Нова задача" with its level, "Лист със задачи", and a problem's link.
// Their code, and a WebAssembly of its own, load the first time one of them is wanted (a script
// element, which a page opened from a folder may load too, and the part's style sheet), so that
// the window opens without waiting for them; a load that fails is said and tried again at the
// next press.
import { problemFragmentOf, readProblemLink } from './problem_link.js';

function loadPart(host) {
  return new Promise((resolve, reject) => {
    const ready = (event) => resolve(event.detail(host));
    document.addEventListener('korvala-practice-ready', ready, { once: true });
    const style = document.createElement('link');
    style.rel = 'stylesheet';
    style.href = 'practice.css';
    const script = document.createElement('script');
    script.src = 'practice.js';
    script.addEventListener('error', () => {
      document.removeEventListener('korvala-practice-ready', ready);
      style.remove();
      script.remove();
      reject(new Error('practice.js'));
    });
    document.head.append(style, script);
  });
}

export function wirePractice(region, page) {
  const level = region.querySelector('select');
  const host = {
    ...page,
    exercisePlace: region.querySelector('#exercise'),
    worksheetPlace: region.querySelector('#worksheet-options'),
    sheetPlace: region.parentElement,
    level: () => Number(level.value),
    setProblemLink: (seed, chosenLevel) =>
      history.replaceState(history.state, '', problemFragmentOf(seed, chosenLevel)),
  };
  let loading = null;
  const withPractice = (use) => {
    loading =
      loading ??
      loadPart(host).catch((failure) => {
        loading = null;
        throw failure;
      });
    loading.then(use, () => page.say(region.dataset.loadFailed));
  };
  region
    .querySelector('#new-problem')
    .addEventListener('click', () =>
      withPractice((practice) => practice.pose(practice.newSeed(), host.level())),
    );
  region
    .querySelector('#new-worksheet')
    .addEventListener('click', () => withPractice((practice) => practice.openWorksheet()));
  return {
    openLink(fragment) {
      const link = readProblemLink(fragment);
      if (link) {
        level.value = String(link.level);
        withPractice((practice) => practice.pose(link.seed, link.level));
      }
    },
  };
}
