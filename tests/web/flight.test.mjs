// The page's flight data panel in headless Chromium: inputs typed in their
// units, a named state, a flight log chosen and played from the page's tick,
// a hostile log refused by line and column, and the accelerometer (overridden
// through the DevTools protocol) driving the axes.
import assert from 'node:assert/strict';
import { mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, test } from 'node:test';

import { openPage, siteInBrowser } from './browser.mjs';

const session = siteInBrowser();
const dir = mkdtempSync(join(tmpdir(), 'axim7-flight-'));
after(() => rmSync(dir, { recursive: true, force: true }));

const value = (page, input) => page.evaluate((i) => window.aximPage.module._axim_input_value(i), input);
const bar = (page, input) => page.$eval(`#in${input}`, (e) => Number(e.value));
const message = (page) => page.$eval('#flightMessage', (e) => e.textContent);
async function type(page, input, text) {
  await page.$eval(`#unit${input}`, (e) => { e.value = ''; });
  await page.type(`#unit${input}`, text);
  await page.keyboard.press('Enter');
}
// The count a typed value becomes, learnt through the page itself.
async function countOf(page, input, text) {
  await type(page, input, text);
  return value(page, input);
}
async function openPanel() {
  const page = await openPage(session.browser, session.server.url);
  if (await page.$eval('#hint', (h) => !h.hidden)) await page.click('#hintOk');
  if (!(await page.$eval('#more', (d) => d.open))) await page.click('#more > summary');
  await page.click('#flightData > summary');
  return page;
}

test('typed values, the held end and a refused unit; a named state', async () => {
  const page = await openPanel();
  await type(page, 0, '14.2 V');
  assert.match(await page.$eval('#out0', (e) => e.value), /14\.2 V/);
  assert.equal(await bar(page, 0), await value(page, 0), 'the Volts bar follows');
  assert.match(await page.$eval('#flightFields output', (e) => e.value), /counts: 14\.2 V/);
  const before = await value(page, 0);
  await type(page, 0, '3 furlongs');
  assert.match(await message(page), /furlongs/);
  assert.equal(await value(page, 0), before);
  await type(page, 0, '99');
  assert.match(await message(page), /beyond/);
  assert.equal(await value(page, 0), await page.$eval('#in0', (e) => Number(e.max)));
  const turn = await countOf(page, 5, '-2 g');
  await type(page, 5, '0 g');
  const [button] = await page.$$('xpath/.//button[text()="Steep turn 60°"]');
  await button.click();
  assert.equal(await value(page, 5), turn);
  assert.equal(await bar(page, 5), turn);
  assert.deepEqual(page.problems, []);
  await page.close();
});

test('a chosen log plays from the tick to its last row; a bad one is named by line', async () => {
  const page = await openPanel();
  const [v12, v14] = [await countOf(page, 0, '12 V'), await countOf(page, 0, '14 V')];
  writeFileSync(join(dir, 'short.csv'), 'time(s),volts(V),oat(C)\n0,12.0,15\n1,13.0,10\n2,14.0,5\n');
  writeFileSync(join(dir, 'bad.csv'), 'time(s),volts(V)\n0,12.0\n2,13.0\n1,14.0\n');
  const chooser = await page.$('#logFile');
  await chooser.uploadFile(join(dir, 'bad.csv'));
  await page.waitForFunction(() => /bad\.csv:4:\d+/.test(document.getElementById('flightMessage').textContent));
  await chooser.uploadFile(join(dir, 'short.csv'));
  await page.waitForFunction(() => /Opened/.test(document.getElementById('flightMessage').textContent));
  assert.equal(await value(page, 0), v12, 'the first row at once');
  await page.select('#logSpeed', '8');
  await page.click('#logPlay');
  await page.waitForFunction(() => window.aximPage.module._axim_log_position() > 0);
  const between = await bar(page, 0);
  assert.ok(between >= v12 && between <= v14, `${between}`);
  await page.waitForFunction(() => window.aximPage.module._axim_log_playing() === 0, { timeout: 5000 });
  assert.equal(await value(page, 0), v14, 'the last row stays');
  assert.equal(await page.$eval('#logTime', (e) => e.value), '0:02.0 / 0:02.0');
  await page.click('#logBack');
  assert.equal(await page.$eval('#logPosition', (e) => Number(e.value)), 10);
  assert.deepEqual(page.problems, []);
  await page.close();
});

test('a log of other names plays by the columns chosen in the panel', async () => {
  const page = await openPanel();
  const [v125, oat20, oat10] = [await countOf(page, 0, '12.5 V'), await countOf(page, 2, '20 C'),
                                await countOf(page, 2, '10 C')];
  const current = await value(page, 1);
  writeFileSync(join(dir, 'renamed.csv'), 't(s),bus(V),amps(A),cabin(C)\n0,12.5,3,20\n1,13.5,-4,10\n');
  await (await page.$('#logFile')).uploadFile(join(dir, 'renamed.csv'));
  await page.waitForSelector('#logColumns');
  const chosen = () => page.$$eval('#logColumns select', (all) => all.map((s) => s.selectedOptions[0].text));
  assert.deepEqual(await chosen(), ['(none)', 'bus(V)', 'amps(A)', '(none)', '(none)', '(none)', '(none)']);
  assert.equal(await page.$eval('label[for=logColumn3]', (l) => l.textContent), 'OAT');
  await page.select('#logColumn0', '3');
  await page.click('#logColumnsOk');
  assert.match(await message(page), /renamed\.csv:1:21: unknown time unit/);
  await page.select('#logColumn0', '0');
  await page.select('#logColumn2', '-1');  // not played, though a usual name
  await page.select('#logColumn3', '3');
  await page.click('#logColumnsOk');
  await page.waitForFunction(() => /Opened/.test(document.getElementById('flightMessage').textContent));
  assert.equal(await page.$('#logColumns'), null);
  assert.deepEqual([await value(page, 0), await value(page, 2), await value(page, 1)], [v125, oat20, current]);
  await page.click('#logForward');
  assert.equal(await value(page, 2), oat10);
  assert.deepEqual(page.problems, []);
  await page.close();
});

test("this device's motion drives the axes until stopped", async () => {
  const page = await openPanel();
  // The axes' converters end short of 1 g: the device moved within them.
  const [quarter, half, level] = [await countOf(page, 4, '0.25 g'), await countOf(page, 5, '-0.5 g'),
                                  await countOf(page, 5, '0 g')];
  const cdp = await page.createCDPSession();
  for (const type of ['accelerometer', 'linear-acceleration', 'gyroscope'])
    await cdp.send('Emulation.setSensorOverrideEnabled', { enabled: true, type });
  const reading = (x, y, z) => cdp.send('Emulation.setSensorOverrideReadings',
                                        { type: 'accelerometer', reading: { xyz: { x, y, z } } });
  // The motion event comes once every sensor behind it has a reading.
  for (const type of ['linear-acceleration', 'gyroscope'])
    await cdp.send('Emulation.setSensorOverrideReadings', { type, reading: { xyz: { x: 0, y: 0, z: 0 } } });
  await reading(0.25 * 9.80665, 0.5 * 9.80665, 0);
  await page.click('#motionStart');
  await page.waitForFunction((y, z) => {
    const M = window.aximPage.module;
    return Math.abs(M._axim_input_value(4) - y) <= 1 && Math.abs(M._axim_input_value(5) - z) <= 1;
  }, { timeout: 10000 }, quarter, half);
  await page.click('#motionStop');
  const stopped = await value(page, 5);
  await reading(0, 9.80665, 0);
  await new Promise((r) => setTimeout(r, 500));
  assert.equal(await value(page, 5), stopped, 'stopped, the axes stay');
  assert.notEqual(stopped, level);
  assert.deepEqual(page.problems, []);
  await page.close();
});
