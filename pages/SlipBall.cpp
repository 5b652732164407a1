// The slip indicator: a grey tube with rounded ends and a black ball with a
// white outline, between two pairs of white centre marks.
#include "core/Core.h"
#include "graphics/Graphics.h"
#include "pages/GSlipGraphics.h"

namespace {

// Fill runs of the rounded ends: one column, shortened by Inset rows at each end.
struct TEndRun {
  int8_t Column;  // left end; the right end mirrors it about column 79
  uint8_t Inset;  // rows top + Inset .. top + 16 - Inset
};
constexpr TEndRun EndRuns[] = {{19, 1}, {18, 2}, {17, 2}, {16, 3}, {15, 4}, {14, 5}};

// Ball rows 1..15 below the top: body span and outline pixels, columns
// relative to the ball's centre at 80 + d.
struct TBallRow {
  int8_t HalfWidth;  // body from 80 - HalfWidth to 80 + HalfWidth
  int8_t RimWidth;   // outline pixels at each side (the whole row when 0)
};
constexpr TBallRow BallRows[15] = {
    {2, 0}, {4, 2}, {5, 1}, {6, 1}, {6, 1}, {7, 1}, {7, 1}, {7, 1},
    {7, 1}, {7, 1}, {6, 1}, {6, 1}, {5, 1}, {4, 2}, {2, 0},
};

void DrawTube(int16_t top) {
  const auto bottom = static_cast<int16_t>(top + 16);
  FillRect(20, top, 139, bottom, ColourGrey);
  DrawCircle(21, static_cast<int16_t>(top + 8), 8, ColourGrey);
  DrawCircle(137, static_cast<int16_t>(top + 8), 8, ColourGrey);
  for (const TEndRun& run : EndRuns) {
    const auto y0 = static_cast<int16_t>(top + run.Inset);
    const auto y1 = static_cast<int16_t>(bottom - run.Inset);
    DrawVLine(y0, y1, run.Column, ColourGrey);
    DrawVLine(y0, y1, static_cast<int16_t>(158 - run.Column), ColourGrey);
  }
}

void DrawBall(int16_t top, int16_t d) {
  for (int16_t i = 0; i < 15; ++i) {
    const auto row = static_cast<int16_t>(top + 1 + i);
    const TBallRow& ball = BallRows[i];
    const auto left = static_cast<int16_t>(80 + d - ball.HalfWidth);
    const auto right = static_cast<int16_t>(80 + d + ball.HalfWidth);
    DrawHLine(left, right, row, ColourBlack);
    if (ball.RimWidth == 0) {
      DrawHLine(left, right, row, ColourWhite);
      continue;
    }
    for (int16_t k = 0; k < ball.RimWidth; ++k) {
      PutPixel(static_cast<int16_t>(left + k), row, ColourWhite);
      PutPixel(static_cast<int16_t>(right - k), row, ColourWhite);
    }
  }
}

}  // namespace

void DrawSlipBall(int16_t top) {
  DrawTube(top);
  DrawBall(top, SlipDeflection());
  // The centre marks cross the ball when it stands on them.
  const auto bottom = static_cast<int16_t>(top + 16);
  static constexpr int16_t MarkColumns[] = {69, 70, 90, 91};
  for (const int16_t column : MarkColumns) DrawVLine(top, bottom, column, ColourWhite);
}
