// "Сподели" hands the address on: to the system's share sheet where the browser offers one,
// else to the clipboard with a short confirmation, else (where the page may not write the
// clipboard) as the link shown selected, ready to copy. Before the first calculation the
// address is the page itself.
const copiedText = 'Връзката е копирана';
// say: shows and reads out a short confirmation, as the page's status region does.
export function wireShare(button, link, say) {
  const reset = () => {
    link.hidden = true;
  };
  const showLink = (url) => {
    link.value = url;
    link.hidden = false;
    link.focus();
    link.select();
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
    try {
      await navigator.clipboard.writeText(url);
      say(copiedText);
    } catch {
      showLink(url);
    }
  });
  return { reset };
}
