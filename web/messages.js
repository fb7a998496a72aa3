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
  floors: tr('schedule.floors'), count: tr('schedule.count') });

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

// The schedule's summary under its tables, as the schedule window's.
export function scheduleSummary(schedule, repeatedMarks) {
  const columns = schedule.types.reduce((sum, type) => sum + Number(type.countText), 0);
  return [tr('schedule.summary', columns, schedule.types.length, schedule.total.concreteM3Text,
             schedule.total.steelKgText),
    ...(schedule.allDesigned ? [] : [tr('schedule.some-levels-not-designed')]),
    ...(repeatedMarks ? [tr('schedule.repeated-marks')] : [])];
}

export const levelTitles = () => [tr('schedule.mark'), tr('schedule.count'), tr('schedule.level'),
  tr('schedule.floors-carried'), tr('schedule.required-area'), tr('schedule.width'),
  tr('schedule.length'), tr('schedule.steel-area'), tr('schedule.bars'),
  tr('schedule.bar-diameter'), tr('schedule.status')];

export const typeTitles = () => [tr('schedule.type'), tr('schedule.columns'), tr('schedule.count'),
  tr('schedule.levels'), tr('schedule.section'), tr('schedule.bars'), tr('schedule.concrete'),
  tr('schedule.steel')];

// The marks of a type's columns `from` to `to` (not included), as its list in the types' table
// holds them; a part after the first begins with the separator.
export const typeColumnsText = (type, from, to, markOf) =>
  (from > 0 ? tr('list.separator') : '') +
  type.columns.slice(from, to).map((i) => ltr(markOf(i))).join(tr('list.separator'));

// The cells of segment `s` of a type in the types table, one row a segment, as the schedule
// window's; `markOf(i)`: the mark of the schedule's column i, each read left to right in the
// list; `marksShown`: how many of the type's marks the list begins with.
export function typeCells(type, s, m, markOf, marksShown) {
  const segment = type.segments[s];
  const first = s === 0;
  return [
    first ? type.name : '',
    first ? typeColumnsText(type, 0, marksShown, markOf) : '',
    first ? type.countText : '',
    segment.firstLevel === segment.lastLevel ? String(segment.firstLevel)
      : ltr(`${segment.firstLevel}–${segment.lastLevel}`),
    segment.failed ? tr('schedule.too-large') : ltr(`${m.widthText} × ${segment.lengthText}`),
    segment.failed ? '' : ltr(`${segment.barCountText} Φ${m.barDiameterText}`),
    first ? type.concreteM3Text : '',
    first ? type.steelKgText : '',
  ];
}

export const totalTitle = () => tr('schedule-pages.total');

// --- The calculation sheet, as the desktop's.

const percent = (share) => `${share}%`;

export const sheetTitle = (d) =>
  tr('sheet.title', `${d.materials.widthText} × ${d.lengthText} cm`);

function lengthNote(w, m, r, length) {
  const least = m.widthText;
  const rule = tr('sheet.length-rule', ltr(`${least} cm`), ltr(`${r.lengthStep} cm`));
  switch (w.lengthRule) {
    case 'raised-to-least':
      return rule + tr('sheet.length-raised-to-least', least, ltr(`${least} cm`));
    case 'raised-to-multiple':
      return rule + tr('sheet.length-raised-to-multiple', w.roundedLengthText, r.lengthStep,
                       ltr(`${length} cm`));
    default:
      return rule + tr('sheet.length-kept');
  }
}

function barNote(w, m, r, bars) {
  const rule = tr('sheet.bar-rule', ltr(`${m.barDiameterText} mm`), ltr(`${m.barAreaText} cm²`),
                  r.leastBars);
  switch (w.barRule) {
    case 'raised-to-least':
      return rule + tr('sheet.bars-raised-to-least', r.leastBars);
    case 'raised-to-even':
      return rule + tr('sheet.bars-raised-to-even', w.roundedBarText, bars);
    default:
      return rule + tr('sheet.bars-kept');
  }
}

// Every text of the sheet of a successful Results (`sheet`: the inputs as typed and the design
// with its working and materials), as the desktop's sheet writes them: the formulas are written
// as the desktop writes them, from the rules' numbers `r` and the design's. Values and formulas
// read left to right.
export function sheetTexts({ load, floors, design, clearSpacing }, r, version, date) {
  const { working: w, materials: m } = design;
  const area = design.requiredAreaText;
  const length = design.lengthText;
  const steel = design.steelAreaText;
  const bars = design.barCountText;
  const b = m.widthText;
  const factor = m.loadFactorText;
  const stress = m.carryingStressText;
  const tons = r.kilogramsPerTon;
  return {
    title: tr('program.name'),
    subtitle: tr('sheet.subtitle'),
    meta: [[tr('sheet.version'), version], [tr('sheet.date'), date]],
    inputs: {
      title: tr('sheet.inputs'),
      rows: [[tr('sheet.load'), `${load} t`], [tr('sheet.width'), `${b} cm`],
        [tr('sheet.floors'), floors], [tr('sheet.bar-diameter'), `${m.barDiameterText} mm`],
        [tr('sheet.concrete-strength'), `${m.fcuText} kg/cm²`],
        [tr('sheet.steel-yield'), `${m.fyText} kg/cm²`], [tr('sheet.load-factor'), factor],
        [tr('sheet.carrying-stress'), `${stress} kg/cm²`]],
      formula: `${r.concreteStressShare} × fcu + ${r.steelStressShare} × fy × ` +
        `${percent(r.steelSharePercent)} = ${r.concreteStressShare} × ${m.fcuText} + ` +
        `${r.steelStressShare} × ${m.fyText} × ${percent(r.steelSharePercent)} = ${stress} kg/cm²`,
    },
    steps: {
      title: tr('sheet.steps'),
      steps: [
        { title: tr('sheet.step-required-area'), result: `Ac = ${area} cm²`,
          formula: [`Ac = n × (${factor} × P) × ${tons} ÷ ${stress}`,
            `= ${floors} × (${factor} × ${load}) × ${tons} ÷ ${stress} = ${area} cm²`],
          note: tr('sheet.required-area-note', factor, percent(m.loadIncreasePercentText), tons,
                   stress) },
        { title: tr('sheet.step-length'), result: `t = ${length} cm`,
          formula: [`Ac ÷ b = ${area} ÷ ${b} = ${w.lengthQuotientText}`],
          note: lengthNote(w, m, r, length) },
        { title: tr('sheet.step-steel-area'), result: `As = ${steel} cm²`,
          formula: [`As = max(${r.steelShare} × Ac, ${r.leastSteelShare} × b × t)`,
            `= max(${r.steelShare} × ${area}, ${r.leastSteelShare} × ${b} × ${length}) = ` +
              `max(${w.steelShareText}, ${w.leastSteelText}) = ${steel} cm²`],
          note: w.steelRule === 'share-of-required-area'
            ? tr('sheet.steel-share-governs', ltr(percent(r.steelSharePercent)))
            : tr('sheet.least-steel-governs', ltr(percent(r.leastSteelSharePercent))) },
        { title: tr('sheet.step-bars'), result: `N = ${bars}`,
          formula: [`As ÷ ${m.barAreaText} = ${steel} ÷ ${m.barAreaText} = ${w.barQuotientText}`],
          note: barNote(w, m, r, bars) },
      ],
    },
    chosen: {
      title: tr('sheet.chosen-section'),
      rows: [[tr('sheet.section'), `${b} × ${length} cm`],
        [tr('sheet.longitudinal-steel'), `${bars} Φ${m.barDiameterText}`],
        [tr('sheet.steel-ratio'), `${w.steelRatioPercentText} %`]],
    },
    drawing: {
      title: tr('sheet.drawing'),
      label: `${b} × ${length} cm`,
      legend: [tr('sheet.drawing-assumptions'),
        tr('sheet.drawing-cover', ltr(`${r.clearCover} mm`)),
        tr('sheet.drawing-ties', r.tieDiameter),
        tr('sheet.drawing-bars', m.barDiameterText),
        ...(clearSpacing ? [tr('sheet.drawing-spacing', ltr(`${clearSpacing} mm`))] : [])],
    },
    limits: {
      title: tr('sheet.limits'),
      lines: [`• ${tr('limits.floors', r.floorNoteLimit)}` +
          (w.beyondFloorLimit ? tr('sheet.beyond-floor-limit', floors) : ''),
        `• ${tr('limits.no-wind-loads')}`,
        `• ${tr('sheet.preliminary')}`],
    },
  };
}

// The results as plain text, for sharing: as the desktop copies them.
export const resultsPlainText = ({ load, floors, design }) => [
  tr('results.heading'),
  ...[[tr('results.load'), `${load} t`], [tr('design.floors'), floors],
    [tr('results.required-area'), `${design.requiredAreaText} cm²`],
    [tr('results.section'), `${design.materials.widthText} × ${design.lengthText} cm`],
    [tr('results.steel-area'), `${design.steelAreaText} cm²`],
    [tr('design.bar-count'), `${design.barCountText} Φ${design.materials.barDiameterText}`],
    [tr('results.bar-diameter'), `${design.materials.barDiameterText} mm`]]
    .map(([label, value]) => `${label}: ${value}`),
].join('\n') + '\n';
