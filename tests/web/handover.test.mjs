// On a phone the first frame needs under 100 KB compressed, the firmware's
// small module among them; the module with the tools, held back here, takes
// over exactly where the firmware alone stood after keys, an input and ticks.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { test } from 'node:test';
import { gzipSync } from 'node:zlib';

import { siteDir, siteInBrowser } from './browser.mjs';

const session = siteInBrowser();

test('a phone\'s first frame under 100 KB compressed; the tools take over at the same state', async () => {
  const page = await session.browser.newPage();
  await page.setViewport({ width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true });
  await page.setRequestInterception(true);
  let release;
  const held = new Promise((go) => { release = go; });
  page.on('request', (request) => {
    if (request.url().endsWith('/axim7.wasm')) held.then(() => request.continue());
    else request.continue();
  });
  await page.goto(session.server.url, { waitUntil: 'domcontentloaded' });
  await page.waitForFunction(() => performance.getEntriesByName('axim-first-frame').length === 1);
  const before = await page.evaluate(() => {
    const shown = performance.getEntriesByName('axim-first-frame')[0].startTime;
    return performance.getEntriesByType('resource').filter((r) => r.responseEnd <= shown)
      .map((r) => new URL(r.name).pathname);
  });
  const bytes = ['/index.html', ...before].reduce((sum, path) =>
    sum + gzipSync(readFileSync(join(siteDir, path))).length, 0);
  assert.ok(!before.includes('/axim7.wasm') && bytes < 100_000, `${bytes} bytes: ${before.join(' ')}`);

  // By hand on the firmware alone: on, keys, the volts moved, ticks.
  await page.click('#on');
  await new Promise((wait) => setTimeout(wait, 600));
  for (const key of ['#f1', '#knob', '#plus']) await page.click(key);
  await page.$eval('#in0', (bar) => { bar.value = 3000; bar.dispatchEvent(new Event('input')); });
  await new Promise((wait) => setTimeout(wait, 900));
  assert.equal(await page.evaluate(() => window.aximPage.ready), undefined);
  release();
  await page.waitForFunction(() => window.aximPage?.ready === true, { timeout: 10000 });
  const { calls, same } = await page.evaluate(() => window.aximPage.handOver);
  assert.ok(same && calls > 20, `${calls} calls, same: ${same}`);
  await page.close();
});
