// The "MIN / MAX" view: rows by the display settings, strict marking.
#include "PageCheck.h"

namespace {

using test::CountColour;
using test::ShowsText;

class MinMaxViewTest : public test::PageTest {
 protected:
  void SetUp() override {
    PageTest::SetUp();
    test::BlinkTo(1);
    ShowView(7);
  }
};

TEST_F(MinMaxViewTest, FrameAndRowsWithEveryReadingShown) {
  EXPECT_EQ(CountColour(0, 25, 159, 25, ColourWhite), 160);
  EXPECT_EQ(CountColour(0, 102, 159, 102, ColourWhite), 160);
  EXPECT_EQ(CountColour(53, 102, 53, 119, ColourWhite), 18);
  EXPECT_EQ(CountColour(106, 102, 106, 119, ColourWhite), 18);
  EXPECT_EQ(CountColour(60, 103, 100, 119, ColourWhite), 0) << "no knob symbol";
  EXPECT_TRUE(ShowsText(80, 5, "MIN / MAX", 9, AlignCentre, ColourWhite));
  EXPECT_TRUE(ShowsText(0, 30, "VOLTS:", 8, AlignLeft, ColourGrey));
  EXPECT_TRUE(ShowsText(100, 30, "13.7", 8, AlignRight, ColourWhite));
  EXPECT_TRUE(ShowsText(102, 30, "/", 8, AlignLeft, ColourWhite));
  EXPECT_TRUE(ShowsText(140, 30, "13.7", 8, AlignRight, ColourWhite));
  EXPECT_TRUE(ShowsText(159, 30, "V", 8, AlignRight, ColourGrey));
  EXPECT_TRUE(ShowsText(0, 48, "GF:", 8, AlignLeft, ColourGrey));
  EXPECT_TRUE(ShowsText(140, 48, "1.0", 8, AlignRight, ColourWhite));
  EXPECT_TRUE(ShowsText(159, 48, "g", 8, AlignRight, ColourGrey));
  EXPECT_TRUE(ShowsText(0, 66, "OAT:", 8, AlignLeft, ColourGrey));
  EXPECT_TRUE(ShowsText(100, 66, "20", 8, AlignRight, ColourWhite));
  EXPECT_TRUE(ShowsText(160, 66,
                        "\xB0"
                        "C",
                        8, AlignRight, ColourGrey));
  EXPECT_TRUE(ShowsText(0, 84, "AMPS:", 8, AlignLeft, ColourGrey));
  EXPECT_TRUE(ShowsText(140, 84, "5", 8, AlignRight, ColourWhite));
  EXPECT_TRUE(ShowsText(159, 84, "A", 8, AlignRight, ColourGrey));
  EXPECT_TRUE(test::LeftCellShows("RESET"));
}

TEST_F(MinMaxViewTest, RowsMoveUpWhenReadingsAreHidden) {
  Settings.OatDisplay = 0;
  test::Pass();
  EXPECT_TRUE(ShowsText(0, 66, "AMPS:", 8, AlignLeft, ColourGrey));
  EXPECT_FALSE(ShowsText(0, 66, "OAT:", 8, AlignLeft, ColourGrey));
  Settings.CurrentDisplay = 0;
  test::Pass();
  EXPECT_EQ(CountColour(0, 64, 159, 100, ColourGrey), 0);
  EXPECT_EQ(CountColour(0, 64, 159, 100, ColourWhite), 0);
}

TEST_F(MinMaxViewTest, StoredValuesAreMarkedStrictly) {
  // The volts minimum of 0.0 from power-on is below the low alarm level.
  test::PowerOnAt();
  test::SetInputs(test::Volts13_7, test::Amps5_2, test::Oat60);
  test::Pass();
  test::BlinkTo(1);
  Settings.HomeView = 7;
  test::Pass();
  ASSERT_EQ(MinMax.VoltsMin, 0);
  ASSERT_EQ(MinMax.OatMax, 60);
  EXPECT_GT(CountColour(40, 31, 101, 45, ColourRed), 0) << "volts minimum";
  EXPECT_EQ(CountColour(40, 30, 101, 30, ColourRed), 0) << "box starts on y + 1";
  EXPECT_EQ(CountColour(40, 46, 101, 46, ColourRed), 0) << "box ends on y + 15";
  EXPECT_EQ(CountColour(104, 67, 141, 81, ColourRed), 0) << "OAT maximum on the level";
  EXPECT_GT(CountColour(104, 67, 141, 81, ColourYellow), 0) << "but above the caution";
  test::BlinkTo(0);
  test::Pass();
  EXPECT_EQ(CountColour(0, 26, 159, 101, ColourRed), 0);
  EXPECT_GT(CountColour(104, 67, 141, 81, ColourYellow), 0) << "caution is steady";
}

TEST_F(MinMaxViewTest, OatMemoriesHaveNoCutOff) {
  test::SetInputs(test::Volts13_7, test::Amps5_2, 3510);
  test::Pass();
  EXPECT_TRUE(ShowsText(140, 66, "151", 8, AlignRight, ColourWhite) ||
              ShowsText(140, 66, "151", 8, AlignRight, ColourBlack));
  EXPECT_FALSE(ShowsText(140, 66, "---", 8, AlignRight, ColourWhite));
}

TEST_F(MinMaxViewTest, ResetSetsTheMemoriesToThePresentReadings) {
  test::SetInputs(test::Volts15_5, test::Amps5_2, test::Oat20);
  test::Pass();
  test::SetInputs(test::Volts13_7, test::Amps5_2, test::Oat20);
  test::Pass();
  test::Press(KeyLeft);  // acknowledges nothing: the volts alarm has gone
  EXPECT_EQ(MinMax.VoltsMax, 137);
  EXPECT_EQ(MinMax.OatMax, 20);
  EXPECT_EQ(MinMax.CurrentMax, 5);
}

}  // namespace
