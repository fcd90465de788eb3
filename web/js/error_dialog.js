// The message of a run-time error, shown as it comes: modal to the window, one button that
// closes it; the focus then goes back to where it was.
export function createErrorDialog(dismissText) {
  const dialog = document.createElement('dialog');
  dialog.className = 'error';
  const title = document.createElement('h2');
  title.id = 'error-title';
  const message = document.createElement('p');
  message.id = 'error-message';
  const close = document.createElement('button');
  close.type = 'button';
  close.textContent = dismissText;
  close.addEventListener('click', () => dialog.close());
  dialog.setAttribute('aria-labelledby', title.id);
  dialog.setAttribute('aria-describedby', message.id);
  dialog.append(title, message, close);
  document.querySelector('main').append(dialog);

  let focusedBefore = null;
  dialog.addEventListener('close', () => {
    focusedBefore?.focus();
  });
  return {
    show(titleText, text) {
      focusedBefore = document.activeElement;
      title.textContent = titleText;
      message.textContent = text;
      dialog.showModal();
      close.focus();
    },
  };
}
