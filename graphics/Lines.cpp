// One-pixel and thick lines (Bresenham, 16-bit integer arithmetic).
#include "graphics/FrameBuffer.h"

namespace {

using TPlot = void (*)(int16_t x, int16_t y, uint8_t colour);

int16_t Abs16(int16_t value) { return static_cast<int16_t>(value < 0 ? -value : value); }

// Walks the line from (x0, y0) to (x1, y1), both ends included. The step
// directions compare the coordinates as unsigned values, as the clipping does.
void TraceLine(int16_t x0, int16_t y0, int16_t x1, int16_t y1, uint8_t colour, TPlot plot) {
  const int16_t dx = Abs16(static_cast<int16_t>(x1 - x0));
  const int16_t dy = Abs16(static_cast<int16_t>(y1 - y0));
  const int16_t sx = static_cast<uint16_t>(x0) > static_cast<uint16_t>(x1) ? -1 : 1;
  const int16_t sy = static_cast<uint16_t>(y0) > static_cast<uint16_t>(y1) ? -1 : 1;
  int16_t x = x0, y = y0;
  if (dx >= dy) {
    int16_t d = static_cast<int16_t>(2 * dy - dx);
    const int16_t straight = static_cast<int16_t>(2 * dy);
    const int16_t diagonal = static_cast<int16_t>(2 * dy - 2 * dx);
    for (int32_t n = static_cast<uint16_t>(dx) + 1; n > 0; --n) {
      plot(x, y, colour);
      x = static_cast<int16_t>(x + sx);
      if (d > 0) {
        y = static_cast<int16_t>(y + sy);
        d = static_cast<int16_t>(d + diagonal);
      } else {
        d = static_cast<int16_t>(d + straight);
      }
    }
  } else {
    int16_t d = static_cast<int16_t>(2 * dx - dy);
    const int16_t straight = static_cast<int16_t>(2 * dx);
    const int16_t diagonal = static_cast<int16_t>(2 * dx - 2 * dy);
    for (int32_t n = static_cast<uint16_t>(dy) + 1; n > 0; --n) {
      plot(x, y, colour);
      y = static_cast<int16_t>(y + sy);
      if (d > 0) {
        x = static_cast<int16_t>(x + sx);
        d = static_cast<int16_t>(d + diagonal);
      } else {
        d = static_cast<int16_t>(d + straight);
      }
    }
  }
}

// The point, then its neighbours left, right, above and below.
void PlotPlus(int16_t x, int16_t y, uint8_t colour) {
  PutPixel(x, y, colour);
  PutPixel(static_cast<int16_t>(x - 1), y, colour);
  PutPixel(static_cast<int16_t>(x + 1), y, colour);
  PutPixel(x, static_cast<int16_t>(y - 1), colour);
  PutPixel(x, static_cast<int16_t>(y + 1), colour);
}

}  // namespace

void DrawLine(int16_t x0, int16_t y0, int16_t x1, int16_t y1, uint8_t colour) {
  TraceLine(x0, y0, x1, y1, colour, PutPixel);
}

void DrawThickLine(int16_t x0, int16_t y0, int16_t x1, int16_t y1, uint8_t colour) {
  TraceLine(x0, y0, x1, y1, colour, PlotPlus);
}
