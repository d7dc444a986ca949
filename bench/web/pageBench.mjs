// The page's benchmarks, in Debian's headless Chromium with the site served from this machine:
// start-up cold and warm, the bytes of a first visit to the title screen and the main menu and
// its time over a school's network, each screen switch and a drag step, timed with the
// Performance API inside the page. Writes its lines of the summary table (tab-separated: what,
// median, baseline, target) to standard output.
import { existsSync, readFileSync, statSync } from 'node:fs';
import { createServer } from 'node:http';
import { extname, join } from 'node:path';
import { gzipSync } from 'node:zlib';
import { labelMiddle, moonMoves } from '../../tests/web/support/rounds.mjs';
import { openSite, placement, serveSite, site, waitForStart } from '../../tests/web/support/page.mjs';

const runs = Number(process.argv[2] || 7);
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const ms = (value) => `${value.toFixed(value < 10 ? 2 : 0)} ms`;
const row = (...cells) => process.stdout.write(cells.join('\t') + '\n');
const activityClient = { width: 11880, height: 8490 };

// From navigation to the title screen drawn, as the page marks it.
const startTime = (page) => page.evaluate(() => performance.getEntriesByName('lumenary-first-paint-drawn')[0].startTime);

async function startUp(address) {
  const cold = [], warm = [];
  for (let run = 0; run < runs; ++run) {
    // A browser of its own each time: nothing cached, no service worker.
    const shown = await openSite({ address });
    cold.push(await startTime(shown.page));
    // A second visit: the service worker has kept the site by then.
    await shown.page.waitForFunction(() => navigator.serviceWorker.controller !== null, { timeout: 30000 });
    await shown.page.reload();
    await waitForStart(shown.page);
    warm.push(await startTime(shown.page));
    await shown.browser.close();
  }
  row('page: start-up to the title screen drawn, cold', ms(median(cold)), '', '< 1000 ms');
  row('page: the same, warm (a second visit, the site kept)', ms(median(warm)), '', '< 300 ms');
}

// The bytes of a first visit: every file the page asked for until the title screen was drawn,
// and until the main menu was drawn with its sharper pictures, plain and compressed as a static
// server with gzip sends it. Beside each, the figure before the module left the script and the
// fonts were cut to the letters the screens use.
async function firstVisitBytes(address) {
  const shown = await openSite({ width: 1920, height: 1080, address });
  try {
    const asked = async () => new Set(await shown.page.evaluate(() => [location.pathname,
      ...performance.getEntriesByType('resource').map((entry) => new URL(entry.name).pathname)]));
    const toTitle = await asked();
    await shown.page.keyboard.press('Enter');
    await shown.page.waitForFunction(() => document.title === 'Corbelwick', { timeout: 10000 });
    await new Promise((done) => setTimeout(done, 2000));  // the sharper copies of the menu's pictures
    const toMenu = await asked();
    const bytes = (paths, pack) => [...paths].reduce((sum, path) => sum + pack(readFileSync(join(site, decodeURIComponent(path)))).length, 0);
    const mb = (count) => `${(count / 1e6).toFixed(2)} MB`;
    row('page: bytes of a first visit to the title screen drawn, plain', mb(bytes(toTitle, (b) => b)), '3.27 MB before', '< 1.2 MB');
    row('page: the same, gzip', mb(bytes(toTitle, gzipSync)), '1.51 MB before', '< 0.7 MB');
    row('page: bytes of a first visit to the title screen and main menu, gzip', mb(bytes(toMenu, gzipSync)),
        `${toMenu.size} files; 1.76 MB before`, '< 1.0 MB');
  } finally {
    await shown.browser.close();
  }
}

// The site as a static server that compresses sends it: each file gzip-encoded.
function serveGzipped() {
  const types = { '.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm', '.json': 'application/json',
                  '.jpg': 'image/jpeg', '.gif': 'image/gif', '.bmp': 'image/bmp' };
  const server = createServer((request, response) => {
    const path = join(site, decodeURIComponent(new URL(request.url, 'http://localhost').pathname));
    if (!existsSync(path) || !statSync(path).isFile()) return response.writeHead(404).end();
    response.writeHead(200, { 'Content-Type': types[extname(path)] ?? 'application/octet-stream', 'Content-Encoding': 'gzip' });
    response.end(gzipSync(readFileSync(path)));
  });
  return new Promise((listening) => server.listen(0, '127.0.0.1', () =>
    listening({ server, address: `http://127.0.0.1:${server.address().port}/index.html` })));
}

// A first visit over a school's Wi-Fi, 10 Mbit/s with 40 ms each way, as Chromium emulates it:
// from Python's server, which sends every file plain, and from one that sends them gzipped.
async function schoolNetwork(plainAddress) {
  const network = { latency: 40, downloadThroughput: 10e6 / 8, uploadThroughput: 10e6 / 8 };
  const gzipped = await serveGzipped();
  try {
    for (const [address, sent, before] of [[plainAddress, 'plain', '5.3 - 5.9 s before, busy machine'], [gzipped.address, 'gzip', '']]) {
      const times = [];
      for (let run = 0; run < Math.min(runs, 5); ++run) {
        const shown = await openSite({ address, network });
        times.push(await startTime(shown.page));
        await shown.browser.close();
      }
      row(`page: the title screen drawn at 10 Mbit/s and 40 ms, sent ${sent}`, ms(median(times)), before, sent === 'plain' ? '< 1500 ms' : '');
    }
  } finally {
    gzipped.server.close();
  }
}

// Inside the page: how long the module takes to handle what opens the next screen and draw it.
const timed = (page, act) => page.evaluate((source) => {
  // eslint-disable-next-line no-new-func
  const action = new Function(`return (${source})`)();
  const start = performance.now();
  action();
  return performance.now() - start;
}, act.toString());

const press = (caption) => new Function(`return () => {
  const buttons = [...document.querySelectorAll('#mirror > *')];
  Module._lumenary_press(buttons.findIndex((b) => b.textContent === ${JSON.stringify(caption)}));
}`)();

const enter = () => Lumenary.withString('Enter', (name) => Module._lumenary_key(name, 0));

// The menus' round: title, main menu, menu 2, the Moon, and Exit back each time to the title.
async function switches(address, width, height, label) {
  const steps = [['OK', enter], ['Menu 2', press('Menu 2')], ['Phases of the Moon', press('Phases of the Moon')],
                 ['Exit (Moon)', press('Exit')], ['Exit (menu 2)', press('Exit')], ['Exit (main menu)', press('Exit')]];
  const times = steps.map(() => []);
  const shown = await openSite({ width, height, address });
  try {
    for (let round = 0; round < runs; ++round) {
      for (const [index, [, act]] of steps.entries()) {
        await shown.page.waitForFunction(() => Lumenary.packs.pending === 0);
        times[index].push(await timed(shown.page, act));
      }
    }
    const medians = times.map(median);
    row(`page: each screen switch, ${label}`, `${ms(Math.min(...medians))} - ${ms(Math.max(...medians))}`,
        `slowest: ${steps[medians.indexOf(Math.max(...medians))][0]}`, width === 1920 ? '< 33 ms' : '< 16 ms');
  } finally {
    await shown.browser.close();
  }
}

// A name label of the Moon screen carried across the page in small steps, full page.
async function dragStep(address) {
  const shown = await openSite({ width: 1920, height: 1080, address, query: '?activity=phaseslab' });
  try {
    const moon = placement(shown, activityClient);
    const [home, target] = moonMoves[0];
    const from = moon.at(home[0] + labelMiddle[0], home[1] + labelMiddle[1]);
    const to = moon.at(target[0] + labelMiddle[0], target[1] + labelMiddle[1]);
    const steps = await shown.page.evaluate((from, to) => {
      Module._lumenary_pointer_down(0, 1, from[0], from[1], 1, 1, 0);
      const times = [];
      for (let step = 1; step <= 60; ++step) {
        const x = from[0] + ((to[0] - from[0]) * step) / 60, y = from[1] + ((to[1] - from[1]) * step) / 60;
        const start = performance.now();
        Module._lumenary_pointer_move(0, 1, x, y, 1, 0);
        times.push(performance.now() - start);
      }
      Module._lumenary_pointer_up(0, 1, to[0], to[1], 1, 0, 0);
      return times;
    }, from, to);
    row('page: drag step on phaseslab, full page 1920 x 1080', ms(median(steps)), '', '< 4 ms');
  } finally {
    await shown.browser.close();
  }
}

const { server, address } = await serveSite();
try {
  await startUp(address);
  await firstVisitBytes(address);
  await schoolNetwork(address);
  await switches(address, 800, 600, 'scale 1 (800 x 600 page)');
  await switches(address, 1920, 1080, 'full page 1920 x 1080');
  await dragStep(address);
} finally {
  server.kill();
}
