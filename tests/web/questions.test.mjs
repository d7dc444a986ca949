// A question screen as the desktop's journey plays it: a newton meter's answer revealed and
// announced. (Which answers the screens judge right is the model's tests'.)
import assert from 'node:assert/strict';
import { formClient, placement, siteTest, waitForScreen, yellowIn } from './support/page.mjs';

siteTest('a newton meter question answered', { query: '?activity=newtonmeter' }, async (shown) => {
  const meter = placement(shown, formClient);
  const answer = [5040, 4680, 5385, 1425], question = [4800, 600, 5745, 2745];
  const screen = await waitForScreen(shown, 'newton-question', (s) => yellowIn(s, meter, question) > 300, 'the question');
  assert.equal(yellowIn(screen, meter, answer), 0, 'the answer starts hidden');
  await shown.page.mouse.click(...meter.at(6480 + 1282, 3720 + 247));  // Answer
  await waitForScreen(shown, 'newton-answer', (s) => yellowIn(s, meter, answer) > 300, 'e.g. "7 Newtons"');
  assert.match(await shown.announced(), /^\d+ Newtons?$/);
});
