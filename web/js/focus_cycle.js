// Tab runs through the window's focus cycle and then the page's own controls beside it, and
// past the last starts again at the first (Shift+Tab the other way), as the window's focus
// order does; the browser would leave the page instead.
const beside = () =>
  [
    ...document.querySelectorAll('#beside button, #beside input, #beside select, #beside textarea'),
  ].filter(
    (element) => element.getClientRects().length > 0 && !element.disabled && element.tabIndex >= 0,
  );

export function keepFocusInCycle(windowCycle) {
  document.addEventListener('keydown', (event) => {
    if (event.key !== 'Tab' || event.altKey || event.ctrlKey || event.metaKey) {
      return;
    }
    if (document.querySelector('dialog[open]')) {
      return;
    }
    const cycle = [...windowCycle, ...beside()];
    const edge = event.shiftKey ? cycle[0] : cycle[cycle.length - 1];
    if (document.activeElement === edge) {
      event.preventDefault();
      (event.shiftKey ? cycle[cycle.length - 1] : cycle[0]).focus();
    }
  });
}
