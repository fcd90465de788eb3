// Tab runs through the controls that take the focus and, past the last, starts again at the
// first (Shift+Tab the other way), as in the window's own focus order; the browser would leave
// the page instead.
function keepFocusInWindow(realised, description) {
  const cycle = realised.byPosition.filter((_, position) =>
    description.controls[position].takesFocus);
  realised.window.addEventListener('keydown', (event) => {
    if (event.key !== 'Tab' || event.altKey || event.ctrlKey || event.metaKey) {
      return;
    }
    const edge = event.shiftKey ? cycle[0] : cycle[cycle.length - 1];
    if (document.activeElement === edge) {
      event.preventDefault();
      (event.shiftKey ? cycle[cycle.length - 1] : cycle[0]).focus();
    }
  });
}
