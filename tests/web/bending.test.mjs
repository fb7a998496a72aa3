// The page's moment design against the native library: bending.js (bending.wasm) and the
// calculation module's check of the moment fields give the native answers (native_bending, its
// path in COLDESIGN_NATIVE_BENDING), and the calculation module stays within its budget.

import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { existsSync, statSync } from 'node:fs';
import path from 'node:path';
import { test } from 'node:test';
import { pathToFileURL } from 'node:url';

const webDir = process.env.COLDESIGN_WEB_DIR;
const nativeBending = process.env.COLDESIGN_NATIVE_BENDING;
assert.ok(webDir && nativeBending, 'COLDESIGN_WEB_DIR and COLDESIGN_NATIVE_BENDING must be set');
assert.ok(existsSync(path.join(webDir, 'bending.js')), 'build the wasm preset first');

const load = async (file) => (await import(pathToFileURL(path.join(webDir, file)).href)).default();
const calculation = await load('calculation.js');
const bending = await load('bending.js');

const hex = (text) => Buffer.from(text, 'utf8').toString('hex');
function native(questions) {
  const output = execFileSync(nativeBending, {
    input: questions.map((q) => q.map((field, i) => (i === 0 ? field : hex(field))).join(' '))
      .join('\n') + '\n' });
  return output.toString('utf8').split('\n').slice(0, -1).map((line) => JSON.parse(line));
}

const DEFAULTS = calculation.rules.defaultMaterials;
const materialTexts = (m) => [m.fcu, m.fy, m.width, m.barDiameter, m.loadFactor];
const flag = (unbraced) => (unbraced ? '1' : '0');

// The figures bending.js gives beside what the native answer has; its texts are the page's.
const figures = (design) => Object.fromEntries(Object.entries(design)
  .filter(([name]) => !name.endsWith('Text')));

// The utilisation comes through the section model's trigonometry, whose last bit the
// WebAssembly C library and the native one may round apart: it is the same to a part in 10¹²,
// far finer than the page shows it. Every other figure is exact.
function assertSameDesign(design, native, what) {
  const { utilisation, ...rest } = figures(design);
  const { utilisation: nativeUtilisation, ...nativeRest } = native;
  assert.deepEqual(rest, nativeRest, what);
  if (nativeUtilisation === undefined || nativeUtilisation === null) {
    assert.equal(utilisation, nativeUtilisation, what);
  } else {
    assert.ok(Math.abs(utilisation - nativeUtilisation) <= 1e-12 * nativeUtilisation,
              `${what}: ${utilisation} against ${nativeUtilisation}`);
  }
}

test('the moment fields are refused, or the need of the moment design said, as natively',
     () => {
       const moments = ['', ' ', '0', '-0', '0.001', '-12.5', '١٢٫٥', '-', '.', 'x', '1e400'];
       const heights = ['3', '', '٣', '2', '1.99', '4.5', '5.3', '10', '10.01', '-3', '2e'];
       const widths = ['30', '20', '25', 'x'];
       const cases = [];
       for (const [i, momentX] of moments.entries()) {
         for (const [j, columnHeight] of heights.entries()) {
           for (const width of widths) {
             for (const unbraced of [false, true]) {
               cases.push({ materials: { ...DEFAULTS, width }, unbraced, columnHeight, momentX,
                 momentY: moments[(i + j) % moments.length] });
             }
           }
         }
       }
       const answers = native(cases.map((c) => ['moments', c.momentX, c.momentY,
         c.columnHeight, ...materialTexts(c.materials), flag(c.unbraced)]));
       cases.forEach((c, i) => {
         assert.deepEqual(calculation.checkMoments(c.materials, c), answers[i], JSON.stringify(c));
       });
       // Both ways are met: refused, needed, and not needed.
       assert.ok(answers.some((a) => a.field) && answers.some((a) => a.canGovern) &&
                 answers.some((a) => a.canGovern === false));
     });

const designs = [
  // Short columns whose moments grow until they govern, then raise the bars and the length.
  ...['0', '1', '2', '4', '8', '12', '20', '45', '70'].map((mx) => ['40', '2', DEFAULTS, mx, '', '3',
    false]),
  ['40', '2', DEFAULTS, '8', '6', '3', false],  // biaxial
  ['40', '2', DEFAULTS, '-8', '-6', '3', false],  // the section is symmetric
  ['100', '7', DEFAULTS, '60', '10', '3', false],
  ['١٠', '٥', DEFAULTS, '٤٫٥', '', '٣٫٢', false],
  ['30', '4', { ...DEFAULTS, fcu: '300', fy: '4000', width: '25', barDiameter: '20' }, '5', '5',
    '3', false],
  // Slender: the added moment with no moment given, then refused beyond the limit.
  ['40', '2', DEFAULTS, '', '', '3', true],
  ['40', '2', DEFAULTS, '', '', '5.3', false],
  ['40', '2', DEFAULTS, '', '', '10', true],
  // No length up to the limit carries it.
  ['100', '7', DEFAULTS, '5000', '', '3', false],
  // Refused before any design: the load, the materials, a moment field.
  ['abc', '2', DEFAULTS, '5', '', '3', false],
  ['1e308', '7', DEFAULTS, '5', '', '3', false],
  ['40', '2', { ...DEFAULTS, width: '19' }, '5', '', '3', false],
  ['40', '2', DEFAULTS, '-', '', '3', false],
  ['40', '2', DEFAULTS, '5', '', '12', false],
];

test('the moment design on the page gives the native section, moments and utilisation', () => {
  const answers = native(designs.map(([l, f, m, mx, my, h, u]) => ['bending', l, f,
    ...materialTexts(m), mx, my, h, flag(u)]));
  const statuses = new Set();
  designs.forEach(([l, f, m, momentX, momentY, columnHeight, unbraced], i) => {
    const design = bending.designBending(l, f, m, { momentX, momentY, columnHeight, unbraced });
    assertSameDesign(design, answers[i], JSON.stringify(designs[i]));
    statuses.add(design.status ?? design.failure);
  });
  assert.deepEqual([...statuses].sort(), ['moments', 'materials', 'ok', 'overflow', 'slender',
    'too-large', 'type-mismatch'].sort());
});

test('where the check says the moments cannot govern, the design is the axial one', () => {
  for (const [l, f, m, momentX, momentY, columnHeight, unbraced] of designs) {
    const fields = { momentX, momentY, columnHeight, unbraced };
    if (calculation.checkMoments(m, fields).canGovern !== false) continue;
    const axial = calculation.designWithWorking(l, f, m);
    const design = bending.designBending(l, f, m, fields);
    assert.equal(design.momentsGoverned, false);
    assert.equal(design.lengthText, axial.lengthText);
    assert.equal(design.barCountText, axial.barCountText);
  }
});

test('the texts the page shows are the figures, rounded as shown', () => {
  const design = bending.designBending('40', '2', DEFAULTS,
    { momentX: '20', momentY: '3', columnHeight: '3', unbraced: false });
  assert.equal(design.ok, true);
  assert.equal(design.momentsGoverned, true);
  assert.equal(design.lengthText, String(design.lengthCm));
  assert.equal(design.barCountText, String(design.bars));
  assert.equal(design.momentXText, design.designMomentXTM.toFixed(2));
  assert.equal(design.momentYText, design.designMomentYTM.toFixed(2));
  assert.equal(design.utilisationText, design.utilisation.toFixed(2));
  assert.ok(design.utilisation > 0 && design.utilisation <= 1, String(design.utilisation));
});

test('the moment design stays out of calculation.wasm, within its budget', () => {
  const size = (file) => statSync(path.join(webDir, file)).size;
  assert.ok(size('calculation.wasm') <= 51200, `calculation.wasm: ${size('calculation.wasm')}`);
  assert.ok(size('bending.wasm') <= 65536, `bending.wasm: ${size('bending.wasm')}`);
});

test('bending.js refuses arguments of the wrong kind', () => {
  const fields = { momentX: '1', momentY: '', columnHeight: '3', unbraced: false };
  assert.throws(() => bending.designBending('40', '2', DEFAULTS, { ...fields, unbraced: 'no' }),
                TypeError);
  assert.throws(() => bending.designBending('40', '2', DEFAULTS, { ...fields, momentX: 1 }),
                TypeError);
  assert.throws(() => calculation.checkMoments(DEFAULTS, { ...fields, columnHeight: 3 }),
                TypeError);
});
