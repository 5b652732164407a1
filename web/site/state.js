// The page's inspector, as the desktop window's: every field of the
// firmware's field table in its group, its stored value and the value as the
// instrument shows it, live while the inspector is open; a value of a
// setting, the calibration or an input typed and Enter writes it through the
// front panel, and a refusal names the field and why beside it; the texts
// the last pass drew. Names, texts, ranges and messages are the module's.
const RefreshMs = 250;

export class Inspector {
  // root: the inspector's <details>; wake: asks for a pass.
  constructor(M, root, wake) {
    Object.assign(this, { M, root, wake, rows: [], groups: [], shown: '' });
    // Its rows are made when it is first opened.
    root.addEventListener('toggle', () => {
      if (root.open && !this.rows.length) this.build();
      this.refresh();
    });
    setInterval(() => this.refresh(), RefreshMs);
  }

  build() {
    const { M, root } = this;
    const table = JSON.parse(M.UTF8ToString(M._axim_inspector_table()));
    const find = document.createElement('input');
    Object.assign(find, { type: 'search', id: 'inspectorFind', placeholder: 'Find a field',
                          autocomplete: 'off', spellcheck: false });
    find.setAttribute('aria-label', 'Find a field by name');
    find.addEventListener('input', () => this.filter(find.value.trim().toLowerCase()));
    const groups = table.groups.map((name) => {
      const section = document.createElement('section');
      section.className = 'inspectorGroup';
      const title = document.createElement('h3');
      title.textContent = name;
      const list = document.createElement('div');
      list.className = 'inspectorRows';
      list.setAttribute('role', 'group');
      list.setAttribute('aria-label', name);
      section.append(title, list);
      return { section, list };
    });
    table.fields.forEach(({ name, group, settable }, index) => {
      const line = document.createElement('div');
      line.className = 'inspectorRow';
      const label = document.createElement(settable ? 'label' : 'span');
      label.className = 'inspectorName';
      label.textContent = name;
      label.title = name;
      let value;
      if (settable) {
        value = document.createElement('input');
        Object.assign(value, { type: 'text', id: `field${index}`, autocomplete: 'off', spellcheck: false });
        label.htmlFor = value.id;
        value.addEventListener('keydown', (event) => {
          event.stopPropagation();  // "-" and Enter are the field's, not the front panel's
          if (event.key === 'Enter') this.edit(index);
          if (event.key === 'Escape') this.restore(index);
        });
        value.addEventListener('blur', () => this.restore(index));
      } else {
        value = document.createElement('output');
      }
      value.classList.add('inspectorValue');
      const shown = document.createElement('output');
      shown.className = 'inspectorShown';
      const message = document.createElement('output');
      message.className = 'inspectorMessage';
      line.append(label, value, shown, message);
      groups[group].list.append(line);
      this.rows.push({ name: name.toLowerCase(), line, value, shown, message, settable, stored: null });
    });
    // The texts the last pass drew.
    const display = document.createElement('section');
    display.className = 'inspectorGroup';
    const title = document.createElement('h3');
    title.textContent = 'Display';
    this.texts = document.createElement('ol');
    this.texts.id = 'inspectorTexts';
    this.texts.setAttribute('aria-label', 'Texts drawn');
    this.textCount = document.createElement('p');
    display.append(title, this.textCount, this.texts);
    this.groups = groups;
    // Beside the instrument, the fields scroll in their own box: the display stays in view.
    const rows = document.createElement('div');
    rows.className = 'inspectorScroll';
    rows.append(...groups.map(({ section }) => section), display);
    root.append(find, rows);
  }

  // Reads the module only while the inspector is open and the page shown.
  refresh() {
    if (!this.root.open || document.hidden || !this.rows.length) return;
    const M = this.M;
    const lines = M.UTF8ToString(M._axim_inspector_values()).split('\n');
    this.rows.forEach((row, i) => {
      const [stored, shown = ''] = lines[i].split('\t');
      if (row.stored !== stored) {
        row.stored = stored;
        if (row.settable) {
          if (document.activeElement !== row.value) row.value.value = stored;
        } else {
          row.value.value = stored;
        }
      }
      if (row.shown.value !== shown) row.shown.value = shown;
    });
    const said = M.UTF8ToString(M._axim_inspector_display());
    if (said === this.shown) return;
    this.shown = said;
    const [count, ...texts] = said.split('\n').slice(0, -1);
    this.textCount.textContent = `Texts drawn: ${count}`;
    this.texts.replaceChildren(...texts.map((line) => {
      const [text, where] = line.split('\t');
      const item = document.createElement('li');
      item.textContent = `${text} ${where}`;
      return item;
    }));
  }

  // Writes what was typed; a refusal stays beside the field until the next edit.
  edit(index) {
    const row = this.rows[index];
    const M = this.M;
    const typed = row.value.value;
    const size = M.lengthBytesUTF8(typed) + 1;
    const text = M._malloc(size);
    M.stringToUTF8(typed, text, size);
    const written = M._axim_inspector_edit(index, text);
    M._free(text);
    row.message.value = written ? '' : M.UTF8ToString(M._axim_inspector_message());
    row.line.classList.toggle('refused', !written);
    this.refresh();
    if (written) {
      this.restore(index);  // as the instrument holds it now
      this.wake();
    }
  }
  restore(index) {
    const row = this.rows[index];
    if (row.stored !== null) row.value.value = row.stored;
  }

  // Rows whose name holds the text; groups without one folded away.
  filter(text) {
    for (const row of this.rows) row.line.hidden = text !== '' && !row.name.includes(text);
    for (const { section, list } of this.groups)
      section.hidden = ![...list.children].some((line) => !line.hidden);
  }
}
