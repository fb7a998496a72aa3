// The page in a real headless Chromium, served from 127.0.0.1: typed as a user types it.
// COLDESIGN_WEB_DIR names the assembled page (build/web).

import assert from 'node:assert/strict';
import { existsSync } from 'node:fs';
import { cp, mkdtemp, readFile, rm, symlink, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
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

// Last: what every test above asked the network for, and what the pages reported.
test('no request left 127.0.0.1, and no page reported an error or opened a browser box', () => {
  assert.ok(requestedUrls.length > 0);
  const elsewhere = requestedUrls.filter((url) => !url.startsWith(`${server.origin}/`));
  assert.deepEqual(elsewhere, []);
  assert.deepEqual(pageProblems, []);
});
