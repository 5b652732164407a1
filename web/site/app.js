// The simulator's page: the firmware (WebAssembly) driven as the desktop
// window drives it, through the one front panel. A tick every 100 ms of wall
// time whether the instrument is on or off; a pass whenever the panel asks
// for one (after a tick, a key, an input), on the next screen refresh or,
// in a tab in the background where no refresh comes, after each tick; the
// display drawn only when its frame changed. A scenario plays by the
// module's step driver, which runs the ticks and passes meanwhile.
//
// The page is laid out before any module has loaded; the firmware alone (a
// small module) draws the first frame and runs the instrument by hand; the
// module with the tools (scenarios, pictures, lessons, flight logs) loads
// after it and takes over at the same state (journal.js).
import { CompactHeight, Controls, DisplayBox, Face, compactControls, compactScale,
         displayOnlyScale, faceScale, gridShift, isCompact, layoutRound, pixelGrid } from './layout.js';
import { KnobDrag, TickClock, WheelNotches, frontPanelKey } from './input.js';
import { panelControls } from './panel.js';
import { Journal, panelCalls, sameState } from './journal.js';

const $ = (id) => document.getElementById(id);
const params = new URLSearchParams(location.search);
const statusLine = $('status');
function showStatus(sentence) { statusLine.textContent = sentence; }

let M = null;       // the module the page works through
let calls = null;   // its calls that move the instrument (panelCalls)
const page = {
  frames: 0,        // frames drawn on the canvas
  get module() { return M; },
  get passes() { return M._axim_passes(); },  // passes since program start
  scale: 0,         // device pixels per display pixel
  showStatus,
};
window.aximPage = page;

// --- the display --------------------------------------------------------
const canvas = $('display');
const context = canvas.getContext('2d', { alpha: false });
const frame = new ImageData(160, 120);
const small = document.createElement('canvas');
small.width = 160;
small.height = 120;
const smallContext = small.getContext('2d', { alpha: false });

function draw() {
  context.imageSmoothingEnabled = false;
  context.drawImage(small, 0, 0, canvas.width, canvas.height);
  page.frames += 1;
}

// After a pass: the frame buffer through the colour table when it changed,
// the lamp, the on/off state.
function present() {
  showLamp();
  showState();
  if (!M._axim_present()) return false;
  const rgba = M._axim_rgba();
  frame.data.set(M.HEAPU8.subarray(rgba, rgba + frame.data.length));
  smallContext.putImageData(frame, 0, 0);
  draw();
  page.onPresent?.();
  // What the display says, for screen readers.
  const said = M.UTF8ToString(M._axim_display_texts());
  if (canvas.getAttribute('aria-description') !== said) canvas.setAttribute('aria-description', said);
  return true;
}

// --- layout -------------------------------------------------------------
const face = $('face');
let displayOnly = false;
const Ring = 8;

function place(element, [left, top, width, height], unit) {
  element.style.left = `${layoutRound(left * unit)}px`;
  element.style.top = `${layoutRound(top * unit)}px`;
  element.style.width = `${layoutRound(width * unit)}px`;
  element.style.height = `${layoutRound(height * unit)}px`;
}

// The page centred by its left padding (the face is the first item, so
// nothing else moves it), then the face moved by a margin of less than a
// grid step so that the display's corner lies on a device pixel.
// Alone, the display is centred both ways.
function alignFace(dpr, width, height) {
  const win = $('window');
  // Alone, the display is centred by the style sheet, in a window exactly
  // the viewport's size (a wider one would widen a phone's viewport).
  win.style.paddingLeft = height === null ? `${layoutRound(Math.max(8, (innerWidth - width) / 2))}px` : '';
  win.style.paddingTop = '';
  face.style.marginLeft = face.style.marginTop = '0px';
  const grid = pixelGrid(dpr);
  const box = canvas.getBoundingClientRect();
  face.style.marginLeft = `${gridShift(box.left + scrollX, grid)}px`;
  face.style.marginTop = `${gridShift(box.top + scrollY, grid)}px`;
}

// The keys below the display (a phone), or over its foot (display only on
// a touch screen), in CSS pixels.
function placeKeys(displayWidth, top) {
  for (const [id, [left, y, width, height]] of Object.entries(compactControls(displayWidth)))
    place($(id), [left, top + y, width, height], 1);
  for (const id of Object.keys(Controls)) $(id).style.fontSize = '';
}

function layout() {
  const dpr = window.devicePixelRatio || 1;
  const compact = !displayOnly && isCompact(innerWidth, innerHeight);
  const scale = displayOnly
    ? displayOnlyScale(innerWidth, innerHeight, dpr, Ring)
    : compact ? compactScale(innerWidth, innerHeight, dpr) : faceScale(innerWidth, innerHeight, dpr);
  const unit = scale / dpr;  // CSS pixels per display pixel
  page.scale = scale;
  document.body.classList.toggle('compact', compact);
  const more = $('more');
  if (!compact && !more.open) more.open = true;
  if (displayOnly || compact) {
    const width = DisplayBox.width * unit, height = DisplayBox.height * unit;
    face.style.width = `${width}px`;
    face.style.height = `${height + (compact ? CompactHeight : 0)}px`;
    face.style.fontSize = '';
    place(canvas, [0, 0, DisplayBox.width, DisplayBox.height], unit);
    if (compact) placeKeys(width, height);
    else {
      // The keys (not the lamp, On and Off) below the display where the
      // viewport leaves room, else over its foot.
      const keys = CompactHeight - 64;
      const below = (innerHeight - height) / 2 >= keys + Ring;
      placeKeys(Math.min(width, innerWidth - 2 * Ring), below ? height + Ring - 12 : height - keys - 8);
    }
  } else {
    face.style.width = `${Face.width * unit}px`;
    face.style.height = `${Face.column * unit}px`;
    face.style.backgroundSize = `${Face.width * unit}px ${Face.height * unit}px`;
    place(canvas, [DisplayBox.left, DisplayBox.top, DisplayBox.width, DisplayBox.height], unit);
    for (const [id, box] of Object.entries(Controls)) place($(id), box, unit);
    face.style.fontSize = `${11 * unit}px`;
    $('plus').style.fontSize = $('minus').style.fontSize = `${16 * unit}px`;
  }
  canvas.width = DisplayBox.width * scale;
  canvas.height = DisplayBox.height * scale;
  document.body.style.setProperty('--ring', `${Ring}px`);
  if (displayOnly) {
    document.body.classList.remove('beside');
    alignFace(dpr, DisplayBox.width * unit, DisplayBox.height * unit);
  } else {
    const inputsPanel = $('inputs');
    inputsPanel.style.marginLeft = inputsPanel.style.flex = '';
    const faceWidth = parseFloat(face.style.width);
    const beside = innerWidth >= faceWidth + 16 + inputsPanel.offsetWidth + 16;
    document.body.classList.toggle('beside', beside);
    // Held at the viewport's top, the display on whole device pixels too.
    face.style.top = beside ? `${gridShift(parseFloat(canvas.style.top), pixelGrid(dpr))}px` : '';
    alignFace(dpr, beside ? faceWidth + 16 + inputsPanel.offsetWidth : faceWidth, null);
    // Below the face, the inputs take the page's width from its left margin.
    if (!beside) {
      inputsPanel.style.marginLeft = `${8 - parseFloat($('window').style.paddingLeft)}px`;
      inputsPanel.style.flex = `0 0 ${innerWidth - 16}px`;
    }
  }
  draw();
}

let dprQuery = null;
function watchDevicePixelRatio() {
  dprQuery?.removeEventListener('change', onDprChange);
  dprQuery = matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`);
  dprQuery.addEventListener('change', onDprChange);
}
function onDprChange() {
  watchDevicePixelRatio();
  layout();
}
window.addEventListener('resize', layout);
watchDevicePixelRatio();

// --- display only -----------------------------------------------------------
function enterDisplayOnly() {
  displayOnly = true;
  document.body.classList.add('display-only');
  document.documentElement.requestFullscreen?.().catch(() => {});
  layout();
}
function leaveDisplayOnly() {
  displayOnly = false;
  document.body.classList.remove('display-only');
  if (document.fullscreenElement) document.exitFullscreen().catch(() => {});
  layout();
}
$('displayOnly').addEventListener('click', enterDisplayOnly);
document.addEventListener('fullscreenchange', () => {
  if (!document.fullscreenElement && displayOnly) leaveDisplayOnly();
});
canvas.addEventListener('dblclick', () => (displayOnly ? leaveDisplayOnly() : enterDisplayOnly()));
if (params.get('view') === 'display') {
  displayOnly = true;
  document.body.classList.add('display-only');
}

// --- touch and the first visit -----------------------------------------------
// A touch screen shows the keys over the display in the display-only view;
// they fade after a few seconds without a touch.
const touchScreen = navigator.maxTouchPoints > 0 || matchMedia('(any-pointer: coarse)').matches;
document.body.classList.toggle('touch', touchScreen);
let quietTimer = 0;
function keysInUse() {
  document.body.classList.remove('quiet');
  clearTimeout(quietTimer);
  quietTimer = setTimeout(() => document.body.classList.add('quiet'), 3000);
}
document.addEventListener('pointerdown', keysInUse, { capture: true, passive: true });
keysInUse();
// How to begin, once: until it is dismissed or the instrument is switched on.
const Hinted = 'axim7-hinted';
const hint = $('hint');
const remember = () => {
  hint.hidden = true;
  try { localStorage.setItem(Hinted, '1'); } catch { /* storage refused: shown again next time */ }
};
try { hint.hidden = localStorage.getItem(Hinted) === '1'; } catch { hint.hidden = false; }
// Not over a screen left running at a trade show.
if (params.has('scenario') || params.get('view') === 'display') hint.hidden = true;
$('hintOk').addEventListener('click', remember);
$('on').addEventListener('click', remember);

// --- the first frame --------------------------------------------------------
layout();
document.documentElement.classList.add('laid-out');

try {
  M = await (await import('./axim7-core.mjs')).default();
} catch (error) {
  showStatus(`The simulator could not start: ${error.message ?? error}. It needs a browser with WebAssembly.`);
  throw error;
}
const journal = new Journal();
calls = panelCalls(M, journal);
M._axim_start();
M.onPresent = present;

// The controls from the front panel's table.
const panel = panelControls(JSON.parse(M.UTF8ToString(M._axim_panel_table())));
panel.problems.forEach((problem) => console.error(`The page's front panel: ${problem}.`));
page.panel = panel;

// A fixed clock (seconds since 1970 UTC), for demonstrations and tests whose
// screens show the time; a scenario gives it back when it ends.
if (params.has('clock')) {
  const utc = Number(params.get('clock'));
  if (Number.isFinite(utc) && utc >= 0) calls.fixClock(utc);
}

// --- the lamp, the state and the readings ----------------------------------
const lamp = $('lamp');
let lampShown = -1;
function showLamp() {
  const red = M._axim_lamp();
  if (red === lampShown) return;
  lampShown = red;
  const colour = `rgb(${red}, 0, 0)`;
  lamp.style.background = lamp.style.borderColor = colour;
  lamp.setAttribute('aria-label', red === 255 ? 'Alarm lamp, lit' : 'Alarm lamp, dark');
  document.body.style.setProperty('--lamp', colour);
}
function showState() {
  const state = M._axim_running() ? 'on' : 'off';
  if (document.body.dataset.state !== state) document.body.dataset.state = state;
}

// What each input reads as, for the count the instrument has (the current's
// 0 until its bar is first moved, although the bar starts in the middle).
const calibrate = panel.inputs.at(-1).control;
const sensors = panel.inputs.slice(0, -1);
function showReadings() {
  sensors.forEach(({ out }, i) => {
    const text = M.UTF8ToString(M._axim_reading(i, M._axim_input_value(i)));
    if (out.value !== text) out.value = text;
  });
}
sensors.forEach(({ control }, i) => {
  control.addEventListener('input', () => {
    calls.setInput(i, Number(control.value));
    wake();
  });
});
calibrate.addEventListener('change', () => {
  calls.setInput(panel.inputs.length - 1, calibrate.checked ? 1 : 0);
  wake();
});
// The controls follow the panel, whoever moved it (a scenario, program
// start): the input moved, or -1 for On and Off.
function heard(input) {
  const control = panel.inputs[input]?.control;
  const position = input >= 0 ? M._axim_position(input) : 0;
  if (control?.type === 'checkbox') control.checked = position !== 0;
  else if (control && Number(control.value) !== position) control.value = position;
  showReadings();
  showState();
}

// --- timing ---------------------------------------------------------------
const ticks = new TickClock(performance.now());
page.ticks = ticks;
let readingsDue = 0;

// The passes the panel asks for; false when it asks for none.
function runPasses() {
  if (!M._axim_wants_pass()) return false;
  calls.pass();
  present();
  // The calibration and units can change on the instrument's own pages.
  if (performance.now() >= readingsDue) {
    readingsDue = performance.now() + 250;
    showReadings();
  }
  return true;
}
// The ticks due by now, each with the pass it asks for, so that a page the
// browser woke seldom (a tab in the background) is right when it returns.
function service() {
  for (let n = ticks.due(performance.now()); n > 0; n -= 1) {
    calls.tick();
    page.onTick?.();
    runPasses();
  }
  if (runPasses()) wake();  // a key taken shows its effect on the next pass
}
// A pass on the next screen refresh.
let refreshAsked = false;
function wake() {
  if (refreshAsked) return;
  refreshAsked = true;
  requestAnimationFrame(() => {
    refreshAsked = false;
    service();
  });
}
page.wake = wake;
setInterval(service, 100);

function switchOn() {
  calls.on();
  wake();
}
page.switchOn = switchOn;

// --- the front panel -------------------------------------------------------
const deposit = (name) => {
  calls.key(panel.keys[name].code);
  wake();
};
$('on').addEventListener('click', switchOn);
$('off').addEventListener('click', () => {
  calls.off();
  wake();
});
for (const [name, { button }] of Object.entries(panel.keys))
  if (name !== 'knob') button?.addEventListener('click', () => deposit(name));

const knob = $('knob');
const wheel = new WheelNotches();
knob.addEventListener('wheel', (event) => {
  event.preventDefault();
  const notches = wheel.add(event.deltaY, event.deltaMode);
  // One key per notch; the slot keeps the first until a pass takes it.
  for (let i = 0; i < Math.abs(notches); i += 1) deposit(notches > 0 ? 'plus' : 'minus');
}, { passive: false });

let drag = null;
knob.addEventListener('pointerdown', (event) => {
  if (event.button !== 0) return;
  const box = knob.getBoundingClientRect();
  drag = new KnobDrag(box.left + box.width / 2, box.top + box.height / 2,
                      event.clientX, event.clientY);
  knob.setPointerCapture(event.pointerId);
  event.preventDefault();
});
knob.addEventListener('pointermove', (event) => {
  if (!drag) return;
  const steps = drag.move(event.clientX, event.clientY);
  for (let i = 0; i < Math.abs(steps); i += 1) deposit(steps > 0 ? 'plus' : 'minus');
});
knob.addEventListener('pointerup', () => {
  if (drag?.isTap()) deposit('knob');
  drag = null;
});
knob.addEventListener('pointercancel', () => { drag = null; });
// Space or Enter on the focused knob (a click without a pointer); the arrow
// keys turn it.
knob.addEventListener('click', (event) => {
  if (event.detail === 0) deposit('knob');
});
knob.addEventListener('keydown', (event) => {
  const turn = { ArrowUp: 'plus', ArrowRight: 'plus', ArrowDown: 'minus', ArrowLeft: 'minus' }[event.key];
  if (turn === undefined) return;
  event.preventDefault();
  deposit(turn);
});

// The keyboard's front panel, always the instrument's as on the desktop
// (Enter presses the knob even with a button focused; Space still works the
// focused button or check box, the arrows a focused input).
document.addEventListener('keydown', (event) => {
  if (displayOnly && event.key === 'Escape') { leaveDisplayOnly(); return; }
  // Enter and Space on a focused control (a link, a button, a field) are that
  // control's; the face's buttons press their own key by their click.
  if ((event.key === 'Enter' || event.key === ' ') &&
      event.target.closest?.('a[href], button, input, select, textarea, summary, label')) return;
  // What is typed into a field is the field's ("-5 °C").
  if (event.target.closest?.('input:not([type="range"]):not([type="checkbox"]), textarea, [contenteditable]')) return;
  const code = frontPanelKey(event);
  if (code === null) return;
  event.preventDefault();
  if (!event.repeat || code !== 'knob') deposit(code);
});


M.onPanel = heard;
present();
showReadings();
performance.mark('axim-first-frame');

// Kept for use without a network once the page has loaded (sw.js).
if ('serviceWorker' in navigator && window.isSecureContext) {
  const keep = () => navigator.serviceWorker.register('sw.js', { updateViaCache: 'none' })
    .catch((error) => console.info(`The site is not kept for use offline: ${error.message}`));
  if (document.readyState === 'complete') keep();
  else window.addEventListener('load', keep, { once: true });
}

// --- the tools ----------------------------------------------------------------
// The module with the tools, once the first frame is shown: started, given
// the journal, checked to stand where the firmware alone stands, and from
// then on the page's. Until then the tools' controls are inert.
async function handOver() {
  let full, tools;
  try {
    [full, tools] = await Promise.all([import('./axim7.mjs').then(({ default: AximModule }) => AximModule()),
                                       import('./tools.js')]);
  } catch (error) {
    showStatus(`The simulator's tools could not load (${error.message ?? error}); ` +
               'the instrument works, the tools come with a reload.');
    return;
  }
  full._axim_start();
  const replayed = journal.replay(full);
  page.handOver = { calls: journal.entries.length, same: replayed && sameState(M, full) };
  if (!page.handOver.same)
    console.error(replayed ? 'The tools\' module does not stand where the firmware stood.'
                           : 'The firmware ran too long alone: the tools\' module starts afresh.');
  full.onPresent = present;
  full.onPanel = heard;
  M = full;
  calls = panelCalls(M);
  tools.startTools(M, page, { panel, sensors, wake, showStatus, params });
  for (const element of document.querySelectorAll('[inert]')) element.inert = false;
  heard(-1);
  wake();
  performance.mark('axim-tools');
  page.ready = true;
  document.dispatchEvent(new Event('axim-ready'));
}
requestAnimationFrame(() => setTimeout(handOver, 0));
