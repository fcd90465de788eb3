// The cylinder of the answer drawn to scale, seen slightly from above as the window's drawing
// sees it: its axial section 2R wide and H high inside a fixed box, the top and bottom ellipses,
// the diagonal D, R, H and D marked with their letters, and their values as text under it (text
// in the drawing would shrink with it on a narrow screen). However flat or thin the cylinder,
// it stays visible.
const svgNames = 'http://www.w3.org/2000/svg';
const box = { width: 320, height: 240 };
const room = { side: 40, top: 12, bottom: 36 };
const thinnest = 4;
const tilt = 0.26; // an ellipse's height against its width, about as in the window's drawing

function shape(name, attributes, text) {
  const element = document.createElementNS(svgNames, name);
  // No destructuring in the loop's head: this emscripten's minifier drops it.
  for (const key of Object.keys(attributes)) {
    element.setAttribute(key, String(attributes[key]));
  }
  if (text !== undefined) {
    element.textContent = text;
  }
  return element;
}

// The section's width and height in the box: to scale, and never thinner than `thinnest`.
function fitted(radius, height) {
  const across = box.width - 2 * room.side;
  const up = box.height - room.top - room.bottom;
  const scale = Math.min(across / (2 * radius), up / (height + 2 * tilt * radius));
  return {
    width: Math.max(thinnest, 2 * radius * scale),
    height: Math.max(thinnest, height * scale),
  };
}

// letters: R, H and D's, in that order.
function draw(lines, letters, [radius, height]) {
  const section = fitted(radius, height);
  const half = section.width / 2;
  const ry = Math.max(1, tilt * half);
  const centre = box.width / 2;
  const free = box.height - room.top - room.bottom - section.height - 2 * ry;
  const top = room.top + ry + Math.max(0, free / 2);
  const bottom = top + section.height;
  const left = centre - half;
  const right = centre + half;
  const middle = (top + bottom) / 2 + 6;
  const solid = { fill: 'none', stroke: 'currentColor', 'stroke-width': 1.5 };
  const dashed = { ...solid, 'stroke-width': 1.2, 'stroke-dasharray': '5 4' };
  const letter = { fill: 'currentColor', 'font-size': 18 };
  lines.replaceChildren(
    shape('ellipse', { ...solid, cx: centre, cy: top, rx: half, ry }),
    shape('line', { ...solid, x1: left, y1: top, x2: left, y2: bottom }),
    shape('line', { ...solid, x1: right, y1: top, x2: right, y2: bottom }),
    shape('path', { ...solid, d: `M ${left} ${bottom} A ${half} ${ry} 0 0 0 ${right} ${bottom}` }),
    shape('path', { ...dashed, d: `M ${left} ${bottom} A ${half} ${ry} 0 0 1 ${right} ${bottom}` }),
    shape('line', { ...dashed, x1: left, y1: bottom, x2: right, y2: bottom }),
    shape('line', { ...dashed, x1: left, y1: bottom, x2: right, y2: top }),
    shape(
      'text',
      { ...letter, x: centre, y: bottom + ry + 22, 'text-anchor': 'middle' },
      letters[0],
    ),
    shape('text', { ...letter, x: right + 8, y: middle }, letters[1]),
    shape('text', { ...letter, x: left - 8, y: middle, 'text-anchor': 'end' }, letters[2]),
  );
}

// letters: the quantities' letters in the order of the value rows, R, H and D first.
export function createScaleDrawing(figure, letters) {
  const lines = figure.querySelector('g');
  const caption = figure.querySelector('figcaption');
  const drawn = letters.slice(0, 3);
  return {
    show(answer) {
      draw(lines, drawn, answer.values);
      caption.textContent = drawn
        .map((letter, row) => `${letter} = ${answer.texts[row]}`)
        .join('; ');
      figure.hidden = false;
    },
    clear() {
      lines.replaceChildren();
      caption.textContent = '';
      figure.hidden = true;
    },
  };
}
