// The page's column schedule read from CSV files of 20 to 100,000 columns, side by side in one
// run (not a test):   node bench/web/schedule_bench.mjs WEB_DIR [--runs N]
// For each size, on a 360 px phone: the time from the file's choice until its levels show and
// its columns can be edited, the longest task of the page meanwhile (PerformanceObserver
// 'longtask'; the worker's own work is not the page's), the worst gap between frames, and the
// browser's peak memory (the sum of the proportional set sizes of its processes, sampled every
// 50 ms), against the idle page's. Then one character typed into the first mark: the longest
// task until the table is remembered again (a second after, past the remembering's delay).

import { readFileSync, readdirSync } from 'node:fs';
import { chromium } from 'playwright-core';
import { startServer } from '../../tests/web/browser.mjs';

const args = process.argv.slice(2);
const runsFlag = args.indexOf('--runs');
const runs = runsFlag >= 0 ? Number(args.splice(runsFlag, 2)[1]) : 3;
const [webDir] = args;
if (!webDir) {
  console.error('usage: schedule_bench.mjs WEB_DIR [--runs N]');
  process.exit(2);
}

const SIZES = [20, 2_000, 20_000, 100_000];
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

// A building of `count` columns as a CSV file: loads of 5 to 150 t, 1 to 9 floors, 1 to 3 of
// each, the same on every run.
function buildingCsv(count) {
  let seed = 2026;
  const next = () => (seed = (seed * 1103515245 + 12345) % 2147483648) / 2147483648;
  const rows = Array.from({ length: count }, (_, i) =>
    `C${i + 1},${(5 + Math.floor(next() * 291) / 2).toFixed(1)},${1 + Math.floor(next() * 9)},` +
    `${1 + Math.floor(next() * 3)}`);
  return ['mark,load,floors,count', ...rows].join('\n');
}

// The processes descended from `root`, and the sum of their proportional set sizes in bytes.
function treeBytes(root) {
  const parents = new Map();
  for (const name of readdirSync('/proc')) {
    if (!/^\d+$/.test(name)) continue;
    try {
      const stat = readFileSync(`/proc/${name}/stat`, 'utf8');
      parents.set(Number(name), Number(stat.slice(stat.lastIndexOf(')') + 2).split(' ')[1]));
    } catch {
      // Ended meanwhile.
    }
  }
  const inTree = (pid) => {
    for (let p = pid; p > 1; p = parents.get(p)) if (p === root) return true;
    return false;
  };
  let bytes = 0;
  for (const pid of parents.keys()) {
    if (!inTree(pid)) continue;
    try {
      const pss = /^Pss:\s+(\d+) kB/m.exec(readFileSync(`/proc/${pid}/smaps_rollup`, 'utf8'));
      bytes += Number(pss?.[1] ?? 0) * 1024;
    } catch {
      // Ended meanwhile.
    }
  }
  return bytes;
}

async function readOnce(browser, browserPid, pageUrl, csv) {
  const context = await browser.newContext({ viewport: { width: 360, height: 640 },
                                             serviceWorkers: 'block' });
  const page = await context.newPage();
  await page.goto(`${pageUrl}#schedule`);
  await page.waitForSelector('#Schedule:not([aria-busy])');
  // A file of one column first, so that the worker and its module are ready: their start is
  // the page's, not the file's.
  await page.setInputFiles('#ScheduleFile', { name: 'one.csv', mimeType: 'text/csv',
                                              buffer: Buffer.from('mark,load,floors\nC1,5,2\n') });
  await page.waitForSelector('#ScheduleDesign:not([disabled])');
  await page.waitForSelector('#ScheduleResults:not([hidden])');
  await page.evaluate(() => {
    const marks = { longestTask: 0, worstFrame: 0 };
    window.scheduleMarks = marks;
    new PerformanceObserver((list) => {
      // From the file's choice on: the task that hands the file over ends in it.
      for (const entry of list.getEntries()) {
        if (entry.startTime >= marks.start) {
          marks.longestTask = Math.max(marks.longestTask, entry.duration);
        }
      }
    }).observe({ type: 'longtask' });
    window.addEventListener('change', () => {
      marks.start = performance.now();
    }, true);
    let last = performance.now();
    const frame = (now) => {
      if (marks.start !== undefined && marks.end === undefined) {
        marks.worstFrame = Math.max(marks.worstFrame, now - Math.max(last, marks.start));
      }
      last = now;
      requestAnimationFrame(frame);
    };
    requestAnimationFrame(frame);
  });
  const idleBytes = treeBytes(browserPid);
  let peakBytes = idleBytes;
  const sampler = setInterval(() => {
    peakBytes = Math.max(peakBytes, treeBytes(browserPid));
  }, 50);
  await page.setInputFiles('#ScheduleFile', { name: 'building.csv', mimeType: 'text/csv',
                                              buffer: Buffer.from(csv) });
  await page.waitForFunction(() => {
    const shown = window.scheduleMarks.start !== undefined &&
      !document.getElementById('ScheduleTable').hasAttribute('aria-busy') &&
      !document.getElementById('ScheduleColumns').parentElement.inert;
    if (shown) window.scheduleMarks.end ??= performance.now();
    return shown;
  }, null, { timeout: 300_000, polling: 'raf' });
  // Past the delay before the table is remembered, so that its remembering is counted too.
  await page.waitForTimeout(1000);
  clearInterval(sampler);
  const marks = await page.evaluate(() => window.scheduleMarks);
  await page.evaluate(() => {
    window.scheduleMarks.longestTask = 0;
  });
  await page.click('#ScheduleColumns [data-field="mark"]');
  await page.keyboard.type('x');
  await page.waitForTimeout(1000);
  const editTask = await page.evaluate(() => window.scheduleMarks.longestTask);
  await context.close();
  return { time: marks.end - marks.start, longestTask: marks.longestTask,
    worstFrame: marks.worstFrame, idleBytes, peakBytes, editTask };
}

const server = await startServer(webDir);
const browserServer = await chromium.launchServer({
  executablePath: process.env.COLDESIGN_CHROMIUM ?? '/usr/bin/chromium',
  headless: true,
  args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
         '--disable-background-networking', '--disable-component-update', '--disable-sync'],
});
const browser = await chromium.connect(browserServer.wsEndpoint());
try {
  const pageUrl = `${server.origin}/`;
  const mb = (bytes) => `${(bytes / 2 ** 20).toFixed(0)} MB`;
  let smallest = null;
  console.log('columns   levels shown   longest task   worst frame   peak memory (idle page)' +
              '   an edit remembered');
  for (const columns of SIZES) {
    const csv = buildingCsv(columns);
    const readings = [];
    for (let run = 0; run < runs; run++) {
      readings.push(await readOnce(browser, browserServer.process().pid, `${pageUrl}`, csv));
    }
    const time = median(readings.map((r) => r.time));
    smallest ??= time;
    console.log(`${String(columns).padStart(7)}   ${time.toFixed(0).padStart(7)} ms ` +
                `(×${(time / smallest).toFixed(1)})   ` +
                `${Math.max(...readings.map((r) => r.longestTask)).toFixed(0).padStart(9)} ms   ` +
                `${Math.max(...readings.map((r) => r.worstFrame)).toFixed(0).padStart(8)} ms   ` +
                `${mb(Math.max(...readings.map((r) => r.peakBytes)))} ` +
                `(${mb(median(readings.map((r) => r.idleBytes)))})   ` +
                `${Math.max(...readings.map((r) => r.editTask)).toFixed(0).padStart(6)} ms`);
  }
  console.log('Targets: no task over 250 ms; 100,000 columns within a minute, below 1 GB.');
} finally {
  await browser.close();
  await browserServer.close();
  await server.stop();
}
