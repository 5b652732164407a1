// Circles (midpoint) and arcs (from the trig tables).
#include "graphics/FrameBuffer.h"

namespace {

// Same clip as PutPixel, on coordinates that may lie beyond 16 bits, so a
// huge circle never wraps back onto the display.
void PlotWide(int32_t x, int32_t y, uint8_t colour) {
  if (x >= 0 && x < ScreenWidth && y >= 0 && y < ScreenHeight)
    FrameBuffer[y * ScreenWidth + x] = colour;
}

void PlotSymmetric(int32_t cx, int32_t cy, int32_t x, int32_t y, uint8_t colour) {
  if (x > y) return;
  if (x == 0) {
    PlotWide(cx, cy + y, colour);
    PlotWide(cx, cy - y, colour);
    PlotWide(cx + y, cy, colour);
    PlotWide(cx - y, cy, colour);
    return;
  }
  PlotWide(cx + x, cy + y, colour);
  PlotWide(cx - x, cy + y, colour);
  PlotWide(cx + x, cy - y, colour);
  PlotWide(cx - x, cy - y, colour);
  if (x == y) return;
  PlotWide(cx + y, cy + x, colour);
  PlotWide(cx - y, cy + x, colour);
  PlotWide(cx + y, cy - x, colour);
  PlotWide(cx - y, cy - x, colour);
}

}  // namespace

void DrawCircle(int16_t cx, int16_t cy, int16_t r, uint8_t colour) {
  int32_t x = 0, y = r;
  int32_t d = (5 - 4 * static_cast<int32_t>(r)) / 4;
  PlotSymmetric(cx, cy, x, y, colour);
  while (x < y) {
    ++x;
    if (d < 0) {
      d += 2 * x + 1;
    } else {
      --y;
      d += 2 * (x - y) + 1;
    }
    PlotSymmetric(cx, cy, x, y, colour);
  }
}

// Angles start, start + 1, ..., end - 1, clockwise on the screen (rows grow
// downward): 0 is to the right, 270 straight up. Nothing when start >= end.
void DrawArc(int16_t cx, int16_t cy, int16_t r, int16_t start, int16_t end, uint8_t colour) {
  for (int32_t a = start; a < end; ++a) {
    const auto angle = static_cast<int16_t>(a);
    const auto dx = static_cast<int32_t>(CosDeg(angle) * r);
    const auto dy = static_cast<int32_t>(SinDeg(angle) * r);
    PlotWide(cx + dx, cy + dy, colour);
  }
}
