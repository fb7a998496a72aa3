// The page's moment design against the native library: the calculation module's check of the
// moment fields, and bending.js (bending.wasm) on what it accepts, give the native answers
// (native_bending, its path in COLDESIGN_NATIVE_BENDING): the section, the moments, the
// utilisation, the sheet and the diagram. The modules stay within their budgets.

import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { existsSync, readFileSync, statSync } from 'node:fs';
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

// The utilisation and the diagram's contour come through the section model's trigonometry,
// whose last bit the WebAssembly C library and the native one may round apart: they are the
// same to a part in 10¹², far finer than the page shows them. Every other figure is exact, and
// the sheet's texts are the same to the byte.
const near = (a, b) => Math.abs(a - b) <= 1e-12 * Math.max(1, Math.abs(b));

function assertSameDesign(design, native, what) {
  const { utilisation, diagram, ...rest } = figures(design);
  const { utilisation: nativeUtilisation, diagram: nativeDiagram, ...nativeRest } = native;
  assert.deepEqual(rest, nativeRest, what);
  assert.equal(typeof utilisation, typeof nativeUtilisation, what);
  if (typeof utilisation === 'number') assert.ok(near(utilisation, nativeUtilisation), what);
  assert.equal(Boolean(diagram), Boolean(nativeDiagram), what);
  if (!diagram) return;
  const { contour, ...diagramRest } = diagram;
  const { contour: nativeContour, ...nativeDiagramRest } = nativeDiagram;
  assert.deepEqual(diagramRest, nativeDiagramRest, what);
  assert.equal(contour.length, nativeContour.length, what);
  contour.forEach(([mx, my], i) => {
    assert.ok(near(mx, nativeContour[i][0]) && near(my, nativeContour[i][1]), what);
  });
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
  // The load refused after the fields were read, as designColumn refuses it.
  ['abc', '2', DEFAULTS, '5', '', '3', false],
  ['1e308', '7', DEFAULTS, '5', '', '3', false],
];

test('the moment design on the page gives the native section, moments, utilisation and sheet',
     () => {
       const answers = native(designs.map(([l, f, m, mx, my, h, u]) => ['bending', l, f,
         ...materialTexts(m), mx, my, h, flag(u)]));
       const statuses = new Set();
       designs.forEach(([l, f, m, momentX, momentY, columnHeight, unbraced], i) => {
         const asked = calculation.checkMoments(m, { momentX, momentY, columnHeight, unbraced });
         const design = bending.designBending(l, f, asked.input);
         assertSameDesign(design, answers[i], JSON.stringify(designs[i]));
         statuses.add(design.status ?? design.failure);
         if (design.ok) {
           assert.ok(design.report.some((line) => line.part === 'momentsTitle') ||
                     !design.momentsGoverned);
         }
       });
       assert.deepEqual([...statuses].sort(), ['ok', 'overflow', 'slender', 'too-large',
         'type-mismatch']);
     });

test('where the check says the moments cannot govern, the design is the axial one', () => {
  for (const [l, f, m, momentX, momentY, columnHeight, unbraced] of designs) {
    const asked = calculation.checkMoments(m, { momentX, momentY, columnHeight, unbraced });
    if (asked.canGovern) continue;
    const axial = calculation.designWithWorking(l, f, m);
    const design = bending.designBending(l, f, asked.input);
    assert.equal(design.momentsGoverned, false);
    assert.equal(String(design.lengthCm), axial.lengthText);
    assert.equal(String(design.bars), axial.barCountText);
  }
});

test('the modules stay within their budgets, the moment design out of calculation.wasm', () => {
  const size = (file) => statSync(path.join(webDir, file)).size;
  assert.ok(size('calculation.wasm') <= 51200, `calculation.wasm: ${size('calculation.wasm')}`);
  assert.ok(size('bending.wasm') <= 65536, `bending.wasm: ${size('bending.wasm')}`);
  const exported = (file) => WebAssembly.Module.exports(
    new WebAssembly.Module(readFileSync(path.join(webDir, file)))).map(({ name }) => name);
  assert.ok(exported('bending.wasm').includes('design_bending'));
  assert.ok(!exported('calculation.wasm').includes('design_bending'));
});

test('bending.js refuses an input that is not checkMoments\'', () => {
  const { input } = calculation.checkMoments(DEFAULTS,
    { momentX: '1', momentY: '', columnHeight: '3', unbraced: false });
  assert.equal(bending.designBending('40', '2', input).ok, true);
  for (const wrong of [null, {}, { ...input, unbraced: 'no' }, { ...input, numbers: [1, 2] }]) {
    assert.throws(() => bending.designBending('40', '2', wrong), TypeError);
  }
  assert.throws(() => bending.designBending(40, '2', input), TypeError);
});
