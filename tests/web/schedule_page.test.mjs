// The page's column schedule tried as hurried hands and large or hostile files would, in a real
// headless Chromium served from 127.0.0.1 (COLDESIGN_WEB_DIR names the assembled page).

import assert from 'node:assert/strict';
import { existsSync } from 'node:fs';
import { cp, mkdtemp, readFile, rm, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before, describe, test } from 'node:test';
import { PHONE, launchBrowser, startServer, waitUntilOffline } from './browser.mjs';

const WEB_DIR = process.env.COLDESIGN_WEB_DIR;
const STALE = 'الجدول للقيم السابقة، اضغط «تصميم الجدول» للتحديث';
const NOT_KEPT = 'لم يتسع تخزين المتصفح لهذا الجدول، فلن يبقى بعد إغلاق الصفحة';
const OTHER_BUILD = 'حُدّثت الصفحة في نافذة أخرى، أعد تحميلها لتصميم الجدول';

let server;
let browser;
const pageProblems = [];

before(async () => {
  assert.ok(WEB_DIR && existsSync(join(WEB_DIR, 'index.html')),
            `no assembled page in ${WEB_DIR}: build the wasm preset first`);
  server = await startServer(WEB_DIR);
  browser = await launchBrowser(PHONE);
});

after(async () => {
  await browser?.close();
  await server?.stop();
});

const watch = (page) => {
  page.on('pageerror', (error) => pageProblems.push(`page error: ${error.message}`));
  page.on('dialog', (dialog) => pageProblems.push(`a ${dialog.type()} box`));
};

// The schedule view of a page with nothing remembered; `init` runs before the page's scripts.
async function schedulePage(on = browser, { origin = server.origin, init = null } = {}) {
  const page = await on.context.newPage();
  watch(page);
  if (init) await page.addInitScript(init);
  await page.goto(`${origin}/`);
  await page.evaluate(() => localStorage.clear());
  await page.reload();
  await page.evaluate(() => { location.hash = '#schedule'; });
  await page.waitForSelector('#Schedule:not([hidden]):not([aria-busy])');
  return page;
}

const openFile = (page, name, content) => page.setInputFiles('#ScheduleFile',
  { name, mimeType: 'text/csv', buffer: Buffer.from(content) });

const scheduleShown = (page) => page.waitForFunction(() =>
  !document.getElementById('ScheduleResults').hidden &&
  !document.getElementById('ScheduleTable').hasAttribute('aria-busy') &&
  !document.getElementById('ScheduleTypes').hasAttribute('aria-busy'));

// The CSV file of `count` columns C1, C2 ...
const buildingFile = (count) => ['mark,load,floors,count', ...Array.from({ length: count },
  (_, i) => `C${i + 1},${10 + (i % 90)},${1 + (i % 12)},${1 + (i % 3)}`)].join('\n');

// The marks and the first levels' rows of the CSV the page downloads.
async function downloadedColumns(page) {
  const [download] = await Promise.all([page.waitForEvent('download'),
    page.click('#ScheduleDownload')]);
  const [header, ...lines] = (await readFile(await download.path(), 'utf8')).slice(1)
    .split(/\r?\n/).filter((line) => line !== '');
  assert.equal(header.split(',')[2], 'level');
  const columns = new Map();
  for (const line of lines) {
    const [mark, count, , floors] = line.split(',');
    if (!columns.has(mark)) columns.set(mark, { count, floors });
  }
  return columns;
}

describe('a large file', () => {
  // How long its tasks take is the schedule benchmark's (bench/web/schedule_bench.mjs).
  test('20,000 columns fill rows drawn as they come into sight; added and edited rows are ' +
       'designed as shown', async () => {
    const page = await schedulePage();
    await openFile(page, 'building.csv', buildingFile(20_000));
    // While the file is read and designed, the table of columns takes nothing in.
    await page.waitForFunction(() => document.getElementById('ScheduleColumns').parentElement
      .inert && document.getElementById('ScheduleAddRow').disabled);
    await scheduleShown(page);
    const drawn = await page.evaluate(() => ({
      entries: document.querySelectorAll('#ScheduleColumns tbody tr').length,
      levels: document.querySelectorAll('#ScheduleTable tbody tr').length,
      rowCount: document.getElementById('ScheduleColumns').getAttribute('aria-rowcount'),
    }));
    assert.equal(drawn.rowCount, '20001');
    assert.ok(drawn.entries < 200 && drawn.levels < 200, JSON.stringify(drawn));

    // Scrolled to the far end of both tables, the rows in sight are the file's last.
    const lastDrawn = await page.evaluate(async () => {
      for (const id of ['ScheduleColumns', 'ScheduleTable']) {
        const box = document.getElementById(id).parentElement;
        box.scrollTop = box.scrollHeight;
      }
      await new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve)));
      return [document.querySelector('#ScheduleColumns tbody tr:last-child input').value,
        document.querySelector('#ScheduleTable tbody tr:last-child').dataset.mark];
    });
    assert.deepEqual(lastDrawn, ['C20000', 'C20000']);

    // A row added and one edited at the far end: Design uses exactly these.
    await page.click('#ScheduleAddRow');
    await page.keyboard.insertText('NEW');
    for (const [field, text] of [['load', '40'], ['floors', '3'], ['count', '5']]) {
      await page.fill(`#ScheduleColumns tbody tr:last-child [data-field="${field}"]`, text);
    }
    const edited = '#ScheduleColumns tbody tr[data-index="19998"] [data-field="count"]';
    await page.fill(edited, '7');
    await page.waitForSelector('#ScheduleStaleNote:not([hidden])');
    assert.equal(await page.isDisabled('#ScheduleDownload'), true);
    await page.click('#ScheduleDesign');
    await page.waitForFunction(() => document.getElementById('ScheduleStaleNote').hidden);
    await scheduleShown(page);
    const columns = await downloadedColumns(page);
    assert.equal(columns.size, 20_001);
    assert.deepEqual([columns.get('NEW'), columns.get('C19999'), columns.get('C19998')],
                     [{ count: '5', floors: '3' }, { count: '7', floors: '7' },
                      { count: '3', floors: '6' }]);
    await page.close();
  });

  test('a type of 250 columns lists every mark once, scrolled to its end and printed',
       async () => {
    const page = await schedulePage();
    const marks = Array.from({ length: 250 }, (_, i) => `C${i + 1}`);
    await openFile(page, 'b.csv', ['mark,load,floors', ...marks.map((m) => `${m},50,2`)]
      .join('\n'));
    await scheduleShown(page);
    const listed = () => page.$eval('#ScheduleTypes tbody td[data-key="columns"]', (list) =>
      Array.from(list.textContent.matchAll(/\u2066([^\u2069]*)\u2069/g), (found) => found[1]));
    for (let step = 0; step < 10; step++) {
      await page.$eval('#ScheduleTypes tbody td[data-key="columns"]', (list) => {
        list.scrollTop = list.scrollHeight;
        return new Promise(requestAnimationFrame);
      });
    }
    assert.deepEqual(await listed(), marks);
    await openFile(page, 'c.csv', ['mark,load,floors', ...marks.map((m) => `${m},50,2`)]
      .join('\n'));
    await scheduleShown(page);
    await page.evaluate(() => window.dispatchEvent(new Event('beforeprint')));
    assert.deepEqual(await listed(), marks);
    await page.close();
  });
});

describe('the table of columns', () => {
  test('removing rows by keyboard moves the focus to the neighbouring row', async () => {
    const page = await schedulePage();
    await openFile(page, 'b.csv', 'mark,load,floors\nA,5,2\nB,5,2\nC,5,2\n');
    await scheduleShown(page);
    const focused = () => page.evaluate(() => {
      const row = document.activeElement.closest('tr');
      return [document.activeElement.className, row?.querySelector('input').value];
    });
    // The row whose remove button is pressed, the row the focus moves to, and the rows left.
    const removals = [
      { remove: 'B', focus: 'C', left: ['A', 'C'] },
      { remove: 'C', focus: 'A', left: ['A'] },
      { remove: 'A', focus: '', left: [''] },
    ];
    for (const { remove, focus, left } of removals) {
      await page.evaluate((mark) => [...document.querySelectorAll('#ScheduleColumns tbody tr')]
        .find((row) => row.querySelector('input').value === mark)
        .querySelector('.remove-row').focus(), remove);
      await page.keyboard.press('Enter');
      assert.deepEqual(await focused(), ['remove-row', focus], `after removing ${remove}`);
      assert.deepEqual(await page.$$eval('#ScheduleColumns tbody tr',
        (rows) => rows.map((row) => row.querySelector('input').value)), left);
    }
    await page.close();
  });

  // A file's moments come into the table, so that an edit and Design keep them.
  test('moments read from a file stay in the table and in its design after an edit', async () => {
    const page = await schedulePage();
    await openFile(page, 'm.csv', 'mark,load,floors,count,mx,my\nA,50,4,1,12,-3\nB,50,4,1,,\n');
    await scheduleShown(page);
    const linesOf = async (mark) => {
      const [download] = await Promise.all([page.waitForEvent('download'),
        page.click('#ScheduleDownload')]);
      return (await readFile(await download.path(), 'utf8')).split('\n')
        .filter((line) => line.startsWith(`${mark},`));
    };
    const fromFile = await linesOf('A');
    assert.deepEqual(await page.$$eval('#ScheduleColumns tbody tr', (shown) => shown.map(
      (row) => [...row.querySelectorAll('input')].map((input) => input.value))),
    [['A', '50', '4', '1', '12', '-3'], ['B', '50', '4', '1', '', '']]);
    await page.fill('#ScheduleColumns tbody tr:last-child [data-field="count"]', '2');
    await page.click('#ScheduleDesign');
    await page.waitForFunction(() => !document.getElementById('ScheduleDownload').disabled);
    await scheduleShown(page);
    assert.deepEqual(await linesOf('A'), fromFile);
    // Mx* 12 at every level of A: the moment was designed for, not dropped.
    assert.ok(fromFile.length > 0 && fromFile.every((line) => line.split(',').at(-3) === '12'),
      fromFile.join('\n'));
    await page.close();
  });

  // Spreadsheets quote a copied cell that holds a tab, a line break or a quote.
  const pastes = [
    { text: 'A\t5\t2\r\n"B ""x"""\t6\t3\r\n"C\tD"\t7\t1\r\n',
      rows: [['A', '5', '2', '', '', ''], ['B "x"', '6', '3', '', '', ''],
        ['C\tD', '7', '1', '', '', '']] },
    { text: 'A\t5\n\t\t\t4', rows: [['A', '5', '', '', '', ''], ['', '', '', '4', '', '']] },
    { text: '"unclosed\t5', rows: [['"unclosed', '5', '', '', '', '']] },
    { text: 'A\t5\t2\t1\t12.5\t-3\t9', rows: [['A', '5', '2', '1', '12.5', '-3']] },
  ];
  for (const { text, rows } of pastes) {
    test(`a paste of ${JSON.stringify(text)} fills the rows cell by cell`, async () => {
      const page = await schedulePage();
      await page.evaluate((text) => {
        const paste = new DataTransfer();
        paste.setData('text/plain', text);
        document.querySelector('#ScheduleColumns input').dispatchEvent(new ClipboardEvent(
          'paste', { clipboardData: paste, bubbles: true, cancelable: true }));
      }, text);
      assert.deepEqual(await page.$$eval('#ScheduleColumns tbody tr', (shown) => shown.map(
        (row) => [...row.querySelectorAll('input')].map((input) => input.value))), rows);
      await page.close();
    });
  }

  test('a table the browser cannot keep is said so, and no older table comes back', async () => {
    const page = await schedulePage();
    await openFile(page, 'small.csv', 'mark,load,floors\nOLD,5,2\n');
    await scheduleShown(page);
    assert.equal(await page.isVisible('#ScheduleStorageNote'), false);
    // The storage filled by another part of the site up to its quota, less a few bytes.
    await page.evaluate(() => {
      let size = 1 << 22;
      for (let i = 0; size > 64; i++) {
        try {
          localStorage.setItem(`filler-${i}`, 'x'.repeat(size));
        } catch {
          size >>= 1;
        }
      }
    });
    await openFile(page, 'large.csv', buildingFile(3_000));
    await scheduleShown(page);
    await page.waitForSelector('#ScheduleStorageNote:not([hidden])');
    assert.equal(await page.textContent('#ScheduleStorageNote'), NOT_KEPT);
    await page.reload();
    await page.waitForSelector('#Schedule:not([aria-busy])');
    assert.deepEqual(await page.$$eval('#ScheduleColumns tbody input',
      (inputs) => inputs.map((input) => input.value)), ['', '', '', '', '', '']);
    await page.evaluate(() => localStorage.clear());
    await page.close();
  });
});

describe('a schedule belongs to its values', () => {
  const edits = [
    { name: 'the floor height', edit: (page) => page.fill('#FloorHeight', '3.5') },
    { name: 'the materials', edit: async (page) => {
      await page.click('#ScheduleBack');
      await page.evaluate(() => { document.getElementById('Materials').open = true; });
      await page.fill('#Fcu', '300');
      await page.dispatchEvent('#Fcu', 'input');
      await page.click('#ScheduleButton');
    } },
    { name: 'a row', edit: (page) => page.fill('#ScheduleColumns [data-field="load"]', '60') },
  ];
  for (const { name, edit } of edits) {
    test(`changing ${name} greys the schedule and holds its download until Design`, async () => {
      const page = await schedulePage();
      await openFile(page, 'b.csv', 'mark,load,floors\nC1,50,3\n');
      await scheduleShown(page);
      const state = () => page.evaluate(() => ({
        note: !document.getElementById('ScheduleStaleNote').hidden,
        download: !document.getElementById('ScheduleDownload').disabled,
      }));
      assert.deepEqual(await state(), { note: false, download: true });
      await edit(page);
      assert.deepEqual(await state(), { note: true, download: false });
      assert.equal(await page.textContent('#ScheduleStaleNote'), STALE);
      await page.click('#ScheduleDesign');
      await page.waitForFunction(() => document.getElementById('ScheduleStaleNote').hidden);
      assert.deepEqual(await state(), { note: false, download: true });
      await page.close();
    });
  }
});

describe('marks and numbers read left to right', () => {
  // Each character's left edge, in the order typed: increasing when the text reads left to
  // right.
  const charLefts = (page, selector) => page.evaluate((selector) => {
    const text = document.querySelector(selector).firstChild;
    const range = document.createRange();
    return Array.from(text.data, (_, i) => {
      range.setStart(text, i);
      range.setEnd(text, i + 1);
      return range.getBoundingClientRect().left;
    });
  }, selector);
  const increasing = (values) => values.every((value, i) => i === 0 || value > values[i - 1]);

  const marks = ['-5', 'C1-ع', 'B-2-', '12'];
  for (const mark of marks) {
    test(`the mark "${mark}" reads as typed in the levels and the types`, async () => {
      const page = await schedulePage();
      await openFile(page, 'b.csv', `mark,load,floors\n"${mark}",50,1\n`);
      await scheduleShown(page);
      for (const selector of ['#ScheduleTable tbody td[data-key="mark"]',
        '#ScheduleTypes tbody td[data-key="columns"]']) {
        // The list of a type's columns holds each mark between isolates.
        const lefts = await charLefts(page, selector);
        const markLefts = selector.includes('columns') ? lefts.slice(1, -1) : lefts;
        assert.equal(markLefts.length, mark.length);
        assert.ok(increasing(markLefts), `${selector}: ${lefts}`);
      }
      await page.close();
    });
  }

  test('"-5" typed as a load reads "-5"', async () => {
    const page = await schedulePage();
    await page.click('#ScheduleColumns [data-field="load"]');
    await page.keyboard.insertText('-5');
    const offsets = await page.evaluate(() => {
      const box = document.querySelector('#ScheduleColumns [data-field="load"]')
        .getBoundingClientRect();
      return [box.left + 2, box.right - 2].map(
        (x) => document.caretPositionFromPoint(x, box.y + box.height / 2).offset);
    });
    assert.deepEqual(offsets, [0, 2]);
    await page.close();
  });
});

test('?lang=en paints nothing Arabic before its English texts are in place', async () => {
  const own = await launchBrowser(PHONE);  // no service worker answers before the route
  const page = await own.context.newPage();
  watch(page);
  // The page's texts held back for a while: what shows meanwhile is the first paint.
  let release;
  const held = new Promise((resolve) => { release = resolve; });
  await page.route('**/texts.js', async (route) => {
    await held;
    await route.continue();
  });
  await page.goto(`${server.origin}/?lang=en`, { waitUntil: 'commit' });
  await page.waitForFunction(() => document.getElementById('Command1') &&
    document.styleSheets.length > 0);
  const first = await page.evaluate(() => ({ dir: document.documentElement.dir,
    lang: document.documentElement.lang,
    visible: getComputedStyle(document.body).visibility === 'visible' }));
  release();
  await page.waitForSelector('#design-form:not([aria-busy])');
  assert.deepEqual(first, { dir: 'ltr', lang: 'en', visible: false });
  assert.equal(await page.textContent('#Command1'), 'Results');
  assert.equal(await page.evaluate(() => getComputedStyle(document.body).visibility), 'visible');
  await own.close();
});

describe('at 200 % text on a 360 px phone', () => {
  const sideways = (page) => page.evaluate(
    () => document.documentElement.scrollWidth > document.documentElement.clientWidth);
  test('the calculation sheet and the schedule reflow, nothing scrolls sideways', async () => {
    const page = await browser.context.newPage();
    watch(page);
    await page.goto(`${server.origin}/`);
    await page.waitForSelector('#design-form:not([aria-busy])');
    await page.evaluate(() => { document.documentElement.style.fontSize = '200%'; });
    await page.fill('#Text1', '50.123456789');
    await page.fill('#Text3', '7');
    await page.click('#Command1');
    await page.click('#SheetButton');
    await page.waitForSelector('#Sheet:not([hidden])');
    assert.equal(await sideways(page), false, 'the sheet');
    await page.click('#SheetBack');
    await page.click('#ScheduleButton');
    await page.waitForSelector('#Schedule:not([aria-busy])');
    assert.equal(await sideways(page), false, 'the schedule');
    await page.close();
  });
});

test('printed, long marks and values wrap within their cells', async () => {
  const page = await schedulePage();
  const mark = 'M'.repeat(100);
  await openFile(page, 'b.csv', `mark,load,floors\n${mark},123456789.123456789,7\n`);
  await scheduleShown(page);
  await page.emulateMedia({ media: 'print' });
  const overflowing = await page.$$eval('#ScheduleTable td, #ScheduleTypes td', (cells) => cells
    .filter((cell) => cell.scrollWidth > cell.clientWidth + 1).map((cell) => cell.dataset.key));
  assert.deepEqual(overflowing, []);
  await page.close();
});

// A site holding a copy of the page, updated while a tab of the older build stays open.
test('a tab left on the older build by another tab asks to reload, and runs no newer module',
     async () => {
  const site = await mkdtemp(join(tmpdir(), 'coldesign-site-'));
  await cp(WEB_DIR, join(site, 'c'), { recursive: true });
  const siteServer = await startServer(site);
  const own = await launchBrowser(PHONE);
  try {
    const older = await own.context.newPage();
    watch(older);
    await older.goto(`${siteServer.origin}/c/`);
    await waitUntilOffline(older);
    // The next build: its own hash, and a schedule module that cannot even compile.
    const file = (name) => join(site, 'c', name);
    const next = 'f'.repeat(16);
    await writeFile(file('schedule.wasm'), 'not a module');
    await writeFile(file('index.html'), (await readFile(file('index.html'), 'utf8'))
      .replace(/data-build="[0-9a-f]{16}"/, `data-build="${next}"`));
    await writeFile(file('service-worker.js'), (await readFile(file('service-worker.js'), 'utf8'))
      .replace(/'[0-9a-f]{16}'/, `'${next}'`));
    const newer = await own.context.newPage();
    watch(newer);
    await newer.goto(`${siteServer.origin}/c/`);
    await newer.evaluate(async () => (await navigator.serviceWorker.ready).update());
    await newer.waitForSelector('#update-banner:not([hidden])');
    await Promise.all([newer.waitForEvent('load'), newer.click('#update-reload')]);
    await newer.waitForFunction((build) => document.documentElement.dataset.build === build, next);

    await older.evaluate(() => { location.hash = '#schedule'; });
    await older.waitForSelector('#Schedule:not([aria-busy])');
    await older.click('#ScheduleDesign');
    await older.waitForSelector('#message[open]');
    assert.equal(await older.textContent('#message-text'), OTHER_BUILD);
    assert.equal(await older.isVisible('#update-banner'), true);
    await older.keyboard.press('Enter');
    await Promise.all([older.waitForEvent('load'), older.click('#update-reload')]);
    assert.equal(await older.evaluate(() => document.documentElement.dataset.build), next);
  } finally {
    await own.close();
    await siteServer.stop();
    await rm(site, { recursive: true, force: true });
  }
});

test('no page reported an error or opened a browser box', () => {
  assert.deepEqual(pageProblems, []);
});
