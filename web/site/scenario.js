// Scenario files in the page. The firmware module reads and checks them and
// plays them with the one step driver, as the desktop window does (its
// pauses, the hand-over rule, the dealer's rounds); here only the files: the
// chosen ones put into the module's file system, and those a round wrote
// handed back.
export class ScenarioFiles {
  constructor(module) { this.M = module; }

  // Puts the files (a scenario and the reference screens it compares with)
  // into the module's scenario folder and reads the scenario; returns null,
  // or the reader's message.
  load(files, screens = true) {
    const { FS } = this.M;
    this.stop();
    for (const folder of ['/scenarios', '/out']) this.removeTree(folder);
    FS.mkdirTree('/scenarios');
    FS.mkdirTree('/out');
    let scenario = null;
    for (const file of files) {
      // A file of the site keeps its folder (a flight log in flights/).
      const name = file.path || file.name.replace(/^.*[\\/]/, '');
      if (file.path && name.includes('/')) FS.mkdirTree(`/scenarios/${name.replace(/\/[^/]*$/, '')}`);
      FS.writeFile(`/scenarios/${name}`, file.bytes);
      if (!scenario && /\.ya?ml$/i.test(name)) scenario = name;
    }
    if (!scenario) return 'No scenario file (.yaml or .yml) among the files.';
    FS.chdir('/scenarios');
    if (this.call('axim_scenario_load', scenario, screens ? 1 : 0) < 0) return this.message();
    return null;
  }

  // From program start; with loop, round after round, the visitor's turn
  // ending after idleMs without input (0: a minute).
  play(loop = false, idleMs = 0) { this.M._axim_scenario_play(loop ? 1 : 0, idleMs); }
  stop(status = '') { this.call('axim_scenario_stop', status); }
  playing() { return this.M._axim_scenario_playing() === 1; }
  name() { return this.M.UTF8ToString(this.M._axim_scenario_name()); }
  message() { return this.M.UTF8ToString(this.M._axim_scenario_message()); }

  // Calls an exported function with one string argument (and numbers after it).
  call(name, text, ...numbers) {
    const size = this.M.lengthBytesUTF8(text) + 1;
    const pointer = this.M._malloc(size);
    this.M.stringToUTF8(text, pointer, size);
    try {
      return this.M[`_${name}`](pointer, ...numbers);
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
}
