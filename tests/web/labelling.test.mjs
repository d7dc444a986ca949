// The labelling screens' rounds: the Moon dragged with the mouse on a 1920 x 1080 whiteboard-sized
// page, every label on its own target, then Check Score, as the desktop's full-screen journey
// plays it; the planets by touch.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { dragMoonRound } from './support/moon.mjs';
import { isBlack, lightness, openSite, placement, screenshot, waitForScreen, yellowIn } from './support/page.mjs';

const activityClient = { width: 11880, height: 8490 };

let shown;
before(async () => { shown = await openSite({ width: 1920, height: 1080, query: '?activity=phaseslab' }); });
after(async () => { await shown?.browser.close(); });

test('Moon labels dragged onto their targets score 8 out of 8', async () => {
  const moon = placement(shown, activityClient);
  const mouse = shown.page.mouse;
  const checkScore = [6000 + 60, 7920 + 60, 2565 - 120, 495 - 120], scoreLine = [6480, 240, 5280, 585];
  let screen = await waitForScreen(shown, 'moon-start', (s) => isBlack(s.colourAt(5, 540)));
  assert.equal(yellowIn(screen, moon, checkScore), 0, 'Check Score waits for every label to be placed');
  await dragMoonRound(mouse, moon);
  screen = await waitForScreen(shown, 'moon-placed', (s) => yellowIn(s, moon, checkScore) > 30);
  assert.ok(yellowIn(screen, moon, checkScore) > 30, 'Check Score appeared');

  await mouse.click(...moon.at(6000 + 1280, 7920 + 250));  // Check Score
  await mouse.move(...moon.at(11500, 600));
  screen = await waitForScreen(shown, 'moon-scored', (s) => yellowIn(s, moon, scoreLine) > 1000);
  assert.ok(yellowIn(screen, moon, scoreLine) > 1000, '8 out of 8 correct is painted');
  assert.ok(isBlack(screen.colourAt(5, 540)), 'black margins');
  assert.ok(lightness(screen.colourAt(...moon.at(660 + 1155, 3840 + 877))) > 150, 'the Full Moon at its scaled place');

  await mouse.click(...moon.at(10560 + 620, 7920 + 250));  // Exit
  await shown.page.waitForFunction(() => document.title === 'Corbelwick', { timeout: 10000 });
  assert.deepEqual(shown.problems, []);
});

// The planets' name labels: each one's home and its own target, in twips; a 1320 x 375 label is
// held by its middle.
const planetMoves = [
  [[2400, 7320], [840, 4230]], [[3120, 6720], [7560, 2880]], [[6720, 7320], [120, 7560]], [[4560, 6720], [4170, 2400]],
  [[7440, 6720], [480, 6060]], [[8160, 7320], [2400, 2880]], [[5280, 7320], [9780, 3540]], [[6000, 6720], [10320, 5760]],
  [[3840, 7320], [10440, 7080]],
];
const planetMiddle = [660, 187];

test('a planets round by touch scores 9 out of 9, after a touch the browser took back', async () => {
  const touched = await openSite({ width: 1024, height: 768, hasTouch: true, query: '?activity=weatherlab' });
  try {
    const planets = placement(touched, activityClient);
    const session = await touched.page.createCDPSession();
    const touch = (type, points) => session.send('Input.dispatchTouchEvent', {
      type, touchPoints: points.map(([id, x, y]) => ({ id, x, y, radiusX: 2, radiusY: 2, force: 1 })) });
    const held = (place) => planets.at(place[0] + planetMiddle[0], place[1] + planetMiddle[1]);
    // A touch the browser takes back (a gesture of its own) drops the label where it was, here
    // near enough to its home box to go back into it, and frees the finger for the next one.
    const [firstHome] = planetMoves[0];
    await touch('touchStart', [[1, ...held(firstHome)]]);
    await touch('touchMove', [[1, ...planets.at(firstHome[0] + planetMiddle[0] + 200, firstHome[1] + planetMiddle[1] - 100)]]);
    await touch('touchCancel', []);
    for (const [home, target] of planetMoves) {
      const along = (step) => planets.at(home[0] + planetMiddle[0] + ((target[0] - home[0]) * step) / 4,
                                         home[1] + planetMiddle[1] + ((target[1] - home[1]) * step) / 4);
      await touch('touchStart', [[1, ...held(home)]]);
      for (let step = 1; step <= 4; ++step) await touch('touchMove', [[1, ...along(step)]]);
      await touch('touchEnd', []);
    }
    const checkScore = planets.at(6000 + 1280, 7920 + 250);
    await touched.page.waitForFunction(() => [...document.querySelectorAll('#mirror button')].some((b) => b.textContent === 'Check Score'),
                                       { timeout: 10000 });
    await touch('touchStart', [[1, ...checkScore]]);
    await touch('touchEnd', []);
    await touched.page.waitForFunction(() => document.getElementById('announcements').textContent !== '', { timeout: 10000 });
    assert.equal(await touched.page.$eval('#announcements', (region) => region.textContent), '9 out of 9 correct');
    await screenshot(touched, 'planets-scored');
    assert.deepEqual(touched.problems, []);
  } finally {
    await touched.browser.close();
  }
});
