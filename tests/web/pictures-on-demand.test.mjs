// An activity's pictures are not part of the first visit: the page fetches them when a topic
// menu that opens the activity is shown, and a click that comes before they have arrived waits
// for them instead of opening a screen without its pictures.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { openSite, serveSite } from './support/page.mjs';

const packOf = (url) => /\/packs\/(\w+)\.js$/.exec(new URL(url).pathname)?.[1];

test('the Moon pictures come with menu 2, and a click on its entry waits for them', async () => {
  const { server, address } = await serveSite();
  const shown = await openSite({ width: 1024, height: 768, address });
  try {
    const page = shown.page;
    const requested = [];
    let heldMoon;
    // The page's own requests, not the service worker's answers (it keeps every pack once registered).
    await page.setBypassServiceWorker(true);
    await page.setRequestInterception(true);
    page.on('request', (request) => {
      const pack = packOf(request.url());
      if (pack) requested.push(pack);
      if (pack === 'phaseslab') heldMoon = request;
      else request.continue();
    });
    await page.keyboard.press('Enter');  // OK, to the main menu
    await page.waitForFunction(() => document.title === 'Corbelwick', { timeout: 10000 });
    assert.deepEqual(requested, [], 'no activity pictures on the way to the main menu');

    for (let i = 0; i < 3; ++i) await page.keyboard.press('Tab');  // from Exit, past the address, to Menu 2
    await page.keyboard.press('Enter');
    await page.waitForFunction(() => [...document.querySelectorAll('#mirror button')].some((b) => b.textContent === 'Phases of the Moon'),
                               { timeout: 10000 });
    assert.deepEqual(requested.sort(), ['phaseslab', 'weatherlab'], 'the pictures of the two activities menu 2 opens');

    await page.evaluate(() => [...document.querySelectorAll('#mirror button')].find((b) => b.textContent === 'Phases of the Moon').click());
    await new Promise((done) => setTimeout(done, 500));
    assert.equal(await page.title(), 'Corbelwick', 'the click waits while the Moon pictures are on their way');
    heldMoon.continue();
    await page.waitForFunction(() => document.title === 'Phases of the Moon', { timeout: 10000 });
    assert.equal(await page.$eval('#message', (m) => m.hidden), true, 'no picture was missing');
    assert.deepEqual(shown.problems, []);
  } finally {
    server.kill();
    await shown.browser.close();
  }
});

// The page holds a picture only while a screen has it: a closed activity's pictures are let go
// when the next screen's are read, so a lesson's screens never pile up in the page.
test('a closed activity\'s pictures are let go when the next screen\'s are read', async () => {
  const titled = (shown, title) => shown.page.waitForFunction((t) => document.title === t, { timeout: 10000 }, title);
  const press = (shown, name) =>
    shown.page.evaluate((n) => [...document.querySelectorAll('#mirror button')].find((b) => b.textContent === n).click(), name);
  // Started in an activity, back to its menu, and on to the planets: how many pictures the page holds.
  const heldAfter = async (first, firstTitle) => {
    const shown = await openSite({ query: `?activity=${first}` });
    try {
      await titled(shown, firstTitle);
      await press(shown, 'Exit');
      await titled(shown, 'Corbelwick');
      await press(shown, 'Ordering the Planets');
      await titled(shown, 'Ordering the Planets');
      assert.deepEqual(shown.problems, []);
      return await shown.page.evaluate(() => Lumenary.pictures.held.size);
    } finally {
      await shown.browser.close();
    }
  };
  assert.equal(await heldAfter('phaseslab', 'Phases of the Moon'), await heldAfter('weatherlab', 'Ordering the Planets'),
               'none of the Moon pictures is still held');
});
