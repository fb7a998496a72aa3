// The column schedule, compiled to WebAssembly from the same C++ as the desktop program's
// command line. `loadSchedule()` loads schedule.wasm from beside this file and resolves to its
// functions. Each call runs in an instance of its own, whose memory, however large the file,
// goes when the call is done.

import { MATERIALS, checkMaterials, checkText, compileModule } from './calculation.js';

const FIELDS = [null, 'mark', 'load', 'floors', 'count'];
const PROBLEMS = ['missing-value', 'mark-too-long', 'not-a-number', 'negative-load',
  'not-whole-number', 'floors-out-of-range', 'count-out-of-range', 'file-too-large', 'no-header',
  'not-utf8', 'unknown-column', 'repeated-column', 'missing-column', 'no-rows', 'unclosed-quote',
  'text-after-quote', 'too-many-values', 'too-many-levels'];
const OUTCOMES = ['designed', 'some-level-failed', 'input', 'materials', 'floor-height'];

// Writes the texts (strings, or bytes as a Uint8Array) into one block of the instance's memory,
// and after them the table of their addresses and sizes, which the module reads as an array of
// TextView; returns the table's address.
function writeTextList(exports, items) {
  const encoder = new TextEncoder();
  const bytes = items.map((item) => (typeof item === 'string' ? encoder.encode(item) : item));
  const size = bytes.reduce((sum, item) => sum + item.length, 0);
  const tableOffset = (size + 3) & ~3;
  const block = exports.alloc(tableOffset + 8 * bytes.length);
  if (block === 0) throw new Error('schedule.wasm is out of memory');
  const heap = new Uint8Array(exports.memory.buffer);
  const table = new Uint32Array(exports.memory.buffer, block + tableOffset, 2 * bytes.length);
  let at = block;
  bytes.forEach((item, i) => {
    heap.set(item, at);
    table[2 * i] = at;
    table[2 * i + 1] = item.length;
    at += item.length;
  });
  return block + tableOffset;
}

// The schedule's answer read out of the instance (ScheduleAnswer in schedule_module.cpp).
function readSchedule(exports, answer) {
  const memory = exports.memory.buffer;
  const words = new Uint32Array(memory);
  const decoder = new TextDecoder();
  const readText = (address, size) => decoder.decode(new Uint8Array(memory, address, size));
  const at = answer >>> 2;
  const outcome = OUTCOMES[words[at]];
  if (outcome === 'materials') {
    return { ok: false, problem: outcome, choice: MATERIALS[words[at + 1] - 1] };
  }
  if (outcome === 'floor-height') return { ok: false, problem: outcome };
  if (outcome === 'input') {
    return { ok: false, problem: outcome, line: words[at + 2], field: FIELDS[words[at + 3]],
      kind: PROBLEMS[words[at + 4]], column: readText(words[at + 5], words[at + 6]) };
  }
  const csv = new Uint8Array(memory, words[at + 7], words[at + 8]).slice();
  const header = readText(words[at + 9], words[at + 10]).split(',');
  // The texts, decoded at once; each is cut out at the UTF-16 offsets of its ends, counted from
  // the UTF-8 bytes (the same when all are ASCII).
  const textBytes = new Uint8Array(memory, words[at + 13], words[at + 14]);
  const all = decoder.decode(textBytes);
  const ascii = all.length === textBytes.length;
  const ends = words.subarray(words[at + 15] >>> 2);
  const numbers = words.subarray(words[at + 16] >>> 2);
  let text = 0;
  let number = 0;
  let byte = 0;
  let unit = 0;
  const nextText = () => {
    const end = ends[text++];
    const start = unit;
    if (ascii) {
      unit = end;
    } else {
      for (; byte < end; byte++) {
        const lead = textBytes[byte];
        if ((lead & 0xc0) !== 0x80) unit += lead >= 0xf0 ? 2 : 1;
      }
    }
    return all.slice(start, unit);
  };
  const nextNumbers = (count) => numbers.subarray(number, number += count);
  const columns = Array.from({ length: words[at + 11] }, () => {
    const loadText = nextText();
    const [type, repeated, levels] = nextNumbers(3);
    const rows = Array.from({ length: levels }, () => header.map(nextText));
    return { mark: rows[0][0], loadText, floorsText: rows[0][3], countText: rows[0][1], type,
      repeatedMark: repeated !== 0, rows };
  });
  const types = Array.from({ length: words[at + 12] }, () => {
    const [name, countText, concreteM3Text, steelKgText] = [nextText(), nextText(), nextText(),
      nextText()];
    const [segmentCount, columnCount] = nextNumbers(2);
    const segments = Array.from({ length: segmentCount }, () => {
      const [firstLevel, lastLevel, failed] = nextNumbers(3);
      return { firstLevel, lastLevel, failed: failed !== 0, lengthText: nextText(),
        barCountText: nextText() };
    });
    return { name, countText, concreteM3Text, steelKgText, segments,
      columns: Array.from(nextNumbers(columnCount)) };
  });
  const total = { concreteM3Text: nextText(), steelKgText: nextText() };
  return { ok: true, allDesigned: outcome === 'designed', csv, header, columns, types, total };
}

function bind(module, imports) {
  const designSchedule = (csv, materials, floorHeightText) => {
    const { exports } = new WebAssembly.Instance(module, imports);
    exports._initialize();
    const texts = [...MATERIALS.map((name) => materials[name]), floorHeightText, csv];
    return readSchedule(exports, exports.design_schedule_csv(writeTextList(exports, texts)));
  };

  return {
    // The schedule of a CSV file's bytes (a Uint8Array, read as the command line reads a file)
    // with the materials and floor height (texts as typed): its CSV bytes, exactly as the
    // command line writes them, and its levels, types and quantities; or why it was refused.
    designSchedule(csv, materials, floorHeightText) {
      if (!(csv instanceof Uint8Array)) throw new TypeError('csv must be a Uint8Array');
      checkMaterials(materials);
      checkText(floorHeightText, 'floorHeightText');
      return designSchedule(csv, materials, floorHeightText);
    },

    // The same for the rows of a table, each [mark, load, floors, count] as typed: they go to
    // the engine as a CSV file whose values are all quoted, so that it reads them as typed. A
    // refused row is named by its place in the table (1 first).
    designScheduleRows(rows, materials, floorHeightText) {
      if (!Array.isArray(rows) || !rows.every((row) => Array.isArray(row) && row.length === 4 &&
        row.every((value) => typeof value === 'string'))) {
        throw new TypeError('rows must be arrays of four strings');
      }
      checkMaterials(materials);
      checkText(floorHeightText, 'floorHeightText');
      const quoted = rows.map((row) => row.map((value) => `"${value.replaceAll('"', '""')}"`));
      const csv = ['mark,load,floors,count', ...quoted.map((row) => row.join(','))].join('\n');
      const schedule = designSchedule(new TextEncoder().encode(csv), materials, floorHeightText);
      if (schedule.problem !== 'input') return schedule;
      const { line, ...refusal } = schedule;
      return { ...refusal, row: Math.max(line - 1, 0) };
    },
  };
}

export default async function loadSchedule() {
  const { module, imports } = await compileModule('schedule.wasm');
  return Object.freeze(bind(module, imports));
}
