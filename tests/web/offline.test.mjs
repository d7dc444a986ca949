// Served from a local web server, the site keeps working once visited when the server, or the
// school's network, is gone: its service worker answers from the cache, with every activity's
// pictures, whichever were opened.
import assert from 'node:assert/strict';
import { once } from 'node:events';
import { test } from 'node:test';
import { lightness, openSite, placement, screenshot, serveSite, waitForStart } from './support/page.mjs';

test('after one visit the site starts and plays with its server gone', async () => {
  const { server, address } = await serveSite();
  const shown = await openSite({ width: 1024, height: 768, address });
  try {
    await shown.page.waitForFunction(() => navigator.serviceWorker.controller !== null, { timeout: 20000 });
    server.kill();
    await once(server, 'exit');
    const answered = [];
    shown.page.on('response', (response) => answered.push([new URL(response.url()).pathname, response.fromServiceWorker()]));
    await shown.page.reload();
    await waitForStart(shown.page);
    assert.deepEqual(answered.filter(([path]) => /(index\.html|lumenary\.js)$/.test(path)),
                     [['/index.html', true], ['/lumenary.js', true]], 'the page and the program came from the service worker');
    const title = placement(shown, { width: 5460, height: 6570 });
    const screen = await screenshot(shown, 'offline-title-screen');
    assert.ok(lightness(screen.colourAt(...title.at(1000, 2400))) < 120, 'the title screen is painted');
    await shown.page.keyboard.press('Enter');
    await shown.page.waitForFunction(() => document.title === 'Corbelwick', { timeout: 10000 });
    // An activity never opened on that visit: its pictures were kept too.
    await shown.page.goto(address + '?activity=newtonmeter');
    await waitForStart(shown.page);
    assert.equal(await shown.page.title(), 'Newton Meter');
    assert.equal(await shown.page.$eval('#message', (m) => m.hidden), true, 'its picture was there');
    assert.deepEqual(shown.problems, []);
  } finally {
    server.kill();
    await shown.browser.close();
  }
});
