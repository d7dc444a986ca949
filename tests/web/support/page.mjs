// Opens the built site in Debian's headless Chromium and finds places given in twips on its
// screenshots: the page shows the top screen scaled uniformly to fit, centred, as full screen does.
import { spawn } from 'node:child_process';
import { mkdirSync } from 'node:fs';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import puppeteer from 'puppeteer-core';
import { decodePng } from './png.mjs';

export const checkout = resolve(dirname(fileURLToPath(import.meta.url)), '../../..');
export const site = join(checkout, 'build-web/site');
export const screenshots = join(checkout, 'build-web/screenshots');

// The page from the file system, or from `address` (a local server's).
export async function openSite({ width = 1024, height = 768, deviceScaleFactor = 1, hasTouch = false, query = '', address } = {}) {
  const browser = await puppeteer.launch({
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
  await page.goto((address ?? pathToFileURL(join(site, 'index.html')).href) + query);
  await waitForStart(page);
  return { browser, page, problems, said, width: width * deviceScaleFactor, height: height * deviceScaleFactor };
}

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

export const waitForStart = (page) =>
  page.waitForFunction(() => document.documentElement.dataset.started === 'yes', { timeout: 30000 });

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
  const file = join(screenshots, `${name}.png`);
  return decodePng(Buffer.from(await shown.page.screenshot({ path: file })));
}

// Waits until a screenshot passes `check`, for what the page paints after an event.
export async function waitForScreen(shown, name, check, timeout = 10000) {
  const until = Date.now() + timeout;
  for (;;) {
    const screen = await screenshot(shown, name);
    if (check(screen) || Date.now() > until) return screen;
    await new Promise((done) => setTimeout(done, 100));
  }
}

export const isBlack = (c) => c.r < 20 && c.g < 20 && c.b < 20;
export const isWhite = (c) => c.r > 235 && c.g > 235 && c.b > 235;
export const lightness = (c) => (Math.max(c.r, c.g, c.b) + Math.min(c.r, c.g, c.b)) / 2;

// How many yellow pixels, the colour of every text on the activity screens, a box of twips
// [left, top, width, height] holds on a screen placed at `place`.
export function yellowIn(screen, place, [left, top, width, height]) {
  const [x0, y0] = place.at(left, top), [x1, y1] = place.at(left + width, top + height);
  let count = 0;
  for (let y = Math.ceil(y0); y < y1; ++y)
    for (let x = Math.ceil(x0); x < x1; ++x) {
      const c = screen.colourAt(x, y);
      count += c.r > 200 && c.g > 200 && c.b < 90;
    }
  return count;
}
