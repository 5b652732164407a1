// After one visit the site starts with the network gone (its service worker
// keeps every file), and the instrument switches on.
import assert from 'node:assert/strict';
import { test } from 'node:test';

import { openPage, siteInBrowser } from './browser.mjs';

const session = siteInBrowser();

test('a second visit starts and switches on offline', async () => {
  const page = await openPage(session.browser, session.server.url);
  await page.evaluate(() => navigator.serviceWorker.ready.then(() => true));
  await page.waitForNetworkIdle({ idleTime: 300 });
  const served = session.server.requests.length;
  await page.setOfflineMode(true);
  await page.reload({ waitUntil: 'load' });
  await page.waitForFunction(() => window.aximPage?.ready === true, { timeout: 10000 });
  assert.deepEqual(session.server.requests.slice(served), [], 'nothing was asked of the server');
  await page.click('#on');
  await page.waitForFunction(() => {
    const canvas = document.getElementById('display');
    const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
    return data.some((v, i) => i % 4 !== 3 && v !== 0);
  }, { timeout: 5000 });
  assert.deepEqual(page.problems, []);
  await page.close();
});
