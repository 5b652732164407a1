// The page's flight data panel, as the desktop window's "Flight Data": each
// sensor input typed in its unit beside its count, the named states, a
// flight log played from the page's tick, and, when the visitor asks, this
// device's motion on the three axes.
const Speeds = [0.25, 0.5, 1, 2, 4, 8];
const Smoothing = 0.3;  // of each motion sample taken into the average

export class FlightData {
  // root: the panel's <details>; sensors: the page's rows of the panel's
  // inputs; wake: asks for a pass.
  constructor(M, root, sensors, wake) {
    Object.assign(this, { M, root, sensors, wake, motion: null, average: null });
    const $ = (id) => root.querySelector(`#${id}`);
    this.message = $('flightMessage');
    this.counts = sensors.map(({ row }, i) => {
      const line = document.createElement('div');
      line.className = 'flightField';
      const label = document.createElement('label');
      const field = document.createElement('input');
      Object.assign(field, { type: 'text', id: `unit${i}`, inputMode: 'decimal', autocomplete: 'off',
                             placeholder: this.text('axim_flight_unit', i) });
      field.setAttribute('aria-label', `${row.title} in ${field.placeholder}`);
      label.htmlFor = field.id;
      label.textContent = row.label;
      const count = document.createElement('output');
      count.htmlFor = field.id;
      // The keys typed are the field's: "-" and "+" press no front-panel key.
      field.addEventListener('keydown', (event) => {
        event.stopPropagation();
        if (event.key === 'Enter') this.set(i, field.value);
      });
      field.addEventListener('change', () => this.set(i, field.value));
      line.append(label, field, count);
      $('flightFields').append(line);
      return count;
    });
    for (let s = 0; s < M._axim_flight_state_count(); s += 1) {
      const button = document.createElement('button');
      button.type = 'button';
      button.textContent = M.UTF8ToString(M._axim_flight_state_name(s));
      button.addEventListener('click', () => {
        M._axim_log_pause();
        M._axim_flight_apply_state(s);
        this.say(`Inputs set to "${button.textContent}".`);
        this.changed();
      });
      $('flightStates').append(button);
    }
    this.play = $('logPlay');
    this.position = $('logPosition');
    this.time = $('logTime');
    this.speed = $('logSpeed');
    for (const speed of Speeds) this.speed.add(new Option(`${speed}x`, speed, false, speed === 1));
    $('logFile').addEventListener('change', (event) => {
      if (event.target.files.length) this.open(event.target.files[0]);
      event.target.value = '';
    });
    this.play.addEventListener('click', () => {
      if (M._axim_log_playing()) M._axim_log_pause();
      else M._axim_log_play();
      this.showPlayer();
    });
    $('logBack').addEventListener('click', () => this.step(-1));
    $('logForward').addEventListener('click', () => this.step(1));
    this.position.addEventListener('input', () => {
      M._axim_log_seek(Number(this.position.value) * 100);
      this.changed();
    });
    this.speed.addEventListener('change', () => M._axim_log_speed(Number(this.speed.value)));
    $('logLoop').addEventListener('change', (event) => M._axim_log_loop(event.target.checked ? 1 : 0));
    this.motionStart = $('motionStart');
    this.motionStop = $('motionStop');
    this.motionStart.addEventListener('click', () => this.startMotion());
    this.motionStop.addEventListener('click', () => this.stopMotion());
    this.onMotion = (event) => this.sample(event.accelerationIncludingGravity);
    this.showCounts();
    this.showPlayer();
  }

  // Calls an exported function, its strings written into the module's memory.
  call(name, ...args) {
    const pointers = [];
    const values = args.map((arg) => {
      if (typeof arg !== 'string') return arg;
      const size = this.M.lengthBytesUTF8(arg) + 1;
      pointers.push(this.M._malloc(size));
      this.M.stringToUTF8(arg, pointers.at(-1), size);
      return pointers.at(-1);
    });
    try {
      return this.M[`_${name}`](...values);
    } finally {
      pointers.forEach((pointer) => this.M._free(pointer));
    }
  }
  text(name, number) { return this.M.UTF8ToString(this.M[`_${name}`](number)); }
  say(sentence, refused = false) {
    this.message.textContent = sentence;
    this.message.classList.toggle('refused', refused);
  }

  // A typed value: what the visitor types wins over a log playing.
  set(input, text) {
    const outcome = this.call('axim_flight_set', input, text);
    const said = this.M.UTF8ToString(this.M._axim_flight_message());
    if (outcome === 0) {
      this.say(said, true);
      return;
    }
    this.M._axim_log_pause();
    this.say(said || `${this.sensors[input].row.title} set: ${this.countText(input)}.`, outcome === 2);
    this.changed();
  }

  // A log chosen by the visitor, measured before it is read.
  async open(file) {
    const M = this.M;
    const limit = this.call('axim_file_limit', file.name);
    if (!/\.csv$/i.test(file.name) || file.size > limit) {
      this.say(/\.csv$/i.test(file.name)
        ? `"${file.name}" is ${(file.size / 2 ** 20).toFixed(1)} MiB, larger than the ${limit / 2 ** 20} MiB a flight log may be.`
        : `"${file.name}" is not a flight log (.csv).`, true);
      return false;
    }
    let bytes;
    try {
      bytes = new Uint8Array(await file.arrayBuffer());
    } catch (error) {
      this.say(`The file could not be read (${error.name}).`, true);
      return false;
    }
    const path = `/flight/${file.name.replace(/[/\\]/g, '_')}`;
    this.closeColumns();
    M.FS.mkdirTree('/flight');
    M.FS.writeFile(path, bytes);
    const opened = this.call('axim_log_open', path);
    if (opened === 2) {
      this.askColumns(path, file.name);
      return false;
    }
    M.FS.unlink(path);
    this.opened(file.name, opened);
    return opened === 1;
  }
  opened(name, opened) {
    const said = this.M.UTF8ToString(this.M._axim_flight_message());
    this.say(opened ? `Opened "${name}", ${said}; press Play.` : said, !opened);
    this.changed();
  }

  // A log whose columns the usual names do not all find: a choice of its
  // header's names for the time and each input, prefilled with those found;
  // the file stays until the choice is made or given up.
  askColumns(path, name) {
    const M = this.M;
    const form = document.createElement('form');
    form.id = 'logColumns';
    form.setAttribute('aria-label', `Columns of ${name}`);
    const intro = document.createElement('p');
    intro.textContent = `Choose the column of "${name}" that gives the time and each input.`;
    // Laid out as the fields above: a label and its choice a row.
    const grid = document.createElement('div');
    Object.assign(grid.style, { display: 'grid', gridTemplateColumns: 'max-content 12em',
                                gap: '4px 8px', alignItems: 'center' });
    form.append(intro, grid);
    const titles = ['Time', ...this.sensors.map(({ row }) => row.title)];
    const selects = titles.map((title, slot) => {
      const line = document.createElement('div');
      line.className = 'flightField';
      const label = document.createElement('label');
      const select = document.createElement('select');
      select.id = `logColumn${slot}`;
      label.htmlFor = select.id;
      label.textContent = title;
      select.add(new Option('(none)', '-1'));
      for (let c = 0; c < M._axim_log_column_count(); c += 1)
        select.add(new Option(this.text('axim_log_column_name', c), String(c)));
      select.value = String(M._axim_log_column_of(slot));
      line.append(label, select);
      grid.append(line);
      return select;
    });
    const ok = document.createElement('button');
    ok.id = 'logColumnsOk';
    ok.textContent = 'OK';
    const cancel = document.createElement('button');
    cancel.type = 'button';
    cancel.id = 'logColumnsCancel';
    cancel.textContent = 'Cancel';
    const buttons = document.createElement('div');
    Object.assign(buttons.style, { display: 'flex', gap: '6px', marginTop: '6px' });
    buttons.append(ok, cancel);
    form.append(buttons);
    // The keys typed are the form's: "-" and "+" press no front-panel key.
    form.addEventListener('keydown', (event) => event.stopPropagation());
    form.addEventListener('submit', (event) => {
      event.preventDefault();
      selects.forEach((select, slot) => M._axim_log_choose_column(slot, Number(select.value)));
      const opened = this.call('axim_log_open_mapped', path);
      if (opened) this.closeColumns();
      this.opened(name, opened);
    });
    cancel.addEventListener('click', () => {
      this.closeColumns();
      this.say(`"${name}" was not opened.`);
    });
    this.root.querySelector('#flightLog').after(form);
    this.columns = { form, path };
    this.say(`Choose the columns of "${name}".`);
    selects[0].focus();
  }
  closeColumns() {
    if (!this.columns) return;
    this.columns.form.remove();
    this.M.FS.unlink(this.columns.path);
    this.columns = null;
  }

  step(rows) {
    this.M._axim_log_step(rows);
    this.changed();
  }

  // The page's 100 ms tick: the log, then the motion's average, then the
  // counts and the position bar.
  tick() {
    const M = this.M;
    if (M._axim_log_playing()) {
      M._axim_log_tick();
      this.showPlayer();
    }
    if (this.motion && !this.average && performance.now() - this.motion > 2000 && !this.silent) {
      this.silent = true;
      this.say('This device reports no motion: the axes stay as they are.', true);
    }
    if (this.motion && this.average) {
      // The device upright before the visitor as the instrument in its
      // panel: its up the aircraft's up (Z reads -1 g at rest), its right
      // the aircraft's right, out of its screen the aircraft's aft.
      const [x, y, z] = this.average;
      this.setAxis(3, -z);
      this.setAxis(4, x);
      this.setAxis(5, -y);
      this.wake();
    }
    if (this.root.open) this.showCounts();
  }
  setAxis(input, metresPerSecond2) {
    this.call('axim_flight_set', input, `${metresPerSecond2.toFixed(3)} m/s2`);
  }

  async startMotion() {
    if (typeof DeviceMotionEvent === 'undefined') {
      this.say('This browser tells the page nothing of the device\'s motion.', true);
      return;
    }
    if (typeof DeviceMotionEvent.requestPermission === 'function') {
      let answer;
      try {
        answer = await DeviceMotionEvent.requestPermission();
      } catch (error) {
        answer = error.name;
      }
      if (answer !== 'granted') {
        this.say('The browser did not allow the device\'s motion; the axes stay as they are.', true);
        return;
      }
    }
    this.M._axim_log_pause();
    this.average = null;
    this.silent = false;
    this.motion = performance.now();  // when it was asked for
    addEventListener('devicemotion', this.onMotion);
    this.motionStart.disabled = true;
    this.motionStop.disabled = false;
    this.say('The axes follow this device\'s motion: tilt or swing it.');
    this.showPlayer();
  }
  stopMotion() {
    removeEventListener('devicemotion', this.onMotion);
    this.motion = null;
    this.motionStart.disabled = false;
    this.motionStop.disabled = true;
    this.say('The axes stay where the motion left them.');
  }
  sample(a) {
    if (!a || ![a.x, a.y, a.z].every(Number.isFinite)) return;
    const now = [a.x, a.y, a.z];
    this.average = this.average ? this.average.map((v, i) => v + Smoothing * (now[i] - v)) : now;
  }

  countText(i) { return this.M.UTF8ToString(this.M._axim_reading(i, this.M._axim_input_value(i))); }
  showCounts() {
    this.counts.forEach((out, i) => {
      const text = this.countText(i);
      if (out.value !== text) out.value = text;
    });
  }
  showPlayer() {
    const M = this.M;
    const open = M._axim_log_open_now() === 1;
    for (const id of ['logPlay', 'logBack', 'logForward', 'logPosition'])
      this.root.querySelector(`#${id}`).disabled = !open;
    this.play.textContent = M._axim_log_playing() ? 'Pause' : 'Play';
    this.position.max = Math.floor(M._axim_log_length() / 100);
    this.position.value = Math.floor(M._axim_log_position() / 100);
    this.time.value = open ? M.UTF8ToString(M._axim_log_position_text()) : '';
  }
  changed() {
    this.showCounts();
    this.showPlayer();
    this.wake();
  }
}
