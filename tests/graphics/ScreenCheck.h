// Frame-buffer inspection shared by the graphics tests.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "graphics/Graphics.h"
#include "support/Instrument.h"

namespace test {

// Bounding box and number of the pixels that are not black.
struct TInk {
  int Left = 1000, Top = 1000, Right = -1, Bottom = -1, Count = 0;
};

inline TInk InkIn(int x0, int y0, int x1, int y1) {
  TInk ink;
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x)
      if (PixelAt(x, y) != 0) {
        ++ink.Count;
        if (x < ink.Left) ink.Left = x;
        if (x > ink.Right) ink.Right = x;
        if (y < ink.Top) ink.Top = y;
        if (y > ink.Bottom) ink.Bottom = y;
      }
  return ink;
}

inline TInk Ink() { return InkIn(0, 0, ScreenWidth - 1, ScreenHeight - 1); }

inline void FillScreen(uint8_t colour) { std::memset(FrameBuffer, colour, FrameBufferSize); }

// The generated font tables hold the full code range of size 8; the
// placeholders hold only the space.
inline bool RealFontsPresent() { return Font8[4] == 255; }

// Every test starts on a black screen with the trig tables built.
class ScreenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    BuildTrigTables();
    ClearFrameBuffer();
  }
};

}  // namespace test
