// The timer views' keys, the "SET TIMER" and "SET ALARM" pages, and the
// time texts of the large bands.
#include "PageCheck.h"

namespace {

using test::PageTest;
using test::Press;
using test::PressTimes;

class TimerPagesTest : public PageTest {};

TEST_F(TimerPagesTest, StopwatchStartsStopsAndZeroesWhileRunning) {
  ShowView(2);
  Press(KeyLeft);
  EXPECT_EQ(StopwatchRunning, 1);
  test::Tick(25);
  Press(KeyRight);
  EXPECT_EQ(StopwatchCount, 0u);
  EXPECT_EQ(StopwatchRunning, 1) << "ZERO keeps it running";
  test::Tick(7);
  EXPECT_EQ(StopwatchCount, 7u) << "counting on from zero";
  Press(KeyLeft);
  EXPECT_EQ(StopwatchRunning, 0);
  test::Tick(5);
  EXPECT_EQ(StopwatchCount, 7u);
}

TEST_F(TimerPagesTest, StopwatchShowsItsTimeTenthsAndKeys) {
  ShowView(2);
  StopwatchCount = 12345;
  test::Pass();
  EXPECT_TRUE(test::ShowsText(0, 35, "SW", 8, AlignLeft, ColourGrey));
  EXPECT_TRUE(test::ShowsText(87, 22, "00:20:34", 16, AlignCentre, ColourWhite));
  EXPECT_TRUE(test::ShowsText(150, 24, "5", 10, AlignLeft, ColourWhite));
  EXPECT_TRUE(test::LeftCellShows("START"));
  EXPECT_TRUE(test::RightCellShows("ZERO"));
  Press(KeyLeft);
  test::Pass();
  EXPECT_TRUE(test::LeftCellShows("STOP"));
  EXPECT_TRUE(test::ShowsText(0, 14, "S", 8, AlignLeft, ColourCyan));
}

TEST_F(TimerPagesTest, CountTextsSplitHoursMinutesSecondsAndWrapTheHoursAt256) {
  ShowView(3);
  CountdownCount = 36000;
  test::Pass();
  EXPECT_TRUE(test::ShowsText(97, 22, "01:00:00", 16, AlignCentre, ColourWhite));
  CountdownCount = 35999;
  test::Pass();
  EXPECT_TRUE(test::ShowsText(97, 22, "00:59:59", 16, AlignCentre, ColourWhite));
  CountdownCount = 256u * 36000u + 600u;
  test::Pass();
  EXPECT_TRUE(test::ShowsText(97, 22, "00:01:00", 16, AlignCentre, ColourWhite));
  CountdownCount = 255u * 36000u;
  test::Pass();
  EXPECT_TRUE(test::ShowsText(97, 22, "255:00:00", 16, AlignCentre, ColourWhite));
}

TEST_F(TimerPagesTest, CountdownLoadsItsPresetFromTheSetTimerPage) {
  ShowView(3);
  Press(KeyRight);
  ASSERT_EQ(PageHandler, SetTimerPage);
  EXPECT_EQ(MenuState.Selection, 0);
  PressTimes(KeyKnobPlus, 1);
  Press(KeyKnobPress);
  PressTimes(KeyKnobPlus, 30);
  Press(KeyKnobPress);
  PressTimes(KeyKnobPlus, 15);
  EXPECT_EQ(PageHandler, SetTimerPage);
  Press(KeyKnobPress);
  EXPECT_EQ(PageHandler, HomePage);
  EXPECT_EQ(CountdownCount, 54150u);
  EXPECT_EQ(CountdownRunning, 0) << "loading does not start it";
  EXPECT_EQ(Settings.HomeView, 3);
  test::Pass();
  EXPECT_TRUE(test::ShowsText(97, 22, "01:30:15", 16, AlignCentre, ColourWhite));
}

TEST_F(TimerPagesTest, LoadingARunningCountdownKeepsItRunning) {
  ShowView(3);
  Press(KeyLeft);
  ASSERT_EQ(CountdownRunning, 1);
  Settings.CountdownPresetMinutes = 2;
  Press(KeyRight);
  PressTimes(KeyKnobPress, 3);
  EXPECT_EQ(CountdownCount, 1200u);
  EXPECT_EQ(CountdownRunning, 1);
  test::Tick(3);
  EXPECT_EQ(CountdownCount, 1197u);
}

TEST_F(TimerPagesTest, BackKeepsTheCountButTheChangedPreset) {
  CountdownCount = 500;
  ShowView(3);
  Press(KeyRight);
  Press(KeyKnobPress);
  PressTimes(KeyKnobPlus, 5);
  Press(KeyLeft);
  EXPECT_EQ(PageHandler, HomePage);
  EXPECT_EQ(CountdownCount, 500u);
  EXPECT_EQ(Settings.CountdownPresetMinutes, 5);
  Press(KeyRight);
  EXPECT_EQ(MenuState.Selection, 0) << "the page opens on the hours again";
  test::Pass();
  EXPECT_TRUE(test::ShowsText(80, 61, "05", 20, AlignCentre, ColourWhite));
  EXPECT_TRUE(test::ShowsText(30, 61, "00", 20, AlignCentre, ColourRed));
}

TEST_F(TimerPagesTest, FieldsWrapAtBothEnds) {
  ShowView(3);
  Press(KeyRight);
  Press(KeyKnobMinus);
  EXPECT_EQ(Settings.CountdownPresetHours, 23);
  Press(KeyKnobPlus);
  EXPECT_EQ(Settings.CountdownPresetHours, 0);
  Press(KeyKnobPress);
  Press(KeyKnobMinus);
  EXPECT_EQ(Settings.CountdownPresetMinutes, 59);
  Press(KeyKnobPlus);
  EXPECT_EQ(Settings.CountdownPresetMinutes, 0);
  Press(KeyKnobPress);
  Press(KeyKnobMinus);
  EXPECT_EQ(Settings.CountdownPresetSeconds, 59);
  Press(KeyKnobPlus);
  EXPECT_EQ(Settings.CountdownPresetSeconds, 0);
  Press(KeyRight);
  EXPECT_EQ(PageHandler, SetTimerPage) << "the right key does nothing here";
}

TEST_F(TimerPagesTest, AZeroPresetLoadsAZeroCountThatAlarmsWhenRunning) {
  CountdownCount = 900;
  ShowView(3);
  Press(KeyLeft);
  Press(KeyRight);
  PressTimes(KeyKnobPress, 3);
  EXPECT_EQ(CountdownCount, 0u);
  test::Tick(20);
  test::Pass();
  EXPECT_EQ(AlarmFlags & AlarmCountdown, AlarmCountdown);
}

TEST_F(TimerPagesTest, SetTimerPageShowsItsFields) {
  Settings.CountdownPresetHours = 1;
  Settings.CountdownPresetMinutes = 30;
  Settings.CountdownPresetSeconds = 5;
  ShowView(3);
  Press(KeyRight);
  Press(KeyKnobPress);
  test::Pass();
  EXPECT_TRUE(test::TitleShows("SET"));
  EXPECT_TRUE(test::SubtitleShows("TIMER"));
  EXPECT_TRUE(test::ShowsText(80, 35, "SET TIMER", 12, AlignCentre, ColourWhite));
  EXPECT_TRUE(test::ShowsText(30, 61, "01", 20, AlignCentre, ColourWhite));
  EXPECT_TRUE(test::ShowsText(80, 61, "30", 20, AlignCentre, ColourRed));
  EXPECT_TRUE(test::ShowsText(130, 61, "05", 20, AlignCentre, ColourWhite));
  EXPECT_TRUE(test::ShowsText(54, 63, ":", 16, AlignCentre, ColourWhite));
  EXPECT_TRUE(test::ShowsText(104, 63, ":", 16, AlignCentre, ColourWhite));
  EXPECT_TRUE(test::LeftCellShows("BACK"));
}

TEST_F(TimerPagesTest, SetAlarmPageEditsTheAlarmTimeAndArmsNothing) {
  ShowView(4);
  Press(KeyRight);
  ASSERT_EQ(PageHandler, SetAlarmPage);
  PressTimes(KeyKnobPlus, 10);
  Press(KeyKnobPress);
  Press(KeyKnobMinus);
  Press(KeyKnobPress);
  Press(KeyKnobPress);
  EXPECT_EQ(PageHandler, HomePage);
  EXPECT_EQ(Settings.AlarmClockHour, 10);
  EXPECT_EQ(Settings.AlarmClockMinute, 59);
  EXPECT_EQ(Settings.AlarmClockSecond, 0);
  EXPECT_EQ(Settings.AlarmClockOn, 0);
  EXPECT_EQ(CountdownCount, 0u);
  test::Pass();
  EXPECT_TRUE(test::ShowsText(97, 22, "10:59:00", 16, AlignCentre, ColourWhite));
  EXPECT_TRUE(test::ShowsText(40, 104, "ALM ON", 8, AlignCentre, ColourWhite));
}

TEST_F(TimerPagesTest, AlarmClockArmsAndItsTimeBlinksWhileRinging) {
  ShowView(4);
  Press(KeyLeft);
  EXPECT_EQ(Settings.AlarmClockOn, 1);
  test::Tick(20);  // the alarm at 00:00:00 is already due
  test::Pass();
  ASSERT_EQ(AlarmFlags & AlarmClock, AlarmClock);
  Press(KeyLeft);  // acknowledges only
  EXPECT_EQ(Settings.AlarmClockOn, 1);
  test::BlinkTo(1);
  test::Pass();
  EXPECT_TRUE(test::ShowsText(97, 22, "00:00:00", 16, AlignCentre, ColourWhite));
  EXPECT_TRUE(test::ShowsText(20, 14, "A", 8, AlignLeft, ColourCyan));
  EXPECT_TRUE(test::ShowsText(40, 104, "ALM OFF", 8, AlignCentre, ColourWhite));
  test::BlinkTo(0);
  test::Pass();
  EXPECT_FALSE(test::ShowsText(97, 22, "00:00:00", 16, AlignCentre, ColourWhite));
  EXPECT_FALSE(test::ShowsText(20, 14, "A", 8, AlignLeft, ColourCyan));
}

TEST_F(TimerPagesTest, FlightTimerStartsAndStopsInManualOnly) {
  ShowView(1);
  Press(KeyLeft);
  EXPECT_EQ(FlightTimerRunning, 1);
  test::Tick(6000);
  Press(KeyLeft);
  EXPECT_EQ(FlightTimerRunning, 0);
  EXPECT_EQ(FlightTimeCount, 6000u);
  Press(KeyLeft);
  test::Tick(10);
  EXPECT_EQ(FlightTimeCount, 6010u) << "continues from the count";
  Press(KeyLeft);

  Settings.FlightTimerMode = 1;
  Press(KeyLeft);
  EXPECT_EQ(FlightTimerRunning, 0) << "REMOTE ignores the key";
  EXPECT_EQ(test::CountColour(0, 102, 53, 102, ColourWhite), 0) << "no soft-key cell";
}

TEST_F(TimerPagesTest, FlightViewLayoutFollowsTheMode) {
  ShowView(1);
  EXPECT_EQ(test::CountColour(0, 102, 53, 102, ColourWhite), 54) << "MANUAL key cell";
  EXPECT_GT(test::CountColour(40, 83, 139, 99, ColourGrey), 0) << "slip ball at row 83";
  Settings.FlightTimerMode = 1;
  test::Pass();
  EXPECT_EQ(test::CountColour(40, 83, 139, 99, ColourGrey), 0);
  EXPECT_GT(test::CountColour(20, 103, 139, 119, ColourGrey), 0) << "slip ball at row 103";
  FlightTimeCount = 6000;
  test::Pass();
  EXPECT_TRUE(test::ShowsText(0, 35, "FT", 8, AlignLeft, ColourGrey));
  EXPECT_TRUE(test::ShowsText(97, 22, "00:10:00", 16, AlignCentre, ColourWhite));
}

}  // namespace
