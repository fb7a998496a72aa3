// The design of a column with moments, compiled to WebAssembly from the same C++ as the desktop
// program's command line. `loadBending()` loads bending.wasm from beside this file and resolves
// to its function; the page loads it the first time a design needs it (calculation.js's
// checkMoments), never for its first paint.

import { MATERIALS, checkMaterials, checkText } from './calculation.js';
import { BENDING_ANSWER as ANSWER, BENDING_FIELDS as FIELDS, BENDING_OUTCOMES as OUTCOMES,
  BENDING_PROBLEMS as PROBLEMS } from './module_contract.js';
import { ModuleHeap } from './module_heap.js';
import { compileModule } from './module_loader.js';

// The texts of design_bending's answer, in its order.
const TEXTS = ['lengthText', 'barCountText', 'steelAreaText', 'momentXText', 'momentYText',
  'utilisationText', 'slendernessText', 'mostSlendernessText', 'mostLengthText'];

function readBending(h, answer) {
  h.refreshViews();
  const view = new DataView(h.memory.buffer, answer);
  const word = (field) => view.getUint32(ANSWER[field], true);
  const number = (field) => view.getFloat64(ANSWER[field], true);
  const outcome = OUTCOMES[word('outcome')];
  if (outcome === 'materials') {
    return { ok: false, failure: outcome, choice: MATERIALS[word('choice') - 1] };
  }
  if (outcome === 'moments') {
    return { ok: false, failure: outcome, field: FIELDS[word('field')],
      problem: PROBLEMS[word('problem')] };
  }
  if (outcome === 'overflow' || outcome === 'type-mismatch') return { ok: false, failure: outcome };
  const first = (answer + ANSWER.texts) >>> 2;
  const texts = Object.fromEntries(TEXTS.map((name, i) => [name, h.readTextAt(first + 2 * i)]));
  const centres = new Float64Array(h.memory.buffer, word('barCentres'),
    2 * word('barCentreCount'));
  const barCentresCm = [];
  for (let i = 0; i < centres.length; i += 2) barCentresCm.push([centres[i], centres[i + 1]]);
  const design = {
    status: outcome,
    momentsGoverned: word('momentsGoverned') !== 0,
    widthCm: word('widthCm'),
    lengthCm: word('lengthCm'),
    bars: word('bars'),
    barDiameterMm: word('barDiameterMm'),
    barCentresCm,
    ultimateLoadT: number('ultimateLoadT'),
    designMomentXTM: number('designMomentXTM'),
    designMomentYTM: number('designMomentYTM'),
    utilisation: word('hasUtilisation') !== 0 ? number('utilisation') : null,
    slenderness: number('slenderness'),
    mostSlenderness: number('mostSlenderness'),
    ...texts,
  };
  return outcome === 'ok' ? { ok: true, ...design } : { ok: false, failure: outcome, ...design };
}

function bind(module, imports) {
  const h = new ModuleHeap(module, imports, 'bending.wasm');
  return {
    // The design of the load and floors (texts as typed) with the materials and the moment
    // fields ({ momentX, momentY, columnHeight }: texts; unbraced: a boolean). A design that
    // cannot be made gives { ok: false, failure }: 'materials' (with the choice), 'moments'
    // (with the field and the problem), 'overflow' or 'type-mismatch' (the load's, as
    // designColumn's), and 'slender' or 'too-large' (with the design's figures).
    designBending(loadText, floorsText, materials, { momentX, momentY, columnHeight, unbraced }) {
      checkText(loadText, 'loadText');
      checkText(floorsText, 'floorsText');
      checkMaterials(materials);
      checkText(momentX, 'momentX');
      checkText(momentY, 'momentY');
      checkText(columnHeight, 'columnHeight');
      if (typeof unbraced !== 'boolean') throw new TypeError('unbraced must be a boolean');
      const texts = h.writeTextList([loadText, floorsText,
        ...MATERIALS.map((name) => materials[name]), momentX, momentY, columnHeight]);
      const design = readBending(h, h.exports.design_bending(texts, unbraced ? 1 : 0));
      h.recycleAfterHugeInput();
      return design;
    },
  };
}

export default async function loadBending() {
  const { module, imports } = await compileModule('bending.wasm');
  return Object.freeze(bind(module, imports));
}
