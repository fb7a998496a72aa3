// The design of a column with moments, compiled to WebAssembly from the same C++ as the desktop
// program's command line. `loadBending()` loads bending.wasm from beside this file and resolves
// to its functions; the page loads it the first time a design needs it (calculation.js's
// checkMoments), never for its first paint.

import { checkText } from './calculation.js';
import { readReport } from './calculation_answers.js';
import { BENDING_ANSWER as ANSWER, BENDING_OUTCOMES as OUTCOMES } from './module_contract.js';
import { ModuleHeap } from './module_heap.js';
import { compileModule } from './module_loader.js';

// The texts of design_bending's answer, in its order.
const TEXTS = ['slendernessText', 'mostSlendernessText', 'mostLengthText'];

// Pairs of doubles (MomentPoint, SectionBar) at `address`.
function pairs(h, address, count) {
  const values = new Float64Array(h.memory.buffer, address, 2 * count);
  return Array.from({ length: count }, (_, i) => [values[2 * i], values[2 * i + 1]]);
}

// The interaction diagram of design_bending's answer: { contour, loads, extentTM,
// ticks: [{ atTM, label }] }, t·m, or null.
function readDiagram(h, answer, word) {
  if (word('contourCount') === 0) return null;
  const ticksAt = new Float64Array(h.memory.buffer, word('ticksAt'), word('tickCount'));
  const labels = h.readTextAt((answer + ANSWER.tickLabels) >>> 2).split('\x1f');
  return {
    contour: pairs(h, word('contour'), word('contourCount')),
    loads: pairs(h, word('loads'), word('loadCount')),
    extentTM: new DataView(h.memory.buffer, answer).getFloat64(ANSWER.extentTM, true),
    ticks: Array.from(ticksAt, (atTM, i) => ({ atTM, label: labels[i] })),
  };
}

function readBending(h, answer) {
  h.refreshViews();
  const view = new DataView(h.memory.buffer, answer);
  const word = (field) => view.getUint32(ANSWER[field], true);
  const number = (field) => view.getFloat64(ANSWER[field], true);
  const outcome = OUTCOMES[word('outcome')];
  if (outcome === 'overflow' || outcome === 'type-mismatch') return { ok: false, failure: outcome };
  const first = (answer + ANSWER.texts) >>> 2;
  const texts = Object.fromEntries(TEXTS.map((name, i) => [name, h.readTextAt(first + 2 * i)]));
  const design = {
    status: outcome,
    momentsGoverned: word('momentsGoverned') !== 0,
    widthCm: word('widthCm'),
    lengthCm: word('lengthCm'),
    bars: word('bars'),
    barDiameterMm: word('barDiameterMm'),
    barCentresCm: pairs(h, word('barCentres'), word('barCentreCount')),
    ultimateLoadT: number('ultimateLoadT'),
    designMomentXTM: number('designMomentXTM'),
    designMomentYTM: number('designMomentYTM'),
    utilisation: word('hasUtilisation') !== 0 ? number('utilisation') : null,
    slenderness: number('slenderness'),
    mostSlenderness: number('mostSlenderness'),
    ...texts,
  };
  if (outcome !== 'ok') return { ok: false, failure: outcome, ...design };
  // The sheet's report (as calculation.js's designReport gives it) and its diagram.
  return { ok: true, ...design, report: readReport(h, answer + ANSWER.report),
    diagram: readDiagram(h, answer, word) };
}

function bind(module, imports) {
  const h = new ModuleHeap(module, imports, 'bending.wasm');
  return {
    // The design of the load and floors (texts as typed) with `input`, checkMoments' answer's
    // ({ numbers, unbraced }). A column that cannot be designed gives { ok: false, failure }:
    // 'overflow' or 'type-mismatch' (the load's, as designColumn's), 'slender' or 'too-large'
    // (with the design's figures). A design gives its figures, and its sheet: report and
    // diagram.
    designBending(loadText, floorsText, input) {
      checkText(loadText, 'loadText');
      checkText(floorsText, 'floorsText');
      const { numbers, unbraced } = input ?? {};
      if (!Array.isArray(numbers) || numbers.length !== 8 || typeof unbraced !== 'boolean') {
        throw new TypeError('input must be checkMoments\' { numbers, unbraced }');
      }
      const texts = h.writeTextList([loadText, floorsText]);
      const design = readBending(h, h.exports.design_bending(texts, ...numbers, unbraced ? 1 : 0));
      h.recycleAfterHugeInput();
      return design;
    },
  };
}

export default async function loadBending() {
  const { module, imports } = await compileModule('bending.wasm');
  return Object.freeze(bind(module, imports));
}
