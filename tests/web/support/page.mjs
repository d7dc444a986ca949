// Opens the built site in Debian's headless Chromium and finds places given in twips on its
// screenshots: the page shows the top screen scaled uniformly to fit, centred, as full screen does.
import { spawn } from 'node:child_process';
import { mkdirSync } from 'node:fs';
import { dirname, join, resolve } from 'node:path';
import { createRequire } from 'node:module';
import { fileURLToPath, pathToFileURL } from 'node:url';
import puppeteer from 'puppeteer-core';
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { decodePng } from './png.mjs';

export const checkout = resolve(dirname(fileURLToPath(import.meta.url)), '../../..');
export const site = join(checkout, 'build-web/site');
export const screenshots = join(checkout, 'build-web/screenshots');

// The page from the file system, or from `address` (a local server's), over a `network` as
// Chromium emulates one ({ latency, downloadThroughput, uploadThroughput }), if one is named; in
// Chromium through its own protocol, or in Firefox ESR through WebDriver BiDi.
export async function openSite({ width = 1024, height = 768, deviceScaleFactor = 1, hasTouch = false, query = '', address, network,
                                 firefox = false } = {}) {
  const browser = await puppeteer.launch(firefox ? { browser: 'firefox', executablePath: process.env.FIREFOX || '/usr/bin/firefox-esr', headless: true } : {
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    // No sandbox inside the containers the tests run in; nothing else loosened, so the page
    // meets file:// as a pupil's browser does.
    args: ['--no-sandbox'],
  });
  const page = await browser.newPage();
  const problems = [], said = [];
  page.on('pageerror', (error) => problems.push(error.message));
  page.on('console', (message) => said.push(message.text()));
  await page.setViewport({ width, height, deviceScaleFactor, hasTouch });
  if (network) await (await page.createCDPSession()).send('Network.emulateNetworkConditions', { offline: false, ...network });
  await page.goto((address ?? pathToFileURL(join(site, 'index.html')).href) + query);
  await waitForStart(page);
  return {
    browser, page, problems, said, width: width * deviceScaleFactor, height: height * deviceScaleFactor,
    titled: (title) => page.waitForFunction((t) => document.title === t, { timeout: 10000 }, title),
    // The top screen's mirror: a button of it pressed as a screen reader presses it, or waited for.
    press: (name) => page.$$eval('#mirror button', (buttons, n) => buttons.find((b) => b.textContent === n).click(), name),
    mirrors: (name) => page.waitForFunction((n) => [...document.querySelectorAll('#mirror button')].some((b) => b.textContent === n),
                                            { timeout: 10000 }, name),
    announced: () => page.$eval('#announcements', (region) => region.textContent),
    // Keys pressed one after another, 'Shift+Tab' with Shift held.
    keys: async (...keys) => {
      for (const held of keys.map((key) => key.split('+'))) {
        for (const key of held) await page.keyboard.down(key);
        for (const key of held.reverse()) await page.keyboard.up(key);
      }
    },
    // The page as Chromium's accessibility tree shows it to a screen reader, and a node of it.
    tree: async () => {
      const session = await page.createCDPSession();
      const { nodes } = await session.send('Accessibility.getFullAXTree');
      await session.detach();
      return nodes.filter((node) => !node.ignored).map((node) => ({
        role: node.role?.value, name: node.name?.value ?? '', description: node.description?.value ?? '',
        disabled: (node.properties || []).some((p) => p.name === 'disabled' && p.value.value === true),
      }));
    },
  };
}

// Runs `body` on a site opened with `options` (served from a local server with `served`), which
// must raise no error in the page unless `faulty`, and closes it after.
export async function withSite({ served, faulty, ...options }, body) {
  const server = served ? await serveSite() : null;
  const shown = await openSite({ ...options, address: server?.address });
  Object.assign(shown, server);
  try {
    const result = await body(shown);
    if (!faulty) assert.deepEqual(shown.problems, [], 'no error in the page');
    return result;
  } finally {
    server?.server.kill();
    await shown.browser.close();
  }
}
export const siteTest = (name, options, body) => test(name, () => withSite(options, body));

// Python's static server on a free port of this machine, serving the built site. Its output is
// read to the end, so that it never writes into a closed pipe.
export async function serveSite() {
  const server = spawn('python3', ['-u', '-m', 'http.server', '0', '--bind', '127.0.0.1'], { cwd: site, stdio: ['ignore', 'pipe', 'ignore'] });
  let said = '';
  const port = await new Promise((found, failed) => {
    server.stdout.on('data', (chunk) => {
      said += chunk;
      const announced = /port (\d+) \(/.exec(said);
      if (announced) found(announced[1]);
    });
    server.on('exit', () => failed(new Error('the web server did not start')));
  });
  return { server, address: `http://127.0.0.1:${port}/index.html` };
}

// The client areas of the title screen and of every other screen, in twips.
export const titleClient = { width: 5460, height: 6570 }, formClient = { width: 11880, height: 8490 };

export const waitForStart = (page) => page.waitForFunction(() => document.documentElement.dataset.started === 'yes', { timeout: 30000 });

// Where a screen with a client area of `client` twips lies in the page's device pixels.
export function placement(shown, client) {
  const designWidth = client.width / 15, designHeight = client.height / 15;
  const scale = Math.min(shown.width / designWidth, shown.height / designHeight);
  const left = Math.floor((shown.width - designWidth * scale) / 2);
  const top = Math.floor((shown.height - designHeight * scale) / 2);
  return { scale, left, top, at: (x, y) => [left + (x / 15) * scale, top + (y / 15) * scale] };
}

// The page as it looks now, kept for a person to look at.
export async function screenshot(shown, name) {
  mkdirSync(screenshots, { recursive: true });
  return decodePng(Buffer.from(await shown.page.screenshot({ path: join(screenshots, `${name}.png`) })));
}

// Waits until a screenshot passes `check`, for what the page paints after an event, and asserts it did.
export async function waitForScreen(shown, name, check, what = name, timeout = 10000) {
  for (const until = Date.now() + timeout; ; await sleep(100)) {
    const screen = await screenshot(shown, name);
    if (check(screen)) return screen;
    assert.ok(Date.now() < until, `${what}: the page never painted it`);
  }
}
export const sleep = (ms) => new Promise((done) => setTimeout(done, ms));

export const named = (nodes, role, name) => nodes.find((node) => node.role === role && node.name === name);

export const isBlack = (c) => c.r < 20 && c.g < 20 && c.b < 20;
// Yellow, the colour of every text on the activity screens.
export const isYellow = (c) => c.r > 200 && c.g > 200 && c.b < 90;
export const lightness = (c) => (Math.max(c.r, c.g, c.b) + Math.min(c.r, c.g, c.b)) / 2;

// How many yellow pixels a box of twips [left, top, width, height] holds on a screen placed at `place`.
export function yellowIn(screen, place, [left, top, width, height]) {
  const [x0, y0] = place.at(left, top), [x1, y1] = place.at(left + width, top + height);
  let count = 0;
  for (let y = Math.ceil(y0); y < y1; ++y)
    for (let x = Math.ceil(x0); x < x1; ++x) count += isYellow(screen.colourAt(x, y));
  return count;
}

const axePath = createRequire(import.meta.url).resolve('axe-core/axe.min.js');

// axe-core's serious and critical findings on the page as it is now, each with where it was
// found, and the document's title and heading.
export async function audit(page) {
  if (!(await page.evaluate(() => typeof axe !== 'undefined'))) await page.addScriptTag({ path: axePath });
  const { violations } = await page.evaluate(() => axe.run(document, { resultTypes: ['violations'] }));
  const grave = violations.filter((v) => v.impact === 'serious' || v.impact === 'critical')
    .map((v) => `${v.id} at ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`);
  return [await page.title(), await page.$eval('h1', (h) => h.textContent), grave];
}
