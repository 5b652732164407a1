// The site's own module in node, the wasm bytes handed in: the calls the
// page makes, giving the native screens and the firmware's reading texts.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { test } from 'node:test';
import { pathToFileURL } from 'node:url';

import { siteDir } from './browser.mjs';
import { readGolden } from './pixels.mjs';

const { default: AximModule } = await import(pathToFileURL(join(siteDir, 'axim7.mjs')).href);
const M = await AximModule({ wasmBinary: readFileSync(join(siteDir, 'axim7.wasm')) });
const frame = () => {
  const at = M._axim_frame();
  return M.HEAPU8.subarray(at, at + 160 * 120);
};
const differing = (name) => {
  const golden = readGolden(name);
  return frame().reduce((n, v, i) => n + (v !== golden[i] ? 1 : 0), 0);
};

test('the page\'s calls drive the firmware to the native screens', () => {
  M._axim_start();
  assert.equal(M._axim_pass(), 0, 'no pass while off');
  assert.equal(M._axim_lamp(), 128);
  M._axim_on();
  M._axim_set_input(0, 1450);
  M._axim_set_input(1, 2048);
  M._axim_set_input(2, 2426);
  assert.equal(M._axim_pass(), 1);
  M._axim_key(3);
  M._axim_pass();
  M._axim_pass();
  assert.equal(differing('menu_main_flight_timer'), 0);
  M._axim_key(4);
  M._axim_key(4);  // the slot is full: this one is lost
  M._axim_pass();  // draws, then takes the key
  assert.equal(M._axim_key_slot(), 0);
  M._axim_pass();
  assert.equal(differing('menu_main_gforce'), 0);
  assert.equal(M._axim_present(), 1, 'a changed frame is presented');
  assert.equal(M._axim_present(), 0, 'an unchanged one is not');
  M._axim_off();
  assert.equal(M._axim_running(), 0);
  assert.equal(M._axim_pass(), 0, 'no pass after "Off"');
});

test('inputs out of range are refused; readings by the firmware\'s conversions', () => {
  M._axim_start();
  const reading = (input, count) => M.UTF8ToString(M._axim_reading(input, count));
  assert.equal(reading(0, 1648), '1648 counts: 15.5 V');
  assert.equal(reading(2, 2260), '2260 counts: 0 \u00B0C');
  assert.equal(reading(5, -300), '-300: -0.99 g');
  assert.equal(reading(0, 4097), '');
  assert.equal(reading(6, 0), '');
  M._axim_on();
  M._axim_set_input(0, 5000);  // refused: the firmware's input stays 0
  M._axim_pass();
  M._axim_set_input(0, 1648);
  for (let i = 0; i < 3; i += 1) M._axim_pass();
  assert.equal(M._axim_lamp(), 255, 'the volts alarm lights the lamp');
});

test('a 64-bit clock: the last second of 2099 shows in the browser too', () => {
  // Through a 32-bit time_t these seconds would all wrap to one moment.
  const shown = (utc) => {
    M._axim_start();
    M._axim_fix_clock(utc);
    M._axim_on();
    M._axim_pass();
    return Buffer.from(frame()).toString('hex');
  };
  const last = shown(4102444799);  // 2099-12-31 23:59:59 UTC
  assert.notEqual(last, shown(4102444798), 'a second earlier shows another time');
  assert.equal(last, shown(4102444809), 'past 2099 the clock is held at its end');
  assert.notEqual(shown(2147483648), shown(2147483647), 'across 2038-01-19 03:14:08');
  M._axim_fix_clock(-1);
});
