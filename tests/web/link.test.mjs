// "Copy link" puts the scenario into the link's fragment; the link opened in
// a fresh browser offers the scenario, checked, and plays it to the same end
// when Play is pressed. A damaged link says so and plays nothing.
import assert from 'node:assert/strict';
import { test } from 'node:test';

import { openPage, siteInBrowser } from './browser.mjs';

const session = siteInBrowser();
const Short = `name: Shared
version: 1
clock: 2026-03-14T10:20:30Z
steps:
  - set-control: { control: volts, value: 1445 }
  - power: on
  - delay: 1s
  - expect: { page: HomePage, Volts: 137 }
`;
const status = (page) => page.$eval('#status', (s) => s.textContent);

test('a link made by Copy link plays the same scenario in a fresh browser', async () => {
  const maker = await openPage(session.browser, session.server.url);
  await maker.evaluate((yaml) => window.aximPage.playFiles([{ name: 'shared.yaml', bytes: new TextEncoder().encode(yaml) }]), Short);
  const link = await maker.evaluate(() => window.aximPage.shareLink());
  assert.ok(link.startsWith(`${session.server.url}#play=`) && link.length < 1000, link);
  const fresh = await session.browser.createBrowserContext();
  const page = await openPage(fresh, link);
  await page.waitForFunction(() => window.aximPage.scenarioResult === 'offered', { timeout: 5000 });
  assert.equal(await status(page), 'This link holds the scenario "Shared": press Play to play it.');
  assert.equal(await page.evaluate(() => window.aximPage.module._axim_running()), 0, 'nothing plays before Play');
  await page.click('#playLink');
  await page.waitForFunction(() => window.aximPage.scenarioResult === 'passed', { timeout: 10000 });
  assert.deepEqual([...maker.problems, ...page.problems], []);
  await fresh.close();
});

test('a damaged link is named so and plays nothing', async () => {
  const page = await openPage(session.browser, `${session.server.url}#play=AAAA`);
  await page.waitForFunction(() => document.getElementById('status').textContent !== '', { timeout: 5000 });
  assert.equal(await status(page), 'The link is damaged (cut short, or not one this page made).');
  assert.equal(await page.$eval('#playLink', (b) => b.hidden), true);
  await page.close();
});
