// How the page starts and how it stops on a fault: the activity its address names, a name it
// does not know, a picture that cannot be read, and the faces it draws its texts in.
import assert from 'node:assert/strict';
import { audit, screenshot, siteTest } from './support/page.mjs';

const activities = [
  // query                      document title          name labels notice
  ['?activity=phaseslab',       'Phases of the Moon',   8,          null],
  ['?activity=weatherlab',      'Ordering the Planets', 9,          null],
  ['?activity=newtonmeter',     'Newton Meter',         0,          null],
  ['?activity=magnets',         'Repel or Attract?',    0,          null],
  ['?activity=gravity',         'Lumenary',             0,          /no activity "gravity".*newtonmeter, phaseslab, weatherlab, magnets/],
];

// Each screen named by the document's title and heading, and passing axe-core's audit with no
// serious or critical finding; each name label a control that says how the keys carry it.
for (const [query, title, labels, notice] of activities) {
  siteTest(`index.html${query} starts on "${title}"`, { query }, async (shown) => {
    assert.deepEqual(await audit(shown.page), [title, title, []]);
    const carried = (await shown.tree()).filter((node) => node.description.includes('Press Enter to pick it up, the arrow keys'));
    assert.deepEqual(carried.map((node) => node.role), Array(labels).fill('button'));
    const shownNotice = () => shown.page.$eval('#notice', (n) => (n.hidden ? null : n.textContent));
    if (notice) assert.match(await shownNotice(), notice);
    else assert.equal(await shownNotice(), null);
    await shown.keys('Tab');
    assert.equal(await shownNotice(), null, 'a notice goes once the page is used');
  });
}

siteTest('a broken picture shows the message naming it, and the program ends there', { width: 800, height: 600 }, async (shown) => {
  // The main menu's Exit button face, spoiled before the menu reads it.
  await shown.page.evaluate(() => FS.writeFile('/lumenary/Images/exit.jpg', new Uint8Array([0xff, 0xd8, 0xff, 0xe0, 1, 2, 3])));
  await shown.page.keyboard.press('Enter');  // OK
  await shown.page.waitForSelector('#message:not([hidden])', { timeout: 10000 });
  const message = await shown.page.$eval('#message p', (p) => p.textContent);
  assert.match(message, /^Cannot load picture "Images\\exit\.jpg": /);
  assert.ok(shown.said.some((line) => line.startsWith(`Lumenary: ${message}`)), 'and on the console, for whoever looks there');
  await screenshot(shown, 'broken-picture');
  assert.equal(await shown.page.$eval('#screen', (c) => c.hidden), true, 'not the screens behind it, which may be half updated');
});

// The faces the screens name, each from its own file in its own weight: the widths a text takes
// in each are those of the file itself, loaded again under a name of its own.
const faces = [
  ['Tahoma', 'lumenary-tahoma.ttf', 'lumenary-tahomabd.ttf'],
  ['Liberation Serif', 'LiberationSerif-Regular.ttf', 'LiberationSerif-Bold.ttf'],
  ['Liberation Sans', 'LiberationSans-Regular.ttf', 'LiberationSans-Bold.ttf'],
];

siteTest('each face is drawn from its own file in its weight', {}, async (shown) => {
  const widths = await shown.page.evaluate(async (faces) => {
    const context = document.createElement('canvas').getContext('2d');
    const width = (font) => { context.font = font; return context.measureText('Published by Corbelwick Learning').width; };
    const measured = [];
    for (const [family, ...files] of faces)
      for (const [bold, file] of files.entries()) {
        document.fonts.add(await new FontFace(`probe ${file}`, FS.readFile(`/lumenary/fonts/${file}`)).load());
        measured.push([file, width(`${bold ? 'bold ' : ''}40px "${family}"`), width(`40px "probe ${file}"`)]);
      }
    return measured;
  }, faces);
  for (const [file, drawn, fromFile] of widths) assert.equal(drawn, fromFile, file);
  for (let i = 0; i < widths.length; i += 2) assert.notEqual(widths[i][2], widths[i + 1][2], 'a bold face sets text wider');
});
