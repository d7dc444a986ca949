// The screen fills the page as full screen fills a display, and follows the page when it
// changes: a window resized, a tablet turned, a display with more device pixels per CSS pixel.
import assert from 'node:assert/strict';
import { isBlack, lightness, placement, screenshot, siteTest, sleep, titleClient, waitForScreen } from './support/page.mjs';

const sizes = [
  // CSS width x height, device pixels per CSS pixel
  [1024, 768, 1],
  [768, 1024, 1],  // the same tablet turned
  [1024, 768, 2],
];

// The mirror's elements lie over their controls too, for a magnifier or a finger exploring the screen.
siteTest('the title screen and its mirror fit each page size, centred between black margins, and follow a resize', {}, async (shown) => {
  for (const [cssWidth, cssHeight, deviceScaleFactor] of sizes) {
    await shown.page.setViewport({ width: cssWidth, height: cssHeight, deviceScaleFactor });
    const page = { width: cssWidth * deviceScaleFactor, height: cssHeight * deviceScaleFactor };
    await shown.page.waitForFunction((w) => document.getElementById('screen').width === w, { timeout: 10000 }, page.width);
    const title = placement(page, titleClient);
    const screen = await screenshot(shown, `title-${cssWidth}x${cssHeight}@${deviceScaleFactor}x`);
    const [left, top] = title.at(0, 0), [right, bottom] = title.at(titleClient.width, titleClient.height);
    const inside = (x, y) => screen.colourAt(x, y);
    assert.ok(lightness(inside(...title.at(1000, 2400))) < 120, `the sky at ${cssWidth} x ${cssHeight}`);
    assert.ok(!isBlack(inside(left + 2, top + 2)) && !isBlack(inside(right - 3, bottom - 3)), 'the screen reaches its corners');
    if (left >= 2) assert.ok(isBlack(inside(left - 2, page.height / 2)), 'black to the left');
    if (top >= 2) assert.ok(isBlack(inside(page.width / 2, top - 2)), 'black above');
    if (page.width - right >= 3) assert.ok(isBlack(inside(right + 2, page.height / 2)), 'black to the right');
    // Margins are whole pixels, the left and top ones rounded down.
    assert.ok(Math.abs(left - (page.width - right)) <= 2 && Math.abs(top - (page.height - bottom)) <= 2, 'centred');
    // OK's caption in the middle of its button (1320, 5910, 1335 x 375 twips) at every size, seen
    // inside the dotted mark of the focus, four design pixels in.
    const [faceLeft, faceTop] = title.at(1320 + 90, 5910 + 90).map(Math.ceil);
    const [faceRight, faceBottom] = title.at(1320 + 1335 - 90, 5910 + 375 - 90).map(Math.floor);
    const inkRows = [];
    for (let y = faceTop; y < faceBottom; ++y)
      for (let x = faceLeft; x < faceRight; ++x) if (lightness(inside(x, y)) < 60) inkRows.push(y);
    assert.ok(inkRows.length > 10, 'OK is written on its button');
    const inkMiddle = (Math.min(...inkRows) + Math.max(...inkRows)) / 2;
    assert.ok(Math.abs(inkMiddle - (faceTop + faceBottom) / 2) <= 1.5 * title.scale,
              `OK's ink is ${(inkMiddle - (faceTop + faceBottom) / 2).toFixed(1)} pixels off its button's middle`);
    const box = await shown.page.$$eval('#mirror button', (buttons) => {
      const r = buttons.find((button) => button.textContent === 'OK').getBoundingClientRect();
      return [r.left, r.top, r.right, r.bottom];
    });
    const okBox = [...title.at(1320, 5910), ...title.at(1320 + 1335, 5910 + 375)].map((v) => v / deviceScaleFactor);
    okBox.forEach((expected, i) => assert.ok(Math.abs(box[i] - expected) <= 1, `OK's mirror lies at ${box}, not ${okBox}`));
  }
});

// Scaled up, a picture is painted again from the sharper copy beside it once that arrives. Held
// back here, the title's artwork is painted first from the picture itself, then from its
// triple-size copy, with nothing else on the screen changing in between. The title is first at
// its design size, where no copy is wanted.
siteTest('a screen scaled up is painted again from the sharper copy of its picture once that arrives', { served: true, width: 364, height: 438 }, async (shown) => {
  const page = shown.page;
  await page.setBypassServiceWorker(true);
  await page.setRequestInterception(true);
  let heldCopy;
  page.on('request', (request) => {
    if (request.url().endsWith('/opening/tessil00@3x.gif')) heldCopy = request;
    else request.continue();
  });
  const size = { width: 1920, height: 1080 };
  await page.setViewport(size);
  await page.waitForFunction(() => document.getElementById('screen').width === 1920, { timeout: 10000 });
  for (let waited = 0; !heldCopy && waited < 10000; waited += 100) await sleep(100);
  assert.ok(heldCopy, 'the triple-size copy is asked for at 1920 x 1080');
  const title = placement(size, titleClient);
  const [left, top] = title.at(300 + 120, 1560 + 120), [right, bottom] = title.at(300 + 4800 - 120, 1560 + 3600 - 120);
  const artworkOf = (image) => {
    const pixels = [];
    for (let y = Math.ceil(top); y < bottom; y += 2) for (let x = Math.ceil(left); x < right; x += 2) pixels.push(image.colourAt(x, y));
    return pixels;
  };
  const before = artworkOf(await screenshot(shown, 'title-before-sharper-copy'));
  heldCopy.continue();
  const changed = (image) => artworkOf(image).filter((c, i) => Math.max(Math.abs(c.r - before[i].r), Math.abs(c.g - before[i].g),
                                                                        Math.abs(c.b - before[i].b)) > 24).length;
  await waitForScreen(shown, 'title-from-sharper-copy', (s) => changed(s) > before.length / 200, 'the artwork painted again, sharper');
});
