// The calculation module's answers read out of its memory (ModuleHeap): the blocks laid out in
// calculation_module.cpp, materials_module.cpp and report_module.cpp, turned into the objects
// calculation.js gives. The enumerations' names come from module_contract.js, which the build
// writes from the C++.

import {
  BAR_RULES, BENDING_FIELDS, BENDING_PROBLEMS, DESIGN_ANSWER, DESIGN_FAILURES as FAILURES,
  GUARD_ANSWER, INPUT_PROBLEMS, LAYOUT_ANSWER, LAYOUT_FAILURES, LENGTH_RULES, MATERIALS,
  MOMENTS_ANSWER, REPORT_PARTS, RULES_ANSWER, STEEL_RULES, WORKING_ANSWER,
} from "./module_contract.js";

// The engineer's choices (MATERIALS) are in the order the modules take and check them.
export { INPUT_PROBLEMS, MATERIALS };

// The word of the module's memory at an answer's field (a byte offset of module_contract.js).
const wordAt = (answer, offset) => (answer + offset) >>> 2;

// The names of the rules' texts that page_rules gives, in its order; the bar diameters follow.
const RULE_TEXTS = ["fcu", "fy", "width", "barDiameter", "loadFactor", "leastFcu", "mostFcu",
  "leastFy", "mostFy", "leastWidth", "mostWidth", "leastLoadFactor", "mostLoadFactor",
  "floorHeight", "leastFloorHeight", "mostFloorHeight", "steelDensity", "tieDiameter",
  "clearCover", "floorNoteLimit", "mostMarkBytes", "mostFloors", "mostColumnCount",
  "mostFileBytes", "mostLevels", "mostHeaderColumns"];
// The texts of design_with_working's answer, in its order.
const WORKING_TEXTS = ["requiredAreaText", "lengthText", "steelAreaText", "barCountText",
  "lengthQuotientText", "roundedLengthText", "steelShareText", "leastSteelText",
  "barQuotientText", "roundedBarText", "steelRatioPercentText", "widthText", "barDiameterText",
  "fcuText", "fyText", "loadFactorText", "loadIncreasePercentText", "carryingStressText",
  "barAreaText"];

// The design's rules that the page shows and draws with (page_rules' answer at `answer`), as
// texts copied out of the module: they outlive a fresh instance.
export function readRules(h, answer) {
  const first = h.words[wordAt(answer, RULES_ANSWER.texts)] >>> 2;
  const ruleTexts = Array.from({ length: h.words[wordAt(answer, RULES_ANSWER.count)] },
    (_, i) => h.readTextAt(first + 2 * i));
  const texts = Object.fromEntries(RULE_TEXTS.map((name, i) => [name, ruleTexts[i]]));
  return Object.freeze({
    sectionWidthCm: Number(texts.width),
    barDiameterMm: Number(texts.barDiameter),
    tieDiameterMm: Number(texts.tieDiameter),
    clearCoverMm: Number(texts.clearCover),
    floorNoteLimit: Number(texts.floorNoteLimit),
    // The rules' numbers as the engine writes them, and the bar diameters sold.
    texts: Object.freeze(texts),
    barDiameters: Object.freeze(ruleTexts.slice(RULE_TEXTS.length)),
    defaultMaterials: Object.freeze(
      Object.fromEntries(MATERIALS.map((name) => [name, texts[name]]))),
  });
}

// design_column's answer: the four results, or on a failure what the steps before it wrote.
export function readDesign(h, answer) {
  const text = (offset) => h.readTextAt(wordAt(answer, offset));
  const requiredAreaText = text(DESIGN_ANSWER.requiredArea);
  const lengthText = text(DESIGN_ANSWER.length);
  const steelAreaText = text(DESIGN_ANSWER.steelArea);
  const barCountText = text(DESIGN_ANSWER.barCount);
  const outcome = h.words[wordAt(answer, DESIGN_ANSWER.outcome)];
  if (outcome === 0) {
    return { ok: true, requiredAreaText, lengthText, steelAreaText, barCountText };
  }
  return { ok: false, failure: FAILURES[outcome - 1],
    partial: { requiredAreaText, lengthText, steelAreaText, barCountText } };
}

// design_with_working's answer; materials refused give { ok: false, failure: "materials",
// choice }.
export function readWorking(h, answer) {
  const word = (offset) => h.words[wordAt(answer, offset)];
  const outcome = word(WORKING_ANSWER.outcome);
  if (FAILURES[outcome - 1] === "materials") {
    return { ok: false, failure: "materials", choice: MATERIALS[word(WORKING_ANSWER.choice) - 1] };
  }
  const design = {};
  const first = wordAt(answer, WORKING_ANSWER.texts);
  WORKING_TEXTS.forEach((name, i) => {
    design[name] = h.readTextAt(first + 2 * i);
  });
  const [requiredAreaText, lengthText, steelAreaText, barCountText] =
    WORKING_TEXTS.slice(0, 4).map((name) => design[name]);
  const working = {
    lengthRule: LENGTH_RULES[word(WORKING_ANSWER.lengthRule)],
    steelRule: STEEL_RULES[word(WORKING_ANSWER.steelRule)],
    barRule: BAR_RULES[word(WORKING_ANSWER.barRule)],
    beyondFloorLimit: word(WORKING_ANSWER.beyondFloorLimit) !== 0,
  };
  for (const name of WORKING_TEXTS.slice(4, 11)) working[name] = design[name];
  const used = {};
  for (const name of WORKING_TEXTS.slice(11)) used[name] = design[name];
  const results = { requiredAreaText, lengthText, steelAreaText, barCountText };
  if (outcome === 0) return { ok: true, ...results, working, materials: used };
  return { ok: false, failure: FAILURES[outcome - 1], partial: results, working,
    materials: used };
}

// guard_text's answer: the caret, which the module counts in UTF-8 bytes, in UTF-16 code units.
export function readGuarded(h, answer) {
  const word = (offset) => h.words[wordAt(answer, offset)];
  const address = word(GUARD_ANSWER.text);
  const size = word(GUARD_ANSWER.text + 4);
  const caretAt = word(GUARD_ANSWER.caret);
  const text = h.readText(address, size);
  const caret = text.length === size ? caretAt : h.unitsOf(address, caretAt);
  return { text, caret, droppedSeparator: word(GUARD_ANSWER.droppedSeparator) !== 0 };
}

// lay_out_section's answer.
export function readLayout(h, answer) {
  const view = new DataView(h.memory.buffer, answer);
  const outcome = view.getUint32(LAYOUT_ANSWER.outcome, true);
  if (outcome !== 0) return { ok: false, failure: LAYOUT_FAILURES[outcome - 1] };
  const count = view.getUint32(LAYOUT_ANSWER.barCount, true);
  const centres = new Float64Array(h.memory.buffer, view.getUint32(LAYOUT_ANSWER.bars, true),
    2 * count);
  const bars = [];
  for (let i = 0; i < centres.length; i += 2) {
    bars.push({ xMm: centres[i], yMm: centres[i + 1] });
  }
  return { ok: true, bars, clearSpacingMm: view.getFloat64(LAYOUT_ANSWER.clearSpacingMm, true),
    tieCornerRadiusMm: view.getFloat64(LAYOUT_ANSWER.tieCornerRadiusMm, true) };
}

// design_report's answer (report_module.cpp): its lines, each { part, text: [key, argument…],
// value }, or null.
export function readReport(h, answer) {
  const report = h.readTextAt(answer >>> 2);
  if (report === "") return null;
  return report.split("\x1e").map((line) => {
    const [part, key, value, ...args] = line.split("\x1f");
    return { part: REPORT_PARTS[part.charCodeAt(0) - 65], text: [key, ...args], value };
  });
}

// check_moments' answer: { field, problem } of the moment field refused, else { canGovern,
// input }, the numbers the moment design takes as the engine read them (null when the
// materials are refused).
export function readMoments(h, answer) {
  const word = (offset) => h.words[wordAt(answer, offset)];
  const field = BENDING_FIELDS[word(MOMENTS_ANSWER.field)];
  if (field) return { field, problem: BENDING_PROBLEMS[word(MOMENTS_ANSWER.problem)] };
  const input = word(MOMENTS_ANSWER.hasInput) === 0 ? null
    : Array.from(new Float64Array(h.memory.buffer, answer + MOMENTS_ANSWER.input, 8));
  return { canGovern: word(MOMENTS_ANSWER.canGovern) !== 0, input };
}
