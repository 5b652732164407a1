// Screenshots of a lesson step in the page: node shoot-lesson.mjs OUT_DIR
// (a desktop and a phone), for the README.
import { mkdirSync } from 'node:fs';
import { join } from 'node:path';
import { launch, openPage, serveSite } from './browser.mjs';

const out = process.argv[2] ?? 'build/web/shots';
mkdirSync(out, { recursive: true });
const server = await serveSite();
const browser = await launch();
const views = [
  ['lesson-page-desktop', { width: 900, height: 640, dpr: 1 }],
  ['lesson-page-phone', { width: 390, height: 844, dpr: 1, mobile: true, touch: true }],
];
try {
  for (const [name, view] of views) {
    const page = await openPage(browser, server.url, view);
    await page.evaluate(() => {
      if (!document.getElementById('hint').hidden) document.getElementById('hintOk').click();
      window.aximPage.lessons.play('5-alarm-level.yaml');
    });
    await page.waitForFunction(() => window.aximPage.lessons.state().done === 0 &&
      document.getElementById('caption').textContent.startsWith('Open the main menu'),
    { timeout: 15000, polling: 50 });
    await page.screenshot({ path: join(out, `${name}.png`), fullPage: true });
    await page.close();
  }
} finally {
  await browser.close();
  server.close();
}
