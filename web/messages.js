// The texts of the design's message boxes, as the desktop program words them: from the
// catalogue, by key.

import { tr } from './language.js';

export const calculationUnavailable = () => tr('page.calculation-unavailable');

export const otherBuildText = () => tr('page.other-build');

export const separatorHint = () => tr('input.decimal-mark-hint');

// 'load-empty', 'floors-empty', 'unfinished' or 'negative'.
export function inputProblemText(problem) {
  if (problem === 'negative') {
    return tr('message.negative');
  }
  return problem === 'unfinished' ? tr('message.unfinished-number') : tr('message.empty-field');
}

export function failureText(failure) {
  return failure === 'overflow' ? tr('message.overflow') : tr('message.not-a-number');
}

// --- The materials, the calculation sheet and the column schedule, in the desktop's words: the
// numbers come from the engine as texts (`r`, the module's rules), and a figure with its unit
// inside a sentence is kept left to right.

const ltr = (figure) => `\u2066${figure}\u2069`;

export const pageSheetTitle = () => tr('page.sheet');
export const scheduleTitle = () => tr('schedule.title');
export const notesTitle = () => tr('notes.title');
export const removeRowLabel = () => tr('page.remove-row');

export function materialsProblemText(choice, { texts: r, barDiameters }) {
  switch (choice) {
    case 'fcu':
      return tr('materials.concrete-strength-range', r.leastFcu, r.mostFcu);
    case 'fy':
      return tr('materials.steel-yield-range', r.leastFy, r.mostFy);
    case 'width':
      return tr('materials.width-range', r.leastWidth, r.mostWidth);
    case 'barDiameter':
      return tr('materials.bar-diameters', barDiameters.join(' '));
    default:
      return tr('materials.load-factor-range', r.leastLoadFactor, r.mostLoadFactor);
  }
}

export const floorHeightProblemText = ({ texts: r }) =>
  tr('schedule.floor-height-range', r.leastFloorHeight, r.mostFloorHeight);

// A moment field refused, by the engine's reason: only the column's height has a range.
export function momentsProblemText(problem, rules) {
  switch (problem) {
    case 'empty': return tr('message.empty-field');
    case 'unfinished': return tr('message.unfinished-number');
    case 'not-finite': return tr('problem.not-finite');
    case 'out-of-range': return floorHeightProblemText(rules);
    default: return tr('message.not-a-number');
  }
}

// What the design view says of a design with moments: whether they governed, with the
// utilisation and the design moments as its sheet's results give them.
export function momentsLineText({ momentsGoverned, report }) {
  if (!momentsGoverned) return tr('page.moments-within');
  const result = (key) => report.find((line) => line.part === 'result' && line.text[0] === key)
    ?.value ?? '';
  // "Mx = 20 t·m" stays on one line.
  const unbroken = (figure) => ltr(figure.replaceAll(' ', '\u00a0'));
  return tr('page.moments-governed', ltr(result('results.utilisation')),
            unbroken(`Mx = ${result('results.design-moment-x')}`),
            unbroken(`My = ${result('results.design-moment-y')}`));
}

// A column with moments that could not be designed: too slender, or too large.
export const bendingFailureText = (design) => (design.failure === 'slender'
  ? tr('bending.too-slender', ltr(design.slendernessText), ltr(design.mostSlendernessText))
  : tr('bending.too-large', ltr(design.mostLengthText)));

export const fileUnreadableText = (file) => tr('page.file-unreadable', file);

// The materials a schedule is designed with, and where they are chosen.
export const scheduleMaterialsText = (m) => tr('page.schedule-materials', m.fcuText, m.fyText,
  m.widthText, m.barDiameterText, m.loadFactorText);

function problemText(kind, r) {
  switch (kind) {
    case 'missing-value': return tr('problem.missing-value');
    case 'mark-too-long': return tr('problem.mark-too-long', r.mostMarkBytes);
    case 'not-a-number': return tr('problem.not-a-number');
    case 'negative-load': return tr('problem.negative-load');
    case 'not-whole-number': return tr('problem.not-whole-number');
    case 'floors-out-of-range': return tr('problem.floors-out-of-range', 1, r.mostFloors);
    case 'count-out-of-range': return tr('problem.count-out-of-range', 1, r.mostColumnCount);
    case 'file-too-large': return tr('problem.file-too-large', r.mostFileBytes);
    case 'no-header': return tr('problem.no-header');
    case 'not-utf8': return tr('problem.not-utf8');
    case 'unknown-column': return tr('problem.unknown-column');
    case 'repeated-column': return tr('problem.repeated-column');
    case 'missing-column': return tr('problem.missing-column');
    case 'no-rows': return tr('problem.no-rows');
    case 'unclosed-quote': return tr('problem.unclosed-quote');
    case 'text-after-quote': return tr('problem.text-after-quote');
    case 'too-many-values': return tr('problem.too-many-values');
    case 'header-too-long': return tr('problem.header-too-long', r.mostHeaderColumns);
    case 'mark-not-printable': return tr('problem.mark-not-printable');
    default: return tr('problem.too-many-levels', r.mostLevels);
  }
}

const CSV_NAMES = { mark: () => tr('csv.mark'), load: () => tr('csv.load'),
  floors: () => tr('csv.floors'), count: () => tr('csv.count') };

// The titles of the table of columns, by the schedule's field.
export const entryTitles = () => ({ mark: tr('schedule.mark'), load: tr('schedule.load-per-floor'),
  floors: tr('schedule.floors'), count: tr('schedule.count'), 'moment-x': tr('schedule.moment-x'),
  'moment-y': tr('schedule.moment-y') });

// A schedule refused by the engine: a file's, as the command line says it (the file, its line,
// its column, a missing one by its name in the reader's language); or a row of the table, as the
// schedule window says it.
export function scheduleProblemText({ file, line, row, field, column, kind }, { texts: r }) {
  const problem = problemText(kind, r);
  if (row !== undefined) {
    return row > 0 ? tr('schedule.fix-row-first', row, entryTitles()[field] ?? '', problem)
      : problem;
  }
  let where = file;
  if (line > 0) where = tr('csv.line', where, line);
  if (field || column) {
    where = tr('csv.column', where,
               kind === 'missing-column' && field ? CSV_NAMES[field]() : column);
  }
  return `${where}: ${problem}`;
}

// The schedule's tables as the engine lays them out: titles and texts by key, figures put
// together read left to right, a single figure as it is.
export const tableTitles = (keys) => keys.map((key) => tr(key));

// A cell of the types' table of `kind` (a CellKind); `marks()`, its type's list of columns.
export function scheduleCellText(kind, text, marks) {
  switch (kind) {
    case 'text': return tr(text);
    case 'figures':
    case 'mark': return ltr(text);
    case 'marks': return marks();
    default: return text;
  }
}

// The lines under the tables, each [key, argument…].
export const summaryLines = (summary) => summary.map(([key, ...args]) => tr(key, ...args));

// The marks of a type's columns `from` to `to` (not included), as its list in the types' table
// holds them; a part after the first begins with the separator.
export const typeColumnsText = (type, from, to, markOf) =>
  (from > 0 ? tr('list.separator') : '') +
  type.columns.slice(from, to).map((i) => ltr(markOf(i))).join(tr('list.separator'));

// --- The calculation sheet and the shared results: the design's report from the engine, its
// catalogue texts ([key, argument…]) said in the page's language.

const said = ([key, ...args]) => tr(key, ...args);
const linesOf = (report, part) => report.filter((line) => line.part === part);
const saidOf = (report, part) => said(linesOf(report, part)[0].text);
const rowsOf = (report, part) => linesOf(report, part).map((line) => [said(line.text), line.value]);

export const sheetTitle = (report) => saidOf(report, 'documentTitle');

// Every text of the sheet of a successful Results, as the desktop's sheet lays them out; the
// drawing's clear spacing (a text, or nothing where it could not be drawn) after its
// assumptions. Values and formulas read left to right.
export function sheetTexts(report, version, date, clearSpacing) {
  const steps = [];
  const limits = [];
  // The moment section, when the report has one: its inputs, its steps (a note before the
  // first stands under the inputs) and the diagram's title and notes.
  const moments = { title: null, rows: [], notes: [], steps: [], diagram: null, diagramNotes: [] };
  const step = (title, result) => ({ title, result, formula: [], note: '' });
  for (const { part, text, value } of report) {
    if (part === 'step') steps.push(step(said(text), value));
    if (part === 'formula') steps.at(-1).formula.push(value);
    if (part === 'note') steps.at(-1).note += said(text);
    if (part === 'limit') limits.push(`• ${said(text)}`);
    if (part === 'limitMore') limits[limits.length - 1] += said(text);
    if (part === 'momentsTitle') moments.title = said(text);
    if (part === 'momentInput') moments.rows.push([said(text), value]);
    if (part === 'momentStep') moments.steps.push(step(said(text), value));
    if (part === 'momentFormula') moments.steps.at(-1).formula.push(value);
    if (part === 'momentNote') {
      if (moments.steps.length > 0) {
        moments.steps.at(-1).note += said(text);
      } else {
        moments.notes.push(said(text));
      }
    }
    if (part === 'diagramTitle') moments.diagram = said(text);
    if (part === 'diagramNote') moments.diagramNotes.push(said(text));
  }
  return {
    title: saidOf(report, 'title'),
    subtitle: saidOf(report, 'subtitle'),
    meta: [[tr('sheet.version'), version], [tr('sheet.date'), date]],
    inputs: { title: saidOf(report, 'inputsTitle'), rows: rowsOf(report, 'input'),
      formula: linesOf(report, 'stressFormula')[0].value },
    steps: { title: saidOf(report, 'stepsTitle'), steps },
    chosen: { title: saidOf(report, 'chosenTitle'), rows: rowsOf(report, 'chosen') },
    drawing: {
      title: saidOf(report, 'drawingTitle'),
      label: linesOf(report, 'documentTitle')[0].text[1],
      legend: [...linesOf(report, 'assumption').map((line) => said(line.text)),
        ...(clearSpacing ? [tr('sheet.drawing-spacing', ltr(`${clearSpacing} mm`))] : [])],
    },
    limits: { title: saidOf(report, 'limitsTitle'), lines: limits },
    moments: moments.title === null ? null : moments,
  };
}

// The results as plain text, for sharing: as the desktop copies them.
export const resultsPlainText = (report) => [saidOf(report, 'resultsHeading'),
  ...rowsOf(report, 'result').map(([label, value]) => `${label}: ${value}`)].join('\n') + '\n';
