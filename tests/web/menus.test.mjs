// The title screen through the menus and back, in the page opened from the file system, as the
// desktop's menu journey goes: by keyboard to a topic menu, by mouse back, Exit ends the program.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { isBlack, isWhite, lightness, openSite, placement, waitForScreen } from './support/page.mjs';

const titleClient = { width: 5460, height: 6570 };
const menuClient = { width: 11880, height: 8490 };
const menuBlue = { r: 49, g: 135, b: 215 };

let shown;
before(async () => { shown = await openSite({ width: 1024, height: 768 }); });
after(async () => { await shown?.browser.close(); });

const click = (screen, x, y, options) => shown.page.mouse.click(...screen.at(x, y), options);
const colourAt = (image, screen, x, y) => image.colourAt(...screen.at(x, y));
const waitForTitle = (title) => shown.page.waitForFunction((t) => document.title === t, { timeout: 10000 }, title);

test('from the title screen by keyboard and mouse through the menus and back to it, and Exit', async () => {
  const title = placement(shown, titleClient);
  const sky = [1000, 2400];
  let screen = await waitForScreen(shown, 'title-screen', (s) => lightness(colourAt(s, title, ...sky)) < 120);
  // Its caption is one space, which the page's title, as a browser trims it, shows as none.
  assert.equal(await shown.page.title(), '');
  assert.ok(lightness(colourAt(screen, title, ...sky)) < 120, 'the night sky of the title artwork');
  assert.ok(isBlack(screen.colourAt(2, shown.height / 2)), 'black beside the screen, which keeps its shape');
  assert.deepEqual(colourAt(screen, title, 1320 + 100, 6000 - 90 + 60), { r: 192, g: 192, b: 192 }, 'the face of OK');

  await shown.page.keyboard.press('Enter');  // OK has the focus
  await waitForTitle('Corbelwick');
  const menu = placement(shown, menuClient);
  await shown.page.keyboard.press('Tab');
  await shown.page.keyboard.press('Tab');
  await shown.page.keyboard.press('Tab');
  await shown.page.keyboard.press('Tab');  // from Exit, past the web address, to Menu 1, 2 and 3
  const [ringX, ringY] = menu.at(9600 + 1100, 2400 + 750 * 2);
  screen = await waitForScreen(shown, 'keyboard-main-menu', (s) => isWhite(s.colourAt(ringX, ringY - 2)));
  assert.ok(isWhite(screen.colourAt(ringX, ringY - 2)), 'the ring round Menu 3');
  assert.ok(!isWhite(screen.colourAt(...menu.at(9600 + 1100, 2400 + 750 * 3 - 30))), 'and none round Menu 4');

  await shown.page.keyboard.press('Enter');
  const lesson = [3892.5 + 60, 2650];
  screen = await waitForScreen(shown, 'menu3', (s) => isBlack(colourAt(s, menu, ...lesson)));
  assert.equal(await shown.page.title(), 'Corbelwick');
  assert.ok(isBlack(colourAt(screen, menu, ...lesson)), 'its lessons are black boxes');
  assert.notEqual(await shown.page.$eval('#screen', (c) => c.style.cursor), 'wait', 'the busy pointer of its set-up is gone');

  await click(menu, 60 + 900, 7950 + 250);  // Exit, to the main menu
  const background = [6000, 6800];
  screen = await waitForScreen(shown, 'main-menu', (s) => !isBlack(colourAt(s, menu, ...lesson)));
  assert.ok(!isBlack(colourAt(screen, menu, ...lesson)), 'the topic menu has gone');
  assert.notDeepEqual(colourAt(screen, menu, ...background), menuBlue, 'the main menu shows its background picture');

  // A double-click is one click, as on the desktop: the web address opens in one new tab.
  const tabs = [];
  shown.browser.on('targetcreated', (target) => target.type() === 'page' && tabs.push(target.url()));
  const opened = shown.browser.waitForTarget((target) => target.url().includes('corbelwick.example'), { timeout: 10000 });
  await click(menu, 8520 + 3315 / 2, 7800 + 187, { count: 2 });  // the web address
  assert.match((await opened).url(), /^http:\/\/www\.corbelwick\.example\/?$/, 'the web address opens in a new tab');
  await new Promise((done) => setTimeout(done, 1000));
  assert.equal(tabs.length, 1, 'one tab for the double-click');
  // Two quick clicks further apart than five design pixels are two clicks: 7 px here is 5.4 of them.
  const [x, y] = menu.at(8520 + 3315 / 2, 7800 + 187).map(Math.round);
  await shown.page.mouse.click(x, y);
  await shown.page.mouse.click(x + 7, y);
  for (let waited = 0; tabs.length < 3 && waited < 5000; waited += 100) await new Promise((done) => setTimeout(done, 100));
  assert.equal(tabs.length, 3, 'a tab for each of two clicks apart');

  await click(menu, 60 + 900, 7950 + 250);  // Exit, to the title screen
  await waitForTitle('');
  screen = await waitForScreen(shown, 'title-screen-again', (s) => lightness(colourAt(s, title, ...sky)) < 120);
  assert.ok(lightness(colourAt(screen, title, ...sky)) < 120, 'the title screen is back');

  await click(title, 2760 + 1335 / 2, 6000 - 90 + 375 / 2);  // Exit
  await shown.page.waitForSelector('#message:not([hidden])', { timeout: 10000 });
  assert.equal(await shown.page.$eval('#message h1', (h) => h.textContent), 'Lumenary has ended');
  assert.deepEqual(shown.problems, [], 'no error in the page');
});
