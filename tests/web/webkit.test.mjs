// The page in WebKitGTK, the engine under Safari and every iPad browser, through W3C WebDriver:
// the title to the main menu and a Moon round by the mouse, and a planets round by the driver's
// touch. (Firefox ESR plays the labelling test's rounds.) WebKit, where it cannot be driven here,
// fails, saying why.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { formClient, placement, titleClient } from './support/page.mjs';
import { carryRound, planetMiddle, planetMoves } from './support/rounds.mjs';
import { withWebKit } from './support/webkit.mjs';

const checkScore = [6000 + 1280, 7920 + 250], ok = [1320 + 600, 5910 + 180];
const announced = "document.getElementById('announcements').textContent";

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
