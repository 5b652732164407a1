// The text routine over the proportional bitmap fonts.
//
// A font block: u16 zero, u16 first code, u16 last code, one unused byte,
// the cell height, then one 4-byte entry per code (byte 0 = offset bits
// 16..23, byte 1 = width, bytes 2..3 = offset bits 0..15 little-endian) and
// the bitmaps: cell-height rows of ceil(width / 8) bytes, leftmost pixel in
// the most significant bit. Offsets count from the start of the block.
#include "graphics/Text.h"

#include <bit>
#include <cstring>

#include "graphics/FrameBuffer.h"

int16_t TextStartX;
int16_t TextEndX;

namespace {

uint16_t ReadU16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

// The glyph entry of a code, or null when the font does not hold it.
const uint8_t* GlyphEntry(const uint8_t* font, uint8_t code) {
  const uint16_t first = ReadU16(font + 2), last = ReadU16(font + 4);
  if (code < first || code > last) return nullptr;
  return font + 8 + 4 * (code - first);
}

// Sum of the advances (width + 1) of the characters the font holds;
// characters outside its range neither draw nor advance.
uint16_t TextAdvance(const uint8_t* font, const uint8_t* text) {
  uint16_t sum = 0;
  for (; *text != 0; ++text)
    if (const uint8_t* entry = GlyphEntry(font, *text))
      sum = static_cast<uint16_t>(sum + entry[1] + 1);
  return sum;
}

// Writes n (at least 1) bytes of the colour repeated in fill from p on, in
// a few wide stores that never leave the run: glyph runs are short, too
// short for a call to memset to pay.
void WriteRun(uint8_t* p, int32_t n, uint64_t fill) {
  if (n >= 8) {
    for (; n > 8; n -= 8, p += 8) std::memcpy(p, &fill, 8);
    std::memcpy(p + n - 8, &fill, 8);
  } else if (n >= 4) {
    std::memcpy(p, &fill, 4);
    std::memcpy(p + n - 4, &fill, 4);
  } else if (n >= 2) {
    std::memcpy(p, &fill, 2);
    std::memcpy(p + n - 2, &fill, 2);
  } else {
    *p = static_cast<uint8_t>(fill);
  }
}

// One row of up to eight bitmap bytes, leftmost pixel in the top bit.
uint64_t RowPattern(const uint8_t* bytes, uint8_t count) {
  uint64_t pattern = 0;
  for (uint8_t i = 0; i < count; ++i) pattern |= static_cast<uint64_t>(bytes[i]) << (56 - 8 * i);
  return pattern;
}

// The set bits of one row from column x on, as runs of neighbouring set
// bits, each cut to the visible columns 0..159.
void DrawRowRuns(uint8_t* line, int32_t x, uint64_t pattern, uint64_t fill) {
  while (pattern != 0) {
    const int skip = std::countl_zero(pattern);
    pattern <<= skip;
    x += skip;
    const int run = std::countl_one(pattern);
    const int32_t from = x < 0 ? 0 : x;
    const int32_t to = x + run > ScreenWidth ? ScreenWidth : x + run;
    if (from < to) WriteRun(line + from, to - from, fill);
    pattern = run == 64 ? 0 : pattern << run;
    x += run;
  }
}

// The eight pixels of a bitmap byte as a byte mask in memory order: 0xFF in
// the byte of each set bit, the most significant bit first. Each bit is
// moved to the top of its own byte by one multiplication (the partial
// products never overlap, so nothing carries).
uint64_t PixelMask(uint8_t bits) {
  const uint64_t tops = (bits * 0x8040201008040201u) & 0x8080808080808080u;
  const uint64_t ones = tops >> 7;
  if constexpr (std::endian::native == std::endian::little) return ones * 0xFF;
  uint64_t swapped = 0;
  for (int k = 0; k < 8; ++k) swapped |= (ones >> 8 * k & 0xFF) << (56 - 8 * k);
  return swapped * 0xFF;
}

// Writes the set bits of one bitmap byte into the eight pixels from p on,
// leaving the others as they are (text is transparent).
void BlendByte(uint8_t* p, uint8_t bits, uint64_t fill) {
  const uint64_t mask = PixelMask(bits);
  uint64_t pixels;
  std::memcpy(&pixels, p, 8);
  pixels = (pixels & ~mask) | (fill & mask);
  std::memcpy(p, &pixels, 8);
}

// Draws the set bits of a glyph. The rows are clipped once. A glyph whose
// bitmap bytes lie wholly within the columns is blended eight pixels at a
// time; one crossing the left or right edge goes as runs of neighbouring set
// bits, each cut to the visible columns as PutPixel would cut its pixels.
// Columns are reckoned in 32 bits, so a run past 32767 stays off screen just
// as its 16-bit wrapped (negative) columns would.
void DrawGlyph(const uint8_t* font, const uint8_t* entry, int16_t pen, int16_t y, uint8_t colour) {
  const uint8_t width = entry[1], height = font[7];
  const uint32_t offset = static_cast<uint32_t>(entry[0]) << 16 | ReadU16(entry + 2);
  const uint8_t* bits = font + offset;
  const uint8_t bytesPerRow = static_cast<uint8_t>((width + 7) / 8);
  // A glyph wholly left or right of the display would only be clipped.
  if (pen >= ScreenWidth || pen + width <= 0) return;
  const int32_t firstRow = y < 0 ? -y : 0;
  const int32_t endRow = ScreenHeight - y < height ? ScreenHeight - y : height;
  const uint64_t fill = colour * 0x0101010101010101u;
  const bool inside = pen >= 0 && pen + 8 * bytesPerRow <= ScreenWidth;
  if (inside && firstRow < endRow) {
    uint8_t* line = FrameBuffer + (y + firstRow) * ScreenWidth + pen;
    const uint8_t* rowBits = bits + firstRow * bytesPerRow;
    const uint8_t* const endBits = bits + endRow * bytesPerRow;
    // Most glyphs are at most eight pixels wide: one byte a row.
    if (bytesPerRow == 1) {
      for (; rowBits != endBits; ++rowBits, line += ScreenWidth)
        if (*rowBits != 0) BlendByte(line, *rowBits, fill);
      return;
    }
    for (; rowBits != endBits; rowBits += bytesPerRow, line += ScreenWidth)
      for (uint8_t b = 0; b < bytesPerRow; ++b)
        if (rowBits[b] != 0) BlendByte(line + 8 * b, rowBits[b], fill);
    return;
  }
  for (int32_t r = firstRow; r < endRow; ++r) {
    const uint8_t* rowBits = bits + r * bytesPerRow;
    uint8_t* line = FrameBuffer + (y + r) * ScreenWidth;
    for (uint8_t b = 0; b < bytesPerRow; b = static_cast<uint8_t>(b + 8)) {
      const uint8_t count = bytesPerRow - b < 8 ? static_cast<uint8_t>(bytesPerRow - b) : 8;
      const uint64_t pattern = RowPattern(rowBits + b, count);
      if (pattern != 0) DrawRowRuns(line, pen + 8 * b, pattern, fill);
    }
  }
}

}  // namespace

const uint8_t* SelectFont(uint8_t size) {
  switch (size) {
    case 9:
      return Font9;
    case 10:
      return Font10;
    case 12:
      return Font12;
    case 16:
      return Font16;
    case 20:
      return Font20;
    case 24:
      return Font24;
    case 30:
      return Font30;
    case 34:
      return Font34;
    default:
      return Font8;
  }
}

int16_t DrawString(int16_t x, int16_t y, const char* text, uint8_t size, uint8_t alignment,
                   uint8_t colour) {
  return DrawStringInFont(x, y, text, SelectFont(size), alignment, colour);
}

int16_t DrawStringInFont(int16_t x, int16_t y, const char* text, const uint8_t* font,
                         uint8_t alignment, uint8_t colour) {
  // Codes are bytes 0..255, whatever the signedness of char.
  const auto* codes = reinterpret_cast<const uint8_t*>(text != nullptr ? text : "");
  const uint16_t advance = TextAdvance(font, codes);
  int16_t pen = x;
  if (alignment == AlignRight)
    pen = static_cast<int16_t>(x - advance);
  else if (alignment != AlignLeft)
    pen = static_cast<int16_t>(x - advance / 2);
  TextStartX = pen;
  for (; *codes != 0; ++codes) {
    const uint8_t* entry = GlyphEntry(font, *codes);
    if (entry == nullptr) continue;
    DrawGlyph(font, entry, pen, y, colour);
    pen = static_cast<int16_t>(pen + entry[1] + 1);
  }
  TextEndX = pen;
  return pen;
}
