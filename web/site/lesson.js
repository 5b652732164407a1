// Lessons in the page: the list under "Help: lessons", the caption a
// scenario shows, and the lesson panel with its tasks, the hint and the
// learner's buttons. The firmware module plays the lesson with the one step
// driver; which lessons were completed is kept in this browser's local
// storage only (nothing is sent anywhere).
const ProgressKey = 'axim7-lessons-completed';

export function completedLessons() {
  try {
    const names = JSON.parse(localStorage.getItem(ProgressKey) || '[]');
    return Array.isArray(names) ? names.filter((name) => typeof name === 'string') : [];
  } catch {
    return [];
  }
}

function markCompleted(name) {
  const names = completedLessons();
  if (names.includes(name)) return;
  names.push(name);
  try {
    localStorage.setItem(ProgressKey, JSON.stringify(names));
  } catch {
    // Storage refused (a private window): the progress is not kept.
  }
}

export class Lessons {
  // module: the firmware module; playFiles plays [{ name, bytes }];
  // stop(status) ends the playing.
  constructor(module, { playFiles, stop }) {
    this.M = module;
    this.playFiles = playFiles;
    this.stop = stop;
    this.current = null;
    this.left = false;
    const $ = (id) => document.getElementById(id);
    this.caption = $('caption');
    this.panel = $('lesson');
    this.title = $('lessonTitle');
    this.tasks = $('lessonTasks');
    this.hint = $('lessonHint');
    this.list = $('lessonList');
    this.buttons = { showMe: $('lessonShowMe'), back: $('lessonBack'), restart: $('lessonRestart'), leave: $('lessonLeave') };
    this.buttons.showMe.addEventListener('click', () => this.M._axim_lesson_show_me());
    this.buttons.back.addEventListener('click', () => this.M._axim_lesson_back());
    this.buttons.restart.addEventListener('click', () => { this.left = false; this.M._axim_lesson_restart(); });
    this.buttons.leave.addEventListener('click', () => {
      this.left = true;
      this.stop('Lesson left');
      this.show('');
      this.update();
    });
    module.onCaption = (text) => this.show(text);
    module.onLesson = () => this.update();
    // A scenario that is no lesson takes the panel away.
    const began = module.onRoundBegan;
    module.onRoundBegan = () => {
      began?.();
      this.update();
    };
  }

  // Fills the list of the site's lessons, each ticked when completed.
  async fill() {
    const response = await fetch('lessons/index.json');
    if (!response.ok) return;
    const names = await response.json();
    const done = completedLessons();
    const items = [];
    for (const name of names) {
      if (!/^[A-Za-z0-9_-]+\.yaml$/.test(name)) continue;
      const text = await (await fetch(`lessons/${name}`)).text();
      const title = text.match(/^\s+title:\s*(.+)$/m)?.[1] ?? name;
      const item = document.createElement('li');
      const button = document.createElement('button');
      button.type = 'button';
      button.dataset.lesson = name;
      button.textContent = `${done.includes(name) ? '\u2714 ' : ''}${title}`;
      button.addEventListener('click', () => this.play(name));
      item.append(button);
      items.push(item);
    }
    this.list.replaceChildren(...items);
  }

  async play(name) {
    const response = await fetch(`lessons/${name}`);
    if (response.ok) this.playBytes(name, new Uint8Array(await response.arrayBuffer()));
  }

  // A lesson's file; its name is what the progress keeps.
  playBytes(name, bytes) {
    this.current = name;
    this.left = false;
    this.show('');
    this.playFiles([{ name, bytes }]);
  }

  show(text) {
    this.caption.textContent = text;
    this.caption.hidden = text === '';
  }

  state() { return JSON.parse(this.M.UTF8ToString(this.M._axim_lesson_state())); }

  update() {
    const state = this.state();
    const shown = state.lesson && (state.active || (state.completed && !this.left));
    this.panel.hidden = !shown;
    if (!shown) return;
    if (state.completed && !state.active) {
      this.show('Lesson completed. Well done!');
      if (this.current) markCompleted(this.current);
      this.fill();
    }
    this.title.textContent = `${state.title}: task ${Math.min(state.done + 1, state.tasks.length)} of ${state.tasks.length}`;
    const items = state.tasks.slice(0, state.done + 1).map((task, i) => {
      const item = document.createElement('li');
      item.textContent = `${i < state.done ? '\u2714' : '\u25B6'} ${task}`;
      if (i < state.done) item.className = 'done';
      return item;
    });
    this.tasks.replaceChildren(...items);
    this.hint.textContent = state.showing ? 'Watch: the simulator does this step.' : state.hint;
    this.hint.hidden = this.hint.textContent === '';
    this.buttons.showMe.disabled = !state.active || state.showing;
    this.buttons.back.disabled = !state.active || state.done === 0;
    this.buttons.restart.disabled = false;
  }
}
