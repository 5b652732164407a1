// The page's arithmetic without a browser: the display's scale and grid at
// every device pixel ratio, the wheel, the finger on the knob, the keyboard
// and the tick that catches up after the page slept.
import assert from 'node:assert/strict';
import { describe, test } from 'node:test';

import { KnobDrag, TickClock, WheelNotches, frontPanelKey } from '../../web/site/input.js';
import { displayOnlyScale, faceScale, gridShift, onLayoutGrid, pixelGrid }
  from '../../web/site/layout.js';

describe('layout', () => {
  const ratios = [1, 1.25, 1.5, 2, 3];
  test('the display is a whole number of device and layout pixels at every ratio', () => {
    for (const dpr of ratios)
      for (const [w, h] of [[1280, 800], [900, 640], [390, 844], [320, 480], [2560, 1440]]) {
        const scale = faceScale(w, h, dpr);
        assert.ok(Number.isInteger(scale) && scale >= 1, `${w}x${h}@${dpr}: ${scale}`);
        // Where no exact scale fits (a phone at 1.5 needs 3), the largest that fits.
        if (scale < pixelGrid(dpr) * dpr) continue;
        assert.ok(onLayoutGrid(160 * scale / dpr) && onLayoutGrid(120 * scale / dpr),
                  `${w}x${h}@${dpr}: scale ${scale}`);
      }
  });
  test('the largest scale that fits, beside the inputs or above them', () => {
    const cases = [
      // width, height, dpr, scale
      [900, 640, 1, 2], [900, 640, 2, 4], [900, 640, 1.5, 3], [900, 640, 1.25, 2],
      [1000, 700, 3, 6], [390, 844, 3, 3], [390, 844, 2, 3], [390, 844, 1.5, 2], [2560, 1440, 1, 4], [200, 200, 1, 1],
      [700, 640, 1.5, 3],  // above the inputs, larger than beside them
    ];
    for (const [w, h, dpr, want] of cases)
      assert.equal(faceScale(w, h, dpr), want, `${w}x${h} at ${dpr}`);
    assert.equal(displayOnlyScale(1920, 1080, 1, 8), 8);
    assert.equal(displayOnlyScale(1280, 720, 2, 8), 11);
  });
  test('the grid where device pixels and 64ths of a CSS pixel meet', () => {
    assert.deepEqual([1, 1.25, 1.5, 2, 3].map(pixelGrid), [1, 4, 2, 0.5, 1]);
    assert.equal(gridShift(129.203125, 4), 132 - 129.203125);
    assert.equal(gridShift(8, 4), 0);
    assert.equal(gridShift(0.5, 0.5), 0);
    assert.equal(gridShift(8.25, 1), 0.75);
  });
});

describe('input', () => {
  test('the keyboard front panel, as on the desktop', () => {
    const cases = [
      [{ key: 'F1' }, 'left'], [{ key: 'F2' }, 'right'], [{ key: 'Enter' }, 'knob'],
      [{ key: '+' }, 'plus'], [{ key: '=' }, 'plus'], [{ key: '-' }, 'minus'],
      [{ key: 'a' }, null], [{ key: 'F3' }, null], [{ key: '+', ctrlKey: true }, null],
      [{ key: 'Enter', altKey: true }, null], [{ key: '-', metaKey: true }, null],
    ];
    for (const [event, want] of cases) assert.equal(frontPanelKey(event), want, JSON.stringify(event));
  });
  test('wheel notches: a mouse notch each, touch pad steps added up', () => {
    const wheel = new WheelNotches();
    assert.equal(wheel.add(-100, 0), 1);
    assert.equal(wheel.add(66.67, 0), -1);
    assert.equal(wheel.add(53, 0), -1);
    assert.equal(wheel.add(-3, 1), 1);
    assert.equal(wheel.add(6, 1), -2);
    assert.equal(wheel.add(1, 2), -1);
    assert.equal(wheel.add(0, 0), 0);
    const pad = new WheelNotches();
    const steps = [-30, -30, -30, -30, -30].map((d) => pad.add(d, 0));
    assert.deepEqual(steps, [0, 0, 0, 1, 0]);
    const back = new WheelNotches();
    assert.deepEqual([25, 25, 25, 25, 25].map((d) => back.add(d, 0)), [0, 0, 0, -1, 0]);
  });
  test('a finger around the knob: a step per 30 degrees, clockwise up; a tap presses', () => {
    const around = (from, to, step = 5) => {
      const point = (a) => [Math.cos(a * Math.PI / 180) * 40, Math.sin(a * Math.PI / 180) * 40];
      const drag = new KnobDrag(0, 0, ...point(from));
      let turned = 0;
      for (let a = from; step > 0 ? a <= to : a >= to; a += step) turned += drag.move(...point(a));
      return [turned, drag.isTap()];
    };
    assert.deepEqual(around(-90, 0), [3, false]);
    assert.equal(around(-90, -65)[0], 0, 'less than a step turns nothing');
    assert.deepEqual(around(0, -95, -5), [-3, false]);
    // Across the left side, where the angle jumps from 180 to -180.
    assert.deepEqual(around(150, 215), [2, false]);
    const tap = new KnobDrag(0, 0, 3, 4);
    tap.move(5, 6);
    assert.equal(tap.isTap(), true);
    const slide = new KnobDrag(0, 0, 30, 0);
    slide.move(45, 0);
    assert.equal(slide.isTap(), false, 'a slide away from the centre is no tap');
    const centre = new KnobDrag(0, 0, 1, 1);
    assert.equal(centre.move(-2, 1), 0, 'no turn at the very centre');
  });
  test('the tick: a tick per whole 100 ms, and a minute in the background caught up', () => {
    const ticks = new TickClock(1000);
    assert.equal(ticks.due(1099), 0);
    assert.equal(ticks.due(1100), 1);
    assert.equal(ticks.due(1100), 0);
    assert.equal(ticks.due(1350), 2);
    assert.equal(ticks.due(61350), 600);
    assert.equal(ticks.due(500), 0, 'a clock going back gives nothing');
    assert.equal(ticks.due(61450), 1);
  });
});
