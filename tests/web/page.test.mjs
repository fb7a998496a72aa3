// The page in a real headless Chromium, served from 127.0.0.1: typed as a user types it.
// COLDESIGN_WEB_DIR names the assembled page (build/web).

import assert from 'node:assert/strict';
import { existsSync } from 'node:fs';
import { join } from 'node:path';
import { after, before, describe, test } from 'node:test';
import { DESKTOP, PHONE, launchBrowser, startServer, waitUntilOffline } from './browser.mjs';

const WEB_DIR = process.env.COLDESIGN_WEB_DIR;
const EMPTY = 'لا يمكن ترك هذا الحقل فارغا';
const NEGATIVE = 'لا يمكن أن تكون القيمة سالبة';
const OVERFLOW = 'القيم المدخلة كبيرة جدا ولا يمكن حسابها';

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

// Pastes each input whole (a lone "-" typed first would not stay) and presses Results.
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
    { typed: '-', kept: '' },
    { typed: '.', kept: '' },
    { typed: '٤x٢', kept: '٤٢' },
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

  test('a comma is dropped with a hint about the decimal mark, gone at the next key', async () => {
    const page = await openPage();
    await typeInto(page, 'Text1', '1,');
    assert.equal(await page.inputValue('#Text1'), '1');
    assert.equal(await page.isVisible('#Text1-hint'), true);
    assert.match(await page.textContent('#Text1-hint'), /«\.» أو «٫»/);
    await page.keyboard.type('5');
    assert.equal(await page.inputValue('#Text1'), '15');
    assert.equal(await page.isVisible('#Text1-hint'), false);
    await page.close();
  });
});

describe('messages', () => {
  const cases = [
    { load: '', floors: '', message: EMPTY, focusAfter: 'Text1' },
    { load: '10', floors: '', message: EMPTY, focusAfter: 'Text3' },
    { load: '-10', floors: '5', message: NEGATIVE },
    { load: '10', floors: '-5', message: NEGATIVE },
  ];
  for (const { load, floors, message, focusAfter } of cases) {
    test(`"${load}" and "${floors}": ${message}, results still hidden`, async () => {
      const page = await openPage();
      await pressResults(page, load, floors);
      assert.deepEqual(await readMessage(page),
                       { open: true, text: message, focused: 'message-ok', button: 'موافق' });
      await page.keyboard.press('Enter');
      assert.equal((await readMessage(page)).open, false);
      assert.equal((await readResults(page)).shown, false);
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
test('the page refuses inline script and anything from another host', async () => {
  const browser = await launchBrowser(DESKTOP);
  try {
    const page = await browser.context.newPage();
    await page.goto(`${server.origin}/`);
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
