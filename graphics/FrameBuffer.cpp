// The frame buffer, single pixels, runs and rectangles.
#include "graphics/FrameBuffer.h"

#include <cstring>

#include "graphics/ShownTexts.h"

uint8_t FrameBuffer[FrameBufferSize];

// The frame's texts go with it.
void ClearFrameBuffer() {
  std::memset(FrameBuffer, ColourBlack, sizeof FrameBuffer);
  ClearShownTexts();
}

// Runs are clipped to the visible rows and columns first, which writes the
// same pixels as PutPixel for every point from one end to the other.
void DrawHLine(int16_t x0, int16_t x1, int16_t y, uint8_t colour) {
  if (static_cast<uint16_t>(y) >= ScreenHeight) return;
  const int32_t left = x0 < 0 ? 0 : x0;
  const int32_t right = x1 >= ScreenWidth ? ScreenWidth - 1 : x1;
  uint8_t* line = FrameBuffer + y * ScreenWidth;
  for (int32_t x = left; x <= right; ++x) line[x] = colour;
}

void DrawVLine(int16_t y0, int16_t y1, int16_t x, uint8_t colour) {
  if (static_cast<uint16_t>(x) >= ScreenWidth) return;
  const int16_t top = y0 < 0 ? 0 : y0;
  const int16_t bottom = y1 >= ScreenHeight ? ScreenHeight - 1 : y1;
  for (int16_t y = top; y <= bottom; ++y) FrameBuffer[y * ScreenWidth + x] = colour;
}

// A rectangle one row high is invisible: zero-height bars rely on it.
void DrawFrame(int16_t x0, int16_t y0, int16_t x1, int16_t y1, uint8_t colour) {
  if (y0 == y1) return;
  DrawVLine(y0, y1, x0, colour);
  DrawHLine(x0, x1, y0, colour);
  DrawVLine(y0, y1, x1, colour);
  DrawHLine(x0, x1, y1, colour);
}

void FillRect(int16_t x0, int16_t y0, int16_t x1, int16_t y1, uint8_t colour) {
  if (y0 == y1) return;
  const int16_t top = y0 < 0 ? 0 : y0;
  const int16_t bottom = y1 >= ScreenHeight ? ScreenHeight - 1 : y1;
  for (int16_t y = top; y <= bottom; ++y) DrawHLine(x0, x1, y, colour);
}
