// The page in a real headless Chromium, served from 127.0.0.1: typed as a user types it.
// COLDESIGN_WEB_DIR names the assembled page (build/web).

import assert from 'node:assert/strict';
import { execFileSync, spawnSync } from 'node:child_process';
import { existsSync } from 'node:fs';
import { cp, mkdtemp, readFile, rm, symlink, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { dirname, join, resolve } from 'node:path';
import { after, before, describe, test } from 'node:test';
import { DESKTOP, PHONE, launchBrowser, startServer, waitUntilOffline } from './browser.mjs';

const WEB_DIR = process.env.COLDESIGN_WEB_DIR;
const EMPTY = 'لا يمكن ترك هذا الحقل فارغا';
const NEGATIVE = 'لا يمكن أن تكون القيمة سالبة';
const OVERFLOW = 'القيم المدخلة كبيرة جدا ولا يمكن حسابها';
const STALE = 'النتائج للقيم السابقة، اضغط «النتائج» للتحديث';
const UNFINISHED = 'الرقم المدخل غير مكتمل';

let server;
let phone;
const requestedUrls = [];
const pageProblems = [];

async function openPage(browser = phone, address = '/') {
  const page = await browser.context.newPage();
  page.on('dialog', (dialog) => pageProblems.push(`a ${dialog.type()} box: ${dialog.message()}`));
  page.on('pageerror', (error) => pageProblems.push(`page error: ${error.message}`));
  page.on('console', (message) => {
    if (message.type() === 'error') {
      pageProblems.push(`console error: ${message.text()}`);
    }
  });
  await page.goto(`${server.origin}${address}`);
  await page.waitForSelector('#design-form:not([aria-busy])');
  return page;
}

// Resolves once Results has answered: with a message, or with a bar count.
const answered = (page) => page.waitForFunction(
  () => document.getElementById('message').open || document.getElementById('Text8').value !== '');

async function typeInto(page, id, text) {
  await page.click(`#${id}`);
  await page.keyboard.type(text);
}

// Puts each input in whole, as one paste, and presses Results.
async function pressResults(page, load, floors) {
  for (const [id, text] of [['Text1', load], ['Text3', floors]]) {
    await page.fill(`#${id}`, '');
    await page.keyboard.insertText(text);
  }
  await page.click('#Command1');
  await answered(page);
}

const readResults = (page) => page.evaluate(() => ({
  shown: !document.getElementById('results').hidden,
  width: document.getElementById('Text4').value,
  length: document.getElementById('Text5').value,
  diameter: document.getElementById('Text7').value,
  bars: document.getElementById('Text8').value,
}));

const readMessage = (page) => page.evaluate(() => ({
  open: document.getElementById('message').open,
  text: document.getElementById('message-text').textContent,
  focused: document.activeElement?.id,
  button: document.getElementById('message-ok').textContent,
}));

// The lowest contrast of an element's text with what lies behind it: the background colours of
// the element and its ancestors over white, a gradient taken at each of its colours.
const lowestContrast = (page, selector) => page.evaluate((selector) => {
  const colours = (text) => [...text.matchAll(/rgba?\(([^)]+)\)/g)].map((match) => {
    const [r, g, b, a = 1] = match[1].split(/[\s,/]+/).map(Number);
    return [r, g, b, a];
  });
  const over = ([r, g, b, a], below) => [r, g, b].map((c, i) => c * a + below[i] * (1 - a));
  const luminance = (rgb) => rgb.map((c) => c / 255)
    .map((c) => (c <= 0.03928 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4))
    .reduce((sum, c, i) => sum + c * [0.2126, 0.7152, 0.0722][i], 0);
  const element = document.querySelector(selector);
  const layers = [];
  for (let e = element; e; e = e.parentElement) layers.unshift(getComputedStyle(e));
  let behind = [[255, 255, 255]];
  for (const style of layers) {
    const gradient = colours(style.backgroundImage);
    if (gradient.length > 0) behind = gradient.flatMap((c) => behind.map((b) => over(c, b)));
    const [colour] = colours(style.backgroundColor);
    behind = behind.map((b) => over(colour, b));
  }
  const [text] = colours(getComputedStyle(element).color);
  return Math.min(...behind.map((b) => {
    const [lighter, darker] = [luminance(over(text, b)), luminance(b)].sort((x, y) => y - x);
    return (lighter + 0.05) / (darker + 0.05);
  }));
}, selector);

before(async () => {
  assert.ok(WEB_DIR && existsSync(join(WEB_DIR, 'index.html')),
            `no assembled page in ${WEB_DIR}: build the wasm preset first`);
  server = await startServer(WEB_DIR);
  phone = await launchBrowser(PHONE);
  phone.context.on('request', (request) => requestedUrls.push(request.url()));
});

after(async () => {
  await phone?.close();
  await server?.stop();
});

describe('results', () => {
  const examples = [
    { load: '10', floors: '5', length: '30', bars: '4' },
    { load: '30', floors: '4', length: '40', bars: '6' },
    { load: '50', floors: '7', length: '115', bars: '18' },
    { load: '100', floors: '7', length: '230', bars: '34' },
    { load: '١٠٠', floors: '٧', length: '230', bars: '34' },
    { load: '۵۰', floors: '۷', length: '115', bars: '18' },
    { load: '٣٠٫٠', floors: '4', length: '40', bars: '6' },
  ];
  for (const { load, floors, length, bars } of examples) {
    test(`${load} t on ${floors} floors gives 30 × ${length} with ${bars} bars`, async () => {
      const page = await openPage();
      assert.equal((await readResults(page)).shown, false, 'results before the first Results');
      await typeInto(page, 'Text1', load);
      await typeInto(page, 'Text3', floors);
      await page.keyboard.press('Enter');
      await answered(page);
      assert.deepEqual(await readResults(page),
                       { shown: true, width: '30', length, diameter: '16', bars });
      assert.equal((await readMessage(page)).open, false);
      await page.close();
    });
  }

  test('the section drawn holds as many bars as the result says', async () => {
    const page = await openPage();
    for (const [load, floors, bars] of [['50', '7', 18], ['10', '5', 4]]) {
      await pressResults(page, load, floors);
      assert.equal(await page.locator('#section-drawing circle').count(), bars);
      assert.equal(await page.isVisible('#section-figure'), true);
    }
    await page.close();
  });
});

describe('the guard keeps each field numeric', () => {
  const typings = [
    { typed: '12a', kept: '12' },
    { typed: '1.5', kept: '1.5' },
    { typed: '1a2b3c', kept: '123' },
    { typed: '-', kept: '-' },
    { typed: '.', kept: '.' },
    { typed: '.5', kept: '.5' },
    { typed: '-5', kept: '-5' },
    { typed: '5e-3', kept: '5e-3' },
    { typed: '٤x٢', kept: '٤٢' },
    { typed: '12,5', kept: '12.5' },
  ];
  for (const { typed, kept } of typings) {
    test(`typing ${typed} leaves "${kept}"`, async () => {
      const page = await openPage();
      await typeInto(page, 'Text3', typed);
      assert.equal(await page.inputValue('#Text3'), kept);
      await page.close();
    });
  }

  test('pasted junk leaves numeric text, and the caret stays where the user typed', async () => {
    const page = await openPage();
    await page.click('#Text1');
    await page.keyboard.insertText('x'.repeat(100_000));
    assert.equal(await page.inputValue('#Text1'), '');
    await page.keyboard.insertText('12abc');
    assert.equal(await page.inputValue('#Text1'), '12');
    await page.evaluate(() => document.getElementById('Text1').setSelectionRange(1, 1));
    await page.keyboard.type('x');
    await page.keyboard.type('0');
    assert.equal(await page.inputValue('#Text1'), '102');
    assert.equal(await page.evaluate(() => document.getElementById('Text1').selectionStart), 2);
    await page.close();
  });

  test('a typed comma is the point, with a hint that covers no control, gone at the next key',
       async () => {
         const page = await openPage();
         await typeInto(page, 'Text1', '1,');
         assert.equal(await page.inputValue('#Text1'), '1.');
         assert.equal(await page.isVisible('#Text1-hint'), true);
         assert.match(await page.textContent('#Text1-hint'), /«\.» أو «٫»/);
         const covered = await page.evaluate(() => {
           const hint = document.getElementById('Text1-hint').getBoundingClientRect();
           const under = (box) => !(box.right <= hint.left || hint.right <= box.left ||
                                    box.bottom <= hint.top || hint.bottom <= box.top);
           const controls = [...document.querySelectorAll('button, input')]
             .filter((control) => control.offsetParent !== null);
           const results = document.getElementById('Command1').getBoundingClientRect();
           const tapped = document.elementFromPoint((results.left + results.right) / 2,
                                                    (results.top + results.bottom) / 2);
           return { top: hint.top, covered: controls.filter((c) => under(c.getBoundingClientRect()))
             .map((control) => control.id), tapped: tapped.id };
         });
         assert.deepEqual(covered, { top: covered.top, covered: [], tapped: 'Command1' });
         assert.ok(covered.top >= 0, `the hint starts ${covered.top} px above the page`);
         await page.keyboard.type('5');
         assert.equal(await page.inputValue('#Text1'), '1.5');
         assert.equal(await page.isVisible('#Text1-hint'), false);
         await page.keyboard.insertText('1,000');
         assert.equal(await page.inputValue('#Text1'), '1.5', 'a pasted comma is ambiguous');
         assert.equal(await page.isVisible('#Text1-hint'), true);
         await page.close();
       });

  test('undo takes back the kept edits, as if the refused letter was never typed', async () => {
    const page = await openPage();
    await typeInto(page, 'Text1', '12a');
    await page.keyboard.press('Control+z');
    await page.keyboard.type('5');
    assert.equal(await page.inputValue('#Text1'), '15');
    await page.keyboard.press('Control+z');
    await page.keyboard.press('Control+Shift+z');
    assert.deepEqual(await page.evaluate(() => {
      const field = document.getElementById('Text1');
      return [field.value, field.selectionStart];
    }), ['15', 2]);
    await page.close();
  });

  test('an input method composes undisturbed; what it commits is guarded', async () => {
    const page = await openPage();
    await page.click('#Text3');
    const devTools = await page.context().newCDPSession(page);
    for (const text of ['3', '3a']) {
      await devTools.send('Input.imeSetComposition',
                          { text, selectionStart: text.length, selectionEnd: text.length });
    }
    assert.equal(await page.inputValue('#Text3'), '3a');
    await devTools.send('Input.insertText', { text: '34' });
    assert.equal(await page.inputValue('#Text3'), '34');
    await page.close();
  });
});

describe('messages', () => {
  // `before`: the inputs of a successful Results first, whose results must not stay standing.
  const cases = [
    { load: '', floors: '', message: EMPTY, focusAfter: 'Text1' },
    { load: '10', floors: '', message: EMPTY, focusAfter: 'Text3' },
    { load: '-10', floors: '5', message: NEGATIVE },
    { load: '10', floors: '-5', message: NEGATIVE },
    { before: ['100', '7'], load: '', floors: '7', message: EMPTY, focusAfter: 'Text1' },
    { before: ['100', '7'], load: '-100', floors: '7', message: NEGATIVE },
    { load: '-', floors: '5', message: UNFINISHED },
    { load: '10', floors: '5e', message: UNFINISHED },
  ];
  for (const { before: earlier, load, floors, message, focusAfter } of cases) {
    const after = earlier ? ` after ${earlier.join(' and ')}` : '';
    test(`"${load}" and "${floors}"${after}: ${message}, no results shown`, async () => {
      const page = await openPage();
      if (earlier) {
        await pressResults(page, ...earlier);
      }
      await pressResults(page, load, floors);
      assert.deepEqual(await readMessage(page),
                       { open: true, text: message, focused: 'message-ok', button: 'موافق' });
      await page.keyboard.press('Enter');
      assert.equal((await readMessage(page)).open, false);
      const { shown, length, bars } = await readResults(page);
      assert.deepEqual({ shown, length, bars }, { shown: false, length: '', bars: '' });
      assert.equal(await page.locator('#section-drawing circle').count(), 0);
      if (focusAfter) {
        await page.waitForFunction((id) => document.activeElement?.id === id, focusAfter,
                                   { timeout: 5000 });
      }
      await page.close();
    });
  }

  test('an overflow leaves no earlier result standing', async () => {
    const page = await openPage();
    await pressResults(page, '10', '5');
    assert.equal((await readResults(page)).bars, '4');
    await pressResults(page, '1000', '100');
    assert.equal((await readMessage(page)).text, OVERFLOW);
    const { length, bars } = await readResults(page);
    assert.deepEqual({ length, bars }, { length: '', bars: '' });
    assert.equal(await page.isVisible('#section-figure'), false);
    await page.close();
  });
});

describe('results belong to their inputs', () => {
  const edits = [
    { edit: 'a digit typed into the load', id: 'Text1', keys: ['5'], stale: true },
    { edit: 'a digit deleted from the floors', id: 'Text3', keys: ['Backspace'], stale: true },
    { edit: 'a digit deleted and typed back', id: 'Text3', keys: ['Backspace', '7'], stale: false },
    { edit: 'a letter the guard refuses', id: 'Text1', keys: ['a'], stale: false },
  ];
  const readStaleness = (page) => page.evaluate(() => ({
    note: document.getElementById('results-note').hidden ? ''
      : document.getElementById('results-note').textContent,
    colour: getComputedStyle(document.getElementById('Text8')).color,
  }));
  for (const { edit, id, keys, stale } of edits) {
    test(`${edit} ${stale ? 'greys' : 'keeps'} the results until Results`, async () => {
      const page = await openPage();
      await pressResults(page, '100', '7');
      const fresh = await readStaleness(page);
      await page.click(`#${id}`);
      await page.keyboard.press('End');
      for (const key of keys) await page.keyboard.press(key);
      const edited = await readStaleness(page);
      assert.equal(edited.note, stale ? STALE : '');
      assert.equal(edited.colour !== fresh.colour, stale);
      await page.click('#Command1');
      assert.deepEqual(await readStaleness(page), fresh);
      await page.close();
    });
  }
});

describe('notes and back', () => {
  for (const [how, goBack] of [
    ['the Back button', (page) => page.click('#Form1-Command1')],
    ["the browser's back", (page) => page.goBack()],
  ]) {
    test(`inputs and results survive the notes and ${how}`, async () => {
      const page = await openPage();
      await pressResults(page, '30', '4');
      await page.click('#Command3');
      assert.deepEqual(await page.evaluate(() => ({
        designHidden: document.getElementById('columns').hidden,
        notesShown: !document.getElementById('Form1').hidden,
        focused: document.activeElement?.id,
      })), { designHidden: true, notesShown: true, focused: 'Form1-Command1' });
      await page.waitForFunction(() => document.getElementById('Form1-Picture1').naturalWidth > 0,
                                 null, { timeout: 5000 });
      await goBack(page);
      await page.waitForSelector('#columns:not([hidden])');
      assert.equal(await page.isHidden('#Form1'), true);
      assert.deepEqual(
        [await page.inputValue('#Text1'), await page.inputValue('#Text3'), await readResults(page)],
        ['30', '4', { shown: true, width: '30', length: '40', diameter: '16', bars: '6' }]);
      await page.close();
    });
  }

  test('the contact number reads left to right inside its Arabic line', async () => {
    const page = await openPage();
    await page.click('#Command3');
    const contact = await page.textContent('#Form1-SkinLabel4');
    assert.match(contact, /^للتواصل :\u2066[^\u2066\u2069]+\u2069\*$/);
    assert.match(await page.textContent('#Form1-SkinLabel3'), /^تصميم وبرمجة م\/.+\*$/);
    await page.close();
  });
});

describe('languages', () => {
  const readTexts = (page) => page.evaluate(() => ({
    lang: document.documentElement.lang,
    dir: document.documentElement.dir,
    title: document.title,
    results: document.getElementById('Command1').textContent,
    floorLimit: document.getElementById('Form1-SkinLabel1').textContent,
    switchTo: document.getElementById('language').textContent,
  }));
  const ENGLISH = {
    lang: 'en', dir: 'ltr', title: 'Column Designer', results: 'Results',
    floorLimit: 'This program is meant for at most 7 floors*', switchTo: 'العربية',
  };
  const ARABIC = {
    lang: 'ar', dir: 'rtl', title: 'زركولت', results: 'النتائج',
    floorLimit: 'عدد الأدوار المسموح بها في هذا البرنامج هو 7 ادوار*', switchTo: 'English',
  };

  test('?lang=en shows the page in English, its messages too', async () => {
    const page = await openPage(phone, '/?lang=en');
    assert.deepEqual(await readTexts(page), ENGLISH);
    await pressResults(page, '', '5');
    assert.deepEqual(await readMessage(page), {
      open: true, text: 'This field cannot be left empty', focused: 'message-ok', button: 'OK',
    });
    await page.close();
  });

  test('the switch changes the language at once, and the next visit keeps it', async () => {
    const browser = await launchBrowser(PHONE);  // its own storage
    try {
      const page = await openPage(browser);
      assert.deepEqual(await readTexts(page), ARABIC);
      await page.click('#language');
      assert.deepEqual(await readTexts(page), ENGLISH);
      await page.reload();
      await page.waitForSelector('#design-form:not([aria-busy])');
      assert.deepEqual(await readTexts(page), ENGLISH);
      await page.click('#language');
      assert.deepEqual(await readTexts(page), ARABIC);
    } finally {
      await browser.close();
    }
  });
});

describe('sizes', () => {
  const noHorizontalScroll = (page) => page.evaluate(
    () => document.documentElement.scrollWidth <= document.documentElement.clientWidth);
  const smallestTarget = (page) => page.evaluate(() => Math.min(
    ...[...document.querySelectorAll('button, input')]
      .filter((element) => element.offsetParent !== null)
      .flatMap((element) => [element.offsetWidth, element.offsetHeight])));

  test('a phone shows everything without horizontal scroll, touch targets at least 44 px',
       async () => {
         const page = await openPage();
         await pressResults(page, '100', '7');
         assert.equal(await noHorizontalScroll(page), true);
         assert.ok(await smallestTarget(page) >= 44);
         const fieldFontPx = await page.evaluate(
           () => parseFloat(getComputedStyle(document.getElementById('Text1')).fontSize));
         assert.ok(fieldFontPx >= 16, `the fields' text is ${fieldFontPx} px`);
         await page.click('#Command3');
         assert.equal(await noHorizontalScroll(page), true);
         assert.ok(await smallestTarget(page) >= 44);
         await page.close();
       });

  // Each control is what a tap at its middle reaches: the hint lies over none.
  const coveredControls = (page) => page.evaluate(() => [...document.querySelectorAll(
    'button, input')].filter((control) => {
    if (control.offsetParent === null) return false;
    control.scrollIntoView({ block: 'center' });
    const box = control.getBoundingClientRect();
    return !control.contains(document.elementFromPoint(box.x + box.width / 2,
                                                       box.y + box.height / 2));
  }).map((control) => control.id));
  // Each number shown stands whole on one line, within its box.
  const brokenNumbers = (page) => page.evaluate(() => [...document.querySelectorAll(
    'input, output')].filter((field) => {
    if (field.offsetParent === null || field.value === '') return false;
    const range = document.createRange();
    range.selectNodeContents(field);
    const lines = new Set([...range.getClientRects()].map((line) => Math.round(line.top)));
    return field.scrollWidth > field.clientWidth || lines.size > 1;
  }).map((field) => field.id));

  for (const width of [360, 180]) {
    test(`at 200 % text on a ${width} px screen nothing scrolls sideways, numbers stay whole, ` +
         'the hint covers no control and the message stays on screen', async () => {
      const browser = await launchBrowser({ ...PHONE, viewport: { width, height: 640 } });
      try {
        const page = await openPage(browser);
        await page.evaluate(() => { document.documentElement.style.fontSize = '200%'; });
        await pressResults(page, '426', '7');
        await typeInto(page, 'Text1', ',');
        assert.equal(await page.isVisible('#Text1-hint'), true);
        assert.deepEqual(await coveredControls(page), []);
        assert.deepEqual(await brokenNumbers(page), []);
        assert.equal(await noHorizontalScroll(page), true);
        await pressResults(page, '', '7');
        const box = await page.locator('#message').boundingBox();
        assert.ok(box.x >= 0 && box.y >= 0 && box.x + box.width <= width &&
                  box.y + box.height <= 640, JSON.stringify(box));
        await page.keyboard.press('Enter');
        await page.click('#Command3');
        assert.equal(await noHorizontalScroll(page), true);
      } finally {
        await browser.close();
      }
    });
  }

  test('"-5" reads left to right in its field', async () => {
    const page = await openPage();
    await page.click('#Text1');
    await page.keyboard.insertText('-5');
    // The text's offsets at the field's left and right ends.
    const offsets = await page.evaluate(() => {
      const box = document.getElementById('Text1').getBoundingClientRect();
      return [box.left + 2, box.right - 2].map(
        (x) => document.caretPositionFromPoint(x, box.y + box.height / 2).offset);
    });
    assert.deepEqual(offsets, [0, 2]);
    await page.close();
  });

  test('every text, results greyed or not, stands out 4.5:1 from what lies behind it', async () => {
    const page = await openPage();
    await pressResults(page, '50', '7');
    const selectors = ['#section-caption', '.times', '#Frame1 legend', '#SkinLabel3', '#Text5'];
    const expectContrast = async () => {
      for (const selector of selectors) {
        const contrast = await lowestContrast(page, selector);
        assert.ok(contrast >= 4.5, `${selector}: ${contrast.toFixed(2)}:1`);
      }
    };
    await expectContrast();
    await typeInto(page, 'Text1', '5');
    selectors.push('#results-note');
    await expectContrast();
    await page.close();
  });

  test('a desktop window shows the page without horizontal scroll', async () => {
    const desktop = await launchBrowser(DESKTOP);
    try {
      const page = await openPage(desktop);
      await pressResults(page, '100', '7');
      assert.equal(await noHorizontalScroll(page), true);
      assert.equal((await readResults(page)).bars, '34');
    } finally {
      await desktop.close();
    }
  });
});

test('after one visit the page is installable, and loads and calculates with the server stopped',
     async () => {
  const ownServer = await startServer(WEB_DIR);
  const browser = await launchBrowser(PHONE);
  try {
    const page = await browser.context.newPage();
    await page.goto(`${ownServer.origin}/`);
    await waitUntilOffline(page);
    const devTools = await browser.context.newCDPSession(page);
    const { installabilityErrors } = await devTools.send('Page.getInstallabilityErrors');
    assert.deepEqual(installabilityErrors, []);
    // The maskable icon fills its square to the corners, which a launcher's mask cuts away.
    const cornerAlphas = await page.evaluate(async () => {
      const manifest = await (await fetch('manifest.webmanifest')).json();
      const icon = manifest.icons.find(({ purpose }) => purpose === 'maskable');
      const bitmap = await createImageBitmap(await (await fetch(icon.src)).blob());
      const canvas = new OffscreenCanvas(bitmap.width, bitmap.height);
      canvas.getContext('2d').drawImage(bitmap, 0, 0);
      const { data } = canvas.getContext('2d').getImageData(0, 0, bitmap.width, bitmap.height);
      const alpha = (x, y) => data[4 * (y * bitmap.width + x) + 3];
      const last = bitmap.width - 1;
      return [alpha(0, 0), alpha(last, 0), alpha(0, last), alpha(last, last)];
    });
    assert.deepEqual(cornerAlphas, [255, 255, 255, 255]);
    await ownServer.stop();
    await page.reload();
    await pressResults(page, '50', '7');
    assert.deepEqual(await readResults(page),
                     { shown: true, width: '30', length: '115', diameter: '16', bars: '18' });
    // The sheet and the schedule too, with every file from the cache.
    await page.click('#SheetButton');
    assert.match(await page.textContent('#sheet-page'), /Ac = 3449\.20265185451 cm²/);
    await page.evaluate(() => { location.hash = '#schedule'; });
    await page.waitForSelector('#Schedule:not([hidden]):not([aria-busy])');
    await page.setInputFiles('#ScheduleFile', { name: 'c.csv', mimeType: 'text/csv',
      buffer: Buffer.from('mark,load,floors\nC1,50,7\n') });
    await page.waitForSelector('#ScheduleTable tbody tr[data-mark="C1"][data-level="7"]');
  } finally {
    await browser.close();
    await ownServer.stop();
  }
});

// A site holding the page in three folders: a/ and b/ the same build, c/ a copy to update.
describe('the service worker', () => {
  let site;
  let siteServer;
  let browser;
  before(async () => {
    site = await mkdtemp(join(tmpdir(), 'coldesign-site-'));
    await symlink(WEB_DIR, join(site, 'a'));
    await symlink(WEB_DIR, join(site, 'b'));
    await cp(WEB_DIR, join(site, 'c'), { recursive: true });
    siteServer = await startServer(site);
    browser = await launchBrowser(PHONE);
  });
  after(async () => {
    await browser?.close();
    await siteServer?.stop();
    await rm(site, { recursive: true, force: true });
  });
  const cacheNames = (page) => page.evaluate(() => caches.keys());

  test("deletes its own older caches, and no other app's nor another folder's", async () => {
    const page = await browser.context.newPage();
    await page.goto(`${siteServer.origin}/a/`);
    await waitUntilOffline(page);
    const [folderA] = await cacheNames(page);
    const olderB = folderA.replace('/a/', '/b/').replace(/[0-9a-f]{16}$/, '0'.repeat(16));
    // name: the page's folder whose file the cache holds, and whether b/'s page deletes it.
    const caches = [
      { name: folderA, deleted: false },
      { name: 'another-app', holds: 'b/', deleted: false },
      { name: olderB, holds: 'b/', deleted: true },
      { name: 'column-designer-00000000000000a0', holds: 'a/', deleted: false },
      { name: 'column-designer-00000000000000b0', holds: 'b/', deleted: true },
    ];
    await page.evaluate(async (made) => {
      for (const { name, holds } of made) {
        await (await caches.open(name)).put(new URL(`../${holds}`, location), new Response(''));
      }
    }, caches.slice(1));
    await page.goto(`${siteServer.origin}/b/`);
    await waitUntilOffline(page);
    const left = await cacheNames(page);
    for (const { name, deleted } of caches) assert.equal(!left.includes(name), deleted, name);
    await page.close();
  });

  test('a new version waits, offered by a banner, and its reload shows it whole', async () => {
    const page = await browser.context.newPage();
    await page.goto(`${siteServer.origin}/c/`);
    await waitUntilOffline(page);
    const ownCaches = async () => (await cacheNames(page)).filter((name) => name.includes('/c/'));
    const [before] = await ownCaches();
    assert.equal(await page.isVisible('#update-banner'), false);
    // The next build: another page and another build hash.
    const file = (name) => join(site, 'c', name);
    await writeFile(file('index.html'), (await readFile(file('index.html'), 'utf8'))
      .replace('<title', '<meta name="build" content="next"><title'));
    await writeFile(file('service-worker.js'), (await readFile(file('service-worker.js'), 'utf8'))
      .replace(/'[0-9a-f]{16}'/, `'${'f'.repeat(16)}'`));
    await page.evaluate(async () => (await navigator.serviceWorker.ready).update());
    await page.waitForSelector('#update-banner:not([hidden])');
    assert.equal(await page.textContent('#update-banner span'), 'نسخة جديدة متاحة');
    // Until asked, the page and its cache stay those of the version it started with.
    const other = await browser.context.newPage();
    await other.goto(`${siteServer.origin}/c/`);
    assert.equal(await other.locator('meta[name=build]').count(), 0);
    await other.close();
    assert.ok((await ownCaches()).includes(before));
    await Promise.all([page.waitForEvent('load'), page.click('#update-reload')]);
    await page.waitForSelector('#design-form:not([aria-busy])');
    assert.equal(await page.locator('meta[name=build]').count(), 1);
    assert.equal(await page.isVisible('#update-banner'), false);
    assert.deepEqual((await ownCaches()).map((name) => name.slice(-16)), ['f'.repeat(16)]);
    await page.close();
  });
});

test('a host that does not serve the module gets a message at Results, not silence', async () => {
  const browser = await launchBrowser(PHONE);
  try {
    await browser.context.route('**/calculation.wasm', (route) => route.fulfill({ status: 404 }));
    const page = await browser.context.newPage();
    await page.goto(`${server.origin}/`);
    await page.fill('#Text1', '10');
    await page.fill('#Text3', '5');
    await page.click('#Command1');
    await page.waitForSelector('#message[open]');
    assert.match(await page.textContent('#message-text'), /^تعذر تحميل الحساب/);
    assert.equal((await readResults(page)).shown, false);
  } finally {
    await browser.close();
  }
});

// In a browser of its own: the attempts it makes are not the page's.
test('the page refuses framing, inline script and anything from another host', async () => {
  const browser = await launchBrowser(DESKTOP);
  try {
    const page = await browser.context.newPage();
    const response = await page.goto(`${server.origin}/`);
    // Sent by the server, as scripts/web.sh serves the page: no other site may frame it.
    const headers = response.headers();
    assert.deepEqual([headers['content-security-policy'], headers['x-content-type-options']],
                     ["frame-ancestors 'none'", 'nosniff']);
    const refused = await page.evaluate(() => new Promise((resolve) => {
      const directives = [];
      document.addEventListener('securitypolicyviolation', (event) => {
        directives.push(event.effectiveDirective);
        if (directives.length === 2) {
          resolve(directives.sort());
        }
      });
      const script = document.createElement('script');
      script.textContent = 'window.inlineScriptRan = true;';
      document.body.append(script);
      const image = new Image();
      image.src = 'http://198.51.100.1/picture.png';
      document.body.append(image);
    }));
    assert.deepEqual(refused, ['img-src', 'script-src-elem']);
    assert.equal(await page.evaluate(() => window.inlineScriptRan), undefined);
  } finally {
    await browser.close();
  }
});

// --- The materials, the calculation sheet and the column schedule, against the native engine
// (native_answers) and the desktop program's own command line.

const NATIVE_ANSWERS = process.env.COLDESIGN_NATIVE_ANSWERS;
const PROGRAM = process.env.COLDESIGN_PROGRAM && resolve(process.env.COLDESIGN_PROGRAM);
const hex = (text) => Buffer.from(text).toString('hex');
const MATERIAL_FIELDS = { fcu: 'Fcu', fy: 'Fy', width: 'Width', barDiameter: 'BarDiameter',
  loadFactor: 'LoadFactor' };
const DEFAULTS = { fcu: '250', fy: '3600', width: '30', barDiameter: '16', loadFactor: '1.1' };
const materialsArgs = (m) => Object.keys(MATERIAL_FIELDS).map((name) => hex(m[name])).join(' ');

function askNative(question) {
  return JSON.parse(execFileSync(NATIVE_ANSWERS, { input: `${question}\n` }).toString());
}

// The values of a CSV text's rows, the header's first: quoted values read as written.
function csvRows(text) {
  const rows = [];
  let row = [];
  let value = '';
  let quoted = false;
  for (let i = 0; i < text.length; i++) {
    const c = text[i];
    if (quoted) {
      if (c === '"' && text[i + 1] === '"') {
        value += c;
        i++;
      } else if (c === '"') {
        quoted = false;
      } else {
        value += c;
      }
    } else if (c === '"') {
      quoted = true;
    } else if (c === ',' || c === '\n') {
      row.push(value);
      value = '';
      if (c === '\n') rows.push(row), row = [];
    } else {
      value += c;
    }
  }
  return rows;
}

// A page of a browser of its own (the materials and the schedule are remembered), with
// nothing remembered yet.
async function freshPage(browser, hash = '', init = null) {
  const page = await openPage(browser);
  await page.evaluate(() => localStorage.clear());
  if (init) await page.addInitScript(init);
  await page.reload();
  await page.waitForSelector('#design-form:not([aria-busy])');
  if (hash) await page.evaluate((address) => { location.hash = address; }, hash);
  return page;
}

async function setMaterials(page, materials) {
  await page.evaluate(() => { document.getElementById('Materials').open = true; });
  for (const [name, id] of Object.entries(MATERIAL_FIELDS)) {
    if (name === 'barDiameter') {
      await page.selectOption(`#${id}`, materials[name]);
    } else {
      await page.fill(`#${id}`, '');
      await page.click(`#${id}`);
      await page.keyboard.insertText(materials[name]);
    }
  }
}

const scheduleShown = (page) => page.waitForFunction(() =>
  !document.getElementById('ScheduleResults').hidden &&
  !document.getElementById('ScheduleTable').hasAttribute('aria-busy') &&
  !document.getElementById('ScheduleTypes').hasAttribute('aria-busy'));

const readSchedule = (page) => page.evaluate(() => ({
  levels: [...document.querySelectorAll('#ScheduleTable tbody tr')].map((row) => ({
    mark: row.dataset.mark, level: row.dataset.level,
    cells: Object.fromEntries([...row.cells].map((cell) => [cell.dataset.key, cell.textContent])),
  })),
  types: [...document.querySelectorAll('#ScheduleTypes tbody tr')].map((row) =>
    Object.fromEntries([...row.cells].map((cell) => [cell.dataset.key, cell.textContent]))),
}));

// What the page's tables should hold for the native schedule: every row of its CSV, and its
// types and totals.
function expectedSchedule(native) {
  const [header, ...rows] = csvRows(Buffer.from(native.csv, 'hex').toString().slice(1));
  return {
    levels: rows.map((values) => ({ mark: values[0], level: values[2],
      cells: Object.fromEntries(header.map((key, i) => [key, values[i]])) })),
    types: native.typeRows.filter((row) => row.cells[0]).map(({ total, cells }) =>
      [total ? 'المجموع' : cells[0], cells[2], cells[6], cells[7]]),
  };
}

// Each type's first row, and the total's: its name, count and quantities.
const typeFigures = (types) => types.filter((type) => type.type).map((type) => [type.type,
  type.count, type.concrete, type.steel]);

async function readScheduleFile(page, name, content) {
  await page.setInputFiles('#ScheduleFile', { name, mimeType: 'text/csv',
    buffer: Buffer.from(content) });
}

// Every visible control of the view is at least 44 px each way.
const smallestControl = (page, view) => page.evaluate((view) => Math.min(
  ...[...document.querySelectorAll(`#${view} button, #${view} input, #${view} select, ` +
    `#${view} .file-button`)]
    .filter((element) => element.offsetParent !== null && element.type !== 'file')
    .flatMap((element) => [element.offsetWidth, element.offsetHeight])), view);

describe('materials, the calculation sheet and the column schedule', () => {
  let browser;
  before(async () => {
    browser = await launchBrowser(PHONE);
    browser.context.on('request', (request) => requestedUrls.push(request.url()));
  });
  after(() => browser?.close());

  const designs = [
    { materials: DEFAULTS, load: '50', floors: '7' },
    { materials: { fcu: '300', fy: '4000', width: '40', barDiameter: '20', loadFactor: '1.2' },
      load: '80', floors: '5' },
    { materials: { fcu: '٤٠٠', fy: '3600', width: '25', barDiameter: '12', loadFactor: '1٫5' },
      load: '20', floors: '9' },
  ];
  for (const { materials, load, floors } of designs) {
    test(`fcu ${materials.fcu}, d ${materials.barDiameter}: ${load} t on ${floors} floors as the ` +
         'native engine designs it, and the choices kept', async () => {
      const page = await freshPage(browser);
      await setMaterials(page, materials);
      await pressResults(page, load, floors);
      const native = askNative(`working ${hex(load)} ${hex(floors)} ${materialsArgs(materials)}`);
      assert.deepEqual(await readResults(page), { shown: true, width: native.materials.widthText,
        length: native.lengthText, diameter: native.materials.barDiameterText,
        bars: native.barCountText });
      assert.equal(await page.locator('#section-drawing circle').count(),
                   Number(native.barCountText));
      await page.reload();
      await page.waitForSelector('#design-form:not([aria-busy])');
      const kept = () => page.evaluate((fields) => Object.fromEntries(Object.entries(fields)
        .map(([name, id]) => [name, document.getElementById(id).value])), MATERIAL_FIELDS);
      assert.deepEqual(await kept(), materials);
      await page.evaluate(() => { document.getElementById('Materials').open = true; });
      await page.click('#MaterialsReset');
      assert.deepEqual(await kept(), DEFAULTS);
      await page.close();
    });
  }

  const refusals = [
    { name: 'fcu', text: '700', message: 'مقاومة الخرسانة fcu من 150 إلى 600 kg/cm²' },
    { name: 'width', text: '30.5', message: 'عرض العمود عدد صحيح من 20 إلى 100 cm' },
    { name: 'loadFactor', text: '2.5', message: 'معامل زيادة الحمل من 1 إلى 2' },
  ];
  for (const { name, text, message } of refusals) {
    const id = MATERIAL_FIELDS[name];
    test(`${id} ${text} is refused with the engine's range, and no result or sheet stands`,
         async () => {
      const page = await freshPage(browser);
      await pressResults(page, '50', '7');
      assert.equal(await page.isVisible('#SheetButton'), true);
      await setMaterials(page, { ...DEFAULTS, [name]: text });
      assert.equal(await page.textContent('#materials-problem'), message);
      await page.click('#Command1');
      await page.waitForSelector('#message[open]');
      assert.equal(await page.textContent('#message-text'), message);
      await page.keyboard.press('Enter');
      await page.waitForFunction((id) => document.activeElement?.id === id, id);
      assert.deepEqual([(await readResults(page)).shown, await page.isVisible('#SheetButton')],
                       [false, false]);
      await page.close();
    });
  }

  test('the sheet of the last successful Results, printed to PDF by the browser, reads back whole',
       async () => {
    const page = await freshPage(browser);
    const materials = { ...DEFAULTS, fcu: '300', barDiameter: '20' };
    await setMaterials(page, materials);
    await pressResults(page, '50', '9');
    await typeInto(page, 'Text1', '0');  // edited after Results: the sheet keeps 50
    await page.click('#SheetButton');
    await page.waitForSelector('#Sheet:not([hidden])');
    await page.evaluate(() => {
      window.print = () => { window.printed = true; };
    });
    await page.click('#SheetPrint');
    assert.equal(await page.evaluate(() => window.printed), true);
    const pdf = join(await mkdtemp(join(tmpdir(), 'coldesign-sheet-')), 'sheet.pdf');
    await page.pdf({ path: pdf, preferCSSPageSize: true });
    const pages = Number(/Pages:\s+(\d+)/.exec(execFileSync('pdfinfo', [pdf]).toString())[1]);
    // Read back without the marks of direction and the parentheses, which the reader of a
    // left-to-right line inside right-to-left text may move to the other end.
    const plain = (text) => text.replace(/[\u200e\u200f\u202a-\u202e\u2066-\u2069()]/g, '')
      .replace(/\s+/g, ' ');
    const text = plain(execFileSync('pdftotext', [pdf, '-']).toString());
    await rm(dirname(pdf), { recursive: true });
    const w = askNative(`working ${hex('50')} ${hex('9')} ${materialsArgs(materials)}`);
    assert.equal(pages, 1);
    for (const expected of ['المدخلات', 'إجهاد التحمل', 'خطوات الحساب', 'القطاع المختار',
      'رسم القطاع', 'حدود التصميم', '50 t', '300 kg/cm²',
      `0.35 × 300 + 0.67 × 3600 × 1% = ${w.materials.carryingStressText} kg/cm²`,
      `= 9 × (1.1 × 50) × 1000 ÷ ${w.materials.carryingStressText} = ${w.requiredAreaText} cm²`,
      `Ac ÷ b = ${w.requiredAreaText} ÷ 30 = ${w.working.lengthQuotientText}`,
      `max(${w.working.steelShareText}, ${w.working.leastSteelText})`,
      `As = ${w.steelAreaText} cm²`,
      `As ÷ ${w.materials.barAreaText} = ${w.steelAreaText} ÷ ${w.materials.barAreaText} = ` +
        w.working.barQuotientText,
      `30 × ${w.lengthText} cm`, `${w.barCountText} Φ20`, `${w.working.steelRatioPercentText} %`,
      'يتجاوز هذا الحد']) {
      assert.ok(text.includes(plain(expected)), `the sheet's PDF lacks "${expected}": ${text}`);
    }
    await page.goBack();
    await pressResults(page, '10000', '100');
    await page.waitForSelector('#message[open]');
    await page.keyboard.press('Enter');
    assert.equal(await page.isVisible('#SheetButton'), false, 'a failed Results forgets the sheet');
    await page.close();
  });

  test('where the browser shares, the sheet sends the results as text', async () => {
    const page = await freshPage(browser, '', () => {
      navigator.share = async (data) => { window.shared = data; };
    });
    await pressResults(page, '50', '7');
    await page.click('#SheetButton');
    await page.click('#SheetShare');
    const shared = await page.waitForFunction(() => window.shared).then((h) => h.jsonValue());
    assert.match(shared.text, /عدد الأسياخ: 18 Φ16/);
    assert.match(shared.title, /30 × 115 cm$/);
    await page.close();
  });

  // A file as a spreadsheet saves it: BOM, Arabic names, semicolons, CRLF, Arabic-Indic digits,
  // a quoted mark, a repeated mark and a load too large to design.
  // Moments on two columns: every level of theirs is designed with them.
  const FILE = '\ufeffالرمز;الحمل;الأدوار;العدد;عزم x;عزم y\r\nC1;50;٧;2;20;-5\r\n' +
    '"C;2";١٠٠;3;;;\r\nC3;30;4;;;٣\r\nC1;1e300;2;1;;\r\n';
  // The file's moments as the table shows them, read as numbers.
  const FILE_MOMENTS = [['20', '-5'], ['', ''], ['', '3'], ['', '']];
  const CHOICES = { materials: { ...DEFAULTS, fcu: '300', barDiameter: '20' }, height: '3.5' };
  const COMMAND_LINE_OPTIONS = ['--fcu', '300', '--bar', '20', '--floor-height', '3.5'];

  test('a CSV file read at #schedule: its levels, types and download as the command line',
       async () => {
    const page = await freshPage(browser);
    await setMaterials(page, CHOICES.materials);
    await page.goto(`${server.origin}/#schedule`);
    await page.waitForSelector('#Schedule:not([hidden]):not([aria-busy])');
    await page.fill('#FloorHeight', CHOICES.height);
    await readScheduleFile(page, 'building.csv', FILE);
    await scheduleShown(page);
    const native = askNative(`schedule ${hex(FILE)} ${materialsArgs(CHOICES.materials)} ` +
                             hex(CHOICES.height));
    const expected = expectedSchedule(native);
    const shown = await readSchedule(page);
    assert.deepEqual(shown.levels, expected.levels);
    assert.deepEqual(typeFigures(shown.types), expected.types);
    assert.deepEqual(await page.$$eval('#ScheduleColumns tbody tr', (rows) => rows.map(
      (row) => [...row.querySelectorAll('input')].map((input) => input.value))),
    native.columns.map((c, i) => [c.mark, c.loadText, c.floorsText, c.countText,
      ...FILE_MOMENTS[i]]));

    const [download] = await Promise.all([page.waitForEvent('download'),
      page.click('#ScheduleDownload')]);
    assert.equal(download.suggestedFilename(), 'schedule.csv');
    const downloaded = await readFile(await download.path());
    assert.deepEqual(downloaded, Buffer.from(native.csv, 'hex'));
    if (PROGRAM) {
      const folder = await mkdtemp(join(tmpdir(), 'coldesign-cli-'));
      await writeFile(join(folder, 'building.csv'), FILE);
      spawnSync(PROGRAM, ['schedule', join(folder, 'building.csv'), '-o', join(folder, 'out.csv'),
        ...COMMAND_LINE_OPTIONS], { env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' } });
      assert.deepEqual(downloaded, await readFile(join(folder, 'out.csv')));
      await rm(folder, { recursive: true });
    }
    await page.close();
  });

  const badFiles = [
    { name: 'bad.csv', content: 'mark,load,floors\nC1,5,x\n' },
    { name: 'bad.csv', content: 'mark,load\nC1,5\n' },
    { name: 'bad.csv', content: 'mark;load;floors\n"C1;5;2\n' },
    { name: 'bad.csv', content: 'mark,load,floors,my\nC1,5,2,1\nC2,5,2,1 t.m\n' },
  ];
  for (const { name, content } of badFiles) {
    test(`${JSON.stringify(content)}: the command line's message, and the tables kept`,
         async () => {
      const page = await freshPage(browser, '#schedule');
      await page.waitForSelector('#Schedule:not([aria-busy])');
      await readScheduleFile(page, 'building.csv', FILE);
      await scheduleShown(page);
      const before = await readSchedule(page);
      await readScheduleFile(page, name, content);
      await page.waitForSelector('#message[open]');
      const message = await page.textContent('#message-text');
      const native = askNative(`schedule ${hex(content)} ${materialsArgs(DEFAULTS)} ${hex('3')}`);
      assert.equal(native.problem, 'input');
      if (PROGRAM) {
        const folder = await mkdtemp(join(tmpdir(), 'coldesign-cli-'));
        await writeFile(join(folder, name), content);
        const run = spawnSync(PROGRAM, ['schedule', name], { cwd: folder,
          env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' } });
        await rm(folder, { recursive: true });
        assert.equal(message, run.stderr.toString().split('\n')[0]);
      }
      assert.match(message, new RegExp(`^${name}، السطر ${native.line}`));
      await page.keyboard.press('Enter');
      assert.deepEqual(await readSchedule(page), before);
      await page.close();
    });
  }

  test('rows pasted from a spreadsheet are designed as the same rows in a CSV file', async () => {
    const page = await freshPage(browser, '#schedule');
    await page.waitForSelector('#Schedule:not([aria-busy])');
    await page.evaluate(() => {
      const paste = new DataTransfer();
      paste.setData('text/plain', 'C1\t50\t3\t2\r\nC,2\t٣٠\t2\t\r\n');
      document.querySelector('#ScheduleColumns input').dispatchEvent(new ClipboardEvent('paste',
        { clipboardData: paste, bubbles: true, cancelable: true }));
    });
    await page.click('#ScheduleDesign');
    await scheduleShown(page);
    const file = 'mark,load,floors,count\nC1,50,3,2\n"C,2",٣٠,2,\n';
    const native = askNative(`schedule ${hex(file)} ${materialsArgs(DEFAULTS)} ${hex('3')}`);
    assert.deepEqual((await readSchedule(page)).levels, expectedSchedule(native).levels);
    await page.fill('#ScheduleColumns tbody tr:nth-child(2) input[data-field="floors"]', '0');
    await page.click('#ScheduleDesign');
    await page.waitForSelector('#message[open]');
    assert.equal(await page.textContent('#message-text'),
                 'في الجدول صف لم يقرأ، فصححه أولا: الصف 2، العمود «عدد الأدوار»: ' +
                 'عدد الأدوار من 1 إلى 200');
    await page.keyboard.press('Enter');
    await page.close();
  });

  test('on a 360 px phone the schedule scrolls in its own boxes under a header that stays, ' +
       'the page never sideways, every control 44 px', async () => {
    const page = await freshPage(browser, '#schedule');
    await page.waitForSelector('#Schedule:not([aria-busy])');
    await readScheduleFile(page, 'building.csv', FILE);
    await scheduleShown(page);
    const layout = await page.evaluate(() => {
      const box = document.querySelector('.levels-box');
      box.scrollTop = 200;
      const header = document.querySelector('#ScheduleTable th').getBoundingClientRect();
      return {
        pageSideways: document.documentElement.scrollWidth > document.documentElement.clientWidth,
        boxSideways: box.scrollWidth > box.clientWidth,
        headerAtTop: Math.abs(header.top - box.getBoundingClientRect().top) <= 1,
      };
    });
    assert.deepEqual(layout, { pageSideways: false, boxSideways: true, headerAtTop: true });
    assert.ok(await smallestControl(page, 'Schedule') >= 44);
    await page.close();
  });
});

// Last: what every test above asked the network for, and what the pages reported.
test('no request left 127.0.0.1, and no page reported an error or opened a browser box', () => {
  assert.ok(requestedUrls.length > 0);
  const elsewhere = requestedUrls.filter((url) => !url.startsWith(`${server.origin}/`));
  assert.deepEqual(elsewhere, []);
  assert.deepEqual(pageProblems, []);
});
