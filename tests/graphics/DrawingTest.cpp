// Pixels, runs, rectangles and lines: clipping at every edge, inclusive ends,
// and nothing ever wrapping into the next or previous row.
#include "ScreenCheck.h"

namespace test {
namespace {

using PixelTest = ScreenTest;

TEST_F(PixelTest, ClearWritesBlackEverywhere) {
  FillScreen(0xAB);
  ClearFrameBuffer();
  EXPECT_EQ(Ink().Count, 0);
}

TEST_F(PixelTest, WritesInsideAndClipsEveryEdge) {
  PutPixel(0, 0, 1);
  PutPixel(159, 119, 2);
  EXPECT_EQ(PixelAt(0, 0), 1);
  EXPECT_EQ(FrameBuffer[FrameBufferSize - 1], 2);
  ClearFrameBuffer();
  // Just beyond the right edge would be (0, 1) if it wrapped.
  PutPixel(160, 0, 15);
  PutPixel(0, 120, 15);
  PutPixel(-1, 5, 15);
  PutPixel(5, -1, 15);
  PutPixel(-32768, -32768, 15);
  PutPixel(32767, 0, 15);
  EXPECT_EQ(Ink().Count, 0);
}

using RunTest = ScreenTest;

TEST_F(RunTest, HorizontalRunIncludesBothEnds) {
  DrawHLine(10, 5, 20, 15);
  EXPECT_EQ(Ink().Count, 0);
  DrawHLine(5, 5, 20, 15);
  EXPECT_EQ(Ink().Count, 1);
  EXPECT_EQ(PixelAt(5, 20), 15);
  DrawHLine(0, 159, 30, 9);
  EXPECT_EQ(CountColour(0, 30, 159, 30, 9), 160);
}

TEST_F(RunTest, HorizontalRunClipsWithoutWrapping) {
  DrawHLine(150, 170, 10, 15);
  EXPECT_EQ(CountColour(150, 10, 159, 10, 15), 10);
  DrawHLine(-5, 5, 20, 15);
  EXPECT_EQ(CountColour(0, 20, 5, 20, 15), 6);
  // Neither end spills into a neighbouring row.
  EXPECT_EQ(Ink().Count, 16);
  DrawHLine(0, 159, -1, 15);
  DrawHLine(0, 159, 120, 15);
  DrawHLine(-32768, 32767, 32767, 15);
  DrawHLine(-32768, -1, 50, 15);
  DrawHLine(160, 32767, 50, 15);
  EXPECT_EQ(Ink().Count, 16);
}

TEST_F(RunTest, VerticalRunIncludesBothEndsAndClips) {
  DrawVLine(10, 5, 3, 15);
  EXPECT_EQ(Ink().Count, 0);
  DrawVLine(5, 5, 3, 15);
  EXPECT_EQ(PixelAt(3, 5), 15);
  DrawVLine(115, 125, 7, 15);
  DrawVLine(-3, 2, 9, 15);
  EXPECT_EQ(CountColour(7, 115, 7, 119, 15), 5);
  EXPECT_EQ(CountColour(9, 0, 9, 2, 15), 3);
  DrawVLine(0, 119, 160, 15);
  DrawVLine(0, 119, -1, 15);
  EXPECT_EQ(Ink().Count, 9);
}

using RectTest = ScreenTest;

TEST_F(RectTest, OneRowRectangleIsInvisible) {
  FillRect(153, 40, 159, 40, 15);
  DrawFrame(10, 40, 20, 40, 15);
  EXPECT_EQ(Ink().Count, 0);
  FillRect(153, 40, 159, 41, 15);
  EXPECT_EQ(CountColour(153, 40, 159, 41, 15), 14);
  EXPECT_EQ(Ink().Count, 14);
}

TEST_F(RectTest, FillCoversEveryRowAndClips) {
  FillRect(-5, -5, 4, 4, 11);
  EXPECT_EQ(CountColour(0, 0, 4, 4, 11), 25);
  EXPECT_EQ(Ink().Count, 25);
  ClearFrameBuffer();
  FillRect(-32768, -32768, 32767, 32767, 11);
  EXPECT_EQ(CountColour(0, 0, 159, 119, 11), 19200);
  ClearFrameBuffer();
  FillRect(10, 20, 15, 10, 11);
  EXPECT_EQ(Ink().Count, 0);
}

TEST_F(RectTest, FrameDrawsTheOutlineOnly) {
  DrawFrame(10, 10, 20, 15, 15);
  const TInk ink = Ink();
  EXPECT_EQ(ink.Count, 2 * 11 + 2 * 4);
  EXPECT_EQ(ink.Left, 10);
  EXPECT_EQ(ink.Right, 20);
  EXPECT_EQ(ink.Top, 10);
  EXPECT_EQ(ink.Bottom, 15);
  EXPECT_EQ(InkIn(11, 11, 19, 14).Count, 0);
}

TEST_F(RectTest, FrameAcrossTheRightEdgeKeepsItsLeftSide) {
  DrawFrame(150, 50, 170, 60, 15);
  EXPECT_EQ(CountColour(150, 50, 150, 60, 15), 11);
  EXPECT_EQ(CountColour(150, 50, 159, 50, 15), 10);
  EXPECT_EQ(InkIn(0, 0, 149, 119).Count, 0);
}

using LineTest = ScreenTest;

// The pixel of each column along an x-major line.
int RowInColumn(int x) {
  for (int y = 0; y < ScreenHeight; ++y)
    if (PixelAt(x, y) != 0) return y;
  return -1;
}

TEST_F(LineTest, ShallowLinePlotsOnePointPerColumnIncludingBothEnds) {
  DrawLine(60, 109, 70, 114, 15);
  EXPECT_EQ(Ink().Count, 11);
  EXPECT_EQ(PixelAt(60, 109), 15);
  EXPECT_EQ(PixelAt(70, 114), 15);
  for (int x = 60; x <= 70; ++x) EXPECT_EQ(InkIn(x, 0, x, 119).Count, 1) << x;
  // The rows never step back and climb evenly.
  for (int x = 61; x <= 70; ++x) {
    EXPECT_GE(RowInColumn(x), RowInColumn(x - 1));
    EXPECT_LE(RowInColumn(x), RowInColumn(x - 1) + 1);
  }
}

TEST_F(LineTest, ReversedAndSteepLinesKeepTheirEnds) {
  DrawLine(70, 114, 60, 109, 15);
  EXPECT_EQ(Ink().Count, 11);
  EXPECT_EQ(PixelAt(60, 109), 15);
  EXPECT_EQ(PixelAt(70, 114), 15);
  ClearFrameBuffer();
  DrawLine(100, 109, 98, 118, 15);
  EXPECT_EQ(Ink().Count, 10);
  for (int y = 109; y <= 118; ++y) EXPECT_EQ(InkIn(0, y, 159, y).Count, 1) << y;
  EXPECT_EQ(PixelAt(100, 109), 15);
  EXPECT_EQ(PixelAt(98, 118), 15);
}

TEST_F(LineTest, DiagonalAndDegenerateLines) {
  DrawLine(5, 5, 5, 5, 15);
  EXPECT_EQ(Ink().Count, 1);
  ClearFrameBuffer();
  DrawLine(0, 0, 119, 119, 15);
  EXPECT_EQ(Ink().Count, 120);
  for (int i = 0; i < 120; ++i) EXPECT_EQ(PixelAt(i, i), 15);
  ClearFrameBuffer();
  DrawLine(0, 119, 159, 119, 15);
  EXPECT_EQ(CountColour(0, 119, 159, 119, 15), 160);
}

TEST_F(LineTest, LineOffTheRightEdgeDoesNotWrap) {
  DrawLine(150, 10, 200, 10, 15);
  EXPECT_EQ(Ink().Count, 10);
  EXPECT_EQ(CountColour(150, 10, 159, 10, 15), 10);
}

// The step directions compare the ends as unsigned values, so an end left of
// or above the display counts as a very large coordinate.
TEST_F(LineTest, StepDirectionComparesUnsignedCoordinates) {
  DrawLine(-20, -20, -5, -5, 15);
  EXPECT_EQ(Ink().Count, 0);
  // Towards an end left of the display the line runs right instead.
  DrawLine(10, 5, -10, 5, 15);
  EXPECT_EQ(CountColour(10, 5, 30, 5, 15), 21);
  EXPECT_EQ(Ink().Count, 21);
  ClearFrameBuffer();
  DrawLine(-10, 5, 10, 5, 15);
  EXPECT_EQ(CountColour(0, 5, 10, 5, 15), 0);
  ClearFrameBuffer();
  DrawLine(-32768, 0, 32767, 119, 15);
  SUCCEED();
}

TEST_F(LineTest, ThickLinePlotsAPlusAtEveryPoint) {
  DrawThickLine(10, 10, 10, 10, 15);
  EXPECT_EQ(Ink().Count, 5);
  for (auto [x, y] : {std::pair{10, 10}, {9, 10}, {11, 10}, {10, 9}, {10, 11}})
    EXPECT_EQ(PixelAt(x, y), 15) << x << "," << y;
  ClearFrameBuffer();
  DrawThickLine(20, 30, 30, 30, 15);
  EXPECT_EQ(CountColour(19, 30, 31, 30, 15), 13);
  EXPECT_EQ(CountColour(20, 29, 30, 29, 15), 11);
  EXPECT_EQ(CountColour(20, 31, 30, 31, 15), 11);
  EXPECT_EQ(Ink().Count, 35);
}

TEST_F(LineTest, ThickLineAtTheEdgesDoesNotWrap) {
  DrawThickLine(0, 5, 0, 5, 15);
  DrawThickLine(159, 50, 159, 50, 15);
  DrawThickLine(80, 0, 80, 0, 15);
  DrawThickLine(80, 119, 80, 119, 15);
  EXPECT_EQ(PixelAt(159, 5), 0);
  EXPECT_EQ(PixelAt(0, 50), 0);
  EXPECT_EQ(Ink().Count, 4 * 4);
}

}  // namespace
}  // namespace test
