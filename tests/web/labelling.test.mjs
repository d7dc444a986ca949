// A Moon round dragged with the mouse, on a 1920 x 1080 whiteboard-sized page: every label on
// its own target, then Check Score, as the desktop's full-screen journey plays it.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { labelMiddle as middle, dragMoonRound, moonMoves as moves } from './support/moon.mjs';
import { isBlack, lightness, openSite, placement, waitForScreen, yellowIn } from './support/page.mjs';

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

test('one finger drags a Moon label onto its target; a second finger on another label disturbs nothing', async () => {
  const touched = await openSite({ width: 1024, height: 768, hasTouch: true, query: '?activity=phaseslab' });
  try {
    const moon = placement(touched, activityClient);
    const session = await touched.page.createCDPSession();
    const touch = (type, points) => session.send('Input.dispatchTouchEvent', {
      type, touchPoints: points.map(([id, x, y]) => ({ id, x, y, radiusX: 2, radiusY: 2, force: 1 })) });
    const [[home, target], [otherHome]] = moves;
    const held = (place, t = 1) => moon.at(place[0] + middle[0], place[1] + middle[1]).map((v) => v * t);
    const along = (step) => moon.at(home[0] + middle[0] + ((target[0] - home[0]) * step) / 4,
                                     home[1] + middle[1] + ((target[1] - home[1]) * step) / 4);
    await touch('touchStart', [[1, ...held(home)]]);
    await touch('touchMove', [[1, ...along(1)]]);
    // A second hand on the board: it lands on another label and wanders off with it, if it could.
    await touch('touchStart', [[1, ...along(1)], [2, ...held(otherHome)]]);
    for (let step = 2; step <= 4; ++step) await touch('touchMove', [[1, ...along(step)], [2, ...held(otherHome, 0.8 + 0.05 * step)]]);
    await touch('touchMove', [[1, ...along(4)], [2, ...held(otherHome, 0.7)]]);  // the second finger moves last
    await touch('touchEnd', [[2, ...held(otherHome, 1)]]);
    await touch('touchEnd', []);
    const label = [0, 0, 2085, 375];
    const box = (place) => [place[0] + 120, place[1] + 60, label[2] - 240, label[3] - 120];
    const screen = await waitForScreen(touched, 'moon-touch', (s) => yellowIn(s, moon, box(target)) > 30);
    assert.ok(yellowIn(screen, moon, box(target)) > 30, 'the first finger\'s label lies on its target');
    assert.equal(yellowIn(screen, moon, box(home)), 0, 'and has left its home');
    assert.ok(yellowIn(screen, moon, box(otherHome)) > 30, 'the label under the second finger stays at home');
    assert.deepEqual(touched.problems, []);
  } finally {
    await touched.browser.close();
  }
});
