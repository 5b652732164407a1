// The text routine over the proportional bitmap fonts.
//
// A font block: u16 zero, u16 first code, u16 last code, one unused byte,
// the cell height, then one 4-byte entry per code (byte 0 = offset bits
// 16..23, byte 1 = width, bytes 2..3 = offset bits 0..15 little-endian) and
// the bitmaps: cell-height rows of ceil(width / 8) bytes, leftmost pixel in
// the most significant bit. Offsets count from the start of the block.
#include "graphics/Text.h"

#include "graphics/FrameBuffer.h"
#include "graphics/ShownTexts.h"

int16_t TextStartX;
int16_t TextEndX;

void ResetTextMarks() { TextStartX = TextEndX = 0; }

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

// Draws the set bits of a glyph through PutPixel, so the parts off the
// display are clipped pixel by pixel; clear bits leave the screen as it is.
void DrawGlyph(const uint8_t* font, const uint8_t* entry, int16_t pen, int16_t y, uint8_t colour) {
  const uint8_t width = entry[1], height = font[7];
  const uint32_t offset = static_cast<uint32_t>(entry[0]) << 16 | ReadU16(entry + 2);
  const uint8_t* bits = font + offset;
  const uint8_t bytesPerRow = static_cast<uint8_t>((width + 7) / 8);
  for (uint8_t r = 0; r < height; ++r)
    for (uint8_t b = 0; b < bytesPerRow; ++b) {
      const uint8_t row = bits[r * bytesPerRow + b];
      for (uint8_t bit = 0; row != 0 && bit < 8; ++bit)
        if (row & (0x80 >> bit))
          PutPixel(static_cast<int16_t>(pen + 8 * b + bit), static_cast<int16_t>(y + r), colour);
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
  NoteShownText(pen, y, reinterpret_cast<const char*>(codes), font, advance, colour);
  for (; *codes != 0; ++codes) {
    const uint8_t* entry = GlyphEntry(font, *codes);
    if (entry == nullptr) continue;
    DrawGlyph(font, entry, pen, y, colour);
    pen = static_cast<int16_t>(pen + entry[1] + 1);
  }
  TextEndX = pen;
  return pen;
}
