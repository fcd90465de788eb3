// The list of problem types: a listbox whose options are the nine pairs, at most one selected.
// The user selects with a click or a tap, Up or Left (the previous pair), Down or Right (the
// next), Home and End; only a change the user makes is reported, as a native list reports it.
const moves = {
  ArrowUp: (selected) => selected - 1,
  ArrowLeft: (selected) => selected - 1,
  ArrowDown: (selected) => selected + 1,
  ArrowRight: (selected) => selected + 1,
  Home: () => 0,
  End: (_, last) => last,
};

export function createProblemList(element, onUserChange) {
  const options = [...element.querySelectorAll('[role="option"]')];
  let selected = -1;

  const show = (position) => {
    selected = position;
    options.forEach((option, at) => {
      option.setAttribute('aria-selected', String(at === position));
    });
    if (position >= 0) {
      element.setAttribute('aria-activedescendant', options[position].id);
    } else {
      element.removeAttribute('aria-activedescendant');
    }
  };
  const choose = (position) => {
    if (position === selected) {
      return;
    }
    show(position);
    options[position].scrollIntoView({ block: 'nearest' });
    onUserChange();
  };

  element.addEventListener('click', (event) => {
    const option = event.target.closest('[role="option"]');
    if (option) {
      choose(options.indexOf(option));
    }
  });
  element.addEventListener('keydown', (event) => {
    const move = moves[event.key];
    if (!move || event.altKey || event.ctrlKey || event.metaKey) {
      return;
    }
    event.preventDefault();
    const last = options.length - 1;
    choose(Math.min(last, Math.max(0, move(selected, last))));
  });

  return {
    index: () => selected,
    // The program's selection: nothing is reported.
    select: show,
    // As if the user had chosen it.
    choose,
  };
}
