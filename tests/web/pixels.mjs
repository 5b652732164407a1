// Pixels for the web tests: the committed golden screens (PGM of colour
// indices), PNG files decoded (8-bit grey, RGB or RGBA, not interlaced:
// what Chromium's screenshots and the page's pictures are), and the
// comparison of a picture with a screen drawn in square blocks.
import { readFileSync } from 'node:fs';
import { join, resolve } from 'node:path';
import { inflateSync } from 'node:zlib';

const here = new URL('.', import.meta.url).pathname;
export const goldenDir = resolve(here, '../golden/ref');

// The colour indices of a golden screen, 160 x 120.
export function readGolden(name) {
  const bytes = readFileSync(join(goldenDir, `${name}.pgm`));
  const header = 'P5\n160 120\n255\n';
  if (bytes.subarray(0, header.length).toString('latin1') !== header)
    throw new Error(`${name}.pgm: not a 160 x 120 PGM`);
  return bytes.subarray(header.length, header.length + 160 * 120);
}

function paeth(a, b, c) {
  const p = a + b - c, pa = Math.abs(p - a), pb = Math.abs(p - b), pc = Math.abs(p - c);
  return pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
}

// { width, height, rgb } with 3 bytes a pixel.
export function decodePng(bytes) {
  const signature = '89504e470d0a1a0a';
  if (bytes.subarray(0, 8).toString('hex') !== signature) throw new Error('not a PNG');
  let offset = 8, width = 0, height = 0, depth = 0, type = 0, interlace = 0;
  const data = [];
  while (offset < bytes.length) {
    const length = bytes.readUInt32BE(offset);
    const kind = bytes.subarray(offset + 4, offset + 8).toString('latin1');
    const body = bytes.subarray(offset + 8, offset + 8 + length);
    if (kind === 'IHDR') {
      width = body.readUInt32BE(0); height = body.readUInt32BE(4);
      depth = body[8]; type = body[9]; interlace = body[12];
    } else if (kind === 'IDAT') {
      data.push(body);
    } else if (kind === 'IEND') {
      break;
    }
    offset += 12 + length;
  }
  const channels = { 0: 1, 2: 3, 4: 2, 6: 4 }[type];
  if (depth !== 8 || !channels || interlace !== 0)
    throw new Error(`PNG of depth ${depth}, colour type ${type}, interlace ${interlace} not read here`);
  const raw = inflateSync(Buffer.concat(data));
  const stride = width * channels;
  const pixels = Buffer.alloc(stride * height);
  for (let y = 0; y < height; y += 1) {
    const filter = raw[y * (stride + 1)];
    const line = raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1));
    for (let x = 0; x < stride; x += 1) {
      const a = x >= channels ? pixels[y * stride + x - channels] : 0;
      const b = y > 0 ? pixels[(y - 1) * stride + x] : 0;
      const c = x >= channels && y > 0 ? pixels[(y - 1) * stride + x - channels] : 0;
      const predictor = [0, a, b, (a + b) >> 1, paeth(a, b, c)][filter];
      pixels[y * stride + x] = (line[x] + predictor) & 255;
    }
  }
  const rgb = Buffer.alloc(width * height * 3);
  for (let i = 0; i < width * height; i += 1) {
    const grey = channels < 3;
    rgb[i * 3] = pixels[i * channels];
    rgb[i * 3 + 1] = pixels[i * channels + (grey ? 0 : 1)];
    rgb[i * 3 + 2] = pixels[i * channels + (grey ? 0 : 2)];
  }
  return { width, height, rgb };
}

// Compares an RGB picture (3 or 4 bytes a pixel) with a screen of colour
// indices drawn with each pixel a scale x scale block; colours maps an index
// to 0xRRGGBB. Returns null when every pixel matches, else a sentence about
// the first that does not and how many differ.
export function compareBlocks(picture, bytesPerPixel, width, height, screen, scale, colours) {
  if (width !== 160 * scale || height !== 120 * scale)
    return `picture is ${width} x ${height}, not ${160 * scale} x ${120 * scale}`;
  let differing = 0, first = null;
  for (let y = 0; y < height; y += 1) {
    for (let x = 0; x < width; x += 1) {
      const want = colours(screen[Math.floor(y / scale) * 160 + Math.floor(x / scale)]);
      const at = (y * width + x) * bytesPerPixel;
      const got = (picture[at] << 16) | (picture[at + 1] << 8) | picture[at + 2];
      if (got !== want) {
        differing += 1;
        first ??= `(${x}, ${y}) is #${got.toString(16).padStart(6, '0')}, ` +
                  `want #${want.toString(16).padStart(6, '0')}`;
      }
    }
  }
  return differing === 0 ? null : `${differing} pixels differ; first ${first}`;
}
