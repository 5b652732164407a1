// The simulator's page: the firmware (WebAssembly) driven as the desktop
// window drives it. A tick every 100 ms of wall time whether the instrument
// is on or off; while on, one pass per screen refresh (resting while the
// display stands still, below); the display drawn only when its frame
// changed.
import AximModule from './axim7.mjs';
import { Controls, DisplayBox, Face, displayOnlyScale, faceScale, gridShift, layoutRound,
         pixelGrid } from './layout.js';
import { Key, KnobDrag, TickClock, WheelNotches, frontPanelKey } from './input.js';
import { Pictures, download } from './pictures.js';
import { ScenarioPlayer } from './scenario.js';

const $ = (id) => document.getElementById(id);
const params = new URLSearchParams(location.search);

let M;
try {
  M = await AximModule();
} catch (error) {
  document.getElementById('status').textContent =
    `The simulator could not start: ${error.message ?? error}. It needs a browser with WebAssembly.`;
  throw error;
}
M._axim_start();

const page = {
  module: M,
  frames: 0,        // frames drawn on the canvas
  passes: 0,        // passes run
  scale: 0,         // device pixels per display pixel
  running: false,
};
window.aximPage = page;

// A fixed clock (seconds since 1970 UTC), for demonstrations and tests whose
// screens show the time.
if (params.has('clock')) {
  const utc = Number(params.get('clock'));
  if (Number.isFinite(utc) && utc >= 0) M._axim_fix_clock(utc);
}

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

// The frame buffer through the colour table, when it changed.
function present() {
  if (!M._axim_present()) return false;
  const rgba = M._axim_rgba();
  frame.data.set(M.HEAPU8.subarray(rgba, rgba + frame.data.length));
  smallContext.putImageData(frame, 0, 0);
  draw();
  pictures.offer();
  if (player?.playing && !M._axim_scenario_offer()) player.fail(player.message());
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
  win.style.paddingLeft = `${layoutRound(Math.max(8, (innerWidth - width) / 2))}px`;
  win.style.paddingTop = height === null ? ''
    : `${layoutRound(Math.max(8, (innerHeight - height) / 2))}px`;
  face.style.marginLeft = face.style.marginTop = '0px';
  const grid = pixelGrid(dpr);
  const box = canvas.getBoundingClientRect();
  face.style.marginLeft = `${gridShift(box.left + scrollX, grid)}px`;
  face.style.marginTop = `${gridShift(box.top + scrollY, grid)}px`;
}

function layout() {
  const dpr = window.devicePixelRatio || 1;
  const scale = displayOnly
    ? displayOnlyScale(innerWidth, innerHeight, dpr, Ring)
    : faceScale(innerWidth, innerHeight, dpr);
  const unit = scale / dpr;  // CSS pixels per display pixel
  page.scale = scale;
  if (displayOnly) {
    face.style.width = `${DisplayBox.width * unit}px`;
    face.style.height = `${DisplayBox.height * unit}px`;
    place(canvas, [0, 0, DisplayBox.width, DisplayBox.height], unit);
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
    alignFace(dpr, DisplayBox.width * unit, DisplayBox.height * unit);
  } else {
    const inputsPanel = $('inputs');
    inputsPanel.style.marginLeft = inputsPanel.style.flex = '';
    const beside = innerWidth >= Face.width * unit + 16 + inputsPanel.offsetWidth + 16;
    alignFace(dpr, beside ? Face.width * unit + 16 + inputsPanel.offsetWidth : Face.width * unit,
              null);
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

// --- the lamp and the readings -------------------------------------------
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

// What each input reads as, from the firmware's own conversions; the counts
// are those the firmware has (an input not yet moved is 0, as on the
// desktop, although the current's bar starts in the middle).
const inputs = [0, 1, 2, 3, 4, 5].map((i) => ({ bar: $(`in${i}`), out: $(`out${i}`), count: 0 }));
function showReadings() {
  inputs.forEach((input, i) => {
    const text = M.UTF8ToString(M._axim_reading(i, input.count));
    if (input.out.value !== text) input.out.value = text;
  });
}
inputs.forEach((input, i) => {
  input.bar.addEventListener('input', () => {
    input.count = Number(input.bar.value);
    M._axim_set_input(i, input.count);
    wake();
    showReadings();
  });
});
const calibrate = $('calibrate');
calibrate.addEventListener('change', () => {
  M._axim_set_calibrate(calibrate.checked ? 1 : 0);
  wake();
});

// --- timing ---------------------------------------------------------------
const ticks = new TickClock(performance.now());
page.ticks = ticks;
function runTicks() {
  for (let n = ticks.due(performance.now()); n > 0; n -= 1) M._axim_tick();
}
// While on, a pass per screen refresh. A display that has not changed for a
// second waits with its passes for the next tick (its blink, timers and
// clock can change only then) or the next key or input, which bring back a
// pass per refresh: the firmware times nothing by its passes, and a page left
// standing takes next to no processor.
const StillMs = 1000;
let resting = false;
let changedAt = 0;
let readingsDue = 0;

// One pass; false when the instrument has gone off.
function runPass() {
  runTicks();
  if (!M._axim_pass()) {
    page.running = false;
    resting = false;
    document.body.dataset.state = 'off';
    showReadings();
    return false;
  }
  page.passes += 1;
  if (present()) changedAt = performance.now();
  showLamp();
  // The calibration and units can change on the instrument's own pages.
  if (performance.now() >= readingsDue) {
    readingsDue = performance.now() + 250;
    showReadings();
  }
  return true;
}

function pass() {
  if (!runPass()) return;
  if (performance.now() - changedAt > StillMs) {
    resting = true;
    return;
  }
  requestAnimationFrame(pass);
}

// Something may change the display: a pass per refresh again.
function wake() {
  changedAt = performance.now();
  if (!page.running || !resting) return;
  resting = false;
  requestAnimationFrame(pass);
}
page.wake = wake;

// The tick runs also while the instrument is off and while the page is in
// the background (where the browser wakes it seldom: the ticks catch up).
setInterval(() => {
  runTicks();
  if (page.running && resting && runPass() && performance.now() - changedAt <= StillMs) wake();
}, 100);

function switchOn() {
  M._axim_on();
  showReadings();
  changedAt = performance.now();
  if (!page.running) {
    page.running = true;
    resting = false;
    document.body.dataset.state = 'on';
    requestAnimationFrame(pass);
  } else {
    wake();
  }
}
page.switchOn = switchOn;

// --- the front panel -------------------------------------------------------
const deposit = (code) => {
  M._axim_key(code);
  wake();
};
$('on').addEventListener('click', switchOn);
$('off').addEventListener('click', () => M._axim_off());
$('plus').addEventListener('click', () => deposit(Key.Plus));
$('minus').addEventListener('click', () => deposit(Key.Minus));
$('f1').addEventListener('click', () => deposit(Key.Left));
$('f2').addEventListener('click', () => deposit(Key.Right));

const knob = $('knob');
const wheel = new WheelNotches();
knob.addEventListener('wheel', (event) => {
  event.preventDefault();
  const notches = wheel.add(event.deltaY, event.deltaMode);
  // One key per notch; the slot keeps the first until a pass takes it.
  for (let i = 0; i < Math.abs(notches); i += 1) deposit(notches > 0 ? Key.Plus : Key.Minus);
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
  for (let i = 0; i < Math.abs(steps); i += 1) deposit(steps > 0 ? Key.Plus : Key.Minus);
});
knob.addEventListener('pointerup', () => {
  if (drag?.isTap()) deposit(Key.Press);
  drag = null;
});
knob.addEventListener('pointercancel', () => { drag = null; });
// Space or Enter on the focused knob (a click without a pointer); the arrow
// keys turn it.
knob.addEventListener('click', (event) => {
  if (event.detail === 0) deposit(Key.Press);
});
knob.addEventListener('keydown', (event) => {
  const turn = { ArrowUp: Key.Plus, ArrowRight: Key.Plus, ArrowDown: Key.Minus, ArrowLeft: Key.Minus }[event.key];
  if (turn === undefined) return;
  event.preventDefault();
  deposit(turn);
});

// The keyboard's front panel, always the instrument's as on the desktop
// (Enter presses the knob even with a button focused; Space still works the
// focused button or check box, the arrows a focused input).
document.addEventListener('keydown', (event) => {
  if (displayOnly && event.key === 'Escape') { leaveDisplayOnly(); return; }
  const code = frontPanelKey(event);
  if (code === null) return;
  event.preventDefault();
  if (!event.repeat || code !== Key.Press) deposit(code);
});

// --- pictures -------------------------------------------------------------
const statusLine = $('status');
function showStatus(sentence) { statusLine.textContent = sentence; }
const pictures = new Pictures(M, showStatus);
page.pictures = pictures;
const pictureScale = () => Number($('scale').value);
$('savePng').addEventListener('click', () => pictures.savePng(pictureScale()));
$('copyPng').addEventListener('click', () => pictures.copyPng(pictureScale()));
const recordButton = $('record');
function showRecording() {
  const on = pictures.recording();
  recordButton.setAttribute('aria-pressed', String(on));
  recordButton.textContent = on ? 'Stop recording' : 'Record GIF';
}
recordButton.addEventListener('click', () => {
  if (pictures.recording()) pictures.stopRecording();
  else pictures.startRecording(pictureScale());
  showRecording();
});

// --- scenarios --------------------------------------------------------------
function setControl(control, value) {
  if (control === 6) {
    calibrate.checked = value !== 0;
    M._axim_set_calibrate(value !== 0 ? 1 : 0);
    wake();
    return;
  }
  const input = inputs[control];
  input.bar.value = value;
  input.count = value;
  M._axim_set_input(control, value);
  wake();
  showReadings();
}
function flash(id) {
  const button = $(id);
  button.classList.add('pressed');
  setTimeout(() => button.classList.remove('pressed'), 200);
}
const outputs = $('outputs');
let loopScenario = params.get('loop') === '1';
let player = null;
player = new ScenarioPlayer(M, {
  setControl,
  power: (on) => (on ? switchOn() : M._axim_off()),
  press: (key) => {
    if (key === Key.Plus) flash('plus');
    if (key === Key.Minus) flash('minus');
    deposit(key);
  },
  lampRed: () => M._axim_lamp() === 255,
  status: showStatus,
  finished: (passed) => {
    $('stopScenario').disabled = true;
    for (const file of player.outputs()) {
      const item = document.createElement('li');
      const link = document.createElement('a');
      link.href = '#';
      link.textContent = file.path;
      link.addEventListener('click', (event) => {
        event.preventDefault();
        download(file.bytes, file.path.replace(/\//g, '-'), file.path.endsWith('.gif') ? 'image/gif' : 'image/png');
      });
      item.append(link);
      outputs.append(item);
    }
    page.scenarioResult = passed ? 'passed' : 'failed';
    if (passed && loopScenario) setTimeout(startScenario, 2000);
  },
});
page.player = player;

// Starts the loaded scenario from program start, the controls as at start.
function startScenario() {
  outputs.replaceChildren();
  page.scenarioResult = 'playing';
  inputs.forEach((input, i) => setControl(i, 0));
  calibrate.checked = true;
  $('stopScenario').disabled = false;
  player.play();
}

// Reads the files (a scenario, and reference screens); plays it or says why not.
function playFiles(files) {
  player.stop();
  const problem = player.load(files);
  if (problem) {
    showStatus(problem);
    page.scenarioResult = 'refused';
    return;
  }
  startScenario();
}
async function playFileList(list) {
  const files = await Promise.all(Array.from(list, async (file) =>
    ({ name: file.name, bytes: new Uint8Array(await file.arrayBuffer()) })));
  playFiles(files);
}
async function playSiteScenario(name) {
  const response = await fetch(`scenarios/${name}.yaml`);
  if (!response.ok) {
    showStatus(`No scenario "${name}" on this site.`);
    return;
  }
  playFiles([{ name: `${name}.yaml`, bytes: new Uint8Array(await response.arrayBuffer()) }]);
}
page.playSiteScenario = playSiteScenario;
page.playFiles = playFiles;
$('tour').addEventListener('click', () => playSiteScenario('tour'));
$('scenarioFile').addEventListener('change', (event) => {
  if (event.target.files.length) playFileList(event.target.files);
  event.target.value = '';
});
$('stopScenario').addEventListener('click', () => {
  loopScenario = false;
  player.stop('Scenario stopped');
  $('stopScenario').disabled = true;
});
document.addEventListener('dragover', (event) => {
  event.preventDefault();
  document.body.classList.add('dropping');
});
document.addEventListener('dragleave', () => document.body.classList.remove('dropping'));
document.addEventListener('drop', (event) => {
  event.preventDefault();
  document.body.classList.remove('dropping');
  if (event.dataTransfer.files.length) playFileList(event.dataTransfer.files);
});

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

// --- start ------------------------------------------------------------------
document.body.dataset.state = 'off';
present();
showLamp();
showReadings();
layout();
performance.mark('axim-first-frame');
page.ready = true;
document.dispatchEvent(new Event('axim-ready'));
// ?scenario=NAME plays scenarios/NAME.yaml of the site (tour), ?loop=1 again
// and again: a screen left running at a trade show.
const named = params.get('scenario');
if (named) {
  if (/^[A-Za-z0-9_-]+$/.test(named)) playSiteScenario(named);
  else showStatus(`A scenario name has letters, digits, - and _ only, not "${named}".`);
}
