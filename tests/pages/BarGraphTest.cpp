// The zone bar of the volts band: zones, pointer, limits beyond the scale
// and scales that do not rise.
#include <string>
#include <utility>

#include "PageCheck.h"

namespace {

using test::PixelAt;

class BarGraphTest : public test::PageTest {
 protected:
  void SetUp() override {
    PageTest::SetUp();
    Settings.CurrentDisplay = 0;
    ShowView(5);
  }

  // Colours of the bar's middle row (row 44) from column 4 to 92, as letters:
  // R red, Y yellow, G green, W white (pointer), . anything else.
  std::string BarRow() {
    std::string row;
    for (int x = 4; x <= 92; ++x) {
      switch (PixelAt(x, 44)) {
        case ColourRed:
          row += 'R';
          break;
        case ColourYellow:
          row += 'Y';
          break;
        case ColourGreen:
          row += 'G';
          break;
        case ColourWhite:
          row += 'W';
          break;
        default:
          row += '.';
      }
    }
    return row;
  }

  // Columns of the white pointer on row 35 (above the bar).
  std::pair<int, int> PointerColumns() {
    int left = -1, right = -1;
    for (int x = 0; x < 100; ++x)
      if (PixelAt(x, 35) == ColourWhite) {
        if (left < 0) left = x;
        right = x;
      }
    return {left, right};
  }

  // Nothing of the bar outside its box and the pointer's reach.
  void ExpectInsideTheBar() {
    for (int y = 26; y <= 60; ++y)
      for (int x = 0; x <= 100; ++x) {
        const bool inside = x >= 1 && x <= 95 && y >= 34 && y <= 53;
        if (!inside) {
          const uint8_t c = PixelAt(x, y);
          ASSERT_TRUE(c != ColourRed && c != ColourGreen && c != ColourYellow)
              << "bar colour at " << x << "," << y;
        }
      }
  }
};

TEST_F(BarGraphTest, DefaultScaleShowsTheFiveZonesAndThePointer) {
  ASSERT_EQ(Volts, 137);
  // Scale 120 / 88, rounded up in single precision: low alarm at 14, low
  // caution at 21 (21.99...), high caution at 43, high alarm at 51; 13.7 V
  // at 41. The pointer, offsets 38..44, covers the high caution edge.
  const std::string want = std::string(14, 'R') + std::string(7, 'Y') + std::string(17, 'G') +
                           std::string(7, 'W') + std::string(6, 'Y') + std::string(38, 'R');
  EXPECT_EQ(BarRow(), want);
  EXPECT_EQ(PointerColumns(), std::make_pair(4 + 41 - 3, 4 + 41 + 3));
  EXPECT_EQ(PixelAt(4, 37), ColourRed) << "top row";
  EXPECT_EQ(PixelAt(92, 50), ColourRed) << "bottom row, last column";
  EXPECT_NE(PixelAt(93, 44), ColourRed);
  EXPECT_NE(PixelAt(4, 36), ColourRed);
  EXPECT_NE(PixelAt(4, 51), ColourRed);
  EXPECT_EQ(PixelAt(45, 34), ColourWhite);
  EXPECT_EQ(PixelAt(45, 53), ColourWhite);
  EXPECT_NE(PixelAt(45, 54), ColourWhite);
}

// Whole-column levels on a scale that rounded up fall one column short: the
// 11.0 V and 14.0 V edges on columns 25 and 47, the top of the scale on 91.
TEST_F(BarGraphTest, LevelsOnWholeColumnsTruncateFromTheStoredScale) {
  test::SetInputs(4096, test::Amps5_2, test::Oat20);
  test::Pass();
  EXPECT_EQ(PixelAt(24, 44), ColourYellow);
  EXPECT_EQ(PixelAt(25, 44), ColourGreen);
  EXPECT_EQ(PixelAt(46, 44), ColourGreen);
  EXPECT_EQ(PixelAt(47, 44), ColourYellow);
  EXPECT_EQ(PointerColumns(), std::make_pair(91 - 3, 91 + 3));
}

TEST_F(BarGraphTest, RaisedMinimumSqueezesLowZonesToTheLeftEnd) {
  Settings.VoltsDisplayMin = 120;  // above both low levels
  test::Pass();
  // Scale 80 / 88; high caution at 21, high alarm at 32.
  // 13.7 V is 17 above the minimum: offset 18, pointer 15..21.
  EXPECT_EQ(BarRow(), std::string(15, 'G') + std::string(7, 'W') + std::string(10, 'Y') +
                          std::string(57, 'R'));
  EXPECT_EQ(PointerColumns(), std::make_pair(4 + 18 - 3, 4 + 18 + 3));
  ExpectInsideTheBar();
}

TEST_F(BarGraphTest, AValueBelowTheScalePutsThePointerAtTheLeftEnd) {
  Settings.VoltsDisplayMin = 150;
  test::Pass();
  EXPECT_EQ(PointerColumns(), std::make_pair(1, 7));
  ExpectInsideTheBar();
}

TEST_F(BarGraphTest, HighLimitsAboveTheScaleAreSqueezedToTheRightEnd) {
  Settings.VoltsHighCaution = 250;
  Settings.VoltsHighAlarm = 260;
  test::Pass();
  const std::string row = BarRow();
  // Both squeezed to the top of the scale, 87.99... columns in.
  EXPECT_EQ(row.substr(80, 9), std::string(7, 'G') + "RR") << row;
  ExpectInsideTheBar();
}

TEST_F(BarGraphTest, LowLimitsAboveTheScaleStayInsideTheBar) {
  Settings.VoltsLowAlarm = 280;
  Settings.VoltsLowCaution = 290;
  test::Pass();
  ExpectInsideTheBar();
  EXPECT_NE(PixelAt(93, 44), ColourRed);
  EXPECT_NE(PixelAt(93, 44), ColourYellow);
}

TEST_F(BarGraphTest, EqualOrReversedScaleStillDrawsInsideTheBar) {
  for (uint16_t max : {uint16_t{80}, uint16_t{50}, uint16_t{0}}) {
    Settings.VoltsDisplayMax = max;
    test::Pass();
    EXPECT_EQ(BarRow(), std::string(4, 'W') + std::string(85, 'R')) << "max " << max;
    EXPECT_EQ(PointerColumns(), std::make_pair(1, 7)) << "max " << max;
    ExpectInsideTheBar();
  }
  Settings.VoltsDisplayMin = 300;
  Settings.VoltsDisplayMax = 100;
  test::Pass();
  EXPECT_EQ(PointerColumns(), std::make_pair(1, 7));
  ExpectInsideTheBar();
}

TEST_F(BarGraphTest, BarGraphAdjustsItsRecordInPlace) {
  BarGraphParams = {4, 37, 88, 13, 500, 200, -40, -100, 0, 250, 300};
  BarGraph();
  EXPECT_EQ(BarGraphParams.Minimum, 0);
  EXPECT_EQ(BarGraphParams.Maximum, 240);
  EXPECT_EQ(BarGraphParams.Value, 240);
  EXPECT_EQ(BarGraphParams.HighAlarm, 240);
  EXPECT_EQ(BarGraphParams.HighCaution, 240);
  EXPECT_EQ(BarGraphParams.LowAlarm, 0);
  EXPECT_EQ(BarGraphParams.LowCaution, 40);
}

TEST_F(BarGraphTest, ExtremeRecordsNeitherOverflowNorLeaveTheBar) {
  ClearFrameBuffer();
  BarGraphParams = {4, 37, 88, 13, INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN, INT32_MAX, 0, 0};
  BarGraph();
  ExpectInsideTheBar();
  ClearFrameBuffer();
  BarGraphParams = {4, 37, 0, 13, 10, 20, 0, 5, 6, 7, 8};
  BarGraph();
  ExpectInsideTheBar();
}

}  // namespace
