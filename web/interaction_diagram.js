// Draws the interaction diagram of a column with moments to scale, as the engine gives it
// (DiagramOf): the capacity contour at the column's load, closed, Mx across and My up, both
// axes from -extent to +extent t·m with their ticks, and the points of the cases the section
// was checked for. Its labels are real text, so the sheet prints and reads them.

const SVG = 'http://www.w3.org/2000/svg';
const SIZE = 240;  // the plot's side, in the drawing's units
const MARGIN = 34;  // room for the ticks' labels and the axes' names
const TICK = 4;

function svgElement(name, attributes, text) {
  const element = document.createElementNS(SVG, name);
  for (const [key, value] of Object.entries(attributes)) element.setAttribute(key, String(value));
  if (text !== undefined) element.textContent = text;
  return element;
}

// `diagram`: { contour: [[mx, my], …], loads: [[mx, my], …], extentTM,
// ticks: [{ atTM, label }] }.
export function drawInteractionDiagram(svg, { contour, loads, extentTM, ticks }) {
  const half = SIZE / 2;
  const scale = half / extentTM;
  const x = (moment) => half + moment * scale;
  const y = (moment) => half - moment * scale;
  const tickMarks = ticks.flatMap(({ atTM, label }) => [
    svgElement('line', { class: 'grid', x1: x(atTM), y1: 0, x2: x(atTM), y2: SIZE }),
    svgElement('line', { class: 'grid', x1: 0, y1: y(atTM), x2: SIZE, y2: y(atTM) }),
    svgElement('line', { class: 'axis', x1: x(atTM), y1: half - TICK, x2: x(atTM),
      y2: half + TICK }),
    svgElement('line', { class: 'axis', x1: half - TICK, y1: y(atTM), x2: half + TICK,
      y2: y(atTM) }),
    svgElement('text', { class: 'tick', x: x(atTM), y: SIZE + 12, 'text-anchor': 'middle' },
      label),
    svgElement('text', { class: 'tick', x: -4, y: y(atTM) + 3, 'text-anchor': 'end' }, label),
  ]);
  const outline = contour.map(([mx, my], i) => `${i === 0 ? 'M' : 'L'}${x(mx).toFixed(2)} ` +
    `${y(my).toFixed(2)}`).join(' ');
  svg.replaceChildren(
    ...tickMarks,
    svgElement('line', { class: 'axis', x1: 0, y1: half, x2: SIZE, y2: half }),
    svgElement('line', { class: 'axis', x1: half, y1: 0, x2: half, y2: SIZE }),
    svgElement('text', { class: 'axis-name', x: SIZE, y: half + 14, 'text-anchor': 'end' },
      'Mx (t·m)'),
    svgElement('text', { class: 'axis-name', x: half + 6, y: 10 }, 'My (t·m)'),
    svgElement('path', { class: 'contour', d: `${outline} Z` }),
    ...loads.map(([mx, my]) => svgElement('circle', { class: 'load-point', cx: x(mx), cy: y(my),
      r: 3.5 })),
  );
  svg.setAttribute('viewBox', `${-MARGIN} ${-8} ${SIZE + MARGIN + 8} ${SIZE + MARGIN}`);
  svg.setAttribute('direction', 'ltr');
}
