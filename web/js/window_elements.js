// The window's description, which the build wrote into the page, and the window's controls among
// the page's elements, written from the same control table, found by their designed names.
const byName = (name) => document.querySelector(`[data-name="${name}"]`);

export const readDescription = () =>
  JSON.parse(document.getElementById('window-description').textContent);

export function findWindow(description) {
  return {
    element: document.getElementById('window'),
    valueBoxes: description.values.map(byName),
    // The element that holds the state is a check box's own box.
    checks: description.checks.map((name) => byName(name).querySelector('input')),
    list: byName(description.list),
    calculate: byName(description.calculate),
    clear: byName(description.clear),
    focusCycle: description.focusCycle.map((control) => byName(control.name)),
  };
}
