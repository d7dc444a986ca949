// Edges and the focus ring at scale 1 (a page the main menu's own size, 792 x 566), in the
// colours the desktop draws them in, checked pixel by pixel across each side of a control.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { openSite, placement, waitForScreen } from './support/page.mjs';

const grey = (v) => ({ r: v, g: v, b: v });
const [white, black] = [grey(255), grey(0)];

// Each side of a control, from outside in: pixels of one row or column across it, and their colours.
const across = (from, step, colours) => colours.map((colour, i) => [[from[0] + step[0] * i, from[1] + step[1] * i], colour]);

// Menu 1 (twips 9600, 2400, 2235 x 495: pixels 640, 160, 149 x 33), focused: the ring (white,
// then black) outside its sunken edge (shadow, dark shadow above and to the left; highlight,
// light below and to the right).
const ringedSunken = [white, white, black];
const menu1 = {
  left: across([637, 176], [1, 0], [...ringedSunken, grey(128), grey(64)]),
  right: across([791, 176], [-1, 0], [...ringedSunken, grey(255), grey(227)]),
  top: across([714, 157], [0, 1], [...ringedSunken, grey(128), grey(64)]),
  bottom: across([714, 195], [0, -1], [...ringedSunken, grey(255), grey(227)]),
};
// Exit (twips 60, 7950, 1785 x 495: pixels 4, 530, 119 x 33), raised: highlight and light above
// and to the left, dark shadow and shadow below and to the right.
const exit = {
  left: across([4, 546], [1, 0], [grey(255), grey(227)]),
  right: across([122, 546], [-1, 0], [grey(64), grey(128)]),
  top: across([63, 530], [0, 1], [grey(255), grey(227)]),
  bottom: across([63, 562], [0, -1], [grey(64), grey(128)]),
};

test('a label\'s sunken edge with the focus ring round it once the keyboard is used, and a button\'s raised edge, on every side', async () => {
  const shown = await openSite({ width: 792, height: 566 });
  try {
    const title = placement(shown, { width: 5460, height: 6570 });
    await shown.page.mouse.click(...title.at(1320 + 600, 5910 + 180));  // OK, to the main menu, by mouse
    await shown.page.waitForFunction(() => document.title === 'Corbelwick', { timeout: 10000 });
    // Exit has the focus, but no ring shows until the keyboard is used.
    const untouched = await waitForScreen(shown, 'edges-main-menu-by-mouse', (s) => s.colourAt(4, 546).r === 255);
    for (const [x, y] of [[3, 546], [123, 546], [63, 529], [63, 563]])
      assert.notDeepEqual(untouched.colourAt(x, y), black, `no ring round Exit at ${x}, ${y}`);
    await shown.page.keyboard.press('Tab');
    await shown.page.keyboard.press('Tab');  // from Exit, past the web address, to Menu 1
    const screen = await waitForScreen(shown, 'edges-main-menu', (s) => s.colourAt(639, 176).r === 0);
    for (const [name, sides] of Object.entries({ 'Menu 1': menu1, Exit: exit }))
      for (const [side, pixels] of Object.entries(sides))
        for (const [[x, y], colour] of pixels) assert.deepEqual(screen.colourAt(x, y), colour, `${name}, ${side} side, pixel ${x}, ${y}`);
    assert.deepEqual(shown.problems, []);
  } finally {
    await shown.browser.close();
  }
});
