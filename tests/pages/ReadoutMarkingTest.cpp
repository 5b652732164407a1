// Alarm and caution marking of the readings, and the texts of the
// electrical, volts, OAT and G readouts.
#include "PageCheck.h"

namespace {

using test::CountColour;
using test::PageTest;
using test::ShowsText;

class ReadoutMarkingTest : public PageTest {
 protected:
  // Electrical view, current shown.
  void ShowElectrical(uint16_t volts, uint16_t current, uint16_t oat) {
    test::SetInputs(volts, current, oat);
    ShowView(5);
  }
  // Red and yellow pixels of the volts box (rows 33..54 right of the bar).
  int VoltsBoxColour(uint8_t colour) { return CountColour(95, 33, 159, 54, colour); }
};

TEST_F(ReadoutMarkingTest, AnAlarmBlinksOnARedBoxWithTheBlinkPhase) {
  ShowElectrical(test::Volts15_5, test::Amps5_2, test::Oat20);
  test::BlinkTo(1);
  test::Pass();
  EXPECT_GT(VoltsBoxColour(ColourRed), 0);
  test::BlinkTo(0);
  test::Pass();
  EXPECT_EQ(VoltsBoxColour(ColourRed), 0) << "plain white on phase 0";
  test::Press(KeyLeft);  // acknowledging does not stop the blinking
  test::BlinkTo(1);
  test::Pass();
  EXPECT_GT(VoltsBoxColour(ColourRed), 0);
  EXPECT_TRUE(ShowsText(144, 32, "15.5", 12, AlignRight, ColourWhite));
  test::BlinkTo(0);
  test::Pass();
  EXPECT_TRUE(ShowsText(144, 32, "15.5", 12, AlignRight, ColourWhite));
}

TEST_F(ReadoutMarkingTest, ACautionIsASteadyYellowBoxWithBlackText) {
  ShowElectrical(test::Volts14_5, test::Amps5_2, test::Oat20);
  for (uint8_t phase : {0, 1}) {
    test::BlinkTo(phase);
    test::Pass();
    EXPECT_GT(VoltsBoxColour(ColourYellow), 0) << "phase " << int(phase);
    EXPECT_EQ(VoltsBoxColour(ColourRed), 0);
    // The box reaches its fixed rows.
    EXPECT_EQ(CountColour(95, 33, 159, 33, ColourYellow),
              CountColour(95, 54, 159, 54, ColourYellow));
    EXPECT_EQ(CountColour(95, 32, 159, 32, ColourYellow), 0);
    EXPECT_EQ(CountColour(95, 55, 159, 55, ColourYellow), 0);
  }
  EXPECT_TRUE(ShowsText(144, 32, "14.5", 12, AlignRight, ColourBlack));
}

TEST_F(ReadoutMarkingTest, VoltsOnTheAlarmLevelDifferBetweenTheTwoLayouts) {
  test::BlinkTo(1);
  ShowElectrical(test::Volts15_0, test::Amps5_2, test::Oat20);
  ASSERT_EQ(Volts, 150);
  EXPECT_EQ(VoltsBoxColour(ColourRed), 0) << "strict on the electrical band";
  EXPECT_GT(VoltsBoxColour(ColourYellow), 0) << "but above the high caution";
  Settings.CurrentDisplay = 0;
  test::Pass();
  EXPECT_GT(CountColour(95, 33, 159, 54, ColourRed), 0) << "inclusive on the volts bar band";
  EXPECT_TRUE(ShowsText(143, 32, "15.0", 12, AlignRight, ColourWhite));
  EXPECT_TRUE(ShowsText(160, 32, "V", 12, AlignRight, ColourGrey));
}

TEST_F(ReadoutMarkingTest, CurrentMarkingIsStrict) {
  Settings.CurrentHighAlarm = 5;
  Settings.CurrentHighCaution = 4;
  test::BlinkTo(1);
  ShowElectrical(test::Volts13_7, 2098 + 450, test::Oat20);  // 5.0 A
  ASSERT_EQ(Current, 5);
  EXPECT_EQ(CountColour(20, 33, 94, 54, ColourRed), 0);
  EXPECT_GT(CountColour(20, 33, 94, 54, ColourYellow), 0);
  test::SetInputs(test::Volts13_7, 2048 + 600, test::Oat20);  // 6.0 A
  test::Pass();
  EXPECT_GT(CountColour(22, 33, 94, 54, ColourRed), 0);
}

TEST_F(ReadoutMarkingTest, BatteryShowsABoltFromOneAmpereAndACrossOtherwise) {
  ShowElectrical(test::Volts13_7, 2148, test::Oat20);  // 1.0 A
  ASSERT_EQ(Current, 1);
  EXPECT_EQ(test::PixelAt(9, 51), ColourYellow);
  EXPECT_EQ(CountColour(10, 30, 15, 31, ColourYellow), 12);
  EXPECT_EQ(CountColour(2, 27, 20, 53, ColourRed), 0);
  EXPECT_EQ(test::PixelAt(1, 26), ColourWhite);
  EXPECT_EQ(test::PixelAt(21, 54), ColourWhite);
  EXPECT_EQ(CountColour(8, 23, 14, 25, ColourWhite), 21) << "terminal";

  test::SetInputs(test::Volts13_7, test::AmpsZero, test::Oat20);
  test::Pass();
  ASSERT_EQ(Current, 0);
  EXPECT_EQ(CountColour(2, 27, 20, 53, ColourYellow), 0);
  EXPECT_EQ(test::PixelAt(3, 28), ColourRed);
  EXPECT_EQ(test::PixelAt(19, 28), ColourRed);
  EXPECT_EQ(test::PixelAt(11, 40), ColourRed) << "the arms cross";
}

TEST_F(ReadoutMarkingTest, CurrentTextsAroundTenAmperes) {
  struct {
    uint16_t count;
    const char* text;
  } cases[] = {{3040, "9.9"}, {3048, "10"}, {1058, "-9.9"}, {1048, "-10"}, {2048, "0.0"}};
  Settings.CurrentLowAlarm = -100;
  Settings.CurrentLowCaution = -100;
  for (const auto& c : cases) {
    ShowElectrical(test::Volts13_7, c.count, test::Oat20);
    EXPECT_TRUE(ShowsText(70, 32, c.text, 12, AlignRight, ColourWhite)) << c.text;
    EXPECT_TRUE(ShowsText(90, 32, "A", 12, AlignRight, ColourGrey));
  }
}

TEST_F(ReadoutMarkingTest, OatAboveTheRangeShowsDashesAndIsStillMarked) {
  test::BlinkTo(1);
  test::SetInputs(test::Volts13_7, test::Amps5_2, 3510);
  test::Pass();
  ASSERT_EQ(Oat, 151);
  EXPECT_GT(CountColour(0, 60, 45, 80, ColourRed), 0);
  EXPECT_TRUE(ShowsText(21, 60, "---", 10, AlignCentre, ColourWhite));
  EXPECT_TRUE(ShowsText(21, 80,
                        "\xB0"
                        "C",
                        8, AlignCentre, ColourGrey));
  test::SetInputs(test::Volts13_7, test::Amps5_2, 1764);
  test::Pass();
  ASSERT_EQ(Oat, -60);
  EXPECT_TRUE(ShowsText(21, 60, "-60", 10, AlignCentre, ColourWhite));
}

TEST_F(ReadoutMarkingTest, FahrenheitCutsOffAbove300) {
  Settings.OatUnit = 1;
  Settings.OatHighAlarm = Settings.OatHighCaution = 400;
  test::SetInputs(test::Volts13_7, test::Amps5_2, 3510);  // 151 C = 303 F
  test::Pass();
  EXPECT_TRUE(ShowsText(21, 60, "---", 10, AlignCentre, ColourWhite));
  EXPECT_TRUE(ShowsText(21, 80,
                        "\xB0"
                        "F",
                        8, AlignCentre, ColourGrey));
  test::SetInputs(test::Volts13_7, test::Amps5_2, 3500);  // 149 C = 300 F
  test::Pass();
  ASSERT_EQ(Oat, 300);
  EXPECT_TRUE(ShowsText(21, 60, "300", 10, AlignCentre, ColourWhite));
}

TEST_F(ReadoutMarkingTest, OatOnALimitIsMarked) {
  test::BlinkTo(1);
  test::SetInputs(test::Volts13_7, test::Amps5_2, test::Oat60);
  test::Pass();
  ASSERT_EQ(Oat, 60);
  EXPECT_EQ(AlarmFlags & AlarmOat, 0u) << "no alarm bit on the level";
  EXPECT_GT(CountColour(0, 60, 45, 80, ColourRed), 0) << "but the readout marks it";
  test::SetInputs(test::Volts13_7, test::Amps5_2, test::Oat55);
  test::Pass();
  EXPECT_GT(CountColour(0, 60, 45, 80, ColourYellow), 0);
  EXPECT_EQ(CountColour(0, 60, 45, 80, ColourRed), 0);
  EXPECT_EQ(CountColour(0, 59, 45, 59, ColourYellow), 0) << "large box starts on row 60";
}

TEST_F(ReadoutMarkingTest, SmallOatOnTheTimerViewsHasItsOwnBox) {
  ShowView(2);
  test::SetInputs(test::Volts13_7, test::Amps5_2, test::Oat55);
  test::Pass();
  EXPECT_GT(CountColour(0, 58, 60, 77, ColourYellow), 0);
  EXPECT_EQ(CountColour(0, 57, 60, 57, ColourYellow), 0);
  EXPECT_EQ(CountColour(0, 78, 60, 78, ColourYellow), 0);
  EXPECT_TRUE(ShowsText(25, 57, "55", 10, AlignCentre, ColourBlack));
  DrawString(25, 57, "55", 10, AlignCentre, ColourBlack);
  EXPECT_TRUE(ShowsText(static_cast<int16_t>(TextEndX + 10), 63,
                        "\xB0"
                        "C",
                        8, AlignCentre, ColourGrey));
}

// The G readouts mark only the sides whose alarm switch is on.
class GAlarmSwitchTest : public ReadoutMarkingTest {
 protected:
  void SetUp() override {
    ReadoutMarkingTest::SetUp();
    Settings.GPosAlarm = 5;  // 0.5 g: the 1 g of the fixture is beyond it
    Settings.GNegAlarm = -5;
    test::BlinkTo(1);
  }
  int LargeGRed() { return CountColour(60, 56, 140, 99, ColourRed); }
};

TEST_F(GAlarmSwitchTest, PositiveSideFollowsItsSwitch) {
  test::Pass();
  EXPECT_GT(LargeGRed(), 0);
  Settings.GPosAlarmOn = 0;
  test::Pass();
  EXPECT_EQ(LargeGRed(), 0);
  Settings.GNegAlarmOn = 0;
  Settings.GPosAlarmOn = 1;
  test::Pass();
  EXPECT_GT(LargeGRed(), 0) << "the negative switch does not gate the positive side";
}

TEST_F(GAlarmSwitchTest, NegativeSideFollowsItsSwitch) {
  test::SettleAxes(-300, 0, 0);
  ASSERT_LT(GForce, -0.9f);
  EXPECT_GT(LargeGRed(), 0);
  Settings.GNegAlarmOn = 0;
  test::Pass();
  EXPECT_EQ(LargeGRed(), 0);
  Settings.GPosAlarmOn = 0;
  Settings.GNegAlarmOn = 1;
  test::Pass();
  EXPECT_GT(LargeGRed(), 0);
}

TEST_F(GAlarmSwitchTest, SwitchesGateTheMediumReadoutArrowsAndMinMaxRow) {
  ShowView(2);
  EXPECT_GT(CountColour(60, 52, 140, 80, ColourRed), 0) << "medium G";
  ShowView(6);
  EXPECT_GT(CountColour(118, 34, 159, 51, ColourRed), 0) << "stored maximum";
  ShowView(7);
  EXPECT_GT(CountColour(101, 49, 141, 63, ColourRed), 0) << "min/max G row";
  Settings.GPosAlarmOn = 0;
  test::Pass();
  EXPECT_EQ(CountColour(0, 49, 159, 63, ColourRed), 0);
  ShowView(6);
  EXPECT_EQ(CountColour(118, 34, 159, 51, ColourRed), 0);
  ShowView(2);
  EXPECT_EQ(CountColour(60, 52, 140, 80, ColourRed), 0);
}

TEST_F(GAlarmSwitchTest, GHasNoCaution) {
  Settings.GPosAlarm = 300;
  Settings.GNegAlarm = -300;
  for (uint8_t view : {0, 2, 6, 7}) {
    ShowView(view);
    EXPECT_EQ(CountColour(0, 0, 159, 119, ColourYellow), 0) << "view " << int(view);
    EXPECT_EQ(CountColour(22, 0, 159, 101, ColourRed), 0) << "view " << int(view);
  }
  ShowView(0);
  EXPECT_TRUE(ShowsText(140, 48, "1.0", 30, AlignRight, ColourWhite));
  EXPECT_TRUE(ShowsText(160, 65, "g", 16, AlignRight, ColourGrey));
  ShowView(2);
  EXPECT_TRUE(ShowsText(140, 47, "1.0", 20, AlignRight, ColourWhite));
  EXPECT_TRUE(ShowsText(160, 55, "g", 12, AlignRight, ColourGrey));
}

}  // namespace
