// What keyboard and screen-reader users meet: axe-core's audit of every kind of screen and of the
// ended page (no serious or critical finding), the page's title and heading naming the screen,
// the canvas kept out of the focus, and the ended page left by a Tab and an Enter.
import assert from 'node:assert/strict';
import { createRequire } from 'node:module';
import { named, siteTest, waitForStart } from './support/page.mjs';

const axePath = createRequire(import.meta.url).resolve('axe-core/axe.min.js');

// axe-core's serious and critical findings on the page as it is now, each with where it was
// found, and the document's title and heading.
async function audit(page) {
  if (!(await page.evaluate(() => typeof axe !== 'undefined'))) await page.addScriptTag({ path: axePath });
  const { violations } = await page.evaluate(() => axe.run(document, { resultTypes: ['violations'] }));
  const grave = violations.filter((v) => v.impact === 'serious' || v.impact === 'critical')
    .map((v) => `${v.id} at ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`);
  return [await page.title(), await page.$eval('h1', (h) => h.textContent), grave];
}

siteTest('the title, the menus and the ended page pass the audit, and Tab and Enter there start again', {}, async (shown) => {
  const { page } = shown;
  const seen = [['title', ...(await audit(page))]];
  await page.mouse.click(5, 5);
  assert.notEqual(await page.evaluate(() => document.activeElement.id), 'screen', 'a press leaves the canvas unfocused');
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

const activities = [
  // address's activity  screen
  ['phaseslab',          'Phases of the Moon'],
  ['weatherlab',         'Ordering the Planets'],
  ['newtonmeter',        'Newton Meter'],
];

for (const [activity, screen] of activities) {
  siteTest(`${screen} passes the audit, its name labels saying how they are carried`, { query: `?activity=${activity}` }, async (shown) => {
    assert.deepEqual(await audit(shown.page), [screen, screen, []]);
    const labels = (await shown.tree()).filter((node) => node.description.includes('Press Enter to pick it up, the arrow keys'));
    assert.equal(labels.length, { phaseslab: 8, weatherlab: 9 }[activity] ?? 0);
    assert.ok(labels.every((label) => label.role === 'button'), 'each one a control');
  });
}
