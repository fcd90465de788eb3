// The window's controls among the page's elements, which the build wrote from the control table,
// found by their designed names.
const byName = (name) => document.querySelector(`[data-name="${name}"]`);

export function findWindow(description) {
  return {
    element: document.getElementById('window'),
    valueBoxes: description.values.map(byName),
    // The element that holds the state is a check box's own box.
    checks: description.checks.map((name) => byName(name).querySelector('input')),
    list: byName(description.list),
    buttons: description.buttons.map(byName),
    focusCycle: description.focusCycle.map(byName),
  };
}
