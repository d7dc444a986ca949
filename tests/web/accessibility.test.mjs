// What keyboard and screen-reader users meet on the way through the menus: axe-core's audit of the
// title, the menus and the ended page (no serious or critical finding; the activities' screens are
// audited where they start), the page's title and heading naming the screen, and the ended page
// left by a Tab and an Enter. (The canvas takes no focus: axe-core's aria-hidden-focus says so.)
import assert from 'node:assert/strict';
import { audit, named, siteTest, waitForStart } from './support/page.mjs';

siteTest('the title, the menus and the ended page pass the audit, and Tab and Enter there start again', {}, async (shown) => {
  const { page } = shown;
  const seen = [['title', ...(await audit(page))]];
  for (const [press, until, screen] of [['OK', 'Menu 3', 'main menu'], ['Menu 3', 'Repel or Attract?', 'topic menu']]) {
    await shown.press(press);
    await shown.mirrors(until);
    seen.push([screen, ...(await audit(page))]);
  }
  for (const until of ['www.corbelwick.example', 'Cancel']) {
    await shown.press('Exit');
    await shown.mirrors(until);
  }
  await shown.press('Exit');
  await page.waitForSelector('#message:not([hidden])', { timeout: 10000 });
  seen.push(['ended', ...(await audit(page))]);
  assert.deepEqual(seen, [
    // screen         document title  heading       grave findings
    ['title',         'Lumenary',     'Lumenary',   []],
    ['main menu',     'Corbelwick',   'Corbelwick', []],
    ['topic menu',    'Corbelwick',   'Corbelwick', []],
    ['ended',         'Lumenary',     'Lumenary',   []],
  ]);
  const tree = await shown.tree();
  assert.ok(named(tree, 'alertdialog', 'Lumenary has ended'), 'the message is named');
  assert.deepEqual(['OK', 'Exit', 'Title picture'].filter((name) => tree.some((node) => node.name === name)), [],
                   'nothing of the ended program is left to read');

  await shown.keys('Tab');
  assert.equal(await page.evaluate(() => document.activeElement.textContent), 'Start again');
  await Promise.all([page.waitForNavigation(), shown.keys('Enter')]);
  await waitForStart(page);
  await shown.mirrors('OK');
});
