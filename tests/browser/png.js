// A PNG decoder for screenshots (8-bit RGB or RGBA, not interlaced), so tests
// compare pixels rather than file bytes.
'use strict';
const zlib = require('zlib');

function paeth(a, b, c) {
  const p = a + b - c, pa = Math.abs(p - a), pb = Math.abs(p - b), pc = Math.abs(p - c);
  return pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
}

// { width, height, pixels } with one 0xRRGGBB value per pixel.
function decodePng(buffer) {
  if (buffer.readUInt32BE(0) !== 0x89504e47) throw new Error('not a PNG');
  let at = 8, width = 0, height = 0, channels = 0;
  const data = [];
  while (at < buffer.length) {
    const length = buffer.readUInt32BE(at), type = buffer.toString('latin1', at + 4, at + 8);
    const body = buffer.subarray(at + 8, at + 8 + length);
    if (type === 'IHDR') {
      width = body.readUInt32BE(0); height = body.readUInt32BE(4);
      if (body[8] !== 8 || body[12] !== 0) throw new Error('unsupported PNG');
      channels = { 2: 3, 6: 4 }[body[9]];
      if (!channels) throw new Error('unsupported PNG colour type ' + body[9]);
    } else if (type === 'IDAT') {
      data.push(body);
    }
    at += 12 + length;
  }
  const raw = zlib.inflateSync(Buffer.concat(data));
  const stride = width * channels, out = Buffer.alloc(stride * height);
  for (let y = 0; y < height; y++) {
    const filter = raw[y * (stride + 1)];
    for (let x = 0; x < stride; x++) {
      const v = raw[y * (stride + 1) + 1 + x];
      const a = x >= channels ? out[y * stride + x - channels] : 0;
      const b = y > 0 ? out[(y - 1) * stride + x] : 0;
      const c = x >= channels && y > 0 ? out[(y - 1) * stride + x - channels] : 0;
      const f = [0, a, b, (a + b) >> 1, paeth(a, b, c)][filter];
      out[y * stride + x] = (v + f) & 255;
    }
  }
  const pixels = new Uint32Array(width * height);
  for (let i = 0; i < pixels.length; i++) {
    pixels[i] = (out[i * channels] << 16) | (out[i * channels + 1] << 8) | out[i * channels + 2];
  }
  return { width, height, pixels };
}

function distinctColours(image) {
  return new Set(image.pixels).size;
}

// How many pixels differ between two images of one size.
function changedPixels(a, b) {
  if (a.width !== b.width || a.height !== b.height) throw new Error('images differ in size');
  let changed = 0;
  for (let i = 0; i < a.pixels.length; i++) if (a.pixels[i] !== b.pixels[i]) changed++;
  return changed;
}

module.exports = { decodePng, distinctColours, changedPixels };
