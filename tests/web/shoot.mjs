// Screenshots of the page: node shoot.mjs OUT_DIR [URL_QUERY]
// dpr 1, dpr 1.5, a phone and a tablet held upright, and a full HD screen at
// 1.5, the instrument on.
import { mkdirSync } from 'node:fs';
import { join } from 'node:path';
import { launch, openPage, serveSite } from './browser.mjs';

const out = process.argv[2] ?? 'build/web/shots';
const query = process.argv[3] ?? '';
mkdirSync(out, { recursive: true });
const server = await serveSite();
const browser = await launch();
const views = [
  ['desktop-dpr1', { width: 900, height: 640, dpr: 1 }],
  ['desktop-dpr1.5', { width: 900, height: 640, dpr: 1.5 }],
  ['phone', { width: 390, height: 844, dpr: 3, mobile: true, touch: true }],
  ['tablet', { width: 820, height: 1180, dpr: 2, mobile: true, touch: true }],
  ['desktop-1080', { width: 1920, height: 1080, dpr: 1.5 }],
];
try {
  for (const [name, view] of views) {
    const page = await openPage(browser, `${server.url}${query}`, view);
    await page.evaluate(() => {
      for (const [id, value] of [['in0', 1479], ['in1', 2568], ['in2', 2426]]) {
        const bar = document.getElementById(id);
        bar.value = value;
        bar.dispatchEvent(new Event('input'));
      }
      document.getElementById('on').click();
    });
    await new Promise((r) => setTimeout(r, 600));
    await page.screenshot({ path: join(out, `${name}.png`) });
    if (page.problems.length) console.log(name, page.problems);
    await page.close();
  }
} finally {
  await browser.close();
  await server.close();
}
