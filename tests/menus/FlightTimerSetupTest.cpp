// Flight timer setup: the hidden FLIGHT: row, editing the two settings, the
// log viewer's order of slots and its texts, and the erase confirmation.
#include <gtest/gtest.h>

#include "support/Pilot.h"

using namespace test;

namespace {

// Each slot k holds a flight of k + 1 minutes, so the FT line names the slot.
void FillLog(uint16_t head) {
  for (int slot = 0; slot < 5; ++slot) WriteLogSlot(slot, test::DefaultUtc, (slot + 1) * 600);
  FlightLogHead = head;
}

bool ShowsFlightTime(const char* text) {
  return ShowsText(52, 77, text, 9, AlignLeft, ColourWhite) &&
         ShowsText(0, 77, "FT:", 8, AlignLeft, ColourGrey);
}

bool ShowsSlot(int slot) {
  char text[32];
  std::snprintf(text, sizeof text, "00:%02d:00", slot + 1);
  return ShowsFlightTime(text);
}

void OpenLogViewer() {
  OpenMainEntry(0);
  Press(KeyKnobPress);
  Pass();
  ASSERT_EQ(PageHandler, FlightLogViewPage);
}

}  // namespace

TEST(FlightTimerSetup, ShowsItsFourRows) {
  OpenMainEntry(0);
  EXPECT_TRUE(RowShows(0, "VIEW FLIGHT LOG", ColourRed));
  EXPECT_TRUE(RowShows(1, "ERASE FLIGHT LOG", ColourWhite));
  EXPECT_TRUE(ItemShows(2, "FT DISPLAY: ", "ON"));
  EXPECT_TRUE(ItemShows(3, "FLIGHT: ", "MANUAL"));
  EXPECT_TRUE(LeftCellShows("BACK"));
  Press(KeyKnobMinus);
  Pass();
  EXPECT_EQ(MenuState.Selection, 3);
  EXPECT_TRUE(ItemShows(3, "FLIGHT: ", "MANUAL", ColourRed, ColourRed));
  Press(KeyKnobPlus);
  EXPECT_EQ(MenuState.Selection, 0);
}

TEST(FlightTimerSetup, DisplayOffHidesTheFlightRowAndShortensTheWrap) {
  OpenMainEntry(0);
  PressTimes(KeyKnobPlus, 2);
  Press(KeyKnobPress);
  Pass();
  EXPECT_TRUE(ItemShows(2, "FT DISPLAY: ", "ON", ColourWhite, ColourRed));
  Press(KeyKnobPlus);
  Pass();
  EXPECT_EQ(Settings.FlightTimerDisplay, 0);
  EXPECT_TRUE(ItemShows(2, "FT DISPLAY: ", "OFF", ColourWhite, ColourRed));
  EXPECT_TRUE(RowEmpty(3));
  Press(KeyKnobPress);
  Pass();
  EXPECT_TRUE(ItemShows(2, "FT DISPLAY: ", "OFF", ColourRed, ColourRed));
  Press(KeyKnobPlus);
  EXPECT_EQ(MenuState.Selection, 0);
  Press(KeyKnobMinus);
  EXPECT_EQ(MenuState.Selection, 2);
  Press(KeyKnobMinus);
  Press(KeyKnobMinus);
  Press(KeyKnobMinus);
  EXPECT_EQ(MenuState.Selection, 2);
}

TEST(FlightTimerSetup, BothKnobDirectionsToggleWhileEditing) {
  OpenMainEntry(0);
  PressTimes(KeyKnobPlus, 3);
  Press(KeyKnobPress);
  Press(KeyKnobMinus);
  EXPECT_EQ(Settings.FlightTimerMode, 1);
  Press(KeyKnobMinus);
  EXPECT_EQ(Settings.FlightTimerMode, 0);
  Press(KeyKnobPlus);
  Pass();
  EXPECT_EQ(Settings.FlightTimerMode, 1);
  EXPECT_EQ(MenuState.Selection, 3);
  EXPECT_TRUE(ItemShows(3, "FLIGHT: ", "REMOTE", ColourWhite, ColourRed));
  Press(KeyKnobPress);
  Press(KeyKnobPlus);
  EXPECT_EQ(Settings.FlightTimerMode, 1);
  EXPECT_EQ(MenuState.Selection, 0);

  PressTimes(KeyKnobPlus, 2);
  Press(KeyKnobPress);
  Press(KeyKnobMinus);
  EXPECT_EQ(Settings.FlightTimerDisplay, 0);
  Press(KeyKnobPlus);
  EXPECT_EQ(Settings.FlightTimerDisplay, 1);
}

TEST(FlightLogView, ShowsEmptySlotsAsEmpty) {
  OpenLogViewer();
  for (int entry = 1; entry <= 5; ++entry) {
    char counter[8];
    std::snprintf(counter, sizeof counter, "%d/5", entry);
    EXPECT_TRUE(RightCellShows(counter)) << entry;
    EXPECT_TRUE(ShowsText(80, 54, "EMPTY", 12, AlignCentre, ColourWhite)) << entry;
    EXPECT_EQ(test::CountColour(0, 26, 150, 101, ColourGrey), 0);
    Press(KeyKnobPlus);
    Pass();
  }
  EXPECT_TRUE(RightCellShows("1/5"));
}

TEST(FlightLogView, CountsBackFromHeadZero) {
  OpenLogViewer();
  FillLog(0);
  Pass();
  for (int slot : {0, 4, 3, 2, 1}) {
    EXPECT_TRUE(ShowsSlot(slot)) << slot;
    Press(KeyKnobPlus);
    Pass();
  }
  EXPECT_TRUE(ShowsSlot(0));
  Press(KeyKnobMinus);
  Pass();
  EXPECT_TRUE(RightCellShows("5/5"));
  EXPECT_TRUE(ShowsSlot(1));
}

TEST(FlightLogView, CountsBackFromHeadThree) {
  OpenLogViewer();
  FillLog(3);
  Pass();
  for (int slot : {3, 2, 1, 0, 4}) {
    EXPECT_TRUE(ShowsSlot(slot)) << slot;
    Press(KeyKnobPlus);
    Pass();
  }
}

TEST(FlightLogView, ShowsStartDateTimeAndFlightTime) {
  OpenLogViewer();
  WriteLogSlot(0, test::DefaultUtc, 36000);
  WriteLogSlot(4, 0, 256u * 36000u);
  WriteLogSlot(3, 86399, 35999);
  FlightLogHead = 0;
  Pass();
  EXPECT_TRUE(ShowsText(0, 32, "DATE:", 8, AlignLeft, ColourGrey));
  EXPECT_TRUE(ShowsText(52, 32, "14/03/2026", 9, AlignLeft, ColourWhite));
  EXPECT_TRUE(ShowsText(0, 51, "TIME:", 8, AlignLeft, ColourGrey));
  EXPECT_TRUE(ShowsText(52, 51, "10:20:30", 9, AlignLeft, ColourWhite));
  EXPECT_TRUE(ShowsFlightTime("01:00:00"));
  Press(KeyKnobPlus);
  Pass();
  // 256 hours: the hour count shows modulo 256.
  EXPECT_TRUE(ShowsFlightTime("00:00:00"));
  EXPECT_TRUE(ShowsText(52, 32, "01/01/1970", 9, AlignLeft, ColourWhite));
  EXPECT_TRUE(ShowsText(52, 51, "00:00:00", 9, AlignLeft, ColourWhite));
  Press(KeyKnobPlus);
  Pass();
  EXPECT_TRUE(ShowsFlightTime("00:59:59"));
  EXPECT_TRUE(ShowsText(52, 51, "23:59:59", 9, AlignLeft, ColourWhite));
}

TEST(FlightLogView, KnobPressAndRightKeyStayAndBackReturnsToViewRow) {
  OpenLogViewer();
  PressTimes(KeyKnobPlus, 2);
  Press(KeyKnobPress);
  Press(KeyRight);
  EXPECT_EQ(PageHandler, FlightLogViewPage);
  EXPECT_EQ(MenuState.Selection, 2);
  Press(KeyLeft);
  Pass();
  EXPECT_EQ(PageHandler, FlightTimerSetupPage);
  EXPECT_TRUE(RowShows(0, "VIEW FLIGHT LOG", ColourRed));
}

TEST(EraseLog, YesErasesAndReturnsOnTheEraseRow) {
  OpenMainEntry(0);
  FillLog(2);
  FlightTimeCount = 5000;
  Press(KeyKnobPlus);
  Press(KeyKnobPress);
  Pass();
  ASSERT_EQ(PageHandler, EraseLogConfirmPage);
  EXPECT_TRUE(ShowsText(110, 35, "ERASE", 9, AlignCentre, ColourWhite));
  EXPECT_TRUE(ShowsText(110, 77, "LOG?", 9, AlignCentre, ColourWhite));
  EXPECT_TRUE(LeftCellShows("NO"));
  EXPECT_TRUE(RightCellShows("YES"));
  // The knob is ignored here.
  Press(KeyKnobPress);
  Press(KeyKnobPlus);
  EXPECT_EQ(PageHandler, EraseLogConfirmPage);
  Press(KeyRight);
  Pass();
  EXPECT_EQ(PageHandler, MessagePage);
  EXPECT_TRUE(ShowsText(110, 55, "DONE", 16, AlignCentre, ColourWhite));
  EXPECT_EQ(FlightLogHead, 0);
  EXPECT_EQ(FlightTimeCount, 0u);
  Press(KeyKnobMinus);
  Pass();
  EXPECT_EQ(PageHandler, FlightTimerSetupPage);
  EXPECT_TRUE(RowShows(1, "ERASE FLIGHT LOG", ColourRed));
  // Every position of the viewer now reads as empty.
  Press(KeyKnobMinus);
  Press(KeyKnobPress);
  for (int entry = 0; entry < 5; ++entry) {
    Pass();
    EXPECT_TRUE(ShowsText(80, 54, "EMPTY", 12, AlignCentre, ColourWhite)) << entry;
    Press(KeyKnobPlus);
  }
}

TEST(EraseLog, NoKeepsTheLogAndReturnsOnTheEraseRow) {
  OpenMainEntry(0);
  FillLog(2);
  Press(KeyKnobPlus);
  Press(KeyKnobPress);
  Press(KeyLeft);
  Pass();
  EXPECT_EQ(PageHandler, FlightTimerSetupPage);
  EXPECT_TRUE(RowShows(1, "ERASE FLIGHT LOG", ColourRed));
  EXPECT_EQ(FlightLogHead, 2);
  Press(KeyKnobMinus);
  Press(KeyKnobPress);
  Pass();
  EXPECT_TRUE(ShowsSlot(2));
}
