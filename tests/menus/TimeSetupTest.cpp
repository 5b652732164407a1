// Time setup: the offset's limits, the trim's wrap, the scrolling list, and
// the UTC editor's field wraps, which never reach the clock.
#include <gtest/gtest.h>

#include "support/Pilot.h"

using namespace test;

namespace {

// Opens TIME SETUP and enters editing on an item.
void EditTimeItem(int item) {
  OpenMainEntry(TimeEntry);
  ASSERT_TRUE(EditItem(item));
}

void OpenEditor() {
  OpenUtcEditor();
  ASSERT_EQ(PageHandler, SetUtcTimePage);
}

// Field f of the editor as drawn, in the colour it should have.
bool FieldShows(int field, const char* text) {
  static const int16_t x[6] = {34, 97, 144, 36, 80, 124};
  const int16_t y = field < 3 ? 35 : 65;
  const uint8_t colour = field == MenuState.Selection ? ColourRed : ColourWhite;
  return ShowsText(x[field], y, text, 16, AlignCentre, colour);
}

// A fresh editor with `field` under edit.
void EditorAtField(int field) {
  OpenUtcEditor(field);
  ASSERT_EQ(PageHandler, SetUtcTimePage);
}

}  // namespace

TEST(TimeSetup, OffsetStopsAtThirteenHoursEitherWay) {
  EditTimeItem(1);
  Press(KeyKnobMinus);
  Pass();
  EXPECT_EQ(Settings.UtcOffset, -30);
  EXPECT_TRUE(ItemShows(1, "UTC OFFSET:", "-00:30", ColourWhite, ColourRed));
  PressTimes(KeyKnobMinus, 25);
  EXPECT_EQ(Settings.UtcOffset, -780);
  Press(KeyKnobMinus);
  Pass();
  EXPECT_EQ(Settings.UtcOffset, -780);
  EXPECT_TRUE(ItemShows(1, "UTC OFFSET:", "-13:00", ColourWhite, ColourRed));
  PressTimes(KeyKnobPlus, 51);
  Pass();
  EXPECT_EQ(Settings.UtcOffset, 750);
  EXPECT_TRUE(ItemShows(1, "UTC OFFSET:", "+12:30", ColourWhite, ColourRed));
  Press(KeyKnobPlus);
  Press(KeyKnobPlus);
  Pass();
  EXPECT_EQ(Settings.UtcOffset, 780);
  EXPECT_TRUE(ItemShows(1, "UTC OFFSET:", "+13:00", ColourWhite, ColourRed));
}

TEST(TimeSetup, TrimWrapsBothWays) {
  EditTimeItem(6);
  RtcTrim = 0;
  Press(KeyKnobMinus);
  Pass();
  EXPECT_EQ(RtcTrim, 127);
  EXPECT_TRUE(ItemShows(4, "RTC TRIM: ", "127", ColourWhite, ColourRed));
  Press(KeyKnobPlus);
  Pass();
  EXPECT_EQ(RtcTrim, 0);
  EXPECT_TRUE(ItemShows(4, "RTC TRIM: ", "0", ColourWhite, ColourRed));
  Press(KeyKnobPlus);
  EXPECT_EQ(RtcTrim, 1);
  // A trim left outside its range: down turns round only from 0 itself,
  // up from 127 or more.
  RtcTrim = -5;
  Press(KeyKnobMinus);
  EXPECT_EQ(RtcTrim, -6);
  RtcTrim = 300;
  Press(KeyKnobPlus);
  EXPECT_EQ(RtcTrim, 0);
  RtcTrim = 0;
}

TEST(TimeSetup, SwitchesToggleWithEitherKey) {
  EditTimeItem(3);
  Press(KeyKnobPlus);
  EXPECT_EQ(Settings.StopwatchDisplay, 0);
  Press(KeyKnobMinus);
  EXPECT_EQ(Settings.StopwatchDisplay, 1);
  Press(KeyKnobMinus);
  Pass();
  EXPECT_TRUE(ItemShows(3, "SW DISPLAY: ", "OFF", ColourWhite, ColourRed));
  Press(KeyKnobPress);
  Press(KeyKnobPlus);
  Press(KeyKnobPress);
  Press(KeyKnobPlus);
  EXPECT_EQ(Settings.CountdownDisplay, 0);
  Press(KeyKnobPress);
  Press(KeyKnobPlus);
  Press(KeyKnobPress);
  Press(KeyKnobMinus);
  EXPECT_EQ(Settings.AlarmClockDisplay, 0);
  EXPECT_EQ(Settings.UtcDisplay, 1);
}

TEST(TimeSetup, ScrollsToTheTrimAndWrapsBack) {
  OpenMainEntry(2);
  PressTimes(KeyKnobPlus, 6);
  Pass();
  EXPECT_EQ(MenuState.ScrollOffset, 2);
  EXPECT_TRUE(ItemShows(0, "UTC DISPLAY: ", "ON"));
  EXPECT_TRUE(ItemShows(3, "ALM DISPLAY: ", "ON"));
  EXPECT_TRUE(ItemShows(4, "RTC TRIM: ", "0", ColourRed, ColourRed));
  for (int row = 0; row < 5; ++row)
    EXPECT_FALSE(RowShows(row, "SET UTC TIME", ColourWhite) ||
                 RowShows(row, "SET UTC TIME", ColourRed));
  Press(KeyKnobPlus);
  Pass();
  EXPECT_EQ(MenuState.Selection, 0);
  EXPECT_TRUE(RowShows(0, "SET UTC TIME", ColourRed));
  EXPECT_TRUE(ItemShows(4, "TMR DISPLAY: ", "ON"));
  Press(KeyKnobMinus);
  Pass();
  EXPECT_TRUE(ItemShows(4, "RTC TRIM: ", "0", ColourRed, ColourRed));
}

TEST(SetUtcTime, LoadsTheClockAndWalksTheFields) {
  OpenEditor();
  EXPECT_TRUE(TitleShows("SET UTC"));
  EXPECT_TRUE(FieldShows(0, "2026"));
  EXPECT_TRUE(FieldShows(1, "03"));
  EXPECT_TRUE(FieldShows(2, "14"));
  EXPECT_TRUE(FieldShows(3, "10"));
  EXPECT_TRUE(FieldShows(4, "20"));
  EXPECT_TRUE(FieldShows(5, "30"));
  EXPECT_TRUE(ShowsText(73, 35, "/", 16, AlignCentre, ColourWhite));
  EXPECT_TRUE(ShowsText(101, 65, ":", 16, AlignCentre, ColourWhite));
  for (int field = 1; field < 6; ++field) {
    Press(KeyKnobPress);
    EXPECT_EQ(MenuState.Selection, field);
  }
  Pass();
  EXPECT_TRUE(FieldShows(5, "30"));
  EXPECT_TRUE(FieldShows(0, "2026"));
  Press(KeyKnobPress);
  Pass();
  EXPECT_EQ(PageHandler, TimeSetupPage);
  EXPECT_TRUE(RowShows(0, "SET UTC TIME", ColourRed));
}

TEST(SetUtcTime, YearWrapsBetween2018And2100) {
  OpenEditor();
  TimeEditFields.Year = 2100;
  Press(KeyKnobPlus);
  Pass();
  EXPECT_TRUE(FieldShows(0, "2018"));
  Press(KeyKnobMinus);
  Pass();
  EXPECT_TRUE(FieldShows(0, "2100"));
  Press(KeyKnobMinus);
  EXPECT_EQ(TimeEditFields.Year, 2099);
}

TEST(SetUtcTime, DateAndTimeFieldsWrap) {
  EditorAtField(1);
  TimeEditFields.Month = 12;
  Press(KeyKnobPlus);
  Pass();
  EXPECT_TRUE(FieldShows(1, "01"));
  Press(KeyKnobMinus);
  EXPECT_EQ(TimeEditFields.Month, 12);

  Press(KeyKnobPress);
  TimeEditFields.Day = 1;
  Press(KeyKnobMinus);
  Pass();
  EXPECT_TRUE(FieldShows(2, "31"));
  Press(KeyKnobPlus);
  EXPECT_EQ(TimeEditFields.Day, 1);
  // Day 31 is allowed in any month.
  TimeEditFields.Month = 2;
  TimeEditFields.Day = 30;
  Press(KeyKnobPlus);
  EXPECT_EQ(TimeEditFields.Day, 31);

  Press(KeyKnobPress);
  TimeEditFields.Hour = 0;
  Press(KeyKnobMinus);
  Pass();
  EXPECT_TRUE(FieldShows(3, "23"));
  Press(KeyKnobPlus);
  EXPECT_EQ(TimeEditFields.Hour, 0);

  Press(KeyKnobPress);
  TimeEditFields.Minute = 0;
  Press(KeyKnobMinus);
  Pass();
  EXPECT_TRUE(FieldShows(4, "59"));
  Press(KeyKnobPlus);
  EXPECT_EQ(TimeEditFields.Minute, 0);

  Press(KeyKnobPress);
  TimeEditFields.Second = 59;
  Press(KeyKnobPlus);
  Pass();
  EXPECT_TRUE(FieldShows(5, "00"));
  Press(KeyKnobMinus);
  EXPECT_EQ(TimeEditFields.Second, 59);
}

TEST(SetUtcTime, NeverChangesTheClockAndReopensFromIt) {
  OpenEditor();
  PressTimes(KeyKnobPlus, 3);
  Press(KeyKnobPress);
  PressTimes(KeyKnobMinus, 5);
  PressTimes(KeyKnobPress, 2);
  Press(KeyKnobPlus);
  Press(KeyLeft);
  Pass();
  EXPECT_EQ(PageHandler, TimeSetupPage);
  EXPECT_EQ(UtcTime.Year, 2026);
  EXPECT_EQ(UtcTime.Month, 3);
  EXPECT_EQ(UtcTime.Hour, 10);
  // The clock moves on; the editor picks up where it now stands.
  test::SetClock(test::DefaultUtc + 3600 + 61);
  Pass();
  Press(KeyKnobPress);
  Pass();
  EXPECT_TRUE(FieldShows(0, "2026"));
  EXPECT_TRUE(FieldShows(1, "03"));
  EXPECT_TRUE(FieldShows(3, "11"));
  EXPECT_TRUE(FieldShows(4, "21"));
  EXPECT_TRUE(FieldShows(5, "31"));
  // Completing all six fields does not set the clock either.
  PressTimes(KeyKnobPlus, 2);
  PressTimes(KeyKnobPress, 6);
  EXPECT_EQ(PageHandler, TimeSetupPage);
  EXPECT_EQ(UtcTime.Year, 2026);
}
