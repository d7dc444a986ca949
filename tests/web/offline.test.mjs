// Served from a local web server, the site keeps working once visited when the server, or the
// school's network, is gone: its service worker answers from the cache, with every activity's
// pictures, whichever were opened.
import assert from 'node:assert/strict';
import { once } from 'node:events';
import { lightness, placement, siteTest, titleClient, waitForScreen, waitForStart } from './support/page.mjs';

siteTest('after one visit the site starts and plays with its server gone', { served: true }, async (shown) => {
  const { page } = shown;
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null, { timeout: 20000 });
  shown.server.kill();
  await once(shown.server, 'exit');
  const answered = [];
  page.on('response', (response) => answered.push([new URL(response.url()).pathname, response.fromServiceWorker()]));
  await page.reload();
  await waitForStart(page);
  assert.deepEqual(answered.filter(([path]) => /(index\.html|lumenary.*)$/.test(path)),
                   [['/index.html', true], ['/lumenary-served.js', true], ['/lumenary-served.wasm', true]],
                   'the page and the program came from the service worker');
  const title = placement(shown, titleClient);
  await waitForScreen(shown, 'offline-title-screen', (s) => lightness(s.colourAt(...title.at(1000, 2400))) < 120, 'the title screen');
  await shown.keys('Enter');
  await shown.titled('Corbelwick');
  // An activity never opened on that visit: its pictures were kept too.
  await page.goto(shown.address + '?activity=newtonmeter');
  await waitForStart(page);
  assert.equal(await page.title(), 'Newton Meter');
  assert.equal(await page.$eval('#message', (m) => m.hidden), true, 'its picture was there');
});
