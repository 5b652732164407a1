// Run-length packed pictures.
//
// u16 width, u16 height (little-endian), then each row from the top as
// packets: a control byte with bit 7 set is a run of (control & 127) copies
// of the next byte; with bit 7 clear it is followed by that many literal
// bytes. Every pixel is written, colour 0 included.
#include "graphics/Image.h"

#include <cstring>

#include "graphics/FrameBuffer.h"

namespace {

// Writes the picture columns j .. j + count - 1 of one row (null when the
// row is off the display): one colour for a run, or the literal bytes from
// source, keeping only the visible columns firstVisible .. endVisible - 1.
void WritePacket(uint8_t* line, int32_t x, int32_t j, int32_t count, int32_t firstVisible,
                 int32_t endVisible, bool run, uint8_t runColour, const uint8_t* source) {
  const int32_t from = j > firstVisible ? j : firstVisible;
  const int32_t to = j + count < endVisible ? j + count : endVisible;
  if (line == nullptr || from >= to) return;
  if (run)
    std::memset(line + (x + from), runColour, static_cast<size_t>(to - from));
  else
    std::memcpy(line + (x + from), source + (from - j), static_cast<size_t>(to - from));
}

}  // namespace

// Damaged data is contained: a packet that would run past the row's width
// is cut at the picture's right edge, and an empty packet (which would never
// advance) ends the picture.
void DrawImage(int16_t x, int16_t y, const uint8_t* image) {
  if (image == nullptr) return;
  const uint16_t width = static_cast<uint16_t>(image[0] | image[1] << 8);
  const uint16_t height = static_cast<uint16_t>(image[2] | image[3] << 8);
  const uint8_t* packed = image + 4;
  // Clipped once: the same picture columns are visible on every row. They
  // are reckoned unwrapped, so a picture running off the right edge never
  // reappears on the left.
  const int32_t firstVisible = x < 0 ? -x : 0;
  const int32_t endVisible = ScreenWidth - x < width ? ScreenWidth - x : width;
  for (uint16_t row = 0; row < height; ++row) {
    const int32_t py = y + row;
    uint8_t* line = py >= 0 && py < ScreenHeight ? FrameBuffer + py * ScreenWidth : nullptr;
    for (int32_t j = 0; j < width;) {
      const uint8_t control = *packed++;
      const uint8_t count = control & 0x7F;
      if (count == 0) return;
      const bool run = (control & 0x80) != 0;
      const uint8_t runColour = run ? *packed : 0;
      WritePacket(line, x, j, count, firstVisible, endVisible, run, runColour, packed);
      packed += run ? 1 : count;
      j += count;
    }
  }
}
