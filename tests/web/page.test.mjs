// The page in Debian's headless Chromium, served from 127.0.0.1: it starts
// as the desktop program starts, every control works by keyboard, mouse and
// touch, and the display on the screen is the native screen, pixel for pixel,
// in exact square blocks at every device pixel ratio.
import assert from 'node:assert/strict';
import { mkdtempSync, readdirSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { describe, test } from 'node:test';

import { openPage, siteInBrowser } from './browser.mjs';
import { compareBlocks, decodePng, readGolden } from './pixels.mjs';

const session = siteInBrowser();

// The page's colour table (the firmware's), index to 0xRRGGBB.
async function colourTable(page) {
  return page.evaluate(() => Array.from({ length: 256 },
                                        (_, i) => window.aximPage.module._axim_colour(i)));
}

// Waits until the canvas shows the golden screen in exact blocks.
async function waitForScreen(page, name, timeout = 5000) {
  const screen = Array.from(readGolden(name));
  try {
    await page.waitForFunction((indices) => {
      const { module, scale } = window.aximPage;
      const canvas = document.getElementById('display');
      if (canvas.width !== 160 * scale) return false;
      const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
      for (let y = 0; y < canvas.height; y += 1)
        for (let x = 0; x < canvas.width; x += 1) {
          const want = module._axim_colour(indices[Math.floor(y / scale) * 160 + Math.floor(x / scale)]);
          const at = (y * canvas.width + x) * 4;
          if (((data[at] << 16) | (data[at + 1] << 8) | data[at + 2]) !== want) return false;
        }
      return true;
    }, { timeout, polling: 50 }, screen);
  } catch {
    const frame = await page.evaluate(() => {
      const { module } = window.aximPage;
      const at = module._axim_frame();
      return Array.from(module.HEAPU8.subarray(at, at + 160 * 120));
    });
    let differing = 0;
    frame.forEach((v, i) => { if (v !== screen[i]) differing += 1; });
    assert.fail(`the display does not show ${name}: the firmware's frame differs in ${differing} pixels`);
  }
}

// The display as the screen shows it (cut from a screenshot of the page at
// its device pixels, where the browser snaps the canvas), against a golden
// screen: every device pixel, so a blurred edge or a gap fails.
async function checkScreenshot(page, name) {
  const { left, top, scale } = await page.evaluate(() => {
    const r = document.getElementById('display').getBoundingClientRect();
    return { left: r.left * devicePixelRatio, top: r.top * devicePixelRatio,
             scale: window.aximPage.scale };
  });
  const shot = decodePng(Buffer.from(await page.screenshot({ type: 'png' })));
  const width = 160 * scale, height = 120 * scale;
  const x0 = Math.round(left), y0 = Math.round(top);
  assert.ok(x0 + width <= shot.width && y0 + height <= shot.height, 'the display is in view');
  const cut = Buffer.alloc(width * height * 3);
  for (let y = 0; y < height; y += 1)
    shot.rgb.copy(cut, y * width * 3, ((y0 + y) * shot.width + x0) * 3,
                  ((y0 + y) * shot.width + x0 + width) * 3);
  const colours = await colourTable(page);
  const problem = compareBlocks(cut, 3, width, height, readGolden(name), scale, (i) => colours[i]);
  assert.equal(problem, null, `screenshot of the display against ${name}`);
}

// Until the page's pass has taken the key in the slot: a key that finds the
// slot full is lost, as on the desktop.
const keyTaken = (page) => page.waitForFunction(
  () => window.aximPage.module._axim_key_slot() === 0, { timeout: 3000, polling: 20 });

async function setInput(page, id, value) {
  await page.evaluate((bar, count) => {
    const input = document.getElementById(bar);
    input.value = count;
    input.dispatchEvent(new Event('input', { bubbles: true }));
  }, id, value);
}

const text = (page, selector) => page.$eval(selector, (e) => e.value ?? e.textContent);
// On, the inputs of the golden menu screens, and a knob press: the main menu.
async function openMainMenu(page) {
  await page.click('#on');
  await page.$eval('#on', (b) => b.blur());  // Enter on a focused button is the button's
  await setInput(page, 'in0', 1450);
  await setInput(page, 'in1', 2048);
  await setInput(page, 'in2', 2426);
  await page.keyboard.press('Enter');
  await waitForScreen(page, 'menu_main_flight_timer');
}

const centre = async (page, id) => page.$eval(`#${id}`, (e) => {
  const r = e.getBoundingClientRect();
  return { x: r.left + r.width / 2, y: r.top + r.height / 2, r: r.width / 2 };
});

describe('the page', () => {
  test('starts as the desktop program: off, black display, controls as at start', async () => {
    const page = await openPage(session.browser, session.server.url);
    for (const name of ['On', 'Off', 'F1', 'F2', 'Knob', '+', '-', 'Volts', 'Current', 'OAT',
                        'X-axis', 'Y-axis', 'Z-axis', 'Calibrate', 'Display'])
      assert.ok(await page.$(`[aria-label="${name}"]`), `a control named "${name}"`);
    assert.equal(await page.evaluate(() => document.body.dataset.state), 'off');
    // The sensor bars (the flight data panel's position bar is the log's).
    const bars = await page.$$eval('input[type=range]:not(#flightData *)', (all) =>
      all.map((b) => [b.getAttribute('aria-label'), b.min, b.max, b.value]));
    assert.deepEqual(bars, [['Volts', '0', '4096', '0'], ['Current', '0', '4096', '2048'],
                            ['OAT', '0', '4096', '0'], ['X-axis', '-300', '300', '0'],
                            ['Y-axis', '-300', '300', '0'], ['Z-axis', '-300', '300', '0']]);
    assert.equal(await page.$eval('#calibrate', (c) => c.checked), true);
    // Until the current's bar is moved the firmware reads 0 counts from it.
    assert.equal(await text(page, '#out0'), '0 counts: 0.9 V');
    assert.equal(await text(page, '#out1'), '0 counts: -20.4 A');
    assert.equal(await text(page, '#out3'), '0: 0.00 g');
    assert.equal(await page.$eval('#lamp', (l) => getComputedStyle(l).backgroundColor),
                 'rgb(128, 0, 0)');
    const black = await page.evaluate(() => {
      const c = document.getElementById('display');
      return c.getContext('2d').getImageData(0, 0, c.width, c.height).data
        .every((v, i) => (i % 4 === 3 ? v === 255 : v === 0));
    });
    assert.ok(black, 'the display is black while off');
    // The tick runs while off: the page passes no frame, but counts ticks.
    assert.equal(await page.evaluate(() => window.aximPage.passes), 0);
    assert.deepEqual(page.problems, []);
    await page.close();
  });

  test('the front panel\'s table is every control: no input, range or key of the page\'s own', async () => {
    const page = await openPage(session.browser, session.server.url);
    const table = await page.evaluate(() => JSON.parse(window.aximPage.module.UTF8ToString(
      window.aximPage.module._axim_panel_table())));
    const inputs = await page.$$eval('#inputs input:not(#flightData *)', (all) => all.filter((c) => c.type !== 'file')
      .map((c) => (c.type === 'checkbox'
        ? [c.labels[0].textContent.trim(), c.getAttribute('aria-label'), 0, 1, Number(c.checked)]
        : [c.labels[0].textContent, c.getAttribute('aria-label'), Number(c.min), Number(c.max),
           Number(c.value)])));
    assert.deepEqual(inputs, table.inputs.map((r) => [r.label, r.title, r.bottom, r.top, r.start]));
    // Each key control deposits its key's code (the instrument off keeps it in the slot).
    const keys = [];
    for (const id of await page.$$eval('#face button:not(#on):not(#off)', (all) => all.map((b) => b.id))) {
      await page.evaluate(() => window.aximPage.module._axim_start());
      await page.click(`#${id}`);
      keys.push(await page.evaluate((b) => [document.getElementById(b).getAttribute('aria-label'),
                                            window.aximPage.module._axim_key_slot()], id));
    }
    assert.deepEqual(keys, table.keys.map((k) => [k.label, k.code]));
    assert.deepEqual(page.problems, []);
    await page.close();
  });

  test('keyboard, mouse and touch drive the menus; the display is the native screen', async () => {
    const page = await openPage(session.browser, session.server.url,
                                { width: 900, height: 640, dpr: 1.5, touch: true });
    await page.click('#on');
    assert.equal(await page.evaluate(() => document.body.dataset.state), 'on');
    await setInput(page, 'in0', 1450);
    await setInput(page, 'in1', 2048);
    await setInput(page, 'in2', 2426);
    // The keyboard moves a bar by one count; the reading follows.
    await page.focus('#in0');
    await page.keyboard.press('ArrowRight');
    assert.equal(await text(page, '#out0'), '1451 counts: 13.7 V');
    await page.keyboard.press('ArrowLeft');
    assert.equal(await text(page, '#out0'), '1450 counts: 13.7 V');
    await page.$eval('#in0', (b) => b.blur());

    await page.keyboard.press('Enter');
    await waitForScreen(page, 'menu_main_flight_timer');
    await checkScreenshot(page, 'menu_main_flight_timer');
    // Screen readers are given the texts the display shows.
    assert.match(await page.$eval('#display', (c) => c.getAttribute('aria-description')),
                 /MAIN MENU FLIGHT TIMER EXIT$/);
    await page.click('#plus');
    await waitForScreen(page, 'menu_main_gforce');
    const minus = await centre(page, 'minus');
    await page.touchscreen.tap(minus.x, minus.y);
    await waitForScreen(page, 'menu_main_flight_timer');
    for (const key of ['=', '+', '+']) {
      await page.keyboard.press(key);
      await keyTaken(page);
    }
    await waitForScreen(page, 'menu_main_volts');
    for (let i = 0; i < 3; i += 1) {
      await page.keyboard.press('-');
      await keyTaken(page);
    }
    await waitForScreen(page, 'menu_main_flight_timer');

    // A finger dragged a quarter turn clockwise around the knob turns it by
    // one step at least; a wheel notch towards the user turns it back.
    const knob = await centre(page, 'knob');
    await page.touchscreen.touchStart(knob.x, knob.y - knob.r * 0.9);
    for (let a = 0; a <= 40; a += 5) {
      const rad = (a - 90) * Math.PI / 180;
      await page.touchscreen.touchMove(knob.x + Math.cos(rad) * knob.r * 0.9,
                                       knob.y + Math.sin(rad) * knob.r * 0.9);
    }
    await page.touchscreen.touchEnd();
    await waitForScreen(page, 'menu_main_gforce');
    await page.mouse.move(knob.x, knob.y);
    await page.mouse.wheel({ deltaY: 100 });
    await waitForScreen(page, 'menu_main_flight_timer');
    await page.mouse.wheel({ deltaY: -100 });
    await waitForScreen(page, 'menu_main_gforce');
    await checkScreenshot(page, 'menu_main_gforce');
    assert.deepEqual(page.problems, []);
    await page.close();
  });

  test('F1 and F2 legends, a tap on the knob, and the keys F1 and F2', async () => {
    const page = await openPage(session.browser, session.server.url, { touch: true });
    await page.click('#on');
    await setInput(page, 'in0', 1500);
    await setInput(page, 'in1', 2100);
    await setInput(page, 'in2', 2400);
    await setInput(page, 'in3', 3);
    await setInput(page, 'in4', -4);
    await setInput(page, 'in5', -296);
    const knob = await centre(page, 'knob');
    await page.touchscreen.tap(knob.x, knob.y);
    await waitForScreen(page, 'menu_main_flight_timer');
    for (let i = 0; i < 3; i += 1) {
      await page.click('#plus');
      await keyTaken(page);
    }
    await waitForScreen(page, 'menu_main_volts');
    // The focused knob turns with the arrow keys.
    await page.focus('#knob');
    await page.keyboard.press('ArrowDown');
    await waitForScreen(page, 'menu_main_time');
    await page.keyboard.press('ArrowUp');
    await keyTaken(page);
    await waitForScreen(page, 'menu_main_volts');
    await page.mouse.click(knob.x, knob.y);
    await keyTaken(page);
    await page.click('#f2');
    await waitForScreen(page, 'sensor_volts_setup');
    // F1 by keyboard leaves the page (the frame changes).
    const frameNow = () => page.evaluate(() => {
      const { module } = window.aximPage;
      const at = module._axim_frame();
      return Array.from(module.HEAPU8.subarray(at, at + 19200)).join();
    });
    const before = await frameNow();
    await page.keyboard.press('F1');
    await page.waitForFunction((old) => {
      const { module } = window.aximPage;
      const at = module._axim_frame();
      return Array.from(module.HEAPU8.subarray(at, at + 19200)).join() !== old;
    }, { timeout: 3000 }, before);
    // The browser's own meanings of the front panel's keys are not taken.
    const prevented = await page.evaluate(() => {
      const seen = [];
      const record = (e) => seen.push(`${e.key}:${e.defaultPrevented}`);
      window.addEventListener('keydown', record);
      for (const key of ['F1', 'F2', 'Enter', '+', '=', '-', 'a'])
        document.body.dispatchEvent(new KeyboardEvent('keydown', { key, bubbles: true, cancelable: true }));
      window.removeEventListener('keydown', record);
      return seen;
    });
    assert.deepEqual(prevented, ['F1:true', 'F2:true', 'Enter:true', '+:true', '=:true', '-:true',
                                 'a:false']);
    assert.deepEqual(page.problems, []);
    await page.close();
  });

  test('pictures: a PNG saved at 4x, a GIF recorded with its frames and delays', async () => {
    const page = await openPage(session.browser, session.server.url);
    const folder = mkdtempSync(join(tmpdir(), 'axim7-downloads-'));
    const cdp = await page.createCDPSession();
    await cdp.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: folder });
    try {
      await openMainMenu(page);
      await page.click('#record');
      assert.equal(await page.$eval('#record', (b) => b.getAttribute('aria-pressed')), 'true');
      await new Promise((r) => setTimeout(r, 300));
      await page.click('#plus');
      await waitForScreen(page, 'menu_main_gforce');
      await new Promise((r) => setTimeout(r, 300));
      await page.click('#record');
      assert.equal(await page.$eval('#record', (b) => b.getAttribute('aria-pressed')), 'false');
      await page.click('#savePng');
      let files = [];
      for (let i = 0; i < 50 && files.length < 2; i += 1) {
        await new Promise((r) => setTimeout(r, 100));
        files = readdirSync(folder).filter((f) => /\.(png|gif)$/.test(f));
      }
      const png = files.find((f) => f.endsWith('.png'));
      assert.ok(png && files.some((f) => f.endsWith('.gif')), `downloads: ${files}`);
      const picture = decodePng(readFileSync(join(folder, png)));
      const colours = await colourTable(page);
      assert.equal(compareBlocks(picture.rgb, 3, picture.width, picture.height,
                                 readGolden('menu_main_gforce'), 4, (i) => colours[i]), null);

      // The GIF decoded by the browser: looping, the first and last screens,
      // each frame shown for as long as it was on the display.
      const gif = await page.evaluate(async () => {
        const bytes = window.aximPage.pictures.lastGif;
        const decoder = new ImageDecoder({ data: bytes, type: 'image/gif' });
        await decoder.tracks.ready;
        const track = decoder.tracks.selectedTrack;
        const frames = [];
        for (let i = 0; i < track.frameCount; i += 1) {
          const { image } = await decoder.decode({ frameIndex: i });
          const canvas = new OffscreenCanvas(image.displayWidth, image.displayHeight);
          const context = canvas.getContext('2d');
          context.drawImage(image, 0, 0);
          const data = context.getImageData(0, 0, canvas.width, canvas.height).data;
          const rgb = [];
          for (let p = 0; p < data.length; p += 4) rgb.push(data[p], data[p + 1], data[p + 2]);
          frames.push({ rgb, width: canvas.width, height: canvas.height, duration: image.duration });
          image.close();
        }
        return { repetitions: String(track.repetitionCount), frames };
      });
      assert.equal(gif.repetitions, 'Infinity', 'the GIF loops');
      assert.ok(gif.frames.length >= 2, `${gif.frames.length} frames`);
      const first = gif.frames[0], last = gif.frames.at(-1);
      assert.equal(compareBlocks(first.rgb, 3, first.width, first.height,
                                 readGolden('menu_main_flight_timer'), 4, (i) => colours[i]), null);
      assert.equal(compareBlocks(last.rgb, 3, last.width, last.height,
                                 readGolden('menu_main_gforce'), 4, (i) => colours[i]), null);
      // The first screen stood for about 0.3 s or more (delays in microseconds).
      assert.ok(first.duration >= 250000, `first frame ${first.duration} us`);
      assert.deepEqual(page.problems, []);
    } finally {
      rmSync(folder, { recursive: true, force: true });
      await page.close();
    }
  });

  test('Copy puts the display on the clipboard as a PNG at the chosen scale', async () => {
    const context = session.browser.defaultBrowserContext();
    await context.overridePermissions(session.server.url.slice(0, -1),
                                      ['clipboard-read', 'clipboard-write', 'clipboard-sanitized-write']);
    const page = await openPage(session.browser, session.server.url);
    await page.select('#scale', '2');
    await page.click('#copyPng');
    await page.waitForFunction(() => document.getElementById('status').textContent !== '');
    assert.equal(await page.$eval('#status', (s) => s.textContent), 'The display (2x) is on the clipboard.');
    const bytes = await page.evaluate(async () => {
      const [item] = await navigator.clipboard.read();
      const blob = await item.getType('image/png');
      return Array.from(new Uint8Array(await blob.arrayBuffer()));
    });
    const picture = decodePng(Buffer.from(bytes));
    assert.deepEqual([picture.width, picture.height], [320, 240]);
    assert.ok(picture.rgb.every((v) => v === 0), 'the display is black while off');
    await context.clearPermissionOverrides();
    assert.deepEqual(page.problems, []);
    await page.close();
  });

  test('the tick keeps wall time: a page that could not run catches up at once', async () => {
    const page = await openPage(session.browser, session.server.url);
    const start = await page.evaluate(() => [performance.now(), window.aximPage.ticks.given]);
    // The page's thread held for 2.5 s, as a tab in the background is.
    await page.evaluate(() => { const until = performance.now() + 2500; while (performance.now() < until); });
    await new Promise((r) => setTimeout(r, 300));
    const [now, given] = await page.evaluate(() => [performance.now(), window.aximPage.ticks.given]);
    const due = Math.floor((now - start[0]) / 100);
    assert.ok(Math.abs(given - start[1] - due) <= 2, `${given - start[1]} ticks for ${due} due`);
    await page.close();
  });

  test('the display-only view: the display alone, exact, the lamp a ring around it', async () => {
    const page = await openPage(session.browser, `${session.server.url}?view=display`,
                                { width: 800, height: 500, dpr: 2 });
    assert.equal(await page.$eval('#on', (b) => getComputedStyle(b).display), 'none');
    assert.equal(await page.evaluate(() => window.aximPage.scale), 8);
    await page.evaluate(() => window.aximPage.switchOn());
    await setInput(page, 'in0', 1450);
    await setInput(page, 'in1', 2048);
    await setInput(page, 'in2', 2426);
    await page.keyboard.press('Enter');
    await waitForScreen(page, 'menu_main_flight_timer');
    await checkScreenshot(page, 'menu_main_flight_timer');
    const ring = () => page.$eval('#display', (c) => getComputedStyle(c).boxShadow);
    assert.match(await ring(), /rgb\(128, 0, 0\)/);
    await setInput(page, 'in0', 1648);  // 15.5 V: the volts alarm lights the lamp
    await page.waitForFunction(() => /rgb\(255, 0, 0\)/.test(
      getComputedStyle(document.getElementById('display')).boxShadow), { timeout: 3000 });
    await page.keyboard.press('Escape');
    assert.equal(await page.$eval('#on', (b) => getComputedStyle(b).display), 'block');
    assert.deepEqual(page.problems, []);
    await page.close();
  });

  for (const dpr of [1, 1.25, 1.5, 2, 3]) {
    test(`the display in exact square blocks at device pixel ratio ${dpr}`, async () => {
      const page = await openPage(session.browser, session.server.url, { width: 1000, height: 700, dpr });
      const scale = await page.evaluate(() => window.aximPage.scale);
      assert.ok(scale >= 1);
      const device = await page.evaluate(() => {
        const r = document.getElementById('display').getBoundingClientRect();
        return [r.left, r.top, r.width, r.height].map((v) => v * devicePixelRatio);
      });
      assert.deepEqual(device.slice(2).map(Math.round), [160 * scale, 120 * scale]);
      await openMainMenu(page);
      await checkScreenshot(page, 'menu_main_flight_timer');
      assert.deepEqual(page.problems, []);
      await page.close();
    });
  }
});
