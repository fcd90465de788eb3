// "Сподели" hands the address on: to the system's share sheet where the browser offers one,
// else to the clipboard with a short confirmation, else as the link shown selected. Before the
// first calculation the address is the page itself.
import { copyOrShow } from './hand_over.js';

// say: shows and reads out a short confirmation (copiedText), as the page's status region does.
export function wireShare(button, link, say, copiedText) {
  const reset = () => {
    link.hidden = true;
  };
  button.addEventListener('click', async () => {
    reset();
    const url = location.href;
    if (navigator.share) {
      try {
        await navigator.share({ title: document.title, url });
        return;
      } catch (error) {
        if (error.name === 'AbortError') {
          return;
        }
      }
    }
    await copyOrShow(url, link, say, copiedText);
  });
  return { reset };
}
