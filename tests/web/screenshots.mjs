// Writes the page's screenshots, on a phone and on a desktop, into the folder given (with a
// message box, the materials, the calculation sheet and the column schedule on the phone only):
// node tests/web/screenshots.mjs build/web docs/screenshots
import { join } from 'node:path';
import { DESKTOP, PHONE, launchBrowser, startServer } from './browser.mjs';

const [webDir, outputDir] = process.argv.slice(2);
if (!webDir || !outputDir) {
  console.error('usage: screenshots.mjs WEB_DIR OUTPUT_DIR');
  process.exit(2);
}

const server = await startServer(webDir);
try {
  for (const [name, device] of [['phone', PHONE], ['desktop', DESKTOP]]) {
    const browser = await launchBrowser(device);
    try {
      const page = await browser.context.newPage();
      await page.goto(`${server.origin}/`);
      await page.fill('#Text1', '50');
      await page.fill('#Text3', '7');
      await page.click('#Command1');
      await page.waitForSelector('#Text8:not(:empty)');
      await page.evaluate(() => document.fonts.ready);
      await page.screenshot({ path: join(outputDir, `web-${name}-result.png`), fullPage: true });
      await page.click('#Command3');
      await page.waitForFunction(() => document.getElementById('Form1-Picture1').complete);
      await page.evaluate(() => document.fonts.ready);
      await page.screenshot({ path: join(outputDir, `web-${name}-notes.png`), fullPage: true });
      if (device === PHONE) {
        await page.click('#Form1-Command1');
        await page.fill('#Text3', '');
        await page.click('#Command1');
        await page.waitForSelector('#message[open]');
        await page.screenshot({ path: join(outputDir, `web-${name}-message.png`) });
        await page.keyboard.press('Enter');
        await page.click('#Materials summary');
        await page.selectOption('#BarDiameter', '20');
        await page.fill('#Text3', '7');
        await page.click('#Command1');
        await page.locator('#Materials').scrollIntoViewIfNeeded();
        await page.screenshot({ path: join(outputDir, `web-${name}-materials.png`) });
        await page.click('#SheetButton');
        await page.screenshot({ path: join(outputDir, `web-${name}-sheet.png`) });
        await page.click('#SheetBack');
        await page.click('#ScheduleButton');
        await page.waitForSelector('#Schedule:not([aria-busy])');
        await page.setInputFiles('#ScheduleFile', { name: 'building.csv', mimeType: 'text/csv',
          buffer: Buffer.from('الرمز,الحمل,الأدوار,العدد\nC1,50,7,4\nC2,100,7,2\nC3,30,4,6\n') });
        await page.waitForSelector('#ScheduleTable:not([aria-busy]) tbody tr');
        // On screen, not whole: the rows out of sight are drawn as they come into sight.
        await page.locator('#ScheduleResults h2').first().scrollIntoViewIfNeeded();
        await page.screenshot({ path: join(outputDir, `web-${name}-schedule.png`) });
        await page.evaluate(() => localStorage.clear());
      }
    } finally {
      await browser.close();
    }
  }
} finally {
  await server.stop();
}
