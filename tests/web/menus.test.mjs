// The title screen through the menus and back as the desktop's menu journey goes, on a page the
// main menu's own size (792 x 566, scale 1): by mouse to the main menu, by keyboard to a topic
// menu, by mouse back, and the web address opened. On the way: the edges and the focus ring in the
// desktop's colours, pixel by pixel, and each menu's mirror as Chromium's accessibility tree shows it.
import assert from 'node:assert/strict';
import { formClient, isBlack, lightness, named, placement, siteTest, titleClient, waitForScreen } from './support/page.mjs';

const grey = (v) => ({ r: v, g: v, b: v });
const [white, black] = [grey(255), grey(0)];

// Across a control's box [x, y, w, h] along its middle row, from `out` pixels outside it inwards:
// the pixels and their colours, `before` across its left side and `after` across its right.
const across = ([x, y, w, h], out, before, after) => [...before.map((colour, i) => [[x - out + i, y + Math.floor(h / 2)], colour]),
                                                      ...after.map((colour, i) => [[x + w - 1 + out - i, y + Math.floor(h / 2)], colour])];
// Menu 1 (twips 9600, 2400, 2235 x 495), focused: the ring (white, then black) outside its sunken
// edge (shadow, dark shadow on the left; highlight, light on the right). Exit (twips 60, 7950,
// 1785 x 495), raised: highlight and light on the left, dark shadow and shadow on the right.
const ring = [white, white, black];
const edges = [...across([640, 160, 149, 33], 3, [...ring, grey(128), grey(64)], [...ring, grey(255), grey(227)]),
               ...across([4, 530, 119, 33], 0, [grey(255), grey(227)], [grey(64), grey(128)])];
// Menu 3's entries, and whether each opens an activity.
const menu3Entries = { 'Changing State': false, 'Repel or Attract?': true, Reflection: false, Refraction: false, Colour: false };

siteTest('through the menus by mouse and keyboard, with the desktop\'s edges, ring and names', { width: 792, height: 566 }, async (shown) => {
  const { page } = shown;
  const title = placement(shown, titleClient), menu = placement(shown, formClient);
  const at = (image, screen, x, y) => image.colourAt(...screen.at(x, y));
  const click = (screen, x, y) => page.mouse.click(...screen.at(x, y));
  const night = (s) => lightness(at(s, title, 1000, 2400)) < 120;
  const screen = await waitForScreen(shown, 'title-screen', night, 'the night sky of the title artwork');
  assert.deepEqual(at(screen, title, 1320 + 100, 6000 - 90 + 60), grey(192), 'the face of OK');

  await click(title, 1320 + 600, 5910 + 180);  // OK
  await shown.titled('Corbelwick');
  // Exit has the focus, but no ring shows until the keyboard is used.
  const untouched = await waitForScreen(shown, 'edges-main-menu-by-mouse', (s) => s.colourAt(4, 546).r === 255);
  for (const [x, y] of [[3, 546], [123, 546], [63, 529], [63, 563]])
    assert.notDeepEqual(untouched.colourAt(x, y), black, `no ring round Exit at ${x}, ${y}`);
  const nodes = await shown.tree();
  assert.ok(named(nodes, 'image', 'Corbelwick Learning logo'), 'the logo by its neutral name');
  assert.ok(named(nodes, 'StaticText', 'Lumenary'), 'the heading is a text');

  await shown.keys('Tab', 'Tab');  // from Exit, past the web address, to Menu 1
  const ringed = await waitForScreen(shown, 'edges-main-menu', (s) => s.colourAt(639, 176).r === 0);
  for (const [[x, y], colour] of edges) assert.deepEqual(ringed.colourAt(x, y), colour, `pixel ${x}, ${y}`);

  await shown.keys('Tab', 'Tab', 'Enter');  // Menu 3
  const lesson = [3892.5 + 60, 2650];
  await shown.mirrors('Repel or Attract?');
  await waitForScreen(shown, 'menu3', (s) => isBlack(at(s, menu, ...lesson)), 'its lessons are black boxes');
  const entries = await shown.tree();
  for (const [name, opens] of Object.entries(menu3Entries)) assert.equal(named(entries, 'button', name)?.disabled, !opens, name);
  assert.notEqual(await page.$eval('#screen', (c) => c.style.cursor), 'wait', 'the busy pointer of its set-up is gone');

  await click(menu, 60 + 900, 7950 + 250);  // Exit, to the main menu
  const back = await waitForScreen(shown, 'main-menu', (s) => !isBlack(at(s, menu, ...lesson)), 'the topic menu has gone');
  assert.notDeepEqual(at(back, menu, 6000, 6800), { r: 49, g: 135, b: 215 }, 'the main menu shows its background picture, not its colour');
  const opened = shown.browser.waitForTarget((target) => target.url().includes('corbelwick.example'), { timeout: 10000 });
  await click(menu, 8520 + 3315 / 2, 7800 + 187);  // the web address
  assert.match((await opened).url(), /^http:\/\/www\.corbelwick\.example\/?$/, 'the web address opens in a new tab');
});
