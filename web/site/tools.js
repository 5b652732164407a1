// The page's tools on the module that has them: the flight data, pictures,
// scenarios, lessons and shared links, started once that module has taken
// over from the firmware alone (app.js).
import { Pictures, download } from './pictures.js';
import { ScenarioFiles } from './scenario.js';
import { Lessons } from './lesson.js';
import { FlightData } from './flight.js';
import { filesOfLink, makeLink } from './share.js';
import { Inspector } from './state.js';
import { Recorder } from './recorder.js';

const $ = (id) => document.getElementById(id);

export function startTools(M, page, { panel, sensors, wake, showStatus, params }) {
  // The flight data panel: inputs in units, named states, a flight log, the
  // device's motion.
  const flight = new FlightData(M, $('flightData'), sensors, () => wake());
  page.flight = flight;

  // The inspector, and the scenario recorder (told of each tick after the
  // page's own handling of it, as the window tells it).
  page.inspector = new Inspector(M, $('inspector'), () => wake());
  const recorder = new Recorder(M, $('recorder'), {
    sensors, busy: [$('scenarios'), $('help')], wake: () => wake(), present: () => M.onPresent?.(),
  });
  page.recorder = recorder;
  page.onTick = () => {
    flight.tick();
    recorder.tick();
  };

  // Leaving the page (a reload, a link, closing the tab) while a GIF or a
  // scenario is being recorded asks first: the recording would be lost.
  window.addEventListener('beforeunload', (event) => {
    if (!pictures.recording() && !recorder.recording()) return;
    event.preventDefault();
    event.returnValue = '';
  });

  // --- pictures -------------------------------------------------------------
  const pictures = new Pictures(M, showStatus);
  page.pictures = pictures;
  page.onPresent = () => pictures.offer();
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
  const scenarios = new ScenarioFiles(M);
  const outputs = $('outputs');
  const stopButton = $('stopScenario');
  const loop = params.get('loop') === '1';
  // The visitor's turn in a dealer's loop: a minute without input (shorter
  // for tests, ?idle=MS).
  const idleMs = Number(params.get('idle')) > 0 ? Number(params.get('idle')) : 0;
  M.onStatus = showStatus;
  M.onShowKey = (code, ms) => {
    const button = Object.values(panel.keys).find((key) => key.code === code)?.button;
    button?.classList.add('pressed');
    setTimeout(() => button?.classList.remove('pressed'), ms);
  };
  M.onRoundBegan = () => {
    outputs.replaceChildren();
    page.scenarioResult = 'playing';
    stopButton.disabled = false;
  };
  // How it ended: passed, failed or stopped.
  M.onRoundEnded = (end) => {
    for (const file of scenarios.outputs()) {
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
    page.scenarioResult = end;
    stopButton.disabled = !loop;  // a loop goes on after the visitor's turn
    wake();
  };

  // The files of the scenario last read, for "Copy link".
  let sharedFiles = null;
  const copyLinkButton = $('copyLink');
  const playLinkButton = $('playLink');

  // Reads the files (a scenario, and reference screens); plays it or says why not.
  function playFiles(files) {
    const problem = scenarios.load(files);
    if (problem) {
      showStatus(problem);
      page.scenarioResult = 'refused';
      return;
    }
    sharedFiles = files;
    copyLinkButton.disabled = false;
    playLinkButton.hidden = true;
    scenarios.play(loop, idleMs);
  }
  // A file by the name its user knows, quoted and with nothing in it that
  // could reorder or hide the sentence around it.
  const shownName = (name) => `"${name.replace(/[\u0000-\u001f\u007f-\u009f\u061c\u200b-\u200f\u202a-\u202e\u2060-\u2069\ufeff]/g,
    (c) => `\\u${c.charCodeAt(0).toString(16).toUpperCase().padStart(4, '0')}`)}"`;
  // Each file is measured before it is read: one over its limit (or of a kind
  // the page does not use) refuses the whole drop by its name and size.
  async function playFileList(list) {
    const chosen = Array.from(list);
    for (const file of chosen) {
      const limit = scenarios.call('axim_file_limit', file.name);
      if (limit === 0) {
        showStatus(`${shownName(file.name)} is not a scenario (.yaml) or a reference screen (.png).`);
        page.scenarioResult = 'refused';
        return;
      }
      if (file.size > limit) {
        showStatus(`${shownName(file.name)} is ${(file.size / 2 ** 20).toFixed(1)} MiB, larger than ` +
                   `the ${limit / 2 ** 20} MiB a ${/\.png$/i.test(file.name) ? 'reference screen' : 'scenario'} may be.`);
        page.scenarioResult = 'refused';
        return;
      }
    }
    let files;
    try {
      files = await Promise.all(chosen.map(async (file) =>
        ({ name: file.name, bytes: new Uint8Array(await file.arrayBuffer()) })));
    } catch (error) {
      showStatus(`The files could not be read (${error.name}): nothing was played.`);
      page.scenarioResult = 'refused';
      return;
    }
    playFiles(files);
  }
  async function playSiteScenario(name) {
    const response = await fetch(`scenarios/${name}.yaml`);
    if (!response.ok) {
      showStatus(`No scenario "${name}" on this site.`);
      return;
    }
    const bytes = new Uint8Array(await response.arrayBuffer());
    const files = [{ name: `${name}.yaml`, bytes }];
    // The flight logs it plays, from the site's scenarios folder, in their folders.
    const text = new TextDecoder().decode(bytes);
    const logs = new Set([...text.matchAll(/play-log:\s*\{[^}]*?file:\s*([A-Za-z0-9_./-]+)/g)]
      .map((match) => match[1]).filter((path) => !path.split('/').includes('..')));
    for (const path of logs) {
      const log = await fetch(`scenarios/${path}`);
      if (log.ok) files.push({ name: path, path, bytes: new Uint8Array(await log.arrayBuffer()) });
    }
    playFiles(files);
  }
  page.playSiteScenario = playSiteScenario;
  page.playFiles = playFiles;
  $('tour').addEventListener('click', () => playSiteScenario('tour'));
  // Help: lessons, played through the same files and driver.
  const lessons = new Lessons(M, { playFiles, stop: (status) => scenarios.stop(status) });
  lessons.fill();
  page.lessons = lessons;

  // "Copy link": the scenario last read, in a link's fragment (nothing goes to
  // any server); the link is also in page.lastLink for who cannot paste.
  page.shareLink = async () => (await makeLink(sharedFiles)).url;
  copyLinkButton.addEventListener('click', async () => {
    const { url, left } = await makeLink(sharedFiles);
    page.lastLink = url;
    const note = left.length
      ? ` The reference screens ${left.map(shownName).join(', ')} are too large for a link: it compares no screens.`
      : '';
    try {
      await navigator.clipboard.writeText(url);
      showStatus(`The link to ${shownName(scenarios.name())} is copied.${note}`);
    } catch {
      showStatus(`The link could not be copied here; it is in the address bar now.${note}`);
      history.replaceState(null, '', url);
    }
  });
  // A link's scenario is read and checked at once, and played when asked.
  async function offerLink() {
    let link;
    try {
      link = await filesOfLink();
    } catch (error) {
      showStatus(error.message);
      return;
    }
    if (!link) return;
    const problem = scenarios.load(link.files, link.screens);
    if (problem) {
      showStatus(`The link's scenario cannot be played: ${problem}`);
      page.scenarioResult = 'refused';
      return;
    }
    sharedFiles = link.files;
    copyLinkButton.disabled = false;
    playLinkButton.hidden = false;
    $('more').open = true;
    showStatus(`This link holds the scenario ${shownName(scenarios.name())}` +
               `${link.screens ? '' : ' (without its reference screens)'}: press Play to play it.`);
    page.scenarioResult = 'offered';
  }
  playLinkButton.addEventListener('click', () => {
    playLinkButton.hidden = true;
    scenarios.play(loop, idleMs);
  });
  window.addEventListener('hashchange', offerLink);
  $('scenarioFile').addEventListener('change', (event) => {
    if (event.target.files.length) playFileList(event.target.files);
    event.target.value = '';
  });
  stopButton.addEventListener('click', () => {
    scenarios.stop('Scenario stopped');
    stopButton.disabled = true;
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

  // ?scenario=NAME plays scenarios/NAME.yaml of the site (tour), ?loop=1 again
  // and again: a screen left running at a trade show.
  offerLink();
  const named = params.get('scenario');
  if (named) {
    if (/^[A-Za-z0-9_-]+$/.test(named)) playSiteScenario(named);
    else showStatus(`A scenario name has letters, digits, - and _ only, not "${named}".`);
  }
}
