// Run-length packed pictures.
//
// u16 width, u16 height (little-endian), then each row from the top as
// packets: a control byte with bit 7 set is a run of (control & 127) copies
// of the next byte; with bit 7 clear it is followed by that many literal
// bytes. Every pixel is written, colour 0 included.
#include "graphics/Image.h"

#include "graphics/FrameBuffer.h"

// Damaged data is contained: a packet that would run past the row's width
// is cut at the picture's right edge (its bytes still consumed), and an
// empty packet (which would never advance) ends the picture. Columns and
// rows are reckoned unwrapped, so a picture running off the right edge never
// reappears on the left.
void DrawImage(int16_t x, int16_t y, const uint8_t* image) {
  if (image == nullptr) return;
  const int32_t width = image[0] | image[1] << 8;
  const int32_t height = image[2] | image[3] << 8;
  const uint8_t* packed = image + 4;
  for (int32_t row = 0; row < height; ++row)
    for (int32_t j = 0; j < width;) {
      const uint8_t control = *packed++;
      const uint8_t count = control & 0x7F;
      if (count == 0) return;
      const bool run = (control & 0x80) != 0;
      const uint8_t runColour = run ? *packed++ : 0;
      for (uint8_t n = 0; n < count; ++n, ++j) {
        const uint8_t colour = run ? runColour : *packed++;
        const int32_t px = x + j, py = y + row;
        if (j < width && px >= 0 && px < ScreenWidth && py >= 0 && py < ScreenHeight)
          FrameBuffer[py * ScreenWidth + px] = colour;
      }
    }
}
