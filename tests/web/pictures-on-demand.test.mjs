// An activity's pictures are not part of the first visit: the page fetches them when a topic
// menu that opens the activity is shown, and a click that comes before they have arrived waits
// for them instead of opening a screen without its pictures. A closed activity's pictures are let
// go when the next screen's are read, so a lesson's screens never pile up in the page.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { siteTest, sleep, withSite } from './support/page.mjs';

siteTest('the Moon pictures come with menu 2, and a click on its entry waits for them', { served: true }, async (shown) => {
  const { page } = shown;
  const requested = [];
  let heldMoon;
  // The page's own requests, not the service worker's answers (it keeps every pack once registered).
  await page.setBypassServiceWorker(true);
  await page.setRequestInterception(true);
  page.on('request', (request) => {
    const pack = /\/packs\/(\w+)\.js$/.exec(new URL(request.url()).pathname)?.[1];
    if (pack) requested.push(pack);
    if (pack === 'phaseslab') heldMoon = request;
    else request.continue();
  });
  await shown.keys('Enter');  // OK, to the main menu
  await shown.titled('Corbelwick');
  assert.deepEqual(requested, [], 'no activity pictures on the way to the main menu');
  await shown.keys('Tab', 'Tab', 'Tab', 'Enter');  // from Exit, past the address, to Menu 2
  await shown.mirrors('Phases of the Moon');
  assert.deepEqual(requested.sort(), ['phaseslab', 'weatherlab'], 'the pictures of the two activities menu 2 opens');

  await shown.press('Phases of the Moon');
  await sleep(500);
  assert.equal(await page.title(), 'Corbelwick', 'the click waits while the Moon pictures are on their way');
  heldMoon.continue();
  await shown.titled('Phases of the Moon');
  assert.equal(await page.$eval('#message', (m) => m.hidden), true, 'no picture was missing');
});

test('a closed activity\'s pictures are let go when the next screen\'s are read', async () => {
  // Started in an activity, back to its menu, and on to the planets: how many pictures the page holds.
  const heldAfter = (first, firstTitle) => withSite({ query: `?activity=${first}` }, async (shown) => {
    for (const [pressed, title] of [[null, firstTitle], ['Exit', 'Corbelwick'], ['Ordering the Planets', 'Ordering the Planets']]) {
      if (pressed) await shown.press(pressed);
      await shown.titled(title);
    }
    return shown.page.evaluate(() => Lumenary.pictures.held.size);
  });
  assert.equal(await heldAfter('phaseslab', 'Phases of the Moon'), await heldAfter('weatherlab', 'Ordering the Planets'),
               'none of the Moon pictures is still held');
});
