#include "graphics/ColourTable.h"

#include "graphics/FrameBuffer.h"

namespace {

constexpr std::array<TRgb, ColourTableSize> MakeColourTable() {
  std::array<TRgb, ColourTableSize> table{};
  constexpr TRgb basic[16] = {
      {0x00, 0x00, 0x00}, {0xA5, 0x2A, 0x2A}, {0x00, 0x80, 0x00}, {0x50, 0x40, 0x00},
      {0x00, 0x00, 0x80}, {0x50, 0x00, 0x80}, {0x00, 0x80, 0x80}, {0x55, 0x55, 0x55},
      {0xAA, 0xAA, 0xAA}, {0xFF, 0x00, 0x00}, {0x00, 0xFF, 0x00}, {0xFF, 0xFF, 0x00},
      {0x00, 0x00, 0xFF}, {0xFF, 0x00, 0xFF}, {0x00, 0xFF, 0xFF}, {0xFF, 0xFF, 0xFF}};
  for (int i = 0; i < 16; ++i) table[i] = basic[i];

  // Colour cube, red slowest and blue fastest, without black and white.
  constexpr uint8_t reds[14] = {0x00, 0x14, 0x28, 0x3C, 0x50, 0x64, 0x78,
                                0x8C, 0xA0, 0xB4, 0xC8, 0xDC, 0xF0, 0xFF};
  constexpr uint8_t greens[5] = {0x00, 0x40, 0x80, 0xC0, 0xFF};
  constexpr uint8_t blues[3] = {0x00, 0x80, 0xFF};
  int index = 16;
  for (uint8_t r : reds)
    for (uint8_t g : greens)
      for (uint8_t b : blues) {
        const bool black = r == 0 && g == 0 && b == 0;
        const bool white = r == 0xFF && g == 0xFF && b == 0xFF;
        if (!black && !white) table[index++] = {r, g, b};
      }

  // Greys 20..F0 in steps of 10 hexadecimal.
  for (int i = 0; i < 14; ++i) {
    const uint8_t v = static_cast<uint8_t>(0x20 + 0x10 * i);
    table[224 + i] = {v, v, v};
  }

  constexpr TRgb tints[8] = {{0xC8, 0x96, 0x96}, {0xD3, 0xA5, 0xA5}, {0xD9, 0xB3, 0xB3},
                             {0xE5, 0xC2, 0xC2}, {0xEF, 0xD5, 0xD5}, {0xF7, 0xE7, 0xE7},
                             {0xF5, 0xFA, 0xFA}, {0xFC, 0xFD, 0xFD}};
  for (int i = 0; i < 8; ++i) table[238 + i] = tints[i];
  return table;
}

}  // namespace

static constexpr std::array<TRgb, ColourTableSize> Table = MakeColourTable();
static_assert(Table[16].B == 0x80 && Table[17].B == 0xFF && Table[18].G == 0x40);
static_assert(Table[30].R == 0x14 && Table[30].G == 0 && Table[30].B == 0);
static_assert(Table[223].R == 0xFF && Table[223].G == 0xFF && Table[223].B == 0x80);
static_assert(Table[229].R == 0x70);

const std::array<TRgb, ColourTableSize> ColourTable = Table;

TRgb ColourOf(uint8_t index) {
  return index < ColourTableSize ? ColourTable[index] : TRgb{0, 0, 0};
}

void FrameColours(const uint8_t* frame, int scale, int channels, uint8_t* out) {
  const int width = ScreenWidth * scale, height = ScreenHeight * scale;
  for (int y = 0; y < height; ++y) {
    const uint8_t* row = frame + (y / scale) * ScreenWidth;
    for (int x = 0; x < width; ++x) {
      const TRgb c = ColourOf(row[x / scale]);
      *out++ = c.R;
      *out++ = c.G;
      *out++ = c.B;
      if (channels == 4) *out++ = 255;
    }
  }
}
