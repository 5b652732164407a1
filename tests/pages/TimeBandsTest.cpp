// The local-time band and the status letters over the views.
#include "PageCheck.h"

namespace {

using test::Press;
using test::ShowsText;

class TimeBandsTest : public test::PageTest {};

TEST_F(TimeBandsTest, LocalTimeFollowsTheOffsetOnEveryView) {
  Settings.UtcOffset = -120;
  for (uint8_t view : {0, 3, 5, 6}) {
    ShowView(view);
    EXPECT_TRUE(ShowsText(0, 1, "LCL", 8, AlignLeft, ColourGrey)) << int(view);
    EXPECT_TRUE(ShowsText(97, -3, "08:20:30", 16, AlignCentre, ColourWhite)) << int(view);
  }
  ShowView(0);
  EXPECT_TRUE(ShowsText(97, 22, "10:20:30", 16, AlignCentre, ColourWhite)) << "UTC stays";
}

TEST_F(TimeBandsTest, CountdownLetterBlinksWhileExpiredEvenWhenAcknowledged) {
  ShowView(3);
  Press(KeyLeft);  // START on a zero count
  test::BlinkTo(0);
  test::Pass();
  EXPECT_TRUE(ShowsText(10, 14, "T", 8, AlignLeft, ColourCyan)) << "steady before expiry";
  test::Tick(20);
  test::Pass();
  ASSERT_EQ(AlarmFlags & AlarmCountdown, AlarmCountdown);
  Press(KeyRight);  // acknowledges
  test::BlinkTo(0);
  test::Pass();
  EXPECT_FALSE(ShowsText(10, 14, "T", 8, AlignLeft, ColourCyan));
  test::BlinkTo(1);
  test::Pass();
  EXPECT_TRUE(ShowsText(10, 14, "T", 8, AlignLeft, ColourCyan));
  Press(KeyLeft);  // STOP
  test::Pass();
  EXPECT_FALSE(ShowsText(10, 14, "T", 8, AlignLeft, ColourCyan));
}

TEST_F(TimeBandsTest, LettersNeedTheirViewSwitchedOn) {
  StopwatchRunning = 1;
  CountdownRunning = 1;
  CountdownCount = 600;
  Settings.AlarmClockOn = 1;
  Settings.AlarmClockHour = 23;
  test::Pass();
  EXPECT_TRUE(ShowsText(0, 14, "S", 8, AlignLeft, ColourCyan));
  EXPECT_TRUE(ShowsText(10, 14, "T", 8, AlignLeft, ColourCyan));
  EXPECT_TRUE(ShowsText(20, 14, "A", 8, AlignLeft, ColourCyan));
  Settings.StopwatchDisplay = Settings.CountdownDisplay = Settings.AlarmClockDisplay = 0;
  test::Pass();
  EXPECT_EQ(test::CountColour(0, 0, 159, 119, ColourCyan), 0);
}

TEST_F(TimeBandsTest, ElectricalViewGivesTheLettersCornerToTheBattery) {
  StopwatchRunning = 1;
  ShowView(5);
  EXPECT_EQ(test::CountColour(0, 0, 159, 119, ColourCyan), 0);
  Settings.CurrentDisplay = 0;
  test::Pass();
  EXPECT_TRUE(ShowsText(0, 14, "S", 8, AlignLeft, ColourCyan));
  ShowView(6);
  EXPECT_EQ(test::CountColour(0, 0, 159, 119, ColourCyan), 0) << "view 6 has no letters";
}

TEST_F(TimeBandsTest, TimerViewSoftKeysAndLabels) {
  ShowView(3);
  EXPECT_TRUE(ShowsText(0, 35, "TMR", 8, AlignLeft, ColourGrey));
  EXPECT_TRUE(test::LeftCellShows("START"));
  EXPECT_TRUE(test::RightCellShows("LOAD"));
  EXPECT_EQ(test::CountColour(0, 102, 53, 102, ColourWhite), 54);
  EXPECT_EQ(test::CountColour(106, 102, 159, 102, ColourWhite), 54);
  EXPECT_EQ(test::CountColour(54, 102, 105, 102, ColourWhite), 0) << "no middle cell";
  ShowView(4);
  EXPECT_TRUE(ShowsText(0, 35, "ALM", 8, AlignLeft, ColourGrey));
  EXPECT_EQ(test::CountColour(0, 102, 76, 102, ColourWhite), 77) << "wider left cell";
  EXPECT_EQ(test::CountColour(76, 103, 76, 119, ColourWhite), 17);
  EXPECT_TRUE(test::RightCellShows("SET"));
}

}  // namespace
