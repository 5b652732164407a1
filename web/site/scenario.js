// Scenario files played in the page as the desktop window plays them: at
// real speed, a short pause after each step so that it can be seen, keys a
// pause apart. The firmware module reads and checks the file and runs the
// steps on the firmware's records; the page works the controls.

export const StepKind = {
  SetControl: 0, Power: 1, Press: 2, Delay: 3, Set: 4, Expect: 5, Screenshot: 6,
  RecordStart: 7, RecordStop: 8,
};
const StepPause = 150;   // long enough to see each step on the status line
const PowerPause = 300;
export const KeyPause = 400;

export class ScenarioPlayer {
  // controls: setControl(control, value), power(on), press(key), lampRed(),
  // status(sentence), finished(passed, message).
  constructor(module, controls) {
    this.M = module;
    this.controls = controls;
    this.timer = null;
    this.playing = false;
    this.count = 0;
  }

  // Puts the files (a scenario and the reference screens it compares with)
  // into the module's scenario folder and reads the scenario; returns null,
  // or the reader's message.
  load(files) {
    const { FS } = this.M;
    this.stop();
    for (const folder of ['/scenarios', '/out']) this.removeTree(folder);
    FS.mkdirTree('/scenarios');
    FS.mkdirTree('/out');
    let scenario = null;
    for (const file of files) {
      const name = file.name.replace(/^.*[\\/]/, '');
      FS.writeFile(`/scenarios/${name}`, file.bytes);
      if (!scenario && /\.ya?ml$/i.test(name)) scenario = name;
    }
    if (!scenario) return 'No scenario file (.yaml or .yml) among the files.';
    FS.chdir('/scenarios');
    const count = this.call('axim_scenario_load', scenario);
    if (count < 0) return this.message();
    this.count = count;
    this.file = scenario;
    return null;
  }

  name() { return this.M.UTF8ToString(this.M._axim_scenario_name()); }
  message() { return this.M.UTF8ToString(this.M._axim_scenario_message()); }

  // Calls an exported function with one string argument.
  call(name, text) {
    const size = this.M.lengthBytesUTF8(text) + 1;
    const pointer = this.M._malloc(size);
    this.M.stringToUTF8(text, pointer, size);
    try {
      return this.M[`_${name}`](pointer);
    } finally {
      this.M._free(pointer);
    }
  }

  removeTree(path) {
    const { FS } = this.M;
    if (!FS.analyzePath(path).exists) return;
    for (const entry of FS.readdir(path)) {
      if (entry === '.' || entry === '..') continue;
      const child = `${path}/${entry}`;
      if (FS.isDir(FS.stat(child).mode)) this.removeTree(child);
      else FS.unlink(child);
    }
    if (FS.cwd() === path) FS.chdir('/');
    FS.rmdir(path);
  }

  // The files the scenario wrote (screenshots, recordings), by path.
  outputs(path = '/out') {
    const { FS } = this.M;
    const found = [];
    if (!FS.analyzePath(path).exists) return found;
    for (const entry of FS.readdir(path)) {
      if (entry === '.' || entry === '..') continue;
      const child = `${path}/${entry}`;
      if (FS.isDir(FS.stat(child).mode)) found.push(...this.outputs(child));
      else found.push({ path: child.slice('/out/'.length), bytes: FS.readFile(child) });
    }
    return found;
  }

  play() {
    this.M._axim_scenario_begin();
    this.playing = true;
    this.index = 0;
    this.pressesLeft = 0;
    this.next();
  }

  stop(status = '') {
    if (!this.playing) return;
    this.playing = false;
    clearTimeout(this.timer);
    this.M._axim_scenario_end();
    if (status) this.controls.status(status);
  }

  next() {
    if (!this.playing) return;
    if (this.index >= this.count) {
      this.stop(`Scenario ${this.name()} passed`);
      this.controls.finished(true, '');
      return;
    }
    const i = this.index;
    this.controls.status(`Line ${this.M._axim_step_line(i)}: ${this.M.UTF8ToString(this.M._axim_step_text(i))}`);
    this.runStep(i);
  }

  fail(message) {
    this.stop(message);
    this.controls.finished(false, message);
  }

  runStep(i) {
    const M = this.M;
    let wait = StepPause;
    switch (M._axim_step_kind(i)) {
      case StepKind.SetControl:
        this.controls.setControl(M._axim_step_control(i), M._axim_step_value(i));
        break;
      case StepKind.Power:
        this.controls.power(M._axim_step_value(i) !== 0);
        wait = PowerPause;
        break;
      case StepKind.Press:
        if (this.pressesLeft === 0) this.pressesLeft = M._axim_step_times(i);
        this.controls.press(M._axim_step_key(i));
        this.pressesLeft -= 1;
        if (this.pressesLeft > 0) {
          this.timer = setTimeout(() => this.runStep(i), KeyPause);
          return;
        }
        wait = KeyPause;
        break;
      case StepKind.Delay:
        wait = M._axim_step_ticks(i) * 100;
        break;
      default:
        if (!M._axim_step_run(i, this.controls.lampRed() ? 1 : 0)) {
          this.fail(this.message());
          return;
        }
    }
    this.index += 1;
    this.timer = setTimeout(() => this.next(), wait);
  }
}
