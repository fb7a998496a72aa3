// The design calculation, compiled to WebAssembly from the same C++ as the desktop program.
// `loadCalculation()` loads calculation.wasm from beside this file and resolves to the
// calculation's functions, which take and give JavaScript strings.

import {
  INPUT_PROBLEMS, MATERIALS, readDesign, readGuarded, readLayout, readMoments, readReport,
  readRules, readWorking,
} from "./calculation_answers.js";
import { ModuleHeap, utf8Length } from "./module_heap.js";
import { compileModule } from "./module_loader.js";

export { MATERIALS, compileModule };

// Texts are passed as they are given: each must be a string.
export function checkText(text, name) {
  if (typeof text !== "string") throw new TypeError(`${name} must be a string`);
}

function checkNumber(value, name) {
  if (typeof value !== "number") throw new TypeError(`${name} must be a number`);
}

// Materials as the page holds them: an object of texts, one for each choice.
export function checkMaterials(materials) {
  if (typeof materials !== "object" || materials === null) {
    throw new TypeError(`materials must be { ${MATERIALS.join(", ")} }`);
  }
  for (const name of MATERIALS) checkText(materials[name], `materials.${name}`);
}

function checkDesignTexts(loadText, floorsText, materials) {
  checkText(loadText, "loadText");
  checkText(floorsText, "floorsText");
  checkMaterials(materials);
}

function bind(module, imports) {
  const h = new ModuleHeap(module, imports, "calculation.wasm");
  const rules = readRules(h, h.exports.page_rules());
  const materialTexts = (materials) => MATERIALS.map((name) => materials[name]);
  const designTexts = (loadText, floorsText, materials) =>
    h.writeTextList([loadText, floorsText, ...materialTexts(materials)]);

  // Reads the answer of a call once the views are fresh, then lets a huge input's memory go.
  const answered = (read, answer) => {
    h.refreshViews();
    const result = read(h, answer);
    h.recycleAfterHugeInput();
    return result;
  };

  const isNumeric = (text) => {
    h.writeTexts(text);
    return h.exports.is_numeric_text(h.scratch, h.sizes[0]) !== 0;
  };

  // Each function checks its arguments as the page passes them: texts as strings (TypeError),
  // a caret within its text and a last numeric text the guard could have left (RangeError).
  return {
    // The design's rules that the page shows and draws with, as the engine holds them.
    rules,

    isNumericText(text) {
      checkText(text, "text");
      const numeric = isNumeric(text);
      h.recycleAfterHugeInput();
      return numeric;
    },

    designColumn(loadText, floorsText) {
      checkText(loadText, "loadText");
      checkText(floorsText, "floorsText");
      h.writeTexts(loadText, floorsText);
      const { scratch, sizes } = h;
      return answered(readDesign,
        h.exports.design_column(scratch, sizes[0], scratch + sizes[0], sizes[1]));
    },

    // The design with the engineer's materials (texts as typed), with its working and the
    // materials' numbers as the calculation sheet writes them; materials refused give
    // { ok: false, failure: "materials", choice }.
    designWithWorking(loadText, floorsText, materials) {
      checkDesignTexts(loadText, floorsText, materials);
      return answered(readWorking,
        h.exports.design_with_working(designTexts(loadText, floorsText, materials)));
    },

    // What the calculation sheet and the copied results say of the same design, as catalogue
    // texts (["key", argument…]) and figures; null when the materials or the design fail.
    designReport(loadText, floorsText, materials) {
      checkDesignTexts(loadText, floorsText, materials);
      return answered(readReport,
        h.exports.design_report(designTexts(loadText, floorsText, materials)));
    },

    // The first of the materials' texts refused ("fcu", "fy", "width", "barDiameter",
    // "loadFactor"), or null.
    checkMaterials(materials) {
      checkMaterials(materials);
      const choice = h.exports.check_materials(h.writeTextList(materialTexts(materials)));
      h.recycleAfterHugeInput();
      return choice === 0 ? null : MATERIALS[choice - 1];
    },

    checkInputs(loadText, floorsText) {
      checkText(loadText, "loadText");
      checkText(floorsText, "floorsText");
      h.writeTexts(loadText, floorsText);
      const { scratch, sizes } = h;
      const problem = h.exports.check_inputs(scratch, sizes[0], scratch + sizes[0], sizes[1]);
      h.recycleAfterHugeInput();
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
      h.writeTexts(text, lastNumeric);
      const { scratch, sizes } = h;
      return answered(readGuarded,
        h.exports.guard_text(scratch, sizes[0], caretBytes, scratch + sizes[0], sizes[1]));
    },

    // The moment fields ({ momentX, momentY, columnHeight }: texts as typed; unbraced: a
    // boolean) with the materials: { field, problem } of the first refused, else { canGovern,
    // input }: whether the moment design (bending.js) can give another section than
    // designWithWorking, and the numbers it takes (with unbraced), null for refused materials.
    checkMoments(materials, { momentX, momentY, columnHeight, unbraced }) {
      checkMaterials(materials);
      checkText(momentX, "momentX");
      checkText(momentY, "momentY");
      checkText(columnHeight, "columnHeight");
      if (typeof unbraced !== "boolean") throw new TypeError("unbraced must be a boolean");
      const texts = h.writeTextList([momentX, momentY, columnHeight, ...materialTexts(materials)]);
      const asked = answered(readMoments, h.exports.check_moments(texts, unbraced ? 1 : 0));
      if (asked.input) asked.input = { numbers: asked.input, unbraced };
      return asked;
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
      return readLayout(h, h.exports.lay_out_section(widthCm, lengthCm, barCount, barDiameterMm));
    },

    // The module's memory now, in bytes: for the tests and the figures.
    memoryBytes() {
      return h.memory.buffer.byteLength;
    },
  };
}

export default async function loadCalculation() {
  const { module, imports } = await compileModule("calculation.wasm");
  return Object.freeze(bind(module, imports));
}
