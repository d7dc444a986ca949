// Served from a local web server, the site keeps working once visited when the server, or the
// school's network, is gone: its service worker answers from the cache.
import assert from 'node:assert/strict';
import { spawn } from 'node:child_process';
import { once } from 'node:events';
import { test } from 'node:test';
import { lightness, openSite, placement, screenshot, site, waitForStart } from './support/page.mjs';

// Python's static server on a free port of this machine, serving the built site.
async function serve() {
  const server = spawn('python3', ['-u', '-m', 'http.server', '0', '--bind', '127.0.0.1'], { cwd: site, stdio: ['ignore', 'pipe', 'ignore'] });
  let said = '';
  for await (const chunk of server.stdout) {
    said += chunk;
    const port = /port (\d+)/.exec(said);
    if (port) return { server, address: `http://127.0.0.1:${port[1]}/index.html` };
  }
  throw new Error('the web server did not start');
}

test('after one visit the site starts and plays with its server gone', async () => {
  const { server, address } = await serve();
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
    assert.deepEqual(shown.problems, []);
  } finally {
    server.kill();
    await shown.browser.close();
  }
});
