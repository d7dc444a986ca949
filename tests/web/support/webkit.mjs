// WebKitGTK, the engine under Safari and every iPad browser: Debian's MiniBrowser, driven by its
// WebKitWebDriver through plain W3C WebDriver calls, on the X display the tests run in.
import assert from 'node:assert/strict';
import { spawn } from 'node:child_process';
import { once } from 'node:events';
import { existsSync, readdirSync } from 'node:fs';
import { createServer } from 'node:net';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { site, sleep } from './page.mjs';

// MiniBrowser comes with the WebKitGTK library the driver needs (webkit2gtk-4.1 in Debian 12);
// the newest one there, wherever the system keeps its libraries.
function miniBrowser() {
  for (const triplet of readdirSync('/usr/lib').filter((folder) => folder.includes('-linux-')))
    for (const folder of readdirSync(`/usr/lib/${triplet}`).filter((name) => /^webkit.*gtk/.test(name)).sort().reverse())
      if (existsSync(`/usr/lib/${triplet}/${folder}/MiniBrowser`)) return `/usr/lib/${triplet}/${folder}/MiniBrowser`;
  throw new Error('WebKit cannot be driven here: there is no MiniBrowser (Debian\'s webkit2gtk-driver brings it)');
}

async function freePort() {
  const server = createServer().listen(0, '127.0.0.1');
  await once(server, 'listening');
  const { port } = server.address();
  server.close();
  return port;
}

// Runs `body` with MiniBrowser in a window of `width` x `height`, where `goto` opens the site at
// a query, and closes everything after.
export async function withWebKit({ width = 1024, height = 768 }, body) {
  const browser = process.env.MINIBROWSER || miniBrowser();
  const port = await freePort();
  const driver = spawn('WebKitWebDriver', [`--port=${port}`], { stdio: 'ignore' });
  const call = async (method, path, body) => {
    const answer = await fetch(`http://127.0.0.1:${port}${path}`, { method, headers: { 'Content-Type': 'application/json' },
                                                                  body: body && JSON.stringify(body) });
    const { value } = await answer.json();
    if (!answer.ok) throw new Error(`WebKitWebDriver: ${method} ${path}: ${value.error}: ${value.message}`);
    return value;
  };
  try {
    let session;
    for (const until = Date.now() + 10000; !session; await sleep(100)) {
      // The driver listens a moment after it starts.
      session = await call('POST', '/session', { capabilities: { alwaysMatch: {
        'webkitgtk:browserOptions': { binary: browser, args: ['--automation'] } } } }).catch((error) => {
        if (Date.now() > until || !/fetch failed/.test(error.message)) throw new Error(`WebKit cannot be driven here: ${error.message}`);
      });
    }
    const at = `/session/${session.sessionId}`;
    const evaluate = (script) => call('POST', `${at}/execute/sync`, { script: `return ${script}`, args: [] });
    // Waits until `script` is true in the page, failing with `what` if it never is.
    const until = async (script, what) => {
      for (const end = Date.now() + 20000; !(await evaluate(script)); await sleep(100)) assert.ok(Date.now() < end, `WebKit: ${what}`);
    };
    const webkit = {
      evaluate, until,
      goto: async (query = '') => {
        await call('POST', `${at}/url`, { url: pathToFileURL(join(site, 'index.html')).href + query });
        await until("document.documentElement.dataset.started === 'yes'", 'the page never started');
        [webkit.width, webkit.height] = await evaluate('[innerWidth, innerHeight]');
      },
      // One gesture of a pointer of `kind` (mouse, touch, pen): down at the first point, through
      // the others, up at the last.
      gesture: (kind, points) => call('POST', `${at}/actions`, { actions: [{ type: 'pointer', id: kind, parameters: { pointerType: kind },
        actions: [...points.flatMap(([px, py], i) => [{ type: 'pointerMove', x: Math.round(px), y: Math.round(py), origin: 'viewport', duration: 0 },
                                                       ...(i === 0 ? [{ type: 'pointerDown', button: 0 }] : [])]),
                  { type: 'pointerUp', button: 0 }] }] }),
    };
    await call('POST', `${at}/window/rect`, { width, height });
    try {
      return await body(webkit);
    } finally {
      await call('DELETE', at);
    }
  } finally {
    driver.kill();
  }
}
