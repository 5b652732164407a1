// A lesson in the page played as a learner plays it (headless Chromium):
// the instruction read from the page, a wrong key the lesson waits through,
// the hint after its time, "Show me" for one task, the rest done by hand,
// the lesson completed and kept in the browser's storage.
import assert from 'node:assert/strict';
import { describe, test } from 'node:test';

import { openPage, siteInBrowser } from './browser.mjs';

const session = siteInBrowser();

const Lesson = `version: 1
lesson: { title: Learner's lesson, aim: The menu. }
steps:
  - set-input: { volts: 13.7 V, current: 5 A, oat: 16 °C }
  - power: on
  - delay: 300ms
  - do:
      say: "Open the main menu: press the knob."
      until: { page: MainMenuPage }
      hint: "The knob is the round button between F1 and F2."
      after: 500ms
      solution: [ { press: knob } ]
  - do:
      say: "Turn to TIME SETUP."
      until: { page: MainMenuPage, MenuState.Selection: 2 }
      solution: [ { press: { key: plus, times: 2 } } ]
  - do:
      say: "Check: go home."
      until: { page: HomePage }
      solution: [ { press: left } ]
`;

const text = (page, id) => page.$eval(id, (e) => e.textContent);
const state = (page) => page.evaluate(() => window.aximPage.lessons.state());
const waitFor = (page, fn, ...args) => page.waitForFunction(fn, { timeout: 15000, polling: 50 }, ...args);
const sleep = (ms) => new Promise((r) => setTimeout(r, ms));

describe('lessons', () => {
  test('a learner does the tasks with a hint and "Show me"', async () => {
    const page = await openPage(session.browser, session.server.url);
    await waitFor(page, () => document.querySelectorAll('#lessonList button').length >= 8);
    await page.evaluate((yaml) => window.aximPage.lessons.playBytes('learner.yaml',
      new TextEncoder().encode(yaml)), Lesson);
    await waitFor(page, () => document.getElementById('caption').textContent ===
      'Open the main menu: press the knob.');
    assert.equal(await page.$eval('#lesson', (e) => e.hidden), false);

    // A wrong key: the lesson waits, and gives its hint after its time.
    await page.click('#plus');
    await waitFor(page, () => document.getElementById('lessonHint').textContent ===
      'The knob is the round button between F1 and F2.');
    assert.equal((await state(page)).active, true);
    assert.equal(await page.evaluate(() => window.aximPage.scenarioResult), 'playing');

    await page.click('#lessonShowMe');
    await waitFor(page, () => window.aximPage.lessons.state().done === 1);
    assert.equal(await page.$$eval('#lessonTasks li.done', (l) => l.length), 1);
    await waitFor(page, () => document.getElementById('caption').textContent === 'Turn to TIME SETUP.');

    for (let i = 0; i < 2; ++i) {
      await page.click('#plus');
      await sleep(200);
    }
    await waitFor(page, () => window.aximPage.lessons.state().done === 2);
    await sleep(900);
    await page.click('#f1');
    await waitFor(page, () => window.aximPage.scenarioResult === 'passed');
    assert.equal(await text(page, '#caption'), 'Lesson completed. Well done!');
    assert.match(await text(page, '#status'), /^Lesson completed: Learner's lesson/);
    assert.deepEqual(await page.evaluate(() =>
      JSON.parse(localStorage.getItem('axim7-lessons-completed'))), ['learner.yaml']);
    assert.deepEqual(page.problems, []);
    await page.close();
  });
});
