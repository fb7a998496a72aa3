// The page's performance figures, side by side in one run (not a test):
//   node bench/web/web_bench.mjs WEB_DIR [NATIVE_BENCH] [--runs N]
// - the size of the WebAssembly modules, and every byte a first visit downloads (the service
//   worker's caching included);
// - the time from navigation until Results has answered, against the same page whose
//   calculation module is replaced by a stub that answers at once;
// - designColumn per call in the browser, against DesignColumn in the native calculation_bench.
// The schedule's figures are schedule_bench.mjs's.

import { execFileSync } from 'node:child_process';
import {
  cpSync, mkdtempSync, readFileSync, readdirSync, rmSync, statSync, writeFileSync,
} from 'node:fs';
import { connect, createServer as createNetServer } from 'node:net';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import { brotliCompressSync, gzipSync } from 'node:zlib';
import { startServer } from '../../tests/web/browser.mjs';
import { chromium } from 'playwright-core';

const args = process.argv.slice(2);
const runsFlag = args.indexOf('--runs');
const runs = runsFlag >= 0 ? Number(args.splice(runsFlag, 2)[1]) : 15;
const [webDir, nativeBench] = args;
if (!webDir) {
  console.error('usage: web_bench.mjs WEB_DIR [NATIVE_CALCULATION_BENCH] [--runs N]');
  process.exit(2);
}

// A proxy in front of the page's server that counts every byte sent to the browser.
function startCountingProxy(upstreamOrigin) {
  const upstream = new URL(upstreamOrigin);
  const counter = { bytes: 0 };
  const proxy = createNetServer((client) => {
    const server = connect(Number(upstream.port), upstream.hostname);
    server.on('data', (chunk) => {
      counter.bytes += chunk.length;
    });
    client.pipe(server).pipe(client);
    client.on('error', () => server.destroy());
    server.on('error', () => client.destroy());
  });
  return new Promise((resolve) => proxy.listen(0, '127.0.0.1', () => resolve({
    origin: `http://127.0.0.1:${proxy.address().port}`,
    counter,
    close: () => new Promise((done) => proxy.close(done)),
  })));
}

// The calculation replaced by one that answers at once; the schedule's module, which loads after
// it, keeps the real glue's helpers (calculation_real.js, a copy of the real calculation.js).
const STUB_MODULE = `
export { MATERIALS, checkMaterials, checkText, compileModule } from './calculation_real.js';
const materials = { widthText: '30', barDiameterText: '16', fcuText: '250', fyText: '3600',
                    loadFactorText: '1.1', loadIncreasePercentText: '10',
                    carryingStressText: '111.62', barAreaText: '2' };
const design = { ok: true, requiredAreaText: '3449.20265185451', lengthText: '115',
                 steelAreaText: '34.4920265185451', barCountText: '18',
                 working: { lengthRule: 'none', steelRule: 'share-of-required-area',
                            barRule: 'raised-to-even', beyondFloorLimit: false,
                            lengthQuotientText: '114.973421728484', roundedLengthText: '115',
                            steelShareText: '34.4920265185451', leastSteelText: '20.7',
                            barQuotientText: '17.2460132592726', roundedBarText: '17',
                            steelRatioPercentText: '1.00' },
                 materials };
// The report of the same design, as the module gives it.
const report = [
  {part: "title", text: ["program.name"], value: ""},
  {part: "subtitle", text: ["sheet.subtitle"], value: ""},
  {part: "documentTitle", text: ["sheet.title", "30 × 115 cm"], value: ""},
  {part: "inputsTitle", text: ["sheet.inputs"], value: ""},
  {part: "input", text: ["sheet.load"], value: "50 t"},
  {part: "input", text: ["sheet.width"], value: "30 cm"},
  {part: "input", text: ["sheet.floors"], value: "7"},
  {part: "input", text: ["sheet.bar-diameter"], value: "16 mm"},
  {part: "input", text: ["sheet.concrete-strength"], value: "250 kg/cm²"},
  {part: "input", text: ["sheet.steel-yield"], value: "3600 kg/cm²"},
  {part: "input", text: ["sheet.load-factor"], value: "1.1"},
  {part: "input", text: ["sheet.carrying-stress"], value: "111.62 kg/cm²"},
  {part: "stressFormula", text: [""], value: "0.35 × fcu + 0.67 × fy × 1% = 0.35 × 250 + 0.67 × 3600 × 1% = 111.62 kg/cm²"},
  {part: "stepsTitle", text: ["sheet.steps"], value: ""},
  {part: "step", text: ["sheet.step-required-area"], value: "Ac = 3449.20265185451 cm²"},
  {part: "formula", text: [""], value: "Ac = n × (1.1 × P) × 1000 ÷ 111.62"},
  {part: "formula", text: [""], value: "= 7 × (1.1 × 50) × 1000 ÷ 111.62 = 3449.20265185451 cm²"},
  {part: "note", text: ["sheet.required-area-note", "1.1", "10%", "1000", "111.62"], value: ""},
  {part: "step", text: ["sheet.step-length"], value: "t = 115 cm"},
  {part: "formula", text: [""], value: "Ac ÷ b = 3449.20265185451 ÷ 30 = 114.973421728484"},
  {part: "note", text: ["sheet.length-rule", "⁦30 cm⁩", "⁦5 cm⁩"], value: ""},
  {part: "note", text: ["sheet.length-kept"], value: ""},
  {part: "step", text: ["sheet.step-steel-area"], value: "As = 34.4920265185451 cm²"},
  {part: "formula", text: [""], value: "As = max(0.01 × Ac, 0.006 × b × t)"},
  {part: "formula", text: [""], value: "= max(0.01 × 3449.20265185451, 0.006 × 30 × 115) = max(34.4920265185451, 20.7) = 34.4920265185451 cm²"},
  {part: "note", text: ["sheet.steel-share-governs", "⁦1%⁩"], value: ""},
  {part: "step", text: ["sheet.step-bars"], value: "N = 18"},
  {part: "formula", text: [""], value: "As ÷ 2 = 34.4920265185451 ÷ 2 = 17.2460132592726"},
  {part: "note", text: ["sheet.bar-rule", "⁦16 mm⁩", "⁦2 cm²⁩", "4"], value: ""},
  {part: "note", text: ["sheet.bars-raised-to-even", "17", "18"], value: ""},
  {part: "chosenTitle", text: ["sheet.chosen-section"], value: ""},
  {part: "chosen", text: ["sheet.section"], value: "30 × 115 cm"},
  {part: "chosen", text: ["sheet.longitudinal-steel"], value: "18 Φ16"},
  {part: "chosen", text: ["sheet.steel-ratio"], value: "1.00 %"},
  {part: "drawingTitle", text: ["sheet.drawing"], value: ""},
  {part: "assumption", text: ["sheet.drawing-assumptions"], value: ""},
  {part: "assumption", text: ["sheet.drawing-cover", "⁦25 mm⁩"], value: ""},
  {part: "assumption", text: ["sheet.drawing-ties", "8"], value: ""},
  {part: "assumption", text: ["sheet.drawing-bars", "16"], value: ""},
  {part: "limitsTitle", text: ["sheet.limits"], value: ""},
  {part: "limit", text: ["limits.floors", "7"], value: ""},
  {part: "limit", text: ["limits.no-wind-loads"], value: ""},
  {part: "limit", text: ["sheet.preliminary"], value: ""},
  {part: "resultsHeading", text: ["results.heading"], value: ""},
  {part: "result", text: ["results.load"], value: "50 t"},
  {part: "result", text: ["design.floors"], value: "7"},
  {part: "result", text: ["results.required-area"], value: "3449.20265185451 cm²"},
  {part: "result", text: ["results.section"], value: "30 × 115 cm"},
  {part: "result", text: ["results.steel-area"], value: "34.4920265185451 cm²"},
  {part: "result", text: ["design.bar-count"], value: "18 Φ16"},
  {part: "result", text: ["results.bar-diameter"], value: "16 mm"}];
const bars = Array.from({ length: 18 }, (_, i) =>
  ({ xMm: 41 + (i % 9) * 133.5, yMm: i < 9 ? 41 : 259 }));
const texts = { fcu: '250', fy: '3600', width: '30', barDiameter: '16', loadFactor: '1.1',
                floorHeight: '3', tieDiameter: '8', clearCover: '25', floorNoteLimit: '7' };
export default async function loadCalculation() {
  return {
    rules: { sectionWidthCm: 30, barDiameterMm: 16, tieDiameterMm: 8, clearCoverMm: 25,
             floorNoteLimit: 7, texts, barDiameters: ['16'],
             defaultMaterials: { fcu: '250', fy: '3600', width: '30', barDiameter: '16',
                                 loadFactor: '1.1' } },
    isNumericText: () => true,
    checkInputs: () => null,
    checkMaterials: () => null,
    checkMoments: () => ({ canGovern: false }),
    designColumn: () => design,
    designWithWorking: () => design,
    designReport: () => report,
    guardText: (text, caret) => ({ text, caret, droppedSeparator: false }),
    layOutSection: () => ({ ok: true, bars, clearSpacingMm: 117.5, tieCornerRadiusMm: 12 }),
  };
}`;

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

// The bytes of the files a first visit fetches (the service worker keeps every file but the
// launcher's PNG icons) as served, and as a host would send them compressed by gzip and Brotli.
function servedBytes(directory) {
  const files = readdirSync(directory, { recursive: true })
    .filter((file) => !/^icons\/.*\.png$/.test(file) && statSync(join(directory, file)).isFile());
  const sum = (size) => files.reduce((total, file) =>
    total + size(readFileSync(join(directory, file))), 0);
  return { plain: sum((bytes) => bytes.length),
    gzip: sum((bytes) => gzipSync(bytes, { level: 9 }).length),
    brotli: sum((bytes) => brotliCompressSync(bytes).length) };
}

async function timeUntilAnswer(browser, pageUrl) {
  const context = await browser.newContext({ viewport: { width: 360, height: 640 },
                                             serviceWorkers: 'block' });
  const page = await context.newPage();
  await page.addInitScript(() => {
    new MutationObserver((changes, observer) => {
      if (document.getElementById('Text8')?.value) {
        window.answeredAt = performance.now();
        observer.disconnect();
      }
    }).observe(document, { subtree: true, childList: true, characterData: true });
  });
  // The page's scripts have run by then, as the first tap of a person comes later.
  await page.goto(pageUrl, { waitUntil: 'domcontentloaded' });
  await page.fill('#Text1', '50');
  await page.fill('#Text3', '7');
  await page.click('#Command1');
  const answeredAt = await page.waitForFunction(() => window.answeredAt).then((h) => h.jsonValue());
  await context.close();
  return answeredAt;
}

async function firstVisitBytes(browser, pageUrl) {
  const proxy = await startCountingProxy(new URL(pageUrl).origin);
  const context = await browser.newContext({ viewport: { width: 360, height: 640 } });
  const page = await context.newPage();
  await page.goto(new URL(new URL(pageUrl).pathname, proxy.origin).href);
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
  await page.waitForLoadState('networkidle');
  await context.close();
  await proxy.close();
  return proxy.counter.bytes;
}

async function browserDesignNs(browser, pageUrl) {
  const context = await browser.newContext({ serviceWorkers: 'block' });
  const page = await context.newPage();
  await page.goto(pageUrl);
  const ns = await page.evaluate(async () => {
    const { default: loadCalculation } = await import('./calculation.js');
    const calculation = await loadCalculation();
    // Loads of 5 to 150 tons in steps of 0.05 and 1 to 7 floors, as the native benchmark.
    let seed = 2013;
    const next = () => (seed = (seed * 1103515245 + 12345) % 2147483648) / 2147483648;
    const inputs = Array.from({ length: 1024 }, () => {
      const steps = 100 + Math.floor(next() * 2901);
      const load = `${Math.floor(steps / 20)}.${String((steps % 20) * 5).padStart(2, '0')}`;
      return [load, String(1 + Math.floor(next() * 7))];
    });
    let sink = 0;
    const time = (calls) => {
      const start = performance.now();
      for (let i = 0; i < calls; i++) {
        const [load, floors] = inputs[i & 1023];
        sink += calculation.designColumn(load, floors).barCountText.length;
      }
      return performance.now() - start;
    };
    time(20000);
    const calls = 200000;
    return { ns: (time(calls) * 1e6) / calls, sink };
  });
  await context.close();
  return ns.ns;
}

function nativeDesignNs(program) {
  const reportFile = join(mkdtempSync(join(tmpdir(), 'coldesign-bench-')), 'design.json');
  execFileSync(program, ['--benchmark_filter=^BM_DesignColumn$', '--benchmark_min_time=0.5',
                         `--benchmark_out=${reportFile}`, '--benchmark_out_format=json'],
               { stdio: 'ignore' });
  const report = JSON.parse(readFileSync(reportFile, 'utf8'));
  rmSync(dirname(reportFile), { recursive: true });
  const run = report.benchmarks.find((b) => b.name === 'BM_DesignColumn');
  const scale = { ns: 1, us: 1e3, ms: 1e6 }[run.time_unit];
  return run.cpu_time * scale;
}

// The page as built, and a copy whose calculation module is the stub, on one server.
const sites = mkdtempSync(join(tmpdir(), 'coldesign-web-bench-'));
cpSync(webDir, join(sites, 'real'), { recursive: true });
cpSync(webDir, join(sites, 'stubbed'), { recursive: true });
cpSync(join(webDir, 'calculation.js'), join(sites, 'stubbed', 'calculation_real.js'));
writeFileSync(join(sites, 'stubbed', 'calculation.js'), STUB_MODULE);
const server = await startServer(sites);
const realUrl = `${server.origin}/real/`;
const stubbedUrl = `${server.origin}/stubbed/`;
const browser = await chromium.launch({
  executablePath: process.env.COLDESIGN_CHROMIUM ?? '/usr/bin/chromium',
  headless: true,
  args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
         '--disable-background-networking', '--disable-component-update', '--disable-sync'],
});
try {
  const moduleBytes = statSync(join(webDir, 'calculation.wasm')).size;
  const scheduleBytes = statSync(join(webDir, 'schedule.wasm')).size;
  const bendingBytes = statSync(join(webDir, 'bending.wasm')).size;
  const served = servedBytes(webDir);
  const visitBytes = await firstVisitBytes(browser, realUrl);

  const real = [];
  const stubbed = [];
  await timeUntilAnswer(browser, realUrl);
  for (let run = 0; run < runs; run++) {
    real.push(await timeUntilAnswer(browser, realUrl));
    stubbed.push(await timeUntilAnswer(browser, stubbedUrl));
  }
  const browserNs = await browserDesignNs(browser, realUrl);
  const nativeNs = nativeBench ? nativeDesignNs(nativeBench) : null;

  const verdict = (ok) => (ok ? 'met' : 'MISSED');
  const kb = (bytes) => `${(bytes / 1024).toFixed(1)} KB`;
  console.log(`WebAssembly modules       calculation ${kb(moduleBytes)}, schedule ` +
              `${kb(scheduleBytes)}, bending ${kb(bendingBytes)}  (target each <= 64 KB: ` +
              `${verdict(Math.max(moduleBytes, scheduleBytes, bendingBytes) <= 64 * 1024)}; ` +
              `calculation <= 50 KB: ${verdict(moduleBytes <= 50 * 1024)})`);
  console.log(`Files kept for offline    ${kb(served.plain)}, gzip ${kb(served.gzip)}, ` +
              `Brotli ${kb(served.brotli)}`);
  console.log(`First visit downloads     ${kb(visitBytes)}  (target <= 300 KB: ` +
              `${verdict(visitBytes <= 300 * 1024)}; <= 250 KB: ` +
              `${verdict(visitBytes <= 250 * 1024)})`);
  const ratio = median(real) / median(stubbed);
  console.log(`Navigation until Results answers, median of ${runs}: ` +
              `${median(real).toFixed(1)} ms, stubbed calculation ${median(stubbed).toFixed(1)} ms, ` +
              `ratio ${ratio.toFixed(2)} (target <= 1.2: ${verdict(ratio <= 1.2)})`);
  if (nativeNs) {
    const designRatio = browserNs / nativeNs;
    console.log(`designColumn per call: browser ${browserNs.toFixed(0)} ns, native ` +
                `${nativeNs.toFixed(0)} ns, ratio ${designRatio.toFixed(2)} ` +
                `(goal <= 3: ${verdict(designRatio <= 3)})`);
  } else {
    console.log(`designColumn per call: browser ${browserNs.toFixed(0)} ns ` +
                '(give the native calculation_bench to compare)');
  }
} finally {
  await browser.close();
  await server.stop();
  rmSync(sites, { recursive: true, force: true });
}
