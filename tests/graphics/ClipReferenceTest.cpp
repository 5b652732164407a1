// The clipped runs and rectangles against a pixel-by-pixel scan of the
// drawing rule, at and around every edge of the display and near the ends of
// the 16-bit range.
#include <cstdint>
#include <cstring>
#include <vector>

#include "ScreenCheck.h"

namespace test {
namespace {

using TScreen = std::vector<uint8_t>;

// A background with every byte different from its neighbours, so a pixel
// written or left alone by mistake shows.
const TScreen& Background() {
  static const TScreen screen = [] {
    TScreen s(FrameBufferSize);
    for (size_t i = 0; i < s.size(); ++i) s[i] = static_cast<uint8_t>(i * 7 + 1);
    return s;
  }();
  return screen;
}

void Pattern() { std::memcpy(FrameBuffer, Background().data(), FrameBufferSize); }

TScreen Snapshot() { return {FrameBuffer, FrameBuffer + FrameBufferSize}; }

// Every visible pixel inside the limits, both included; whole 16-bit
// ranges would take too long pixel by pixel, so the screen is scanned.
void ReferenceFill(int16_t x0, int16_t y0, int16_t x1, int16_t y1, uint8_t colour) {
  for (int y = 0; y < ScreenHeight; ++y)
    for (int x = 0; x < ScreenWidth; ++x)
      if (x >= x0 && x <= x1 && y >= y0 && y <= y1) FrameBuffer[y * ScreenWidth + x] = colour;
}

TEST(ClipReference, RectanglesAndRunsOfAnyWidth) {
  const int16_t xs[] = {-32768, -1, 0, 1, 158, 159, 160, 32767};
  const int16_t ys[] = {-32768, -1, 0, 1, 118, 119, 120, 32767};
  for (int16_t x0 : xs)
    for (int16_t x1 : xs)
      for (int16_t y0 : {int16_t{-3}, int16_t{0}, int16_t{5}, int16_t{118}})
        for (int16_t y1 : ys) {
          // A rectangle one row high draws nothing at all.
          Pattern();
          if (y0 != y1) ReferenceFill(x0, y0, x1, y1, 11);
          const TScreen expected = Snapshot();
          Pattern();
          FillRect(x0, y0, x1, y1, 11);
          ASSERT_TRUE(Snapshot() == expected) << x0 << ".." << x1 << ", " << y0 << ".." << y1;
          Pattern();
          ReferenceFill(x0, y0, x1, y0, 12);
          const TScreen run = Snapshot();
          Pattern();
          DrawHLine(x0, x1, y0, 12);
          ASSERT_TRUE(Snapshot() == run) << x0 << ".." << x1 << " row " << y0;
        }
}

}  // namespace
}  // namespace test
