// The runner's HTML report opened from its folder in headless Chromium: every
// picture loads, nothing is fetched from a network, no console error, and the
// slider moves the line between the actual and the reference.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, rmSync, writeFileSync, renameSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { test } from 'node:test';

import { launch } from './browser.mjs';

const runner = process.env.AXIM_SCENARIO_RUNNER ??
  resolve(new URL('.', import.meta.url).pathname, '../../build/release/tools/scenario/axim7-scenario');

function run(dir, args) {
  try {
    execFileSync(runner, args, { cwd: dir, stdio: 'pipe' });
  } catch (error) {
    if (error.status !== 1) throw error;  // a FAIL is what the report is for
  }
}

test('the report shows each screen, its difference and the recording', async () => {
  const dir = mkdtempSync(join(tmpdir(), 'axim7-report-'));
  const head = 'version: 1\nsteps:\n';
  writeFileSync(join(dir, 'dark.yaml'), `${head}  - take-screenshot: { save-to: dark.png }\n`);
  run(dir, ['dark.yaml']);
  renameSync(join(dir, 'dark.png'), join(dir, 'ref.png'));
  writeFileSync(join(dir, 'lit.yaml'), `${head}  - record: { save-to: lit.gif }\n  - power: on\n` +
    '  - delay: 1s\n  - take-screenshot: { compare-with: ref.png }\n');
  writeFileSync(join(dir, 'same.yaml'), `${head}  - take-screenshot: { compare-with: ref.png }\n`);
  run(dir, ['--report', 'report', '--coverage', 'coverage.json', 'lit.yaml', 'same.yaml']);

  const browser = await launch();
  const page = await browser.newPage();
  const problems = [];
  page.on('console', (m) => m.type() === 'error' && problems.push(m.text()));
  page.on('pageerror', (e) => problems.push(e.message));
  page.on('request', (r) => r.url().startsWith('file:') || problems.push(`fetched ${r.url()}`));
  await page.goto(`file://${join(dir, 'report', 'index.html')}`, { waitUntil: 'load' });
  const pictures = await page.$$eval('img', (all) => all.map((i) => [i.alt, i.naturalWidth]));
  assert.ok(pictures.length >= 6, JSON.stringify(pictures));
  for (const [alt, width] of pictures) assert.ok(width >= 160, `${alt} did not load`);
  assert.ok(pictures.some(([alt]) => alt.startsWith('difference')));
  assert.ok(pictures.some(([alt]) => alt.endsWith('lit.gif')));
  const verdicts = await page.$$eval('.verdict', (all) => all.map((v) => v.textContent));
  assert.deepEqual(verdicts, ['FAIL', 'PASS']);
  await page.$eval('input.between', (slider) => {
    slider.value = '20';
    slider.dispatchEvent(new Event('input'));
  });
  assert.equal(await page.$eval('img.over', (i) => i.style.clipPath), 'inset(0px 80% 0px 0px)');
  assert.ok(await page.$eval('body', (b) => b.textContent.includes('Coverage')));
  assert.deepEqual(problems, []);
  await browser.close();
  rmSync(dir, { recursive: true, force: true });
});
