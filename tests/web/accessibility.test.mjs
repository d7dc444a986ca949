// The page's mirror of the top screen as Chromium's accessibility tree shows it to a screen
// reader: roles and names as on the desktop, disabled entries, where a name label rests, a
// score announced, and a mirrored button pressed as a click.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { dragMoonRound } from './support/moon.mjs';
import { openSite, placement } from './support/page.mjs';

async function accessibleNodes(page) {
  const session = await page.createCDPSession();
  const { nodes } = await session.send('Accessibility.getFullAXTree');
  await session.detach();
  const property = (node, name) => (node.properties || []).find((p) => p.name === name)?.value.value;
  return nodes.filter((node) => !node.ignored).map((node) => ({
    role: node.role?.value, name: node.name?.value ?? '', description: node.description?.value ?? '',
    disabled: property(node, 'disabled') === true,
  }));
}
const named = (nodes, role, name) => nodes.find((node) => node.role === role && node.name === name);
const pressMirrored = (page, name) => page.$$eval('#mirror button', (buttons, wanted) => {
  buttons.find((button) => button.textContent === wanted).click();
}, name);

test('the menus as buttons and a neutrally named picture; disabled entries marked; a mirrored button presses', async () => {
  const shown = await openSite({ width: 1024, height: 768 });
  try {
    await pressMirrored(shown.page, 'OK');
    await shown.page.waitForFunction(() => document.title === 'Corbelwick');
    let nodes = await accessibleNodes(shown.page);
    for (const name of ['Menu 1', 'Menu 2', 'Menu 3', 'Menu 4', 'Menu 5', 'Exit', 'www.corbelwick.example'])
      assert.equal(named(nodes, 'button', name)?.disabled, false, `${name} is a button that can be pressed`);
    assert.ok(named(nodes, 'image', 'Corbelwick Learning logo'), 'the logo by its neutral name');
    assert.equal(named(nodes, 'StaticText', 'Lumenary')?.role, 'StaticText', 'the heading is a text');
    // Each element lies over its control, for a magnifier or a finger exploring the screen: Menu 1
    // at twips 9600, 2400, 2235 x 495.
    const menu = placement(shown, { width: 11880, height: 8490 });
    const box = await shown.page.$$eval('#mirror button', (buttons) => {
      const r = buttons.find((button) => button.textContent === 'Menu 1').getBoundingClientRect();
      return [r.left, r.top, r.width, r.height];
    });
    const [left, top] = menu.at(9600, 2400), [right, bottom] = menu.at(9600 + 2235, 2400 + 495);
    [left, top, right - left, bottom - top].forEach((expected, i) => assert.ok(Math.abs(box[i] - expected) <= 1, `Menu 1 lies at ${box}`));

    await pressMirrored(shown.page, 'Menu 3');
    await shown.page.waitForFunction(() => [...document.querySelectorAll('#mirror button')].some((b) => b.textContent === 'Repel or Attract?'));
    nodes = await accessibleNodes(shown.page);
    const entries = [
      // entry               can be opened
      ['Changing State',     false],
      ['Repel or Attract?',  true],
      ['Reflection',         false],
      ['Refraction',         false],
      ['Colour',             false],
    ];
    for (const [name, opens] of entries) assert.equal(named(nodes, 'button', name)?.disabled, !opens, name);
    assert.deepEqual(shown.problems, []);
  } finally {
    await shown.browser.close();
  }
});

test('a name label carried by keyboard says where it rests, and the score is announced', async () => {
  const shown = await openSite({ width: 1024, height: 768, query: '?activity=phaseslab' });
  try {
    const onTargets = async () => (await accessibleNodes(shown.page)).map((node) => node.description).filter((d) => /on target/.test(d));
    assert.deepEqual(await onTargets(), [], 'every name label starts at home');
    // Tab to the first name label, pick it up, carry it one stop, put it down (which stop comes
    // next is the model's, tested there).
    const keyboard = shown.page.keyboard;
    const keys = async (...pressed) => {
      for (const key of pressed) {
        const shifted = key.startsWith('Shift+');
        if (shifted) await keyboard.down('Shift');
        await keyboard.press(shifted ? key.slice(6) : key);
        if (shifted) await keyboard.up('Shift');
      }
    };
    const focused = () => shown.page.evaluate(() => document.activeElement.closest('#mirror') && document.activeElement.textContent);
    await keys('Tab');
    await shown.page.waitForFunction(() => document.activeElement.closest('#mirror'), { timeout: 10000 });
    const first = await focused();
    assert.match(first, /Moon|Crescent|Quarter|Gibbous/, 'the mirror follows the focus to a name label');
    await keys('Tab', 'Shift+Tab');
    assert.equal(await focused(), first, 'Shift+Tab goes back');
    // Carried to the first target in reading order (the top left one), the second, and back.
    await keys('Enter', 'ArrowRight', 'ArrowRight', 'ArrowLeft', 'Enter');
    assert.deepEqual(await onTargets(), ['on target 8'], 'one name label rests on the top left target');

    await pressMirrored(shown.page, 'Start Again');
    assert.deepEqual(await onTargets(), [], 'Start Again sends it home');
    await dragMoonRound(shown.page.mouse, placement(shown, { width: 11880, height: 8490 }));
    assert.deepEqual((await onTargets()).sort(), [1, 2, 3, 4, 5, 6, 7, 8].map((n) => `on target ${n}`));

    await pressMirrored(shown.page, 'Check Score');
    assert.equal(await shown.page.$eval('#announcements', (region) => region.textContent), '8 out of 8 correct');
    assert.ok(named(await accessibleNodes(shown.page), 'StaticText', '8 out of 8 correct'), 'and in the tree');
    assert.deepEqual(shown.problems, []);
  } finally {
    await shown.browser.close();
  }
});
