// Finds the described controls among the page's elements, which the build wrote from the same
// control table (places and colours in window.css), in the table's order (the focus order).
function adoptWindow(description) {
  const windowElement = document.getElementById('window');
  const realised = { window: windowElement, byPosition: [], arrays: {} };
  description.controls.forEach((control) => {
    const element = windowElement.querySelector(`[data-name="${control.name}"]`);
    // The element that takes the focus and carries the name: a check box's own box.
    const focusable = control.kind === 'check' ? element.querySelector('input') : element;
    realised.byPosition.push(focusable);
    if (!realised.arrays[control.array]) {
      realised.arrays[control.array] = [];
    }
    realised.arrays[control.array][Math.max(control.index, 0)] = focusable;
  });
  return realised;
}
