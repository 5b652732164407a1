// Lighthouse (mobile: a slow 4G network and a slower processor simulated)
// against the project's own server, web/serve.py: a performance of 95 or
// more, the largest paint within 2 s, no layout shift as it loads, and
// accessibility and best practices at 100.
import assert from 'node:assert/strict';
import { spawn } from 'node:child_process';
import { createServer } from 'node:net';
import { join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';
import { after, before, test } from 'node:test';

import { launch, siteDir } from './browser.mjs';

const here = new URL('.', import.meta.url).pathname;
const modules = resolve(process.env.AXIM_WEB_NODE_MODULES ?? join(here, '../../build/web/npm/node_modules'));
const { default: lighthouse } = await import(pathToFileURL(join(modules, 'lighthouse/core/index.js')));

const freePort = () => new Promise((done) => {
  const probe = createServer().listen(0, '127.0.0.1', () => {
    const { port } = probe.address();
    probe.close(() => done(port));
  });
});

let server, browser, url;
before(async () => {
  const port = await freePort();
  server = spawn('python3', [join(here, '../../web/serve.py'), siteDir, String(port)], { stdio: ['ignore', 'pipe', 'inherit'] });
  await new Promise((ready) => server.stdout.once('data', ready));
  url = `http://127.0.0.1:${port}/`;
  browser = await launch();
});
after(async () => {
  await browser?.close();
  server?.kill();
});

test('the mobile profile: performance 95, LCP 2 s, no layout shift, accessibility and best practices 100', async () => {
  const port = Number(new URL(browser.wsEndpoint()).port);
  const { lhr } = await lighthouse(url, { port, output: 'json', logLevel: 'error',
    onlyCategories: ['performance', 'accessibility', 'best-practices'] });
  const score = (id) => Math.round(lhr.categories[id].score * 100);
  const audit = (id) => lhr.audits[id].numericValue;
  console.log(`Lighthouse: performance ${score('performance')}, LCP ${(audit('largest-contentful-paint') / 1000).toFixed(1)} s, ` +
              `CLS ${audit('cumulative-layout-shift').toFixed(3)}, ${Math.round(audit('total-byte-weight') / 1024)} KiB`);
  assert.ok(score('performance') >= 95, `performance ${score('performance')}`);
  assert.ok(audit('largest-contentful-paint') <= 2000, `LCP ${audit('largest-contentful-paint')} ms`);
  assert.ok(audit('cumulative-layout-shift') <= 0.02, `CLS ${audit('cumulative-layout-shift')}`);
  assert.equal(score('accessibility'), 100);
  assert.equal(score('best-practices'), 100);
});
