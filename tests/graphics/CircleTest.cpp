// Midpoint circles, table arcs and the whole-degree trig tables.
#include <cmath>

#include "ScreenCheck.h"

namespace test {
namespace {

using CircleTest = ScreenTest;

TEST_F(CircleTest, ZeroRadiusPlotsTheCentre) {
  DrawCircle(40, 50, 0, 15);
  EXPECT_EQ(Ink().Count, 1);
  EXPECT_EQ(PixelAt(40, 50), 15);
}

TEST_F(CircleTest, SmallCirclesHaveTheMidpointShape) {
  DrawCircle(80, 60, 1, 15);
  EXPECT_EQ(Ink().Count, 4);
  ClearFrameBuffer();
  // Radius 3 ends its octant on the diagonal: (2, 2) counts once per quadrant.
  DrawCircle(80, 60, 3, 15);
  EXPECT_EQ(Ink().Count, 16);
  for (int sx : {-1, 1})
    for (int sy : {-1, 1}) EXPECT_EQ(PixelAt(80 + 2 * sx, 60 + 2 * sy), 15);
  ClearFrameBuffer();
  // The start value (5 - 4r) / 4 truncates toward zero: -3 for r = 5, which
  // steps in from (2, 5) to (2, 4).
  DrawCircle(80, 60, 5, 15);
  EXPECT_EQ(Ink().Count, 28);
  EXPECT_EQ(PixelAt(82, 64), 15);
  EXPECT_EQ(PixelAt(82, 65), 0);
  EXPECT_EQ(PixelAt(83, 64), 15);
  EXPECT_EQ(PixelAt(84, 63), 15);
  for (auto [x, y] : {std::pair{85, 60}, {75, 60}, {80, 65}, {80, 55}})
    EXPECT_EQ(PixelAt(x, y), 15) << x << "," << y;
}

TEST_F(CircleTest, ShapeIsSymmetricAboutTheCentre) {
  DrawCircle(80, 60, 37, 15);
  for (int dy = -37; dy <= 37; ++dy)
    for (int dx = -37; dx <= 37; ++dx) {
      const uint8_t p = PixelAt(80 + dx, 60 + dy);
      ASSERT_EQ(p, PixelAt(80 - dx, 60 + dy));
      ASSERT_EQ(p, PixelAt(80 + dx, 60 - dy));
      ASSERT_EQ(p, PixelAt(80 + dy, 60 + dx));
      if (p != 0) {
        ASSERT_NEAR(std::hypot(dx, dy), 37.0, 0.75);
      }
    }
}

TEST_F(CircleTest, CirclesPartlyOffScreenClipWithoutWrapping) {
  DrawCircle(0, 60, 10, 15);
  EXPECT_EQ(InkIn(11, 0, 159, 119).Count, 0);
  EXPECT_EQ(PixelAt(10, 60), 15);
  ClearFrameBuffer();
  DrawCircle(-5, 60, 10, 15);
  EXPECT_EQ(PixelAt(5, 60), 15);
  EXPECT_EQ(InkIn(6, 0, 159, 119).Count, 0);
  ClearFrameBuffer();
  DrawCircle(159, 119, 10, 15);
  EXPECT_EQ(InkIn(0, 0, 148, 119).Count, 0);
  ClearFrameBuffer();
  // Every point of these lies far outside; none may come back in 16 bits.
  DrawCircle(80, 60, 200, 15);
  DrawCircle(32000, 32000, 32000, 15);
  EXPECT_EQ(Ink().Count, 0);
}

using ArcTest = ScreenTest;

TEST_F(ArcTest, KnobArcRunsClockwiseOverTheTop) {
  DrawArc(80, 124, 20, 220, 320, 15);
  EXPECT_EQ(PixelAt(65, 112), 15);
  EXPECT_EQ(PixelAt(80, 104), 15);
  const TInk ink = Ink();
  EXPECT_EQ(ink.Top, 104);
  EXPECT_EQ(ink.Left, 65);
  // 319 is the last angle: (95, 111); 320 itself would be (95, 112).
  EXPECT_EQ(ink.Right, 95);
  EXPECT_EQ(PixelAt(95, 111), 15);
  EXPECT_EQ(PixelAt(95, 112), 0);
}

TEST_F(ArcTest, PointsBelowTheDisplayAreClipped) {
  DrawArc(80, 124, 20, 0, 360, 15);
  const TInk ink = Ink();
  // 180 and 0 degrees fall on row 124; the lowest visible points are row 119.
  EXPECT_EQ(ink.Bottom, 119);
  EXPECT_EQ(ink.Left, 61);
  EXPECT_EQ(ink.Right, 99);
  EXPECT_EQ(InkIn(0, 0, 159, 103).Count, 0);
}

TEST_F(ArcTest, ArcOffTheRightEdgeDoesNotWrap) {
  DrawArc(155, 60, 20, 0, 360, 15);
  EXPECT_EQ(InkIn(0, 0, 134, 119).Count, 0);
  EXPECT_EQ(PixelAt(135, 60), 15);
}

TEST_F(ArcTest, EmptyOrBackwardRangeDrawsNothing) {
  DrawArc(80, 60, 20, 100, 100, 15);
  DrawArc(80, 60, 20, 200, 100, 15);
  DrawArc(80, 60, 20, 32767, -32768, 15);
  EXPECT_EQ(Ink().Count, 0);
  DrawArc(80, 60, 20, 90, 91, 15);
  EXPECT_EQ(Ink().Count, 1);
  EXPECT_EQ(PixelAt(80, 80), 15);
}

TEST_F(ArcTest, AnglesBeyondOneTurnRepeatTheCircle) {
  DrawArc(80, 60, 30, 0, 360, 15);
  uint8_t once[FrameBufferSize];
  std::memcpy(once, FrameBuffer, sizeof once);
  ClearFrameBuffer();
  DrawArc(80, 60, 30, -720, 720, 15);
  EXPECT_EQ(std::memcmp(once, FrameBuffer, sizeof once), 0);
}

TEST(TrigTest, TableValuesAtTheQuadrants) {
  BuildTrigTables();
  EXPECT_EQ(SinDeg(0), 0.0f);
  EXPECT_EQ(CosDeg(0), 1.0f);
  EXPECT_EQ(SinDeg(90), 1.0f);
  EXPECT_EQ(SinDeg(-90), -1.0f);
  EXPECT_EQ(CosDeg(180), -1.0f);
  EXPECT_EQ(CosDeg(-180), -1.0f);
  EXPECT_EQ(CosDeg(360), 1.0f);
  EXPECT_EQ(CosDeg(-360), 1.0f);
  EXPECT_EQ(SinDeg(270), -1.0f);
  EXPECT_FLOAT_EQ(SinDeg(30), 0.5f);
  EXPECT_FLOAT_EQ(SinDeg(-30), -0.5f);
  EXPECT_FLOAT_EQ(CosDeg(-60), 0.5f);
  // Built in double precision and stored as float.
  EXPECT_EQ(SinDeg(220), static_cast<float>(std::sin(220 * 0.017453292519943295)));
}

TEST(TrigTest, AnglesOutsideOneTurnWrapSafely) {
  BuildTrigTables();
  EXPECT_EQ(SinDeg(450), SinDeg(90));
  EXPECT_EQ(CosDeg(-450), CosDeg(-90));
  EXPECT_EQ(SinDeg(361), SinDeg(1));
  EXPECT_EQ(SinDeg(-361), SinDeg(-1));
  EXPECT_EQ(SinDeg(32767), SinDeg(32767 % 360));
  EXPECT_EQ(CosDeg(-32768), CosDeg(-(32768 % 360)));
  for (int a = -32768; a <= 32767; ++a) {
    const float s = SinDeg(static_cast<int16_t>(a)), c = CosDeg(static_cast<int16_t>(a));
    ASSERT_LE(std::fabs(s), 1.0f) << a;
    ASSERT_LE(std::fabs(c), 1.0f) << a;
  }
}

}  // namespace
}  // namespace test
