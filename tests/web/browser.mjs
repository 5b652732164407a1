// Headless Chromium (Debian's) through puppeteer-core, and a static server
// for the site folder on 127.0.0.1, for the browser tests, the figures and
// the screenshots.
import { createServer } from 'node:http';
import { mkdtempSync, readFileSync, rmSync, statSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { extname, join, normalize, resolve } from 'node:path';
import { after, before } from 'node:test';

const here = new URL('.', import.meta.url).pathname;
const root = resolve(here, '../..');
export const siteDir = resolve(process.env.AXIM_WEB_SITE ?? join(root, 'build/web/site'));
// puppeteer-core as `npm ci` put it into the build folder.
const modules = resolve(process.env.AXIM_WEB_NODE_MODULES ?? join(root, 'build/web/npm/node_modules'));
export const puppeteer = createRequire(join(modules, 'loader.cjs'))('puppeteer-core');

const Types = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.mjs': 'text/javascript',
  '.css': 'text/css', '.wasm': 'application/wasm', '.jpg': 'image/jpeg', '.png': 'image/png',
  '.yaml': 'text/yaml; charset=utf-8', '.json': 'application/json',
};

// Serves the site on a free port of 127.0.0.1; resolves to { url, close, requests }.
export function serveSite(dir = siteDir) {
  const requests = [];
  const server = createServer((request, response) => {
    const path = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    const file = normalize(join(dir, path.endsWith('/') ? `${path}index.html` : path));
    requests.push(path);
    try {
      if (!file.startsWith(dir) || !statSync(file).isFile()) throw new Error('no file');
      response.writeHead(200, { 'Content-Type': Types[extname(file)] ?? 'application/octet-stream' });
      response.end(readFileSync(file));
    } catch {
      response.writeHead(404);
      response.end();
    }
  });
  return new Promise((done) => {
    server.listen(0, '127.0.0.1', () => {
      done({
        url: `http://127.0.0.1:${server.address().port}/`,
        requests,
        close: () => new Promise((closed) => server.close(closed)),
      });
    });
  });
}

export const ChromiumFlags = [
  '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync',
];

// Debian's chromium with a fresh profile; close() also removes the profile.
export async function launch(extraFlags = []) {
  const profile = mkdtempSync(join(tmpdir(), 'axim7-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: process.env.AXIM_CHROMIUM ?? '/usr/bin/chromium',
    headless: true,
    args: [...ChromiumFlags, `--user-data-dir=${profile}`, ...extraFlags],
    defaultViewport: null,
  });
  const close = browser.close.bind(browser);
  browser.close = async () => {
    await close();
    rmSync(profile, { recursive: true, force: true });
  };
  return browser;
}

// A page at a viewport and device pixel ratio that records console errors
// and failed requests in `problems`.
export async function openPage(browser, url, { width = 900, height = 640, dpr = 1,
                                                mobile = false, touch = false } = {}) {
  const page = await browser.newPage();
  page.problems = [];
  page.on('console', (message) => {
    if (message.type() === 'error' || message.type() === 'warning')
      page.problems.push(`console ${message.type()}: ${message.text()}`);
  });
  page.on('pageerror', (error) => page.problems.push(`page error: ${error.message}`));
  page.on('requestfailed', (request) => page.problems.push(`request failed: ${request.url()}`));
  await page.setViewport({ width, height, deviceScaleFactor: dpr, isMobile: mobile, hasTouch: touch });
  await page.goto(url, { waitUntil: 'load' });
  await page.waitForFunction(() => window.aximPage?.ready === true, { timeout: 10000 });
  return page;
}

// For a test file: the site served and Chromium started before its tests,
// both closed after them; `session.server.url` and `session.browser`.
export function siteInBrowser() {
  const session = {};
  before(async () => {
    session.server = await serveSite();
    session.browser = await launch();
  });
  after(async () => {
    await session.browser?.close();
    await session.server?.close();
  });
  return session;
}
