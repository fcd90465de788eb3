// Realises the described controls as page elements, in the table's order (which is the focus
// order), each where the table puts it at 96 dots per inch.
function buildWindow(description) {
  const pixels = (twips) => `${twips / description.twipsPerPixel}px`;
  const colour = (rgb) => `rgb(${rgb.join(', ')})`;

  const place = (element, rect) => {
    element.style.left = pixels(rect.left);
    element.style.top = pixels(rect.top);
    element.style.width = pixels(rect.width);
    element.style.height = pixels(rect.height);
  };

  const paint = (element, control) => {
    if (control.background) {
      element.style.backgroundColor = colour(control.background);
    }
    if (control.textColour) {
      element.style.color = colour(control.textColour);
    }
  };

  const makers = {
    statement(control) {
      const box = document.createElement('textarea');
      box.readOnly = true;
      box.spellcheck = false;
      box.value = control.text;
      // The statement opens at its first line, as it was written.
      box.setSelectionRange(0, 0);
      return box;
    },
    label(control) {
      const label = document.createElement('div');
      label.className = 'label';
      label.textContent = control.text;
      return label;
    },
    frame(control) {
      const frame = document.createElement('fieldset');
      const legend = document.createElement('legend');
      legend.textContent = control.text;
      frame.append(legend);
      return frame;
    },
    check(control) {
      const holder = document.createElement('label');
      holder.className = 'check';
      const box = document.createElement('input');
      box.type = 'checkbox';
      box.disabled = true;
      box.tabIndex = -1;
      const letter = document.createElement('span');
      letter.textContent = control.text;
      holder.append(box, letter);
      return holder;
    },
    value() {
      const box = document.createElement('input');
      box.type = 'text';
      box.readOnly = true;
      box.autocomplete = 'off';
      box.spellcheck = false;
      return box;
    },
    list() {
      const list = document.createElement('select');
      list.size = description.listEntries.length;
      for (const entry of description.listEntries) {
        list.append(new Option(entry, entry));
      }
      list.selectedIndex = -1;
      return list;
    },
    button(control) {
      const button = document.createElement('button');
      button.type = 'button';
      button.textContent = control.text;
      return button;
    },
    picture(control) {
      const picture = document.createElement('img');
      picture.src = 'cylinder.jpg';
      picture.alt = control.accessibleName;
      picture.tabIndex = 0;
      picture.style.borderWidth = `${description.pictureBorder}px`;
      return picture;
    },
  };

  const windowElement = document.createElement('div');
  windowElement.id = 'window';
  place(windowElement, description.clientArea);
  windowElement.style.backgroundColor = colour(description.background);

  const realised = { window: windowElement, byPosition: [], arrays: {} };
  let frame = null;
  description.controls.forEach((control, position) => {
    const element = makers[control.kind](control);
    element.dataset.name = control.name;
    element.classList.add(control.kind);
    place(element, control.rect);
    paint(element, control);
    // The element that takes the focus and carries the name: a check box's own box.
    const focusable = control.kind === 'check' ? element.querySelector('input') : element;
    if (control.kind !== 'label' && control.kind !== 'picture') {
      focusable.setAttribute('aria-label', control.accessibleName);
    }
    (control.inFrame ? frame : windowElement).append(element);
    if (control.kind === 'frame') {
      frame = element;
    }
    realised.byPosition.push(focusable);
    if (!realised.arrays[control.array]) {
      realised.arrays[control.array] = [];
    }
    realised.arrays[control.array][Math.max(control.index, 0)] = focusable;
  });
  return realised;
}
