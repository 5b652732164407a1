// The slip ball and the G-force memory arrows.
#include <utility>

#include "PageCheck.h"

namespace {

using test::CountColour;
using test::PixelAt;

class SlipBallTest : public test::PageTest {
 protected:
  // Black columns of the ball's widest row (row 103 + 8), between the tube's ends.
  std::pair<int, int> BallColumns(int top = 103) {
    int left = -1, right = -1;
    for (int x = 14; x <= 144; ++x) {
      const uint8_t c = PixelAt(x, top + 8);
      if (c == ColourBlack || (c == ColourWhite && x != 69 && x != 70 && x != 90 && x != 91)) {
        if (left < 0) left = x;
        right = x;
      }
    }
    return {left, right};
  }
};

TEST_F(SlipBallTest, CentredBallSitsBetweenTheMarks) {
  ASSERT_EQ(SlipCount, 0);
  EXPECT_EQ(BallColumns(), std::make_pair(73, 87));
  EXPECT_EQ(PixelAt(73, 111), ColourWhite) << "outline";
  EXPECT_EQ(PixelAt(74, 111), ColourBlack);
  EXPECT_EQ(PixelAt(87, 111), ColourWhite);
  EXPECT_EQ(PixelAt(71, 111), ColourGrey) << "two grey columns free";
  EXPECT_EQ(PixelAt(72, 111), ColourGrey);
  EXPECT_EQ(PixelAt(88, 111), ColourGrey);
  EXPECT_EQ(CountColour(78, 104, 82, 104, ColourWhite), 5) << "top row of the outline";
  EXPECT_EQ(CountColour(78, 118, 82, 118, ColourWhite), 5) << "bottom row of the outline";
  EXPECT_EQ(PixelAt(77, 104), ColourGrey);
  EXPECT_EQ(CountColour(69, 103, 70, 119, ColourWhite), 34) << "centre marks, full height";
  EXPECT_EQ(CountColour(90, 103, 91, 119, ColourWhite), 34);
}

TEST_F(SlipBallTest, BallStopsAtBothLimits) {
  test::SettleAxes(0, 300, 300);  // slip count 150
  EXPECT_EQ(BallColumns(), std::make_pair(123, 137));
  test::SettleAxes(0, -300, 300);
  EXPECT_EQ(BallColumns(), std::make_pair(23, 37));
}

TEST_F(SlipBallTest, HighSensitivityDoublesTheDeflection) {
  test::SettleAxes(0, 60, 300);  // slip count 30
  ASSERT_EQ(SlipCount, 30);
  EXPECT_EQ(BallColumns(), std::make_pair(103, 117));
  Settings.SlipSense = 1;
  test::Pass();
  EXPECT_EQ(BallColumns(), std::make_pair(123, 137)) << "60 is limited to 50";
  test::SettleAxes(0, 40, 300);  // 20, doubled to 40
  EXPECT_EQ(BallColumns(), std::make_pair(113, 127));
}

TEST_F(SlipBallTest, ZeroOffsetCentresAndLargeDifferencesStayInTheTube) {
  test::SettleAxes(0, -300, 300);  // slip count -150
  Settings.SlipZero = -150;
  test::Pass();
  EXPECT_EQ(BallColumns(), std::make_pair(73, 87));
  Settings.SlipZero = 50;  // difference -200
  test::Pass();
  EXPECT_EQ(BallColumns(), std::make_pair(23, 37));
}

TEST_F(SlipBallTest, TimerViewsDrawTheBallHigher) {
  ShowView(3);
  EXPECT_EQ(BallColumns(83), std::make_pair(73, 87));
  EXPECT_EQ(CountColour(69, 83, 70, 99, ColourWhite), 34);
  EXPECT_EQ(CountColour(20, 100, 139, 101, ColourGrey), 0);
}

class GMemoryTest : public test::PageTest {
 protected:
  void SetUp() override {
    PageTest::SetUp();
    Settings.SlipDisplay = 0;  // the arrows take the bottom of view 0
    test::BlinkTo(1);
  }
};

TEST_F(GMemoryTest, ArrowsAtTheBottomOfTheViews) {
  test::Pass();
  // Down arrow: shaft 46..50 from row 104, head 42..54 on row 113, tip 48 on row 119.
  EXPECT_EQ(CountColour(46, 104, 50, 112, ColourMagenta), 45);
  EXPECT_EQ(CountColour(42, 113, 54, 113, ColourMagenta), 13);
  EXPECT_EQ(PixelAt(48, 119), ColourMagenta);
  EXPECT_EQ(PixelAt(47, 119), ColourBlack);
  // Up arrow: tip 111 on row 104, head 105..117 on row 110, shaft to row 119.
  EXPECT_EQ(PixelAt(111, 104), ColourMagenta);
  EXPECT_EQ(PixelAt(110, 104), ColourBlack);
  EXPECT_EQ(CountColour(105, 110, 117, 110, ColourMagenta), 13);
  EXPECT_EQ(CountColour(109, 111, 113, 119, ColourMagenta), 45);
  EXPECT_EQ(CountColour(20, 102, 139, 119, ColourGrey), 0) << "no slip ball";
}

TEST_F(GMemoryTest, MarkingIsStrictAgainstTheAlarmLevels) {
  Settings.GNegAlarm = -20;
  Settings.GPosAlarm = 20;
  MinMax.GMin = -3.0f;
  MinMax.GMax = 2.0f;
  test::Pass();
  EXPECT_GT(CountColour(56, 104, 104, 119, ColourRed), 0) << "minimum below -2.0 g";
  EXPECT_EQ(CountColour(56, 102, 104, 103, ColourRed), 0) << "box starts on top + 2";
  EXPECT_EQ(CountColour(118, 102, 159, 119, ColourRed), 0) << "2.0 g is not above 2.0 g";
  test::BlinkTo(0);
  test::Pass();
  EXPECT_EQ(CountColour(0, 102, 159, 119, ColourRed), 0);
  EXPECT_TRUE(test::ShowsText(58, 102, "-3.0", 10, AlignLeft, ColourWhite));
  EXPECT_TRUE(test::ShowsText(120, 102, "2.0", 10, AlignLeft, ColourWhite));
}

TEST_F(GMemoryTest, CycleCountsSitLeftOfTheArrows) {
  MinMax.GPosCycles = 12;
  MinMax.GNegCycles = 3;
  test::Pass();
  EXPECT_TRUE(test::ShowsText(0, 90, "12", 9, AlignLeft, ColourWhite));
  EXPECT_TRUE(test::ShowsText(0, 105, "3", 9, AlignLeft, ColourWhite));
  ShowView(5);
  EXPECT_TRUE(test::ShowsText(0, 105, "3", 9, AlignLeft, ColourWhite));
}

TEST_F(GMemoryTest, ViewSixShowsTheArrowsHighWithTheSlipBall) {
  Settings.SlipDisplay = 1;
  ShowView(6);
  EXPECT_EQ(CountColour(46, 34, 50, 42, ColourMagenta), 45);
  EXPECT_EQ(PixelAt(111, 34), ColourMagenta);
  EXPECT_GT(CountColour(20, 103, 139, 119, ColourGrey), 0);
  EXPECT_TRUE(test::ShowsText(0, 20, "0", 9, AlignLeft, ColourWhite));
  EXPECT_TRUE(test::ShowsText(0, 35, "0", 9, AlignLeft, ColourWhite));
  EXPECT_TRUE(test::ShowsText(120, 32, "1.0", 10, AlignLeft, ColourWhite));
}

TEST_F(GMemoryTest, LeftKeyOnViewSixResetsTheGMemory) {
  Settings.SlipDisplay = 1;
  ShowView(6);
  test::SettleAxes(300, 0, 300);
  ASSERT_GT(MinMax.GMax, 1.3f);
  test::SettleAxes(0, 0, 300);
  test::Press(KeyLeft);
  EXPECT_FLOAT_EQ(MinMax.GMax, GForce);
  EXPECT_FLOAT_EQ(MinMax.GMin, GForce);
}

}  // namespace
