// The text routine over the proportional bitmap fonts.
//
// A font block: u16 zero, u16 first code, u16 last code, one unused byte,
// the cell height, then one 4-byte entry per code (byte 0 = offset bits
// 16..23, byte 1 = width, bytes 2..3 = offset bits 0..15 little-endian) and
// the bitmaps: cell-height rows of ceil(width / 8) bytes, leftmost pixel in
// the most significant bit. Offsets count from the start of the block.
#include "graphics/Text.h"

#include <bit>

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

// Writes the pixels from column x0 up to x1 (both included) of one row,
// keeping the visible ones: a run may start left of column 0 or end right of
// column 159, and is cut there exactly as PutPixel would cut each pixel.
void WriteSpan(uint8_t* line, int32_t x0, int32_t x1, uint8_t colour) {
  if (x0 < 0) x0 = 0;
  if (x1 >= ScreenWidth) x1 = ScreenWidth - 1;
  for (int32_t x = x0; x <= x1; ++x) line[x] = colour;
}

// Draws the set bits of a glyph as runs of neighbouring set bits. The rows
// are clipped once, the columns once per run: a coordinate that is negative
// or beyond the last column or row is clipped, as in PutPixel, and the
// columns are reckoned in 32 bits, so a run past 32767 stays off screen just
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
  for (int32_t r = firstRow; r < endRow; ++r) {
    const uint8_t* rowBits = bits + r * bytesPerRow;
    uint8_t* line = FrameBuffer + (y + r) * ScreenWidth;
    // Up to eight bytes at a time, leftmost pixel in the top bit.
    for (uint8_t b = 0; b < bytesPerRow; b = static_cast<uint8_t>(b + 8)) {
      const uint8_t count = bytesPerRow - b < 8 ? static_cast<uint8_t>(bytesPerRow - b) : 8;
      uint64_t pattern = 0;
      for (uint8_t i = 0; i < count; ++i)
        pattern |= static_cast<uint64_t>(rowBits[b + i]) << (56 - 8 * i);
      int32_t x = pen + 8 * b;
      while (pattern != 0) {
        const int skip = std::countl_zero(pattern);
        pattern <<= skip;
        x += skip;
        const int run = std::countl_one(pattern);
        WriteSpan(line, x, x + run - 1, colour);
        pattern = run == 64 ? 0 : pattern << run;
        x += run;
      }
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
