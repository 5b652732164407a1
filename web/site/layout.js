// Where everything sits on the face, in units of the desktop window (one unit
// is one display pixel), and the arithmetic that turns them into CSS pixels.
// The browser lays out in 64ths of a CSS pixel and blurs a canvas that does
// not start and end on device pixels, so the display's edges are put where
// both grids meet (a transform would not do: it keeps fractions).

// The face picture is stretched to 241 x 249 as on the desktop; the column
// holds the buttons and the lamp below it.
export const Face = { width: 241, height: 249, column: 300 };
// The display's 160 x 120 pixels inside the face (the panel's first row is
// the black top line of the desktop's panel).
export const DisplayBox = { left: 40, top: 58, width: 160, height: 120 };
export const Controls = {
  f1: [52, 192, 33, 33],
  f2: [154, 192, 33, 33],
  knob: [100, 196, 41, 41],
  plus: [64, 232, 33, 25],
  minus: [144, 232, 33, 25],
  lamp: [16, 264, 33, 33],
  on: [64, 272, 75, 25],
  off: [160, 272, 75, 25],
};

// The largest whole number of device pixels per display pixel with which a
// box of width x height units fits into widthCss x heightCss CSS pixels; at
// least 1.
export function largestScale(widthCss, heightCss, dpr, width, height) {
  const fit = Math.max(1, Math.floor(Math.min(widthCss / width, heightCss / height) * dpr + 1e-9));
  // The display's size must be a whole number of 64ths of a CSS pixel.
  for (let scale = fit; scale >= 1; scale -= 1)
    if (onLayoutGrid(DisplayBox.width * scale / dpr) && onLayoutGrid(DisplayBox.height * scale / dpr))
      return scale;
  return fit;
}

export const onLayoutGrid = (css) => Math.abs(css * 64 - Math.round(css * 64)) < 1e-6;

// The smallest step in CSS pixels that is a whole number of device pixels
// and of 64ths of a CSS pixel: 1 at ratio 1 or 3, 0.5 at 2, 2 at 1.5, 4 at
// 1.25; 1 / dpr for a ratio where none is found.
export function pixelGrid(dpr) {
  for (let k = 1; k <= 64; k += 1)
    if (onLayoutGrid(k / dpr)) return k / dpr;
  return 1 / dpr;
}

// The least shift (0 or more) that moves a CSS position onto the grid.
export function gridShift(css, grid) {
  const onGrid = Math.ceil(css / grid - 1e-9) * grid;
  return Math.max(0, onGrid - css);
}

// A CSS length as the browser will lay it out.
export const layoutRound = (css) => Math.round(css * 64) / 64;

// The face's scale for a viewport: as large as the viewport's width and
// height take it; the inputs go beside it where they still fit at that
// scale (a wide screen), else below it (a tablet held upright).
// The page has a padding of 8 CSS pixels.
export function faceScale(viewWidth, viewHeight, dpr) {
  return largestScale(viewWidth - 16, viewHeight - 16, dpr, Face.width, Face.column);
}

// The display alone, with room for the lamp's ring around it.
export function displayOnlyScale(viewWidth, viewHeight, dpr, ring) {
  return largestScale(viewWidth - 2 * ring, viewHeight - 2 * ring, dpr,
                      DisplayBox.width, DisplayBox.height);
}

// A phone's layout (its short side under 600 CSS pixels): the face would
// leave the display small, so the display takes the width and the keys
// follow below it as large buttons. Boxes in CSS pixels, from the display's
// bottom left corner, for a display `width` wide; every one at least 44
// pixels each way for a finger.
export const CompactSide = 600;
export const CompactHeight = 12 + 80 + 12 + 52 + 12 + 52;
export function compactControls(width) {
  const middle = width / 2;
  return {
    f1: [0, 12, 88, 80],
    knob: [middle - 40, 12, 80, 80],
    f2: [width - 88, 12, 88, 80],
    minus: [middle - 112, 104, 100, 52],
    plus: [middle + 12, 104, 100, 52],
    lamp: [0, 176, 44, 44],
    on: [middle - 112, 168, 100, 52],
    off: [middle + 12, 168, 100, 52],
  };
}
export const isCompact = (viewWidth, viewHeight) => Math.min(viewWidth, viewHeight) < CompactSide;

// The display's scale in the phone's layout: the width, less the page's
// padding, and the height, less the keys below.
export function compactScale(viewWidth, viewHeight, dpr) {
  return largestScale(viewWidth - 16, viewHeight - 16 - CompactHeight, dpr,
                      DisplayBox.width, DisplayBox.height);
}
