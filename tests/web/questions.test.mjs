// The question screens as the desktop's journey plays them: a newton meter's answer revealed,
// magnets choices judged (exactly one of Attract and Repel is praised), and Section 2.
import assert from 'node:assert/strict';
import { formClient, isBlack, placement, screenshot, siteTest, waitForScreen, yellowIn } from './support/page.mjs';

siteTest('a newton meter question answered', { query: '?activity=newtonmeter' }, async (shown) => {
  const meter = placement(shown, formClient);
  const answer = [5040, 4680, 5385, 1425], question = [4800, 600, 5745, 2745];
  const screen = await waitForScreen(shown, 'newton-question', (s) => yellowIn(s, meter, question) > 300, 'the question');
  assert.equal(yellowIn(screen, meter, answer), 0, 'the answer starts hidden');
  await shown.page.mouse.click(...meter.at(6480 + 1282, 3720 + 247));  // Answer
  await waitForScreen(shown, 'newton-answer', (s) => yellowIn(s, meter, answer) > 300, 'e.g. "7 Newtons"');
  assert.match(await shown.announced(), /^\d+ Newtons?$/);
});

siteTest('magnets choices judged, then Section 2', { query: '?activity=magnets' }, async (shown) => {
  const pairs = placement(shown, formClient);
  const answer = [120, 6720, 4035, 1425], praise = [4680, 5880, 6105, 825];
  const newQuestionBox = pairs.at(4560 + 100, 7920 + 100);
  // Judges a choice; the screen once the judgement is painted, when resting on New Question lights it.
  const choose = async (left, name) => {
    await shown.page.mouse.move(...pairs.at(11500, 5000));
    await waitForScreen(shown, name, (s) => !isBlack(s.colourAt(...newQuestionBox)));
    await shown.page.mouse.click(...pairs.at(left + 1282, 4800 + 247));
    await shown.page.mouse.move(...pairs.at(4560 + 1280, 7920 + 247));
    return waitForScreen(shown, name, (s) => isBlack(s.colourAt(...newQuestionBox)));
  };
  const wrong = await choose(7560, 'magnets-no-force');  // No Force is never right for two magnets
  assert.ok(yellowIn(wrong, pairs, answer) > 200, 'the answer is shown');
  assert.equal(yellowIn(wrong, pairs, praise), 0, 'and no praise');
  const attractRight = yellowIn(await choose(1560, 'magnets-attract'), pairs, praise) > 200;
  const repelRight = yellowIn(await choose(4560, 'magnets-repel'), pairs, praise) > 200;
  assert.notEqual(attractRight, repelRight, 'exactly one of them is praised');

  await shown.page.mouse.click(...pairs.at(7560 + 1282, 7920 + 247));  // Section 2
  await shown.mirrors('Section 1');
  await screenshot(shown, 'magnets-section-2');
});
