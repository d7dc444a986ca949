// The labelling screens' rounds: the Moon on a 1920 x 1080 whiteboard-sized page, a label carried
// by the keys, then every label dragged onto its own target with the mouse and Check Score, as
// the desktop's full-screen journey plays it, with the mirror telling where each label rests and
// the score announced; the planets by touch. (WebKit's rounds are in the engines' test.)
import assert from 'node:assert/strict';
import { carryRound, planetMiddle, planetMoves } from './support/rounds.mjs';
import { formClient, isBlack, lightness, placement, screenshot, siteTest, waitForScreen, waitForStart, yellowIn } from './support/page.mjs';

// In Chromium and in Firefox ESR: the title to the main menu by the keys, then on the Moon screen
// one label carried by them, and every label dragged.
for (const firefox of [false, true]) {
  siteTest(`${firefox ? 'Firefox' : 'Chromium'}: OK by the keys, a Moon label carried by them, then every label dragged, 8 out of 8`,
           { firefox, width: 1920, height: 1080 }, async (shown) => {
    const { page } = shown, mouse = page.mouse;
    await shown.keys('Enter');  // OK
    await shown.titled('Corbelwick');
    await page.goto(`${page.url()}?activity=phaseslab`);
    await waitForStart(page);
    const moon = placement(shown, formClient);
    const checkScore = [6000 + 60, 7920 + 60, 2565 - 120, 495 - 120], scoreLine = [6480, 240, 5280, 585];
    const onTargets = () => page.evaluate(() => [...document.querySelectorAll('#mirror [aria-description]')]
      .map((label) => /^on target \d+/.exec(label.getAttribute('aria-description'))?.[0]).filter(Boolean).sort());
    await waitForScreen(shown, 'moon-start', (s) => isBlack(s.colourAt(5, 540)), 'black margins');

    // Tab to the first name label, pick it up, carry it to the first target in reading order (the
    // top left one), the second, and back, and put it down (which stop comes next is the model's).
    const focused = () => page.evaluate(() => document.activeElement.closest('#mirror') && document.activeElement.textContent);
    await shown.keys('Tab');
    const first = await focused();
    assert.match(first, /Moon|Crescent|Quarter|Gibbous/, 'the mirror follows the focus to a name label');
    await shown.keys('Tab', 'Shift+Tab');
    assert.equal(await focused(), first, 'Shift+Tab goes back');
    await shown.keys('Enter', 'ArrowRight', 'ArrowRight', 'ArrowLeft', 'Enter');
    assert.deepEqual(await onTargets(), ['on target 8'], 'one name label rests on the top left target');
    await shown.press('Start Again');
    assert.deepEqual(await onTargets(), [], 'Start Again sends it home');

    await carryRound({ place: moon, down: async (x, y) => { await mouse.move(x, y); await mouse.down(); },
                       move: (x, y) => mouse.move(x, y), up: () => mouse.up() });
    assert.deepEqual(await onTargets(), [1, 2, 3, 4, 5, 6, 7, 8].map((n) => `on target ${n}`));
    await waitForScreen(shown, 'moon-placed', (s) => yellowIn(s, moon, checkScore) > 30, 'Check Score appeared');
    await mouse.click(...moon.at(6000 + 1280, 7920 + 250));  // Check Score
    await mouse.move(...moon.at(11500, 600));
    const scored = await waitForScreen(shown, 'moon-scored', (s) => yellowIn(s, moon, scoreLine) > 1000, '8 out of 8 correct is painted');
    assert.ok(lightness(scored.colourAt(...moon.at(660 + 1155, 3840 + 877))) > 150, 'the Full Moon at its scaled place');
    assert.equal(await shown.announced(), '8 out of 8 correct');
    await mouse.click(...moon.at(10560 + 620, 7920 + 250));  // Exit
    await shown.titled('Corbelwick');
  });
}

siteTest('a planets round by touch scores 9 out of 9, after a touch the browser took back', { hasTouch: true, query: '?activity=weatherlab' }, async (shown) => {
  const planets = placement(shown, formClient);
  const session = await shown.page.createCDPSession();
  const touch = (type, points) => session.send('Input.dispatchTouchEvent', {
    type, touchPoints: points.map(([x, y]) => ({ id: 1, x, y, radiusX: 2, radiusY: 2, force: 1 })) });
  // A touch the browser takes back (a gesture of its own) arrives as a cancel: the label it held
  // goes back near its home and the finger is free for the round.
  const [firstHome] = planetMoves[0];
  await touch('touchStart', [planets.at(firstHome[0] + planetMiddle[0], firstHome[1] + planetMiddle[1])]);
  await touch('touchMove', [planets.at(firstHome[0] + planetMiddle[0] + 200, firstHome[1] + planetMiddle[1] - 100)]);
  await touch('touchCancel', []);
  await carryRound({ moves: planetMoves, middle: planetMiddle, place: planets, steps: 4,
                     down: (x, y) => touch('touchStart', [[x, y]]), move: (x, y) => touch('touchMove', [[x, y]]), up: () => touch('touchEnd', []) });
  await shown.mirrors('Check Score');
  await touch('touchStart', [planets.at(6000 + 1280, 7920 + 250)]);
  await touch('touchEnd', []);
  await shown.page.waitForFunction(() => document.getElementById('announcements').textContent !== '', { timeout: 10000 });
  assert.equal(await shown.announced(), '9 out of 9 correct');
  await screenshot(shown, 'planets-scored');
});
