// The design calculation, compiled to WebAssembly from the same C++ as the desktop program.
// `loadCalculation()` loads calculation.wasm from beside this file and resolves to the
// calculation's functions, which take and give JavaScript strings.

// A module is a WASI reactor that asks the system for nothing: a build that links a WASI call
// all the same (output or exit, from a C library function) gets a stub that answers "not
// supported", or for exit throws.
const ERRNO_NOSYS = 52;

function systemStubs(module, name) {
  const stubs = {};
  for (const { module: from, name: call, kind } of WebAssembly.Module.imports(module)) {
    if (kind !== "function") {
      throw new Error(`${name} imports ${from}.${call}, a ${kind}`);
    }
    stubs[from] ??= {};
    stubs[from][call] =
      call === "proc_exit"
        ? (code) => {
            throw new Error(`${name} exited with ${code}`);
          }
        : () => ERRNO_NOSYS;
  }
  return stubs;
}

async function moduleBytes(url, name) {
  if (url.protocol === "file:") {
    const { readFile } = await import("node:fs/promises");
    return readFile(url);
  }
  const response = await fetch(url);
  if (!response.ok) {
    throw new Error(`${name}: ${response.status} ${response.statusText}`);
  }
  return response.arrayBuffer();
}

// The module of this name beside this file, compiled, with the imports it is instantiated with.
export async function compileModule(name) {
  const module = await WebAssembly.compile(await moduleBytes(new URL(`./${name}`,
    import.meta.url), name));
  return { module, imports: systemStubs(module, name) };
}

// The engineer's choices, in the order the modules take and check them.
export const MATERIALS = ["fcu", "fy", "width", "barDiameter", "loadFactor"];

// Materials as the page holds them: an object of texts, one for each choice.
export function checkMaterials(materials) {
  if (typeof materials !== "object" || materials === null) {
    throw new TypeError(`materials must be { ${MATERIALS.join(", ")} }`);
  }
  for (const name of MATERIALS) checkText(materials[name], `materials.${name}`);
}

const FAILURES = ["overflow", "type-mismatch", "materials"];
// The names of the rules' texts that page_rules gives, in its order; the bar diameters follow.
const RULE_TEXTS = ["fcu", "fy", "width", "barDiameter", "loadFactor", "leastFcu", "mostFcu",
  "leastFy", "mostFy", "leastWidth", "mostWidth", "leastLoadFactor", "mostLoadFactor",
  "floorHeight", "leastFloorHeight", "mostFloorHeight", "steelDensity", "kilogramsPerTon",
  "lengthStep", "leastBars", "steelShare", "leastSteelShare", "steelSharePercent",
  "leastSteelSharePercent", "concreteStressShare", "steelStressShare", "tieDiameter",
  "clearCover", "floorNoteLimit", "mostMarkBytes", "mostFloors", "mostColumnCount",
  "mostFileBytes", "mostLevels", "mostHeaderColumns"];
// The texts of design_with_working's answer, in its order.
const WORKING_TEXTS = ["requiredAreaText", "lengthText", "steelAreaText", "barCountText",
  "lengthQuotientText", "roundedLengthText", "steelShareText", "leastSteelText",
  "barQuotientText", "roundedBarText", "steelRatioPercentText", "widthText", "barDiameterText",
  "fcuText", "fyText", "loadFactorText", "loadIncreasePercentText", "carryingStressText",
  "barAreaText"];
const LENGTH_RULES = ["none", "raised-to-least", "raised-to-multiple"];
const STEEL_RULES = ["share-of-required-area", "least-of-section"];
const BAR_RULES = ["none", "raised-to-least", "raised-to-even"];
const INPUT_PROBLEMS = [null, "load-empty", "floors-empty", "negative", "unfinished"];
const LAYOUT_FAILURES = ["invalid-input", "bars-do-not-fit"];

// Inputs up to this many UTF-16 code units are encoded here rather than by TextEncoder, whose
// call costs more than the whole calculation on short texts.
const HAND_ENCODED_UNITS = 128;
// Answers up to this many bytes are read here when they are ASCII, as the calculation's are.
const HAND_DECODED_BYTES = 64;

// A WebAssembly memory never shrinks: after a call on a huge input (a pasted megabyte, say)
// has grown it past this, the module starts afresh with a new instance and a small memory.
const KEPT_MEMORY_BYTES = 4 * 1024 * 1024;

// Texts are passed as they are given: each must be a string.
export function checkText(text, name) {
  if (typeof text !== "string") throw new TypeError(`${name} must be a string`);
}

function checkNumber(value, name) {
  if (typeof value !== "number") throw new TypeError(`${name} must be a number`);
}

function bind(module, imports) {
  const encoder = new TextEncoder();
  const decoder = new TextDecoder();
  let exports;
  let memory;
  // Views of the module's memory; a growing memory detaches them (their length becomes 0).
  let heap;
  let words;
  // One block of the module's heap holds the inputs of every call; it grows to the longest.
  let scratch = 0;
  let scratchSize = 0;

  function refreshViews() {
    if (heap.byteLength === 0) {
      heap = new Uint8Array(memory.buffer);
      words = new Uint32Array(memory.buffer);
    }
  }

  function reserveScratch(size) {
    if (size <= scratchSize) return;
    if (scratch !== 0) exports.free(scratch);
    scratchSize = 0;
    let wanted = 256;
    while (wanted < size) wanted *= 2;
    scratch = exports.alloc(wanted);
    if (scratch === 0) throw new Error("calculation.wasm is out of memory");
    scratchSize = wanted;
  }

  function start() {
    exports = new WebAssembly.Instance(module, imports).exports;
    exports._initialize();
    memory = exports.memory;
    heap = new Uint8Array(memory.buffer);
    words = new Uint32Array(memory.buffer);
    scratch = 0;
    scratchSize = 0;
    reserveScratch(1);
  }
  start();

  // Called once a call's answer has been read.
  function recycleAfterHugeInput() {
    if (memory.buffer.byteLength > KEPT_MEMORY_BYTES) start();
  }

  // Writes the text's UTF-8 bytes at address, as TextEncoder does (a lone surrogate becomes
  // U+FFFD); returns their count. The room roomFor() gives must be there.
  function writeText(text, address) {
    if (text.length > HAND_ENCODED_UNITS) {
      return encoder.encodeInto(text, heap.subarray(address, scratch + scratchSize)).written;
    }
    let at = address;
    for (let i = 0; i < text.length; i++) {
      let c = text.charCodeAt(i);
      if (c < 0x80) {
        heap[at++] = c;
      } else if (c < 0x800) {
        heap[at++] = 0xc0 | (c >> 6);
        heap[at++] = 0x80 | (c & 0x3f);
      } else {
        if (c >= 0xd800 && c <= 0xdfff) {
          const next = i + 1 < text.length ? text.charCodeAt(i + 1) : 0;
          if (c <= 0xdbff && next >= 0xdc00 && next <= 0xdfff) {
            c = 0x10000 + ((c - 0xd800) << 10) + (next - 0xdc00);
            i++;
            heap[at++] = 0xf0 | (c >> 18);
            heap[at++] = 0x80 | ((c >> 12) & 0x3f);
            heap[at++] = 0x80 | ((c >> 6) & 0x3f);
            heap[at++] = 0x80 | (c & 0x3f);
            continue;
          }
          c = 0xfffd;
        }
        heap[at++] = 0xe0 | (c >> 12);
        heap[at++] = 0x80 | ((c >> 6) & 0x3f);
        heap[at++] = 0x80 | (c & 0x3f);
      }
    }
    return at - address;
  }

  // Bytes enough for the text's UTF-8: exact for a long text, whose block should not be three
  // times its size.
  const roomFor = (text) =>
    text.length > HAND_ENCODED_UNITS ? utf8Length(text, text.length) : 3 * text.length;

  // Puts one or two texts into the scratch block; their lengths in bytes go to `sizes`.
  const sizes = [0, 0];
  function writeTexts(first, second = "") {
    reserveScratch(roomFor(first) + roomFor(second));
    refreshViews();
    sizes[0] = writeText(first, scratch);
    sizes[1] = writeText(second, scratch + sizes[0]);
  }

  // Writes texts (strings, or bytes as a Uint8Array) one after another into the scratch block,
  // and after them the table of their addresses and sizes, which the module reads as an array
  // of TextView; returns the table's address.
  function writeTextList(items) {
    let room = 4 + 8 * items.length;
    for (const item of items) room += typeof item === "string" ? roomFor(item) : item.length;
    reserveScratch(room);
    refreshViews();
    const table = new Uint32Array(2 * items.length);
    let at = scratch;
    items.forEach((item, i) => {
      let size = item.length;
      if (typeof item === "string") {
        size = writeText(item, at);
      } else {
        heap.set(item, at);
      }
      table[2 * i] = at;
      table[2 * i + 1] = size;
      at += size;
    });
    const tableAddress = (at + 3) & ~3;
    words.set(table, tableAddress >>> 2);
    return tableAddress;
  }

  const materialTexts = (materials) => MATERIALS.map((name) => materials[name]);

  // The text of size bytes at address, decoded as TextDecoder does.
  function readText(address, size) {
    if (size > HAND_DECODED_BYTES) return decoder.decode(heap.subarray(address, address + size));
    const end = address + size;
    let text = "";
    let i = address;
    for (; i + 4 <= end; i += 4) {
      const a = heap[i], b = heap[i + 1], c = heap[i + 2], d = heap[i + 3];
      if ((a | b | c | d) >= 0x80) return decoder.decode(heap.subarray(address, end));
      text += String.fromCharCode(a, b, c, d);
    }
    for (; i < end; i++) {
      const a = heap[i];
      if (a >= 0x80) return decoder.decode(heap.subarray(address, end));
      text += String.fromCharCode(a);
    }
    return text;
  }

  // The text whose address and size stand at the word index `word` of the memory.
  function readTextAt(word) {
    return readText(words[word], words[word + 1]);
  }

  // The UTF-8 length of the text's first `end` code units, as TextEncoder counts it.
  function utf8Length(text, end) {
    let size = end;
    for (let i = 0; i < end; i++) {
      const c = text.charCodeAt(i);
      if (c < 0x80) continue;
      size += c < 0x800 ? 1 : 2;
      const pair = c >= 0xd800 && c <= 0xdbff && i + 1 < end;
      if (pair && text.charCodeAt(i + 1) >= 0xdc00 && text.charCodeAt(i + 1) <= 0xdfff) i++;
    }
    return size;
  }

  // Texts copied out of the module: they outlive a fresh instance.
  const rulesAnswer = exports.page_rules() >>> 2;
  const ruleTexts = Array.from({ length: words[rulesAnswer] },
    (_, i) => readTextAt((words[rulesAnswer + 1] >>> 2) + 2 * i));
  const texts = Object.fromEntries(RULE_TEXTS.map((name, i) => [name, ruleTexts[i]]));
  const defaultMaterials = Object.freeze(
    Object.fromEntries(MATERIALS.map((name) => [name, texts[name]])));
  const rules = Object.freeze({
    sectionWidthCm: Number(texts.width),
    barDiameterMm: Number(texts.barDiameter),
    tieDiameterMm: Number(texts.tieDiameter),
    clearCoverMm: Number(texts.clearCover),
    floorNoteLimit: Number(texts.floorNoteLimit),
    // The rules' numbers as the engine writes them, and the bar diameters sold.
    texts: Object.freeze(texts),
    barDiameters: Object.freeze(ruleTexts.slice(RULE_TEXTS.length)),
    defaultMaterials,
  });

  // The design of the texts with the materials, and its working, as design_with_working
  // answers; materials refused give { ok: false, failure: "materials", choice }.
  function designWithWorking(loadText, floorsText, materials) {
    const answer = exports.design_with_working(
      writeTextList([loadText, floorsText, ...materialTexts(materials)])) >>> 2;
    refreshViews();
    const outcome = words[answer];
    if (FAILURES[outcome - 1] === "materials") {
      return { ok: false, failure: "materials", choice: MATERIALS[words[answer + 1] - 1] };
    }
    const design = {};
    WORKING_TEXTS.forEach((name, i) => {
      design[name] = readTextAt(answer + 6 + 2 * i);
    });
    const [requiredAreaText, lengthText, steelAreaText, barCountText] =
      WORKING_TEXTS.slice(0, 4).map((name) => design[name]);
    const working = {
      lengthRule: LENGTH_RULES[words[answer + 2]],
      steelRule: STEEL_RULES[words[answer + 3]],
      barRule: BAR_RULES[words[answer + 4]],
      beyondFloorLimit: words[answer + 5] !== 0,
    };
    for (const name of WORKING_TEXTS.slice(4, 11)) working[name] = design[name];
    const used = {};
    for (const name of WORKING_TEXTS.slice(11)) used[name] = design[name];
    recycleAfterHugeInput();
    const results = { requiredAreaText, lengthText, steelAreaText, barCountText };
    if (outcome === 0) return { ok: true, ...results, working, materials: used };
    return { ok: false, failure: FAILURES[outcome - 1], partial: results, working,
      materials: used };
  }

  const isNumeric = (text) => {
    writeTexts(text);
    return exports.is_numeric_text(scratch, sizes[0]) !== 0;
  };

  // Each function checks its arguments as the page passes them: texts as strings (TypeError),
  // a caret within its text and a last numeric text the guard could have left (RangeError).
  return {
    // The design's rules that the page shows and draws with, as the engine holds them.
    rules,

    isNumericText(text) {
      checkText(text, "text");
      const numeric = isNumeric(text);
      recycleAfterHugeInput();
      return numeric;
    },

    designColumn(loadText, floorsText) {
      checkText(loadText, "loadText");
      checkText(floorsText, "floorsText");
      writeTexts(loadText, floorsText);
      const answer = exports.design_column(scratch, sizes[0], scratch + sizes[0], sizes[1]) >>> 2;
      refreshViews();
      const requiredAreaText = readTextAt(answer + 1);
      const lengthText = readTextAt(answer + 3);
      const steelAreaText = readTextAt(answer + 5);
      const barCountText = readTextAt(answer + 7);
      const outcome = words[answer];
      recycleAfterHugeInput();
      if (outcome === 0) {
        return { ok: true, requiredAreaText, lengthText, steelAreaText, barCountText };
      }
      return { ok: false, failure: FAILURES[outcome - 1],
        partial: { requiredAreaText, lengthText, steelAreaText, barCountText } };
    },

    // The design with the engineer's materials (texts as typed), with its working and the
    // materials' numbers as the calculation sheet writes them.
    designWithWorking(loadText, floorsText, materials) {
      checkText(loadText, "loadText");
      checkText(floorsText, "floorsText");
      checkMaterials(materials);
      return designWithWorking(loadText, floorsText, materials);
    },

    // The first of the materials' texts refused ("fcu", "fy", "width", "barDiameter",
    // "loadFactor"), or null.
    checkMaterials(materials) {
      checkMaterials(materials);
      const choice = exports.check_materials(writeTextList(materialTexts(materials)));
      recycleAfterHugeInput();
      return choice === 0 ? null : MATERIALS[choice - 1];
    },

    checkInputs(loadText, floorsText) {
      checkText(loadText, "loadText");
      checkText(floorsText, "floorsText");
      writeTexts(loadText, floorsText);
      const problem = exports.check_inputs(scratch, sizes[0], scratch + sizes[0], sizes[1]);
      recycleAfterHugeInput();
      return INPUT_PROBLEMS[problem];
    },

    // The caret counts UTF-16 code units, as a text field's selectionStart; the module counts
    // UTF-8 bytes. The last numeric text is empty, numeric, or the beginning of a number that
    // one more digit completes.
    guardText(text, caret, lastNumeric) {
      checkText(text, "text");
      checkNumber(caret, "caret");
      checkText(lastNumeric, "lastNumeric");
      if (!Number.isInteger(caret) || caret < 0 || caret > text.length) {
        throw new RangeError(`caret ${caret} is outside the text (0 to ${text.length})`);
      }
      if (lastNumeric !== "" && !isNumeric(lastNumeric) && !isNumeric(`${lastNumeric}1`)) {
        throw new RangeError("lastNumeric is not a numeric text");
      }
      let at = caret;
      if (at > 0 && /[\uD800-\uDBFF][\uDC00-\uDFFF]/.test(text.slice(at - 1, at + 1))) at -= 1;
      const caretBytes = utf8Length(text, at);
      writeTexts(text, lastNumeric);
      const answer =
        exports.guard_text(scratch, sizes[0], caretBytes, scratch + sizes[0], sizes[1]) >>> 2;
      refreshViews();
      const address = words[answer];
      const size = words[answer + 1];
      const caretAt = words[answer + 2];
      const guarded = readText(address, size);
      const guardedCaret = guarded.length === size ? caretAt
        : decoder.decode(heap.subarray(address, address + caretAt)).length;
      const droppedSeparator = words[answer + 3] !== 0;
      recycleAfterHugeInput();
      return { text: guarded, caret: guardedCaret, droppedSeparator };
    },

    // The bars of a section of bars of barDiameterMm (the rules' diameter when left out).
    layOutSection(section) {
      if (typeof section !== "object" || section === null) {
        throw new TypeError("layOutSection takes { widthCm, lengthCm, barCount, barDiameterMm }");
      }
      const { widthCm, lengthCm, barCount, barDiameterMm = rules.barDiameterMm } = section;
      checkNumber(widthCm, "widthCm");
      checkNumber(lengthCm, "lengthCm");
      checkNumber(barCount, "barCount");
      checkNumber(barDiameterMm, "barDiameterMm");
      const answer = exports.lay_out_section(widthCm, lengthCm, barCount, barDiameterMm);
      const view = new DataView(memory.buffer, answer, 32);
      const outcome = view.getUint32(16, true);
      if (outcome !== 0) return { ok: false, failure: LAYOUT_FAILURES[outcome - 1] };
      const count = view.getUint32(12, true);
      const centres = new Float64Array(memory.buffer, view.getUint32(8, true), 2 * count);
      const bars = [];
      for (let i = 0; i < centres.length; i += 2) {
        bars.push({ xMm: centres[i], yMm: centres[i + 1] });
      }
      return { ok: true, bars, clearSpacingMm: view.getFloat64(0, true),
        tieCornerRadiusMm: view.getFloat64(24, true) };
    },

    // The module's memory now, in bytes: for the tests and the figures.
    memoryBytes() {
      return memory.buffer.byteLength;
    },
  };
}

export default async function loadCalculation() {
  const { module, imports } = await compileModule("calculation.wasm");
  return Object.freeze(bind(module, imports));
}
