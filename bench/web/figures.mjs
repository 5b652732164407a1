// The web edition's figures: the site's transfer size gzipped, the time to
// the first frame from a local server, a pass in WebAssembly against the
// same pass native, and the CPU the page takes while the display stands
// still. Run after ./setup.sh web (or test):  node bench/web/figures.mjs
// Writes the report to stdout and to build/web/figures.txt.
import { execFileSync } from 'node:child_process';
import { readFileSync, writeFileSync } from 'node:fs';
import { join, resolve } from 'node:path';
import { gzipSync } from 'node:zlib';

import { launch, openPage, serveSite, siteDir } from '../../tests/web/browser.mjs';

const root = resolve(new URL('.', import.meta.url).pathname, '../..');
const lines = [];
const say = (line) => { console.log(line); lines.push(line); };
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

const server = await serveSite();
const browser = await launch();
try {
  // 1. What a first visit transfers, gzipped as a web server would send it:
  //    before the first frame on a phone and on a desktop (which also shows
  //    the face's picture), and in all (the service worker then keeps the
  //    whole site).
  const gzipped = (path) => gzipSync(readFileSync(join(siteDir, path)), { level: 9 }).length;
  for (const [view, size] of [['a phone', { width: 390, height: 844, dpr: 3, mobile: true, touch: true }],
                              ['a desktop', { width: 1000, height: 700 }]]) {
    server.requests.length = 0;
    const context = await browser.createBrowserContext();
    const first = await openPage(context, server.url, size);
    const early = await first.evaluate(() => {
      const shown = performance.getEntriesByName('axim-first-frame')[0].startTime;
      return performance.getEntriesByType('resource').filter((r) => r.responseEnd <= shown)
        .map((r) => new URL(r.name).pathname);
    });
    const before = ['/index.html', ...early].reduce((sum, path) => sum + gzipped(path), 0);
    say(`Before the first frame on ${view}: ${(before / 1024).toFixed(1)} KB gzipped (${early.join(' ')})`);
    if (view === 'a phone') {
      const loaded = [...new Set(server.requests)].map((p) => (p.endsWith('/') ? `${p}index.html` : p));
      const total = loaded.reduce((sum, path) => sum + gzipped(path), 0);
      say(`The first visit in all, the whole site kept: ${(total / 1024).toFixed(1)} KB gzipped`);
    }
    await first.close();
    await context.close();
  }

  // 2. From the start of navigation to the first frame on the canvas, each
  //    visit in a fresh context (nothing cached).
  const times = [];
  for (let i = 0; i < 5; i += 1) {
    const fresh = await browser.createBrowserContext();
    const page = await openPage(fresh, server.url, { width: 1000, height: 700 });
    times.push(await page.evaluate(() => performance.getEntriesByName('axim-first-frame')[0].startTime));
    await fresh.close();
  }
  say(`Time to first frame: median ${median(times).toFixed(0)} ms of 5 ` +
      `(${times.map((t) => t.toFixed(0)).join(', ')}) (target under 1000 ms)`);

  // 3. The same passes in WebAssembly (node) and native (the native build's
  //    firmware library, as the release build optimises it).
  const wasm = execFileSync('node', [join(root, 'build/web/web_pass_timing.js')]).toString();
  const binary = join(root, 'build/web/pass-timing-native');
  execFileSync('c++', ['-std=c++20', '-O3', '-DNDEBUG', `-I${root}`, join(root, 'bench/web/PassTiming.cpp'),
                       join(root, 'build/release/libfirmware.a'), '-o', binary]);
  const native = execFileSync(binary).toString();
  const mean = (text) => Number(/mean: (\d+)/.exec(text)[1]);
  // Both read back what each pass drew; the same sum says both drew the same.
  const seen = (text) => /frames read: (\d+)/.exec(text)[1];
  if (seen(wasm) !== seen(native)) throw new Error('the WebAssembly passes drew other frames than the native ones');
  say(`Pass: ${mean(wasm)} ns in WebAssembly, ${mean(native)} ns native: ` +
      `${(mean(wasm) / mean(native)).toFixed(2)}x (target at most 1.5x)`);

  // 4. The page on, on the main menu (nothing moves on the display), for 10 s:
  //    the CPU of all of Chromium's processes, and of the page's own thread
  //    (ordinary readings, so no alarm blinks).
  const page = await openPage(browser, server.url, { width: 1000, height: 700 });
  await page.click('#on');
  await page.$eval('#on', (b) => b.blur());
  await page.evaluate(() => {
    for (const [id, count] of [['in0', 1450], ['in1', 2048], ['in2', 2426]]) {
      const bar = document.getElementById(id);
      bar.value = count;
      bar.dispatchEvent(new Event('input'));
    }
  });
  await page.keyboard.press('Enter');
  await new Promise((r) => setTimeout(r, 1500));
  const session = await page.createCDPSession();
  await session.send('Performance.enable');
  const metric = async (name) => (await session.send('Performance.getMetrics')).metrics
    .find((m) => m.name === name).value;
  const processes = () => {
    const pids = execFileSync('pgrep', ['-f', `user-data-dir=${browser.process().spawnargs
      .find((a) => a.startsWith('--user-data-dir=')).slice(16)}`]).toString().trim().split('\n');
    let ticks = 0;
    for (const pid of pids) {
      try {
        const fields = readFileSync(`/proc/${pid}/stat`, 'latin1').split(') ')[1].split(' ');
        ticks += Number(fields[11]) + Number(fields[12]);
      } catch { /* gone */ }
    }
    return ticks / 100;  // seconds at 100 ticks a second
  };
  const seconds = 10;
  const task0 = await metric('TaskDuration'), cpu0 = processes(), passes0 = await page.evaluate(() => window.aximPage.passes);
  await new Promise((r) => setTimeout(r, seconds * 1000));
  const task1 = await metric('TaskDuration'), cpu1 = processes(), passes1 = await page.evaluate(() => window.aximPage.passes);
  say(`Idle CPU (display standing still, ${((passes1 - passes0) / seconds).toFixed(0)} passes a second): ` +
      `page thread ${(100 * (task1 - task0) / seconds).toFixed(2)} % of a core, ` +
      `all of Chromium ${(100 * (cpu1 - cpu0) / seconds).toFixed(1)} % (target at most 2 %)`);
  await page.close();
} finally {
  await browser.close();
  await server.close();
}
writeFileSync(join(root, 'build/web/figures.txt'), `${lines.join('\n')}\n`);
