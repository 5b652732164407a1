// The converter values list: scrolling through its eight items and showing
// the inputs live as they move.
#include <gtest/gtest.h>

#include "support/Pilot.h"

using namespace test;

namespace {

const char* const Labels[8] = {
    "VOLTS: ", "CURRENT: ", "OAT: ", "FT: ", "X: ", "Y: ", "Z: ", "GF: "};

// The label of each item on its row; the selected one red.
void ExpectVisibleItems(int first) {
  for (int row = 0; row < 5; ++row) {
    const int item = first + row;
    const uint8_t colour = item == MenuState.Selection ? ColourRed : ColourWhite;
    EXPECT_TRUE(RowShows(row, Labels[item], colour)) << "item " << item << " on row " << row;
  }
}

}  // namespace

TEST(AdcValues, ScrollsOnlyOnceTheSelectionPassesTheFifthRow) {
  OpenMainEntry(8);
  EXPECT_TRUE(test::TitleShows("ADC"));
  EXPECT_TRUE(test::SubtitleShows("VALUES"));
  ExpectVisibleItems(0);
  PressTimes(KeyKnobPlus, 4);
  Pass();
  ExpectVisibleItems(0);
  Press(KeyKnobPlus);
  Pass();
  EXPECT_EQ(MenuState.Selection, 5);
  ExpectVisibleItems(1);
  PressTimes(KeyKnobPlus, 2);
  Pass();
  ExpectVisibleItems(3);
  // Thumb of the last of eight items: rows 89..97.
  EXPECT_EQ(test::CountColour(153, 89, 159, 97, ColourWhite), 7 * 9);
  Press(KeyKnobPlus);
  Pass();
  EXPECT_EQ(MenuState.Selection, 0);
  ExpectVisibleItems(0);
  Press(KeyKnobMinus);
  Pass();
  EXPECT_EQ(MenuState.Selection, 7);
  ExpectVisibleItems(3);
}

TEST(AdcValues, KnobPressAndRightKeyChangeNothing) {
  OpenMainEntry(8);
  PressTimes(KeyKnobPlus, 2);
  Press(KeyKnobPress);
  Press(KeyRight);
  Pass();
  EXPECT_EQ(PageHandler, AdcValuesPage);
  EXPECT_EQ(MenuState.Selection, 2);
  EXPECT_EQ(KeySlot, KeyNone);
  ExpectVisibleItems(0);
}

TEST(AdcValues, ShowsTheInputsLive) {
  OpenMainEntry(8);
  test::SetInputs(1234, 2048, 4096);
  Pass();
  EXPECT_TRUE(RowShows(0, "VOLTS: 1234", ColourRed));
  EXPECT_TRUE(RowShows(1, "CURRENT: 2048", ColourWhite));
  EXPECT_TRUE(RowShows(2, "OAT: 4096", ColourWhite));
  EXPECT_TRUE(RowShows(3, "FT: 0", ColourWhite));
  test::SetInputs(7, 0, 15);
  Pass();
  EXPECT_TRUE(RowShows(0, "VOLTS: 7", ColourRed));
  EXPECT_TRUE(RowShows(1, "CURRENT: 0", ColourWhite));
  EXPECT_TRUE(RowShows(2, "OAT: 15", ColourWhite));
  FtInput = 65535;
  Pass();
  EXPECT_TRUE(RowShows(3, "FT: 65535", ColourWhite));
  FtInput = 0;
}

TEST(AdcValues, ShowsAxesAndTotalG) {
  OpenMainEntry(8);
  test::SettleAxes(300, -200, 100);
  EXPECT_TRUE(RowShows(4, "X: 300 0.99g", ColourWhite));
  PressTimes(KeyKnobPlus, 7);
  Pass();
  EXPECT_TRUE(RowShows(2, "Y: -200 -0.66g", ColourWhite));
  EXPECT_TRUE(RowShows(3, "Z: 100 0.33g", ColourWhite));
  EXPECT_TRUE(RowShows(4, "GF: 1.2g", ColourRed));
  // A negative X turns the total negative.
  test::SettleAxes(-300, 0, 0);
  EXPECT_TRUE(RowShows(4, "GF: -1.0g", ColourRed));
  EXPECT_TRUE(RowShows(1, "X: -300 -0.99g", ColourWhite));
}
