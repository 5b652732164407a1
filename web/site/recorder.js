// The page's scenario recorder, as the desktop window's "Record Scenario":
// Start restarts the instrument from program start and records what the
// visitor does to the front panel, "Add Expectation" adds what the display
// shows with its reference screen, Stop ends it on the next pass after the
// next tick; the scenario (.yaml) and its screens (.png) are then offered as
// downloads. The recording is the module's session, told of the page's
// ticks and slider drags here.
import { download } from './pictures.js';

export class Recorder {
  // root: the recorder's <details>; sensors: the page's slider rows; busy:
  // the parts of the page that play scenarios (inert while recording).
  constructor(M, root, { sensors, busy, wake, present }) {
    Object.assign(this, { M, root, busy, wake, present, recorded: [], stopping: false });
    const $ = (id) => root.querySelector(`#${id}`);
    this.start = $('recordStart');
    // The name's field, made when the recorder is first opened.
    this.name = null;
    root.addEventListener('toggle', () => {
      if (root.open && !this.name) this.makeNameField();
    });
    this.expect = $('recordExpect');
    this.stop = $('recordStop');
    this.status = $('recorderStatus');
    this.list = $('recordedFiles');
    this.start.addEventListener('click', () => this.begin());
    this.expect.addEventListener('click', () => this.addExpectation());
    this.stop.addEventListener('click', () => this.end());
    M.onRecordingDue = () => this.finish();
    // A slider held: its moves until it is let go are one step.
    sensors.forEach(({ control }, i) => {
      control.addEventListener('pointerdown', () => M._axim_recorder_drag_began(i));
      const release = () => M._axim_recorder_drag_ended(i, Number(control.value));
      control.addEventListener('pointerup', release);
      control.addEventListener('pointercancel', release);
    });
  }

  makeNameField() {
    const label = document.createElement('label');
    label.title = 'The scenario\'s name: letters, digits, - and _';
    this.name = Object.assign(document.createElement('input'), {
      type: 'text', id: 'recordName', value: 'recording', autocomplete: 'off', spellcheck: false,
    });
    this.name.addEventListener('keydown', (event) => {
      event.stopPropagation();  // what is typed is the name's, not the front panel's
      if (event.key === 'Enter') this.begin();
    });
    label.append('Name ', this.name);
    this.start.before(label);
    this.showState();
  }

  recording() { return this.M._axim_recorder_active() === 1; }
  // The files of the last recording: [{ name, bytes }].
  files() { return this.recorded; }

  say(sentence, refused = false) {
    this.status.textContent = sentence;
    this.status.classList.toggle('refused', refused);
  }
  text(name) { return this.M.UTF8ToString(this.M[`_${name}`]()); }
  fileName() { return this.text('axim_recorder_path').split('/').pop(); }
  showState() {
    const on = this.recording();
    this.start.disabled = on;
    if (this.name) this.name.disabled = on;
    this.expect.disabled = !on || this.stopping;
    this.stop.disabled = !on || this.stopping;
    for (const element of this.busy) element.inert = on;
  }
  showTime() {
    const seconds = Math.floor(this.M._axim_recorder_ticks() / 10);
    const count = this.M._axim_recorder_expectations();
    this.say(`Recording ${Math.floor(seconds / 60)}:${String(seconds % 60).padStart(2, '0')} - ` +
             `${this.fileName()}, ${count} expectation${count === 1 ? '' : 's'}`);
  }

  begin() {
    const M = this.M;
    if (this.recording()) return;
    if (M._axim_scenario_playing()) {
      this.say('A scenario is playing. Stop it before recording a new one.', true);
      return;
    }
    const typed = this.name?.value.trim() || 'recording';
    const size = M.lengthBytesUTF8(typed) + 1;
    const name = M._malloc(size);
    M.stringToUTF8(typed, name, size);
    const started = M._axim_recorder_start(name);
    M._free(name);
    if (!started) {
      this.say(this.text('axim_recorder_error'), true);
      return;
    }
    this.stopping = false;
    this.recorded = [];
    this.list.replaceChildren();
    this.present();  // dark until the restart's "&On"
    this.showState();
    this.showTime();
    this.wake();
  }

  // The page's tick, after its own handling of it.
  tick() {
    if (!this.recording()) return;
    if (this.M._axim_recorder_ticked()) {
      this.finish();
      return;
    }
    if (this.M._axim_recorder_ticks() % 10 === 0) this.showTime();
  }

  addExpectation() {
    if (!this.recording()) return;
    if (!this.M._axim_recorder_expect()) {
      this.say(this.text('axim_recorder_error'), true);
      return;
    }
    this.say(`Expectation ${this.M._axim_recorder_expectations()} added - ${this.fileName()}`);
  }

  end() {
    if (!this.recording() || this.stopping) return;
    if (this.M._axim_recorder_stop()) {
      this.finish();
      return;
    }
    this.stopping = true;  // on the next pass after the next tick
    this.showState();
  }

  // The scenario written, taken from the module's file system as downloads.
  finish() {
    const M = this.M;
    if (!this.recording()) return;
    const path = this.text('axim_recorder_path');
    const count = M._axim_recorder_expectations();
    const written = M._axim_recorder_finish();
    this.stopping = false;
    this.showState();
    if (!written) {
      this.say(this.text('axim_recorder_error'), true);
      return;
    }
    const folder = path.slice(0, path.lastIndexOf('/') + 1);
    const stem = path.slice(folder.length, -'.yaml'.length);
    const names = [`${stem}.yaml`, ...Array.from({ length: count }, (_, i) => `${stem}-${i + 1}.png`)];
    this.recorded = names.map((name) => {
      const bytes = M.FS.readFile(folder + name);
      M.FS.unlink(folder + name);
      return { name, bytes };
    });
    this.list.replaceChildren(...this.recorded.map(({ name, bytes }) => {
      const item = document.createElement('li');
      const link = document.createElement('a');
      link.href = '#';
      link.textContent = name;
      link.addEventListener('click', (event) => {
        event.preventDefault();
        download(bytes, name, name.endsWith('.png') ? 'image/png' : 'text/yaml');
      });
      item.append(link);
      return item;
    }));
    this.say(`Scenario written: ${names[0]}${count ? ` with ${count} reference screen${count === 1 ? '' : 's'}` : ''}.`);
    this.wake();
  }
}
