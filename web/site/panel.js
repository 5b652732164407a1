// The front panel's controls drawn from the firmware's one table of inputs
// and keys (the module's axim_panel_table): each input's caption, accessible
// name, range and start, each key button's code by the key's name. The page
// keeps no copy; a control the table lacks, or a row without its control, is
// a fault of the page, reported on the console.
export function panelControls(table, root = document) {
  const problems = [];
  const byName = (list, name) => list.findIndex((row) => row.name === name);
  for (const element of root.querySelectorAll('[data-input]'))
    if (byName(table.inputs, element.dataset.input) < 0)
      problems.push(`the page has an input "${element.dataset.input}" that the panel lacks`);
  for (const element of root.querySelectorAll('[data-key]'))
    if (byName(table.keys, element.dataset.key) < 0)
      problems.push(`the page has a key "${element.dataset.key}" that the panel lacks`);

  const inputs = table.inputs.map((row) => {
    const box = root.querySelector(`[data-input="${row.name}"]`);
    const control = box?.matches('input') ? box : box?.querySelector('input');
    if (!control) {
      problems.push(`the panel's input "${row.name}" has no control on the page`);
      return null;
    }
    control.setAttribute('aria-label', row.title);
    if (control.type === 'checkbox') {
      control.checked = row.start !== 0;
      const caption = control.closest('label')?.querySelector('span');
      if (caption) caption.textContent = row.label;
    } else {
      Object.assign(control, { min: row.bottom, max: row.top, value: row.start });
      box.querySelector('label').textContent = row.label;
    }
    return { row, control, out: box.querySelector('output') };
  });

  const keys = {};
  for (const row of table.keys) {
    const button = root.querySelector(`[data-key="${row.name}"]`);
    if (!button) problems.push(`the panel's key "${row.name}" has no control on the page`);
    else if (button.getAttribute('aria-label') !== row.label)
      problems.push(`the key "${row.name}" is named "${button.getAttribute('aria-label')}", ` +
                    `not "${row.label}"`);
    keys[row.name] = { code: row.code, button };
  }
  return { inputs, keys, problems };
}
