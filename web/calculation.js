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
const INPUT_PROBLEMS = [null, "load-empty", "floors-empty", "negative"];
const DESIGN_TEXTS = ["requiredAreaText", "lengthText", "steelAreaText", "barCountText"];
const LAYOUT_FAILURES = ["invalid-input", "bars-do-not-fit"];

function bind(exports) {
  const encoder = new TextEncoder();
  const decoder = new TextDecoder();
  const memory = exports.memory;

  // Calls fn with each string as (address, length in UTF-8 bytes) in the module's memory.
  function withTexts(texts, fn) {
    const blocks = [];
    try {
      const args = [];
      for (const text of texts) {
        const bytes = encoder.encode(String(text));
        const address = exports.alloc(bytes.length);
        if (address === 0) throw new Error("calculation.wasm is out of memory");
        blocks.push(address);
        new Uint8Array(memory.buffer, address, bytes.length).set(bytes);
        args.push(address, bytes.length);
      }
      return fn(...args);
    } finally {
      for (const address of blocks) exports.free(address);
    }
  }

  function readBytes(view, at) {
    return new Uint8Array(memory.buffer, view.getUint32(at, true), view.getUint32(at + 4, true));
  }

  function readText(view, at) {
    return decoder.decode(readBytes(view, at));
  }

  return {
    isNumericText(text) {
      return withTexts([text], exports.is_numeric_text) !== 0;
    },

    designColumn(loadText, floorsText) {
      const answer = withTexts([loadText, floorsText], exports.design_column);
      const view = new DataView(memory.buffer, answer, 36);
      const texts = {};
      DESIGN_TEXTS.forEach((key, i) => {
        texts[key] = readText(view, 4 + 8 * i);
      });
      const outcome = view.getUint32(0, true);
      if (outcome === 0) return { ok: true, ...texts };
      return { ok: false, failure: FAILURES[outcome - 1], partial: texts };
    },

    checkInputs(loadText, floorsText) {
      return INPUT_PROBLEMS[withTexts([loadText, floorsText], exports.check_inputs)];
    },

    // The caret counts UTF-16 code units, as a text field's selectionStart; the module counts
    // UTF-8 bytes.
    guardText(text, caret, lastNumeric) {
      const field = String(text);
      let at = Number.isFinite(caret) ? Math.min(Math.max(Math.trunc(caret), 0), field.length) : 0;
      if (at > 0 && /[\uD800-\uDBFF][\uDC00-\uDFFF]/.test(field.slice(at - 1, at + 1))) at -= 1;
      const caretBytes = encoder.encode(field.slice(0, at)).length;
      const answer = withTexts([field, lastNumeric], (t, tn, l, ln) =>
        exports.guard_text(t, tn, caretBytes, l, ln));
      const view = new DataView(memory.buffer, answer, 16);
      const bytes = readBytes(view, 0);
      return {
        text: decoder.decode(bytes),
        caret: decoder.decode(bytes.subarray(0, view.getUint32(8, true))).length,
        droppedSeparator: view.getUint32(12, true) !== 0,
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
