// The screen fills the page as full screen fills a display, and follows the page when it
// changes: a window resized, a tablet turned, a display with more device pixels per CSS pixel.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { isBlack, lightness, openSite, placement, screenshot } from './support/page.mjs';

const titleClient = { width: 5460, height: 6570 };
const sky = [1000, 2400];

const sizes = [
  // CSS width x height, device pixels per CSS pixel
  [1024, 768, 1],
  [768, 1024, 1],  // the same tablet turned
  [1024, 768, 2],
];

test('the title screen fits each page size, centred between black margins, and follows a resize', async () => {
  const [width, height, ratio] = sizes[0];
  const shown = await openSite({ width, height, deviceScaleFactor: ratio });
  try {
    for (const [cssWidth, cssHeight, deviceScaleFactor] of sizes) {
      await shown.page.setViewport({ width: cssWidth, height: cssHeight, deviceScaleFactor });
      const page = { width: cssWidth * deviceScaleFactor, height: cssHeight * deviceScaleFactor };
      await shown.page.waitForFunction((w) => document.getElementById('screen').width === w, { timeout: 10000 }, page.width);
      const title = placement(page, titleClient);
      const screen = await screenshot(shown, `title-${cssWidth}x${cssHeight}@${deviceScaleFactor}x`);
      assert.equal(screen.width, page.width, 'the screenshot is in device pixels');
      const [left, top] = title.at(0, 0), [right, bottom] = title.at(titleClient.width, titleClient.height);
      const inside = (x, y) => screen.colourAt(x, y);
      assert.ok(lightness(inside(...title.at(...sky))) < 120, `the sky at ${cssWidth} x ${cssHeight}`);
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
    }
    assert.deepEqual(shown.problems, []);
  } finally {
    await shown.browser.close();
  }
});
