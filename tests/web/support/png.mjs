// Reads the PNG screenshots that Chromium and ImageMagick take into pixels, through pngjs.
import { PNG } from 'pngjs';

export function decodePng(buffer) {
  const { width, height, data } = PNG.sync.read(buffer);  // always 8-bit RGBA
  return {
    width,
    height,
    colourAt(x, y) {
      const i = (Math.round(y) * width + Math.round(x)) * 4;
      return { r: data[i], g: data[i + 1], b: data[i + 2] };
    },
  };
}
