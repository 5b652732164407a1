// Stepping through the home views with the knob, over hidden views.
#include "PageCheck.h"

namespace {

using test::PageTest;
using test::Press;

class HomeViewStepTest : public PageTest {
 protected:
  void Turn(uint8_t key, int times = 1) { test::PressTimes(key, times); }
};

TEST_F(HomeViewStepTest, PowerOnShowsTheUtcViewAtOnce) {
  test::PowerOnAt();
  test::Pass();
  EXPECT_EQ(Settings.HomeView, 0);
  EXPECT_EQ(PageHandler, HomePage);
  EXPECT_TRUE(test::ShowsText(0, 35, "UTC", 8, AlignLeft, ColourGrey));
  EXPECT_TRUE(test::ShowsText(97, 22, "10:20:30", 16, AlignCentre, ColourWhite));
}

TEST_F(HomeViewStepTest, EveryViewIsVisitedUpAndDownWithoutWrapping) {
  for (uint8_t view = 1; view <= 7; ++view) {
    Turn(KeyKnobPlus);
    EXPECT_EQ(Settings.HomeView, view);
  }
  Turn(KeyKnobPlus);
  EXPECT_EQ(Settings.HomeView, 7) << "no wrap from the last view";
  for (int view = 6; view >= 0; --view) {
    Turn(KeyKnobMinus);
    EXPECT_EQ(Settings.HomeView, view);
  }
  Turn(KeyKnobMinus);
  EXPECT_EQ(Settings.HomeView, 0) << "no wrap from the first view";
  EXPECT_EQ(PageHandler, HomePage);
}

TEST_F(HomeViewStepTest, SlipDisplayOffCrossesViewSix) {
  Settings.SlipDisplay = 0;
  ShowView(5);
  Turn(KeyKnobPlus);
  EXPECT_EQ(Settings.HomeView, 7);
  Turn(KeyKnobMinus);
  EXPECT_EQ(Settings.HomeView, 5);
}

TEST_F(HomeViewStepTest, ARunOfHiddenTimerViewsIsCrossedInOneStep) {
  Settings.FlightTimerDisplay = 0;
  Settings.StopwatchDisplay = 0;
  Settings.CountdownDisplay = 0;
  Turn(KeyKnobPlus);
  EXPECT_EQ(Settings.HomeView, 4);
  Turn(KeyKnobMinus);
  EXPECT_EQ(Settings.HomeView, 0);
}

TEST_F(HomeViewStepTest, StepDownStaysWhenNothingShownLiesBelow) {
  Settings.UtcDisplay = 0;
  Settings.FlightTimerDisplay = 0;
  ShowView(2);
  Turn(KeyKnobMinus);
  EXPECT_EQ(Settings.HomeView, 2);

  Settings.FlightTimerDisplay = 1;
  ShowView(1);
  Turn(KeyKnobMinus);
  EXPECT_EQ(Settings.HomeView, 1) << "only the UTC view is off";
  Turn(KeyKnobPlus);
  EXPECT_EQ(Settings.HomeView, 2);
}

TEST_F(HomeViewStepTest, AHiddenViewStaysUntilThePilotStepsAway) {
  ShowView(2);
  Settings.StopwatchDisplay = 0;
  test::Pass(3);
  EXPECT_EQ(Settings.HomeView, 2);
  Turn(KeyKnobPlus);
  EXPECT_EQ(Settings.HomeView, 3);
  Turn(KeyKnobMinus);
  EXPECT_EQ(Settings.HomeView, 1);
}

TEST_F(HomeViewStepTest, ViewSixGivesWayToViewSevenAfterOneBlankPass) {
  ShowView(6);
  EXPECT_GT(test::CountColour(20, 103, 139, 119, ColourGrey), 0) << "slip tube at the bottom";
  Settings.SlipDisplay = 0;
  test::Pass();
  EXPECT_EQ(test::CountColour(0, 0, 159, 119, ColourBlack), 160 * 120) << "blank pass";
  EXPECT_EQ(Settings.HomeView, 7);
  test::Pass();
  EXPECT_EQ(test::PixelAt(0, 25), ColourWhite) << "the min/max view's rule";
  EXPECT_EQ(test::PixelAt(159, 102), ColourWhite);
}

TEST_F(HomeViewStepTest, TheViewSurvivesATripThroughTheMenus) {
  Turn(KeyKnobPlus, 3);
  Press(KeyKnobPress);
  EXPECT_EQ(PageHandler, MainMenuPage);
  EXPECT_EQ(MenuState.Selection, 0);
  EXPECT_EQ(MenuState.EditMode, 0);
  Press(KeyLeft);  // "EXIT" from the main menu
  EXPECT_EQ(PageHandler, HomePage);
  test::Pass();
  EXPECT_EQ(Settings.HomeView, 3);
}

}  // namespace
