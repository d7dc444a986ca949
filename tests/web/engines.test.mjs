// The page in the other engines schools use: Firefox ESR, through WebDriver BiDi, and WebKitGTK,
// the engine under Safari and every iPad browser, through W3C WebDriver. In each, the title to
// the main menu and a Moon round dragged to 8 out of 8; in Firefox by the keys, one label carried
// by them first; in WebKit by the mouse, and a planets round by touch. An engine that cannot be
// driven here fails, saying why.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { formClient, placement, siteTest, titleClient, waitForStart } from './support/page.mjs';
import { carryRound, planetMiddle, planetMoves } from './support/rounds.mjs';
import { withWebKit } from './support/webkit.mjs';

const checkScore = [6000 + 1280, 7920 + 250], ok = [1320 + 600, 5910 + 180];
const announced = "document.getElementById('announcements').textContent";
const onTargets = `[...document.querySelectorAll('#mirror [aria-description]')]
  .map((label) => /^on target \\d+/.exec(label.getAttribute('aria-description'))?.[0]).filter(Boolean)`;

siteTest('Firefox: the keys to the main menu, a Moon label carried by them, then 8 out of 8 dragged', { firefox: true }, async (shown) => {
  const { page } = shown, mouse = page.mouse;
  await shown.keys('Enter');  // OK
  await shown.titled('Corbelwick');
  await page.goto(`${page.url()}?activity=phaseslab`);
  await waitForStart(page);
  // Tab to the first name label, pick it up, carry it to the first target in reading order (the
  // top left one), the second, and back, and put it down (which stop comes next is the model's).
  const focused = () => page.evaluate(() => document.activeElement.closest('#mirror') && document.activeElement.textContent);
  await shown.keys('Tab');
  const first = await focused();
  assert.match(first, /Moon|Crescent|Quarter|Gibbous/, 'the mirror follows the focus to a name label');
  await shown.keys('Tab', 'Shift+Tab');
  assert.equal(await focused(), first, 'Shift+Tab goes back');
  await shown.keys('Enter', 'ArrowRight', 'ArrowRight', 'ArrowLeft', 'Enter');
  assert.deepEqual(await page.evaluate(onTargets), ['on target 8'], 'one name label rests on the top left target');
  await shown.press('Start Again');
  assert.deepEqual(await page.evaluate(onTargets), [], 'Start Again sends it home');
  const moon = placement(shown, formClient);
  await carryRound({ place: moon, down: async (x, y) => { await mouse.move(x, y); await mouse.down(); },
                     move: (x, y) => mouse.move(x, y), up: () => mouse.up() });
  await shown.mirrors('Check Score');
  await mouse.click(...moon.at(...checkScore));
  await page.waitForFunction((script) => eval(script) === '8 out of 8 correct', { timeout: 10000 }, announced);
});

test('WebKit: the mouse to the main menu and through a Moon round, then a planets round by the driver\'s touch', () => withWebKit({}, async (webkit) => {
  // Each round: the activity, the pointer that plays it, the kind the page receives, its labels
  // and the score it reaches. With no touch screen (none under Xvfb) WebKitGTK delivers its
  // driver's touch as a mouse; its pen stops after the press, so a pen cannot drag at all.
  const rounds = [
    ['phaseslab',  'mouse', 'mouse', {},                                            '8 out of 8 correct'],
    ['weatherlab', 'touch', 'mouse', { moves: planetMoves, middle: planetMiddle }, '9 out of 9 correct'],
  ];
  await webkit.goto();
  await webkit.gesture('mouse', [placement(webkit, titleClient).at(...ok)]);
  await webkit.until("document.title === 'Corbelwick'", 'OK never opened the main menu');
  for (const [activity, kind, received, labels, score] of rounds) {
    await webkit.goto(`?activity=${activity}`);
    await webkit.evaluate("(window.kinds = new Set()) && addEventListener('pointerdown', (e) => kinds.add(e.pointerType), true)");
    const place = placement(webkit, formClient);
    let gesture;
    await carryRound({ ...labels, place, down: (x, y) => void (gesture = [[x, y]]), move: (x, y) => void gesture.push([x, y]),
                       up: () => webkit.gesture(kind, gesture) });
    await webkit.gesture(kind, [place.at(...checkScore)]);
    await webkit.until(`${announced} === '${score}'`, `${activity} by ${kind}: never "${score}"`);
    assert.deepEqual(await webkit.evaluate('[...kinds]'), [received], `${activity}: ${kind} arrives as ${received}`);
  }
}));
