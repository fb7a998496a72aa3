// The design calculation, compiled to WebAssembly from the same C++ as the desktop program.
// `loadCalculation()` loads calculation.wasm from beside this file and resolves to the
// calculation's functions, which take and give JavaScript strings.

const moduleUrl = new URL("./calculation.wasm", import.meta.url);

// The module is a WASI reactor that asks the system for nothing: a build that links a WASI call
// all the same (output or exit, from a C library function) gets a stub that answers "not
// supported", or for exit throws.
const ERRNO_NOSYS = 52;

function systemStubs(module) {
  const stubs = {};
  for (const { module: from, name, kind } of WebAssembly.Module.imports(module)) {
    if (kind !== "function") {
      throw new Error(`calculation.wasm imports ${from}.${name}, a ${kind}`);
    }
    stubs[from] ??= {};
    stubs[from][name] =
      name === "proc_exit"
        ? (code) => {
            throw new Error(`calculation.wasm exited with ${code}`);
          }
        : () => ERRNO_NOSYS;
  }
  return stubs;
}

async function moduleBytes() {
  if (moduleUrl.protocol === "file:") {
    const { readFile } = await import("node:fs/promises");
    return readFile(moduleUrl);
  }
  const response = await fetch(moduleUrl);
  if (!response.ok) {
    throw new Error(`calculation.wasm: ${response.status} ${response.statusText}`);
  }
  return response.arrayBuffer();
}

const FAILURES = ["overflow", "type-mismatch"];
const INPUT_PROBLEMS = [null, "load-empty", "floors-empty", "negative", "unfinished"];
const LAYOUT_FAILURES = ["invalid-input", "bars-do-not-fit"];

// Inputs up to this many UTF-16 code units are encoded here rather than by TextEncoder, whose
// call costs more than the whole calculation on short texts.
const HAND_ENCODED_UNITS = 128;
// Answers up to this many bytes are read here when they are ASCII, as the calculation's are.
const HAND_DECODED_BYTES = 64;

function bind(exports) {
  const encoder = new TextEncoder();
  const decoder = new TextDecoder();
  const memory = exports.memory;

  // Views of the module's memory; a growing memory detaches them (their length becomes 0).
  let heap = new Uint8Array(memory.buffer);
  let words = new Uint32Array(memory.buffer);
  function refreshViews() {
    if (heap.byteLength === 0) {
      heap = new Uint8Array(memory.buffer);
      words = new Uint32Array(memory.buffer);
    }
  }

  // One block of the module's heap holds the inputs of every call; it grows to the longest.
  let scratch = 0;
  let scratchSize = 0;
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
  reserveScratch(1);

  // Writes the text's UTF-8 bytes at address, as TextEncoder does (a lone surrogate becomes
  // U+FFFD); returns their count. Room for three bytes a code unit must be there.
  function writeText(text, address) {
    if (text.length > HAND_ENCODED_UNITS) {
      return encoder.encodeInto(text, heap.subarray(address, address + 3 * text.length)).written;
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

  // Puts one or two texts into the scratch block; their lengths in bytes go to `sizes`.
  const sizes = [0, 0];
  function writeTexts(first, second = "") {
    reserveScratch(3 * (first.length + second.length));
    refreshViews();
    sizes[0] = writeText(first, scratch);
    sizes[1] = writeText(second, scratch + sizes[0]);
  }

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

  return {
    isNumericText(text) {
      writeTexts(String(text));
      return exports.is_numeric_text(scratch, sizes[0]) !== 0;
    },

    designColumn(loadText, floorsText) {
      writeTexts(String(loadText), String(floorsText));
      const answer = exports.design_column(scratch, sizes[0], scratch + sizes[0], sizes[1]) >>> 2;
      refreshViews();
      const requiredAreaText = readTextAt(answer + 1);
      const lengthText = readTextAt(answer + 3);
      const steelAreaText = readTextAt(answer + 5);
      const barCountText = readTextAt(answer + 7);
      const outcome = words[answer];
      if (outcome === 0) {
        return { ok: true, requiredAreaText, lengthText, steelAreaText, barCountText };
      }
      return { ok: false, failure: FAILURES[outcome - 1],
        partial: { requiredAreaText, lengthText, steelAreaText, barCountText } };
    },

    checkInputs(loadText, floorsText) {
      writeTexts(String(loadText), String(floorsText));
      return INPUT_PROBLEMS[exports.check_inputs(scratch, sizes[0], scratch + sizes[0], sizes[1])];
    },

    // The caret counts UTF-16 code units, as a text field's selectionStart; the module counts
    // UTF-8 bytes.
    guardText(text, caret, lastNumeric) {
      const field = String(text);
      let at = Number.isFinite(caret) ? Math.min(Math.max(Math.trunc(caret), 0), field.length) : 0;
      if (at > 0 && /[\uD800-\uDBFF][\uDC00-\uDFFF]/.test(field.slice(at - 1, at + 1))) at -= 1;
      const caretBytes = utf8Length(field, at);
      writeTexts(field, String(lastNumeric));
      const answer =
        exports.guard_text(scratch, sizes[0], caretBytes, scratch + sizes[0], sizes[1]) >>> 2;
      refreshViews();
      const address = words[answer];
      const size = words[answer + 1];
      const caretAt = words[answer + 2];
      const guarded = readText(address, size);
      return {
        text: guarded,
        caret: guarded.length === size ? caretAt
          : decoder.decode(heap.subarray(address, address + caretAt)).length,
        droppedSeparator: words[answer + 3] !== 0,
      };
    },

    layOutSection({ widthCm, lengthCm, barCount }) {
      const answer = exports.lay_out_section(widthCm, lengthCm, barCount);
      const view = new DataView(memory.buffer, answer, 24);
      const outcome = view.getUint32(16, true);
      if (outcome !== 0) return { ok: false, failure: LAYOUT_FAILURES[outcome - 1] };
      const count = view.getUint32(12, true);
      const centres = new Float64Array(memory.buffer, view.getUint32(8, true), 2 * count);
      const bars = [];
      for (let i = 0; i < centres.length; i += 2) {
        bars.push({ xMm: centres[i], yMm: centres[i + 1] });
      }
      return { ok: true, bars, clearSpacingMm: view.getFloat64(0, true) };
    },
  };
}

export default async function loadCalculation() {
  const module = await WebAssembly.compile(await moduleBytes());
  const instance = await WebAssembly.instantiate(module, systemStubs(module));
  instance.exports._initialize();
  return Object.freeze(bind(instance.exports));
}
