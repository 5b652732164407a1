// The page on a phone, a tablet and a full HD screen: every control a finger
// can hit at least 44 CSS pixels each way and named as before, nothing
// outside the viewport, the display in exact device pixels; the display-only
// view inside the viewport of a touch tablet, with its keys.
import assert from 'node:assert/strict';
import { test } from 'node:test';

import { openPage, siteInBrowser } from './browser.mjs';

const session = siteInBrowser();
const views = [
  ['phone', { width: 390, height: 844, dpr: 3, mobile: true, touch: true }, { display: 0.8 }],
  ['tablet', { width: 820, height: 1180, dpr: 2, mobile: true, touch: true }, { face: 0.6 }],
  ['full HD', { width: 1920, height: 1080, dpr: 1.5 }, {}],
];

// What the page shows: each visible control's name and size, the page's
// width, and the display's box in device pixels.
const survey = (page) => page.evaluate(() => {
  const named = (e) => e.getAttribute('aria-label') ?? e.textContent.trim();
  const controls = [...document.querySelectorAll('button, select, summary, a[href], .file, .check, input:not([type=file], [type=checkbox])')]
    .map((e) => ({ name: named(e), box: e.getBoundingClientRect() }))
    .filter(({ box }) => box.width > 0 && box.height > 0)
    .map(({ name, box }) => ({ name, width: box.width, height: box.height, right: box.right, bottom: box.bottom }));
  const canvas = document.getElementById('display');
  const box = canvas.getBoundingClientRect();
  const dpr = devicePixelRatio;
  return {
    controls, pageWidth: document.documentElement.scrollWidth, face: document.getElementById('face').offsetWidth,
    display: { left: box.left * dpr, top: box.top * dpr, width: box.width * dpr, height: box.height * dpr,
               right: box.right, bottom: box.bottom, pixels: canvas.width, name: canvas.getAttribute('aria-label') },
  };
});

function checkTargets(what, { controls }) {
  for (const c of controls)
    assert.ok(c.width >= 44 && c.height >= 44, `${what}: "${c.name}" is ${c.width} x ${c.height}`);
  const names = controls.map((c) => c.name);
  for (const name of ['F1', 'F2', 'Knob', '+', '-']) assert.ok(names.includes(name), `${what}: no "${name}" among ${names}`);
}

function checkDisplay(what, { display }, view) {
  assert.equal(display.name, 'Display');
  assert.equal(display.width, display.pixels, `${what}: the display is not drawn 1:1`);
  for (const edge of ['left', 'top', 'width', 'height'])
    assert.ok(Math.abs(display[edge] - Math.round(display[edge])) < 1e-6, `${what}: display ${edge} ${display[edge]}`);
  assert.ok(display.right <= view.width && display.bottom <= view.height, `${what}: the display leaves the viewport`);
}

for (const [what, view, goals] of views) {
  test(`${what} (${view.width} x ${view.height} at ${view.dpr})`, async () => {
    const page = await openPage(session.browser, session.server.url, view);
    if (await page.$eval('#hint', (h) => !h.hidden)) await page.click('#hintOk');
    const folded = await survey(page);
    checkTargets(what, folded);
    checkDisplay(what, folded, view);
    for (const name of ['On', 'Off']) assert.ok(folded.controls.some((c) => c.name === name));
    assert.ok(folded.pageWidth <= view.width, `${what}: the page is ${folded.pageWidth} px wide`);
    if (goals.display) assert.ok(folded.display.width / view.dpr >= goals.display * view.width, `${what}: display ${folded.display.width / view.dpr}`);
    if (goals.face) assert.ok(folded.face >= goals.face * view.width, `${what}: face ${folded.face}`);
    // The inputs and tools, folded away on a phone, opened, and every tool in them.
    if (!(await page.$eval('#more', (d) => d.open))) await page.click('#more > summary');
    for (const id of ['help', 'flightData', 'recorder', 'inspector']) await page.click(`#${id} > summary`);
    await page.waitForSelector('.inspectorName');
    const opened = await survey(page);
    checkTargets(`${what}, opened`, opened);
    assert.ok(opened.pageWidth <= view.width);
    if (view.touch) {
      await page.click('#displayOnly');
      const alone = await survey(page);
      checkDisplay(`${what}, display only`, alone, view);
      checkTargets(`${what}, display only`, alone);
      assert.ok(alone.pageWidth <= view.width);
    }
    assert.deepEqual(page.problems, []);
    await page.close();
  });
}
