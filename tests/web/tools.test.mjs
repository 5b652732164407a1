// The page's inspector and scenario recorder in headless Chromium: edits
// refused by the field's range with the reason beside it, accepted ones
// taken by the instrument (the slider follows, the lamp lights); a
// scenario recorded in the page, with a key, an input, a slider dragged and
// an expectation, passes in the native runner; so does one recorded while a
// flight log plays.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { after, test } from 'node:test';

import { openPage, siteInBrowser } from './browser.mjs';

const session = siteInBrowser();
const root = resolve(new URL('.', import.meta.url).pathname, '../..');
const runner = join(root, 'build/release/tools/scenario/axim7-scenario');
const dir = mkdtempSync(join(tmpdir(), 'axim7-tools-'));
after(() => rmSync(dir, { recursive: true, force: true }));

// The tool's <details> opened; its contents are made on the toggle that follows.
async function openTool(id, made) {
  const page = await openPage(session.browser, session.server.url);
  if (await page.$eval('#hint', (h) => !h.hidden)) await page.click('#hintOk');
  if (!(await page.$eval('#more', (d) => d.open))) await page.click('#more > summary');
  await page.click(`#${id} > summary`);
  await page.waitForSelector(made);
  return page;
}
// The files the recorder offers, once there are count of them, written out
// and the scenario (the first) run by the native runner.
async function replayed(page, count) {
  await page.waitForFunction((n) => window.aximPage.recorder.files().length === n, {}, count);
  const files = await page.evaluate(() => window.aximPage.recorder.files()
    .map(({ name, bytes }) => ({ name, bytes: Array.from(bytes) })));
  for (const { name, bytes } of files) writeFileSync(join(dir, name), Buffer.from(bytes));
  const run = spawnSync(runner, ['--out', join(dir, 'out'), join(dir, files[0].name)], { cwd: root, encoding: 'utf8' });
  return { names: files.map((f) => f.name), text: Buffer.from(files[0].bytes).toString(), run };
}
const running = (page) => page.waitForFunction(() => window.aximPage.module._axim_running() === 1);
// The field's stored value as the module has it, and its row's message.
const stored = (page, name) => page.evaluate((n) => {
  const { module } = window.aximPage;
  const table = JSON.parse(module.UTF8ToString(module._axim_inspector_table()));
  const index = table.fields.findIndex((f) => f.name === n);
  return module.UTF8ToString(module._axim_inspector_values()).split('\n')[index].split('\t')[0];
}, name);
async function edit(page, name, typed) {
  const id = await page.evaluate((n) => [...document.querySelectorAll('.inspectorName')]
    .find((l) => l.textContent === n).htmlFor, name);
  await page.$eval(`#${id}`, (e) => { e.value = ''; });
  await page.type(`#${id}`, typed);
  await page.keyboard.press('Enter');
  return page.$eval(`#${id}`, (e) => e.parentElement.querySelector('.inspectorMessage').value);
}

test('inspector: refused edits change nothing, accepted ones take effect', async () => {
  const page = await openTool('inspector', '.inspectorName');
  await page.click('#on');
  await running(page);
  const cases = [
    // field, typed, refusal (null: written), then what must hold
    ['VoltsInput', '5000', /VoltsInput takes .*5000 is outside\. Nothing written\./],
    ['VoltsInput', '1479', null, async () => assert.equal(await page.$eval('#in0', (e) => Number(e.value)), 1479)],
    ['Settings.VoltsHighAlarm', '9999', /outside\. Nothing written\./],
    ['Settings.VoltsHighAlarm', 'high', /is not one\. Nothing written\./],
    ['Settings.VoltsHighAlarm', '100', null,
     () => page.waitForFunction(() => window.aximPage.module._axim_lamp() === 255)],
  ];
  for (const [name, typed, refusal, then] of cases) {
    const before = await stored(page, name);
    const message = await edit(page, name, typed);
    if (refusal) {
      assert.match(message, refusal, `${name} = ${typed}`);
      assert.equal(await stored(page, name), before, `${name} changed by a refused edit`);
    } else {
      assert.equal(message, '', `${name} = ${typed}`);
      assert.equal(await stored(page, name), typed);
      await then();
    }
  }
  assert.deepEqual(page.problems, []);
  await page.close();
});

test('a scenario recorded in the page passes in the native runner', async () => {
  const page = await openTool('recorder', '#recordName');
  const pause = (ms) => new Promise((r) => setTimeout(r, ms));
  const setBar = (id, value) => page.$eval(`#${id}`, (bar, v) => {
    bar.value = v;
    bar.dispatchEvent(new Event('input'));
  }, value);
  // Volts and OAT in their ranges: no alarm until the volts rise.
  await setBar('in0', 1400);
  await setBar('in2', 2400);
  await page.$eval('#recordName', (e) => { e.value = 'webrec'; });
  await page.click('#recordStart');
  await running(page);  // the restart's "&On"
  await pause(300);
  await page.click('#on');
  const slotEmpty = () => page.waitForFunction(() => window.aximPage.module._axim_key_slot() === 0);
  for (const key of ['+', '+', 'F1']) {
    await slotEmpty();
    await page.keyboard.press(key === '+' ? 'Equal' : key);
    await pause(300);
  }
  await setBar('in0', 1700);
  // The OAT slider dragged by the mouse: one step, its final value.
  await page.$eval('#in2', (e) => e.scrollIntoView({ block: 'center' }));
  const box = await (await page.$('#in2')).boundingBox();
  await page.mouse.move(box.x + box.width * 0.5, box.y + box.height / 2);
  await page.mouse.down();
  for (const at of [0.6, 0.7, 0.8]) {
    await page.mouse.move(box.x + box.width * at, box.y + box.height / 2);
    await pause(150);
  }
  await page.mouse.up();
  await pause(400);
  await page.click('#recordExpect');
  await pause(300);
  await page.click('#recordStop');
  const { names, text, run } = await replayed(page, 2);
  assert.deepEqual(names, ['webrec.yaml', 'webrec-1.png']);
  assert.match(text, /^# Recorded in the web page on /);
  for (const step of ['set-control: { control: volts, value: 1700 }', 'control: oat', 'press: plus',
                      'press: left', 'take-screenshot: { compare-with: webrec-1.png }'])
    assert.ok(text.includes(step), `no "${step}" in\n${text}`);
  assert.equal(text.match(/control: oat/g).length, 2, `the drag is not one step:\n${text}`);
  assert.equal(run.status, 0, `the runner: ${run.stdout}${run.stderr}\n${text}`);
  assert.match(run.stdout, /PASS/);
  assert.deepEqual(page.problems, []);
  await page.close();
});

test('a flight log played while recording in the page replays on the same ticks', async () => {
  const page = await openTool('recorder', '#recordName');
  await page.$eval('#recordName', (e) => { e.value = 'weblog'; });
  await page.click('#recordStart');
  await running(page);
  await page.click('#flightData > summary');
  const log = join(dir, 'climb.csv');
  writeFileSync(log, 'time(s),volts(V),current(A),accel_z(g),accel_x(g)\n0,12.0,2,-1,0\n0.25,12.6,3,-0.5,0.2\n' +
                     '1.3,14.1,-4,-0.9,-0.4\n1.35,13.2,6,-0.2,0.1\n3,15.8,-12,0.5,0.6\n');
  await (await page.$('#logFile')).uploadFile(log);
  await page.waitForFunction(() => !document.getElementById('logPlay').disabled);
  await page.click('#logPlay');
  await new Promise((r) => setTimeout(r, 1500));
  await page.click('#recordExpect');
  await new Promise((r) => setTimeout(r, 2000));
  await page.click('#recordExpect');
  await page.click('#recordStop');
  const { run } = await replayed(page, 3);
  assert.equal(run.status, 0, `the runner: ${run.stdout}${run.stderr}`);
  assert.deepEqual(page.problems, []);
  await page.close();
});
