// The calculation sheet of the last successful Results, as the desktop's: the engine's report
// of the design (the inputs, the materials, the four steps with their formulas and the rules
// that gave them, the section chosen, the drawing's assumptions and the design's limits) laid
// out with the section's drawing. Laid out for A4 when printed, which is also how it is saved
// as PDF; shared as text where the browser can.

import { drawInteractionDiagram } from './interaction_diagram.js';
import { drawSection } from './section_drawing.js';
import { pageSheetTitle, resultsPlainText, sheetTexts, sheetTitle } from './messages.js';

function element(name, attributes, ...children) {
  const made = document.createElement(name);
  for (const [key, value] of Object.entries(attributes)) made.setAttribute(key, value);
  made.append(...children);
  return made;
}

const band = ({ title }, ...content) =>
  element('section', { class: 'sheet-band' }, element('h3', {}, title), ...content);

// Labels and their values, the values left to right.
const pairs = (rows, className = 'sheet-pairs') => element('dl', { class: className },
  ...rows.map(([label, value]) =>
    element('div', {}, element('dt', {}, label), element('dd', { dir: 'ltr' }, value))));

const formulaLine = (line) => element('p', { class: 'sheet-formula', dir: 'ltr' }, line);

const list = (className, lines) =>
  element('ul', { class: className }, ...lines.map((line) => element('li', {}, line)));

const stepBlock = (step) => element('div', { class: 'sheet-step' },
  element('div', { class: 'sheet-step-title' }, element('h4', {}, step.title),
    element('p', { class: 'sheet-result', dir: 'ltr' }, step.result)),
  ...step.formula.map(formulaLine),
  element('p', { class: 'sheet-note' }, step.note));

// The moment section and the interaction diagram under its title, when the report has them.
function momentBands(moments, diagram) {
  if (!moments) return [];
  const bands = [band(moments, pairs(moments.rows),
    ...moments.notes.map((note) => element('p', { class: 'sheet-note' }, note)),
    ...moments.steps.map(stepBlock))];
  if (moments.diagram !== null && diagram) {
    const svg = document.createElementNS('http://www.w3.org/2000/svg', 'svg');
    svg.setAttribute('role', 'img');
    svg.setAttribute('aria-label', moments.diagram);
    drawInteractionDiagram(svg, diagram);
    bands.push(band({ title: moments.diagram }, element('div', { class: 'sheet-diagram' }, svg,
      list('sheet-legend', moments.diagramNotes))));
  }
  return bands;
}

const isoDate = (date) => [date.getFullYear(), date.getMonth() + 1, date.getDate()]
  .map((part, i) => String(part).padStart(i === 0 ? 4 : 2, '0')).join('-');

function sheetContent(sheet, rules, version) {
  const { layout } = sheet;
  const t = sheetTexts(sheet.report, version, isoDate(sheet.date),
                       layout?.clearSpacingMm.toFixed(1));
  const drawing = document.createElementNS('http://www.w3.org/2000/svg', 'svg');
  drawing.setAttribute('role', 'img');
  drawing.setAttribute('aria-label', t.drawing.label);
  if (layout) drawSection(drawing, layout, rules);

  return element('article', { class: 'sheet', 'aria-label': pageSheetTitle() },
    element('header', { class: 'sheet-heading' },
      element('div', {}, element('h2', {}, t.title), element('p', {}, t.subtitle)),
      pairs(t.meta, 'sheet-meta')),
    band(t.inputs, pairs(t.inputs.rows), formulaLine(t.inputs.formula)),
    band(t.steps, ...t.steps.steps.map(stepBlock)),
    ...momentBands(t.moments, sheet.diagram),
    band(t.chosen, pairs(t.chosen.rows, 'sheet-chosen')),
    band(t.drawing, element('div', { class: 'sheet-drawing' }, drawing,
      list('sheet-legend', t.drawing.legend))),
    band(t.limits, list('sheet-limits', t.limits.lines)));
}

// `page`: where the sheet goes; `share`: the share button, shown where the browser can share.
export function createSheetView({ page, print, share, version }, rules) {
  let sheet = null;
  const title = () => (sheet ? sheetTitle(sheet.report) : pageSheetTitle());
  print.addEventListener('click', () => window.print());
  share.hidden = typeof navigator.share !== 'function';
  share.addEventListener('click', () => {
    navigator.share({ title: title(), text: resultsPlainText(sheet.report) }).catch(() => {
      // The user closed the share sheet, or the browser refused: nothing to undo.
    });
  });

  return {
    title,
    available: () => sheet !== null,
    // The sheet of a successful Results ({ report, layout, date }, and the interaction
    // diagram of a design with moments); null forgets it.
    show(next) {
      sheet = next;
      page.replaceChildren(...(sheet ? [sheetContent(sheet, rules, version)] : []));
    },
    // The same sheet in the page's new language.
    retranslate() {
      this.show(sheet);
    },
  };
}
