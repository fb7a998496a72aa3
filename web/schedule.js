// The column schedule, compiled to WebAssembly from the same C++ as the desktop program's
// command line. `loadSchedule()` loads schedule.wasm from beside this file and resolves to its
// functions. Each call runs in an instance of its own, whose memory, however large the file,
// goes when the call is done.

import { MATERIALS, checkMaterials, checkText } from './calculation.js';
import { CELL_KINDS, SCHEDULE_ANSWER as ANSWER, SCHEDULE_FIELDS as FIELDS,
  SCHEDULE_OUTCOMES as OUTCOMES, SCHEDULE_PROBLEMS as PROBLEMS, TYPE_TITLES }
  from './module_contract.js';
import { ModuleHeap } from './module_heap.js';
import { compileModule } from './module_loader.js';

// The cells of a row of the types' table.
const TYPE_CELLS = TYPE_TITLES.length;

// What the engine's CSV writers put a quote before; its table reader takes one such quote off.
const FORMULA_START = /^'*[=+\-@\t\r]/;

// The schedule's answer read out of the instance (ScheduleAnswer in module_answers.h), packed
// for a table of hundreds of thousands of levels: every text of the answer in one string, cut at
// `ends` (UTF-16 offsets), and the columns, the levels and the rows of the types' table as
// arrays of numbers and text indices; only the types (their lists of columns) and the lines under
// the tables ([key, argument…]) are made into objects. A refusal is an object of its own.
function readSchedule(h, answer) {
  h.refreshViews();
  const { heap, words } = h;
  // The word of the answer's field, and of the second word of a TextView field (its size).
  const word = (field) => words[(answer + ANSWER[field]) >>> 2];
  const size = (field) => words[((answer + ANSWER[field]) >>> 2) + 1];
  const outcome = OUTCOMES[word('outcome')];
  if (outcome === 'materials') {
    return { ok: false, problem: outcome, choice: MATERIALS[word('choice') - 1] };
  }
  if (outcome === 'floor-height') return { ok: false, problem: outcome };
  if (outcome === 'input') {
    return { ok: false, problem: outcome, line: word('line'), field: FIELDS[word('field')],
      kind: PROBLEMS[word('problem')], column: h.readText(word('column'), size('column')) };
  }
  const csv = heap.slice(word('csv'), word('csv') + size('csv'));
  const header = h.readText(word('header'), size('header')).split(',');
  const byteEnds = words.subarray(word('textEnds') >>> 2);
  const numbers = words.subarray(word('numbers') >>> 2);
  let text = 0;
  let number = 0;
  const nextNumbers = (count) => numbers.subarray(number, number += count);
  const nextNumber = () => numbers[number++];

  const columnCount = word('columnCount');
  const columns = { load: new Uint32Array(columnCount), type: new Uint32Array(columnCount),
    repeated: new Uint8Array(columnCount), firstLevel: new Uint32Array(columnCount + 1) };
  let levelCount = 0;
  for (let c = 0, n = number; c < columnCount; c++, n += 3) levelCount += numbers[n + 2];
  const levelText = new Uint32Array(levelCount);
  const levelColumn = new Uint32Array(levelCount);
  let level = 0;
  for (let c = 0; c < columnCount; c++) {
    columns.load[c] = text;  // then its two moments
    text += 3;
    const [type, repeated, levels] = nextNumbers(3);
    columns.type[c] = type;
    columns.repeated[c] = repeated;
    columns.firstLevel[c] = level;
    for (let l = 0; l < levels; l++, level++, text += header.length) {
      levelText[level] = text;
      levelColumn[level] = c;
    }
  }
  columns.firstLevel[columnCount] = level;
  // The types' lists of columns; the rows of their table and the lines under it as text
  // indices first: the texts' offsets are known once all are counted.
  const types = Array.from({ length: word('typeCount') }, () => ({
    columns: Array.from(nextNumbers(nextNumber())) }));
  const rowCount = nextNumber();
  const typeRows = { type: new Uint32Array(rowCount), flags: new Uint8Array(rowCount),
    kinds: new Uint8Array(rowCount * TYPE_CELLS), firstText: new Uint32Array(rowCount) };
  for (let r = 0; r < rowCount; r++) {
    typeRows.type[r] = nextNumber();
    typeRows.flags[r] = nextNumber();
    typeRows.kinds.set(nextNumbers(TYPE_CELLS), r * TYPE_CELLS);
    typeRows.firstText[r] = text;
    text += TYPE_CELLS;
  }
  const lineIndices = Array.from({ length: nextNumber() }, () => {
    const first = text;
    text += 1 + nextNumber();
    return { first, end: text };
  });

  // Each text's end in UTF-16 units, counted from the UTF-8 bytes (the same when all are ASCII).
  const textBytes = heap.subarray(word('texts'), word('texts') + size('texts'));
  const texts = h.readText(word('texts'), size('texts'));
  const ends = byteEnds.slice(0, text);
  if (texts.length !== textBytes.length) {
    for (let i = 0, byte = 0, unit = 0; i < text; i++) {
      for (; byte < byteEnds[i]; byte++) {
        const lead = textBytes[byte];
        if ((lead & 0xc0) !== 0x80) unit += lead >= 0xf0 ? 2 : 1;
      }
      ends[i] = unit;
    }
  }
  const packed = { texts, ends };
  const textAt = (i) => scheduleText(packed, i);
  const textsFrom = (first, end) => Array.from({ length: end - first }, (_, j) =>
    textAt(first + j));
  return { ok: true, allDesigned: outcome === 'designed', csv, header, texts, ends, columns,
    levelText, levelColumn, types, typeRows,
    summary: lineIndices.map(({ first, end }) => textsFrom(first, end)) };
}

// --- A packed schedule, as the page's tables read it.

export const scheduleText = ({ texts, ends }, i) => texts.slice(i ? ends[i - 1] : 0, ends[i]);

export const levelCount = (schedule) => schedule.levelText.length;

// The values of level `i`'s CSV row.
export const levelValues = (schedule, i) => schedule.header.map(
  (_, j) => scheduleText(schedule, schedule.levelText[i] + j));

export const typeRowCount = (schedule) => schedule.typeRows.type.length;

// Row `i` of the types' table: its type's index, whether its levels failed or it is the total,
// and its cells' kinds (CellKind) and texts.
export function typeRow(schedule, i) {
  const { type, flags, kinds, firstText } = schedule.typeRows;
  return { type: type[i], failed: (flags[i] & 1) !== 0, total: (flags[i] & 2) !== 0,
    kinds: Array.from(kinds.subarray(i * TYPE_CELLS, (i + 1) * TYPE_CELLS),
                      (kind) => CELL_KINDS[kind]),
    cells: TYPE_TITLES.map((_, j) => scheduleText(schedule, firstText[i] + j)) };
}

// The mark of column `c`.
export const columnMark = (schedule, c) => scheduleText(schedule,
  schedule.levelText[schedule.columns.firstLevel[c]]);

// Column `c` as typed: [mark, load, floors, count, Mx, My], from its first level's row.
export function columnEntry(schedule, c) {
  const first = schedule.levelText[schedule.columns.firstLevel[c]];
  const load = schedule.columns.load[c];
  return [scheduleText(schedule, first), scheduleText(schedule, load),
    scheduleText(schedule, first + 3), scheduleText(schedule, first + 1),
    scheduleText(schedule, load + 1), scheduleText(schedule, load + 2)];
}

// The packed schedule as plain objects: each column with its rows of values.
function unpackSchedule(packed) {
  if (!packed.ok) return packed;
  const { allDesigned, csv, header, columns, types, summary } = packed;
  return { ok: true, allDesigned, csv, header,
    columns: Array.from(columns.load, (_, c) => {
      const rows = [];
      for (let l = columns.firstLevel[c]; l < columns.firstLevel[c + 1]; l++) {
        rows.push(levelValues(packed, l));
      }
      return { mark: rows[0][0], loadText: scheduleText(packed, columns.load[c]),
        floorsText: rows[0][3], countText: rows[0][1], type: columns.type[c],
        repeatedMark: columns.repeated[c] !== 0, rows };
    }),
    types, typeRows: Array.from({ length: typeRowCount(packed) }, (_, i) => typeRow(packed, i)),
    summary };
}

// A row of a table: [mark, load, floors, count] or the same with its moments, [..., Mx, My].
const ROW_HEADER = 'mark,load,floors,count,mx,my';
const checkRows = (rows) => {
  if (!Array.isArray(rows) || !rows.every((row) => Array.isArray(row) &&
    (row.length === 4 || row.length === 6) && row.every((value) => typeof value === 'string'))) {
    throw new TypeError('rows must be arrays of four or six strings');
  }
};

function bind(module, imports) {
  const designSchedule = (csv, materials, floorHeightText) => {
    if (!(csv instanceof Uint8Array)) throw new TypeError('csv must be a Uint8Array');
    checkMaterials(materials);
    checkText(floorHeightText, 'floorHeightText');
    const h = new ModuleHeap(module, imports, 'schedule.wasm');
    const texts = [...MATERIALS.map((name) => materials[name]), floorHeightText, csv];
    return readSchedule(h, h.exports.design_schedule_csv(h.writeTextList(texts)));
  };
  const designScheduleRows = (rows, materials, floorHeightText) => {
    checkRows(rows);
    // A value that begins as a written formula cell does gets the reader's leading quote, which
    // the reader takes off again: the engine reads every value exactly as typed.
    const quoted = rows.map((row) => [...row, '', ''].slice(0, 6).map((value) => {
      const asWritten = FORMULA_START.test(value) ? `'${value}` : value;
      return `"${asWritten.replaceAll('"', '""')}"`;
    }));
    const csv = [ROW_HEADER, ...quoted.map((row) => row.join(','))].join('\n');
    const schedule = designSchedule(new TextEncoder().encode(csv), materials, floorHeightText);
    if (schedule.problem !== 'input') return schedule;
    const { line, ...refusal } = schedule;
    return { ...refusal, row: Math.max(line - 1, 0) };
  };

  return {
    // The schedule of a CSV file's bytes (a Uint8Array, read as the command line reads a file)
    // with the materials and floor height (texts as typed): its CSV bytes, exactly as the
    // command line writes them, and its levels, types and quantities; or why it was refused.
    designSchedule: (...args) => unpackSchedule(designSchedule(...args)),

    // The same for the rows of a table, each [mark, load, floors, count] or [..., Mx, My] as
    // typed: they go to
    // the engine as a CSV file whose values are all quoted, so that it reads them as typed. A
    // refused row is named by its place in the table (1 first).
    designScheduleRows: (...args) => unpackSchedule(designScheduleRows(...args)),

    // Both packed, as the page's tables read them (levelValues, columnEntry), and as a worker
    // sends them: a few large arrays rather than millions of small objects.
    designSchedulePacked: designSchedule,
    designScheduleRowsPacked: designScheduleRows,
  };
}

export default async function loadSchedule() {
  const { module, imports } = await compileModule('schedule.wasm');
  return Object.freeze(bind(module, imports));
}
