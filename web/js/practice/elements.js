// Builds the practice part's elements: attributes and children given, the text put in as text,
// never as markup.
export function element(tag, attributes = {}, children = []) {
  const made = document.createElement(tag);
  for (const name of Object.keys(attributes)) {
    if (name === 'text') {
      made.textContent = attributes[name];
    } else {
      made.setAttribute(name, attributes[name]);
    }
  }
  made.append(...children);
  return made;
}
