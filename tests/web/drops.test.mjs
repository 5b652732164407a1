// Files given to the page are measured before they are read: one over its
// limit is refused by its name and size at once, without the renderer
// taking its bytes; names are shown escaped and wrapped.
import assert from 'node:assert/strict';
import { mkdtempSync, rmSync, truncateSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, test } from 'node:test';

import { openPage, siteInBrowser } from './browser.mjs';

const session = siteInBrowser();
const dir = mkdtempSync(join(tmpdir(), 'axim7-drops-'));
after(() => rmSync(dir, { recursive: true, force: true }));

const cases = [
  { name: 'huge.yaml', size: 2 ** 31, says: /^"huge\.yaml" is 2048\.0 MiB, larger than the 1 MiB a scenario may be\.$/ },
  { name: 'huge.png', size: 2 ** 31, says: /"huge\.png" is 2048\.0 MiB, larger than the 16 MiB a reference screen may be/ },
  { name: 'notes.txt', size: 10, says: /^"notes\.txt" is not a scenario/ },
  { name: `x\u202Egpj.yaml`, text: 'version: 2\n', says: /x\\u202Egpj\.yaml/ },
  { name: `${'n'.repeat(3000)}.yaml`, text: 'version: 1\n', says: /nnnn/ },
];

for (const { name, size, text, says } of cases) {
  test(`a file ${name.slice(0, 20)} (${size ?? text.length} bytes) is refused, named as its user knows it`, async () => {
    const file = join(dir, name.length > 200 ? 'long.yaml' : name);
    if (size) {
      writeFileSync(file, '');
      truncateSync(file, size);  // sparse: nothing on the disk
    } else {
      writeFileSync(file, text);
    }
    const page = await openPage(session.browser, session.server.url, { width: 390, height: 844 });
    if (name.length > 200) {
      // A name no file system takes, as a drop can bring it.
      await page.evaluate((long) => window.aximPage.playFiles([{ name: long, bytes: new TextEncoder().encode('version: 1\n') }]), name);
    } else {
      const input = await page.$('#scenarioFile');
      await input.uploadFile(file);
    }
    await page.waitForFunction(() => window.aximPage.scenarioResult === 'refused', { timeout: 5000 });
    const status = await page.$eval('#status', (line) => line.textContent);
    assert.match(status, says);
    const { JSHeapUsedSize } = await page.metrics();
    assert.ok(JSHeapUsedSize < 100 * 2 ** 20, `the page holds ${JSHeapUsedSize} bytes`);
    const width = await page.evaluate(() => document.documentElement.scrollWidth);
    assert.ok(width <= 390, `the page is ${width} px wide`);
    await page.close();
  });
}
