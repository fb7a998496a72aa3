// The design view's moments in a real headless Chromium: typed as a user types them, read
// back against the command line's design (COLDESIGN_PROGRAM, where the desktop program is
// built) or the native library's (COLDESIGN_NATIVE_BENDING); bending.wasm fetched only when a
// design needs it.

import assert from 'node:assert/strict';
import { execFileSync, spawnSync } from 'node:child_process';
import { existsSync } from 'node:fs';
import { join } from 'node:path';
import { after, before, test } from 'node:test';
import { DESKTOP, PHONE, launchBrowser, startServer } from './browser.mjs';

const WEB_DIR = process.env.COLDESIGN_WEB_DIR;
const PROGRAM = process.env.COLDESIGN_PROGRAM;
const NATIVE = process.env.COLDESIGN_NATIVE_BENDING;
const SHOTS = process.env.COLDESIGN_SCREENSHOTS;  // a folder for the screenshots, when given

let server;
let phone;
const requests = [];
const problems = [];

before(async () => {
  assert.ok(WEB_DIR && existsSync(join(WEB_DIR, 'bending.wasm')), 'build the wasm preset first');
  server = await startServer(WEB_DIR);
  phone = await launchBrowser(PHONE);
  phone.context.on('request', (request) => requests.push(new URL(request.url()).pathname));
});

after(async () => {
  await phone?.close();
  await server?.stop();
});

async function openPage(browser = phone) {
  const page = await browser.context.newPage();
  page.on('pageerror', (error) => problems.push(`page error: ${error.message}`));
  page.on('console', (message) => {
    if (message.type() === 'error') problems.push(`console error: ${message.text()}`);
  });
  await page.goto(`${server.origin}/`);
  await page.waitForSelector('#design-form:not([aria-busy])');
  return page;
}

// Types the inputs as a user does (the moments' panel opened first when a moment field is
// typed into) and presses Results; resolves once a message or the results are on show.
async function design(page, { load, floors, momentX = '', momentY = '', height, unbraced }) {
  for (const [id, text] of [['Text1', load], ['Text3', floors]]) {
    await page.fill(`#${id}`, '');
    await page.type(`#${id}`, text);
  }
  if (!(await page.locator('#Moments').evaluate((panel) => panel.open))) {
    await page.click('#Moments summary');
  }
  for (const [id, text] of [['MomentX', momentX], ['MomentY', momentY], ['ColumnHeight', height]]) {
    if (text === undefined) continue;
    await page.fill(`#${id}`, '');
    await page.type(`#${id}`, text);
  }
  if (unbraced !== undefined) await page.setChecked('#Unbraced', unbraced);
  await page.click('#Command1');
  await page.waitForFunction(() => document.getElementById('message').open ||
    !document.getElementById('MomentsLine').hidden || document.getElementById('Text8').value);
  return page.evaluate(() => ({
    shown: !document.getElementById('results').hidden,
    length: document.getElementById('Text5').value,
    bars: document.getElementById('Text8').value,
    line: document.getElementById('MomentsLine').hidden ? null
      : document.getElementById('MomentsLine').textContent,
    drawnBars: document.querySelectorAll('#section-drawing circle').length,
    message: document.getElementById('message').open
      ? document.getElementById('message-text').textContent : null,
    focused: document.activeElement?.id,
    sheet: !document.getElementById('SheetButton').hidden,
  }));
}

// The command line's design of the same column, as JSON, with its exit status.
function commandLine(load, floors, { mx, my, height, unbraced }) {
  const args = ['design', load, floors, '--format', 'json'];
  if (mx) args.push('--mx', mx);
  if (my) args.push('--my', my);
  if (height) args.push('--floor-height', height);
  if (unbraced) args.push('--unbraced');
  if (PROGRAM) {
    const run = spawnSync(PROGRAM, args, { encoding: 'utf8' });
    const json = JSON.parse(run.stdout);
    return { status: json.status, length: json.length_cm, bars: json.bars,
      mx: json.design_moment_x_t_m, my: json.design_moment_y_t_m,
      utilisation: json.utilisation, governed: json.moments_governed, exit: run.status };
  }
  const hex = (text) => Buffer.from(text, 'utf8').toString('hex');
  const line = ['bending', load, floors, '250', '3600', '30', '16', '1.1', mx ?? '', my ?? '',
    height ?? '3', unbraced ? '1' : '0'].map((field, i) => (i ? hex(field) : field)).join(' ');
  const json = JSON.parse(execFileSync(NATIVE, { input: `${line}\n` }).toString());
  return { status: json.status, length: json.lengthCm, bars: json.bars, mx: json.designMomentXTM,
    my: json.designMomentYTM, utilisation: json.utilisation, governed: json.momentsGoverned,
    exit: json.status === 'ok' ? 0 : 1 };
}

// The page's figure: its digits as typed by the engine, the isolating marks dropped.
const figuresOf = (line) => [...line.replace(/[\u2066-\u2069]/g, '').matchAll(/-?\d+(?:\.\d+)?/g)]
  .map((match) => Number(match[0]));

test('with defaults the page fetches no moment design, and designs as it always did', async () => {
  const page = await phone.context.newPage();
  const asked = [];  // by the page itself, not by its service worker's copy for offline
  page.on('request', (request) => asked.push(new URL(request.url()).pathname));
  await page.goto(`${server.origin}/`);
  await page.waitForSelector('#design-form:not([aria-busy])');
  const shown = await design(page, { load: '100', floors: '7' });
  assert.equal(shown.length, '230');
  assert.equal(shown.bars, '34');
  assert.equal(shown.line, null);
  assert.equal(shown.sheet, true);
  assert.ok(asked.some((path) => path.endsWith('/calculation.wasm')));
  assert.deepEqual(asked.filter((path) => /\/bending\.(js|wasm)$/.test(path)), []);
  // It is kept for offline all the same.
  const worker = await (await fetch(`${server.origin}/service-worker.js`)).text();
  assert.match(worker, /'bending\.wasm'/);
  assert.match(worker, /'bending\.js'/);
  await page.close();
});

const columns = [
  // Arabic-Indic digits and the Arabic decimal separator, as in the other fields.
  { load: '40', floors: '2', momentX: '٢٠', mx: '20' },
  { load: '40', floors: '2', momentX: '8', momentY: '6', mx: '8', my: '6' },
  { load: '100', floors: '7', momentX: '60', momentY: '-10', mx: '60', my: '-10' },
  { load: '40', floors: '2', height: '٣٫٥', unbraced: true, h: '3.5' },
  { load: '40', floors: '2', momentX: '1', mx: '1' },  // within the least eccentricity
];

for (const column of columns) {
  const { load, floors, momentX, momentY, height, unbraced, mx, my, h } = column;
  test(`${load} t × ${floors}, Mx ${mx ?? 0}, My ${my ?? 0}, ${h ?? 3} m` +
       `${unbraced ? ' unbraced' : ''}: the command line's section and moments`, async () => {
    const page = await openPage();
    const shown = await design(page, { load, floors, momentX, momentY, height, unbraced });
    const expected = commandLine(load, floors, { mx, my, height: h, unbraced });
    assert.equal(expected.status, 'ok');
    assert.equal(shown.message, null);
    assert.equal(Number(shown.length), expected.length);
    assert.equal(Number(shown.bars), expected.bars);
    assert.equal(shown.drawnBars, expected.bars);
    if (expected.governed) {
      const [utilisation, designX, designY] = figuresOf(shown.line);
      assert.equal(utilisation, Number(expected.utilisation.toFixed(2)));
      assert.equal(designX, Number(expected.mx.toFixed(2)));
      assert.equal(designY, Number(expected.my.toFixed(2)));
    } else {
      assert.ok(shown.line && figuresOf(shown.line).length === 0, shown.line);
    }
    assert.ok(requests.some((path) => path.endsWith('/bending.wasm')));
    await page.close();
  });
}

const refusals = [
  { what: 'too slender', fields: { height: '10', unbraced: true },
    message: /λ = ⁦50\.0⁩ والحد ⁦23⁩/ },
  { what: 'too large', fields: { momentX: '5000' }, message: /⁦300⁩/ },
  { what: 'an unfinished moment', fields: { momentX: '-' }, message: /غير مكتمل/,
    focused: 'MomentX' },
  { what: 'an empty height', fields: { height: '' }, message: /فارغا/, focused: 'ColumnHeight' },
  { what: 'a height out of range', fields: { height: '12' }, message: /من ⁦?2⁩? إلى ⁦?10/,
    focused: 'ColumnHeight' },
];

for (const { what, fields, message, focused } of refusals) {
  test(`${what}: the message, and no earlier result left standing`, async () => {
    const page = await openPage();
    await design(page, { load: '40', floors: '2', momentX: '20' });
    const shown = await design(page, { load: '40', floors: '2', momentX: '', ...fields });
    assert.match(shown.message ?? '', message);
    assert.equal(shown.length, '');
    assert.equal(shown.bars, '');
    assert.equal(shown.line, null);
    assert.equal(shown.drawnBars, 0);
    assert.equal(shown.sheet, false);
    if (focused) {
      await page.click('#message-ok');
      // The box gives the focus back when its close event comes, a task after the click.
      await page.waitForFunction((id) => document.activeElement?.id === id, focused,
        { timeout: 5000 }).catch(() => {});
      assert.equal(await page.evaluate(() => document.activeElement.id), focused);
      assert.equal(await page.locator('#Moments').evaluate((panel) => panel.open), true);
    }
    await page.close();
  });
}

test('an edit of a moment marks the results as the previous inputs\'', async () => {
  const page = await openPage();
  await design(page, { load: '40', floors: '2', momentX: '20' });
  await page.type('#MomentY', '5');
  assert.equal(await page.locator('#results-note').isHidden(), false);
  await page.setChecked('#Unbraced', true);
  await page.fill('#MomentY', '');
  assert.equal(await page.locator('#results-note').isHidden(), false);
  await page.setChecked('#Unbraced', false);
  assert.equal(await page.locator('#results-note').isHidden(), true);
  await page.close();
});

test('the sheet of a design with moments has its moment section and the diagram to scale',
     async () => {
       const page = await openPage();
       const shown = await design(page, { load: '40', floors: '2', momentX: '20', momentY: '3' });
       assert.equal(shown.sheet, true);
       await page.click('#SheetButton');
       const sheet = await page.evaluate(() => {
         const svg = document.querySelector('.sheet-diagram svg');
         const box = svg.viewBox.baseVal;
         const inside = (x, y) => x >= box.x && x <= box.x + box.width && y >= box.y &&
           y <= box.y + box.height;
         const points = [...svg.querySelector('.contour').getAttribute('d')
           .matchAll(/[ML]([-\d.]+) ([-\d.]+)/g)].map((m) => [Number(m[1]), Number(m[2])]);
         const ticks = [...svg.querySelectorAll('.tick')].map((t) => t.textContent);
         return {
           headings: [...document.querySelectorAll('#sheet-page h3')].map((h) => h.textContent),
           points: points.length,
           allInside: points.every(([x, y]) => inside(x, y)),
           loads: svg.querySelectorAll('.load-point').length,
           ticks,
           label: svg.getAttribute('aria-label'),
         };
       });
       assert.ok(sheet.headings.some((h) => /العزوم/.test(h)), sheet.headings.join(' | '));
       assert.ok(sheet.points >= 48, `${sheet.points} contour points`);
       assert.equal(sheet.allInside, true);
       assert.ok(sheet.loads >= 1);
       // The same ticks on both axes, as real text, negative and positive.
       assert.ok(sheet.ticks.length >= 4 && sheet.ticks.some((t) => t.startsWith('-')));
       assert.ok(sheet.label && sheet.headings.includes(sheet.label));
       await page.close();
     });

test('screenshots of the view with moments, on a phone and on a desktop', async (t) => {
  if (!SHOTS) {
    t.skip('COLDESIGN_SCREENSHOTS names no folder');
    return;
  }
  const desktop = await launchBrowser(DESKTOP);
  try {
    for (const [name, browser] of [['phone', phone], ['desktop', desktop]]) {
      const page = await openPage(browser);
      await design(page, { load: '40', floors: '2', momentX: '20', momentY: '3' });
      await page.evaluate(() => document.fonts.ready);
      await page.screenshot({ path: join(SHOTS, `web-${name}-moments.png`), fullPage: true });
      await page.click('#SheetButton');
      await page.screenshot({ path: join(SHOTS, `web-${name}-moments-sheet.png`), fullPage: true });
      await page.locator('.sheet-diagram').screenshot({
        path: join(SHOTS, `web-${name}-moments-diagram.png`) });
      await page.close();
    }
  } finally {
    await desktop.close();
  }
});

test('no page reported an error', () => {
  assert.deepEqual(problems, []);
});
