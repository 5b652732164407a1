// Every number of the setup pages stepped by the knob on its page, inside
// its range, at its ends and from values outside it that no key reaches:
// each follows its own rule, not one rule for all.
#include <gtest/gtest.h>

#include "pages/Editing.h"
#include "support/Pilot.h"

using namespace test;

namespace {

// Where a number is edited.
enum TPlace : uint8_t {
  VoltsPage,
  CurrentPage,
  OatPage,
  GForcePage,
  TimePage,
  AutoBacklight,    // the AUTO rows, edited
  ManualBacklight,  // the MANUAL level, turned without editing
  UtcEditor,        // item = the field under edit
};

// Opens the place with the item ready for the knob.
bool Reach(TPlace place, int item) {
  static const int entries[] = {VoltsEntry, CurrentEntry, OatEntry, GForceEntry, TimeEntry};
  switch (place) {
    case AutoBacklight:
      OpenAutoBacklight(item);
      Press(KeyKnobPress);
      return MenuState.EditMode == 1;
    case ManualBacklight:
      OpenMiscEntry(0);
      return PageHandler == BacklightPage && MenuState.EditMode == 0;
    case UtcEditor:
      OpenUtcEditor(item);
      return PageHandler == SetUtcTimePage && MenuState.Selection == item;
    default:
      OpenMainEntry(entries[place]);
      return EditItem(item);
  }
}

struct TStepCase {
  const char* What;
  TPlace Place;
  int Item;
  TFieldRef Value;
  int Start;
  uint16_t Step;  // StepMultiplier
  uint8_t Key;
  int Expected;
};

constexpr uint8_t Up = KeyKnobPlus;
constexpr uint8_t Down = KeyKnobMinus;

// clang-format off
const TStepCase Cases[] = {
    // A result past either end becomes the other end, from inside or out.
    {"volts max inside",        VoltsPage, 0, Field(Settings.VoltsDisplayMax), 200, 1, Up, 201},
    {"volts max past the top",  VoltsPage, 0, Field(Settings.VoltsDisplayMax), 295, 10, Up, 100},
    {"volts max at the bottom", VoltsPage, 0, Field(Settings.VoltsDisplayMax), 100, 1, Down, 300},
    {"volts max from below",    VoltsPage, 0, Field(Settings.VoltsDisplayMax), 50, 1, Up, 300},
    {"volts max from above",    VoltsPage, 0, Field(Settings.VoltsDisplayMax), 350, 1, Down, 100},
    {"volts low alarm",         VoltsPage, 7, Field(Settings.VoltsLowAlarm), 5, 10, Down, 300},
    {"current alarm past top",  CurrentPage, 2, Field(Settings.CurrentHighAlarm), 95, 10, Up, -100},
    {"current alarm at bottom", CurrentPage, 2, Field(Settings.CurrentHighAlarm), -100, 1, Down, 100},
    {"gain past the top",       CurrentPage, 8, Field(Settings.CurrentGain), 995, 10, Up, 1},
    {"gain past the bottom",    CurrentPage, 8, Field(Settings.CurrentGain), 5, 10, Down, 1000},
    {"gain from above",         CurrentPage, 8, Field(Settings.CurrentGain), 2000, 100, Down, 1},
    {"OAT level in Celsius",    OatPage, 3, Field(Settings.OatHighAlarm), 145, 10, Up, -50},
    {"Fahrenheit level in C",   OatPage, 4, Field(Settings.OatHighCaution), 250, 1, Down, -50},

    // Adds 1 while below the top, subtracts 1 while above the bottom; the
    // edit step plays no part.
    {"volts cal at the top",    VoltsPage, 8, Field(Calibration.VoltsCalPercent), 150, 1, Up, 150},
    {"volts cal below the top", VoltsPage, 8, Field(Calibration.VoltsCalPercent), 149, 1, Up, 150},
    {"volts cal at the bottom", VoltsPage, 8, Field(Calibration.VoltsCalPercent), 50, 1, Down, 50},
    {"volts cal above, up",     VoltsPage, 8, Field(Calibration.VoltsCalPercent), 200, 1, Up, 200},
    {"volts cal above, down",   VoltsPage, 8, Field(Calibration.VoltsCalPercent), 200, 1, Down, 199},
    {"volts cal below, down",   VoltsPage, 8, Field(Calibration.VoltsCalPercent), 10, 1, Down, 10},
    {"volts cal by one only",   VoltsPage, 8, Field(Calibration.VoltsCalPercent), 100, 10, Up, 101},
    {"OAT cal at the top",      OatPage, 8, Field(Calibration.OatCalOffset), 20, 1, Up, 20},
    {"OAT cal at the bottom",   OatPage, 8, Field(Calibration.OatCalOffset), -20, 1, Down, -20},
    {"OAT cal above, down",     OatPage, 8, Field(Calibration.OatCalOffset), 30, 1, Down, 29},

    // Past the end the value moves towards: the other end exactly. A value
    // outside the range moving inwards just steps.
    {"G alarm past the top",    GForcePage, 1, Field(Settings.GPosAlarm), 298, 10, Up, 5},
    {"G alarm to the top",      GForcePage, 1, Field(Settings.GPosAlarm), 290, 10, Up, 300},
    {"G alarm past the bottom", GForcePage, 1, Field(Settings.GPosAlarm), 14, 10, Down, 300},
    {"G alarm from below, up",  GForcePage, 1, Field(Settings.GPosAlarm), 0, 1, Up, 1},
    {"G alarm from above",      GForcePage, 1, Field(Settings.GPosAlarm), 400, 1, Down, 399},
    {"neg G, clockwise lowers", GForcePage, 3, Field(Settings.GNegAlarm), -50, 10, Up, -60},
    {"neg G past -300",         GForcePage, 3, Field(Settings.GNegAlarm), -295, 10, Up, -1},
    {"neg G past -1",           GForcePage, 3, Field(Settings.GNegAlarm), -5, 10, Down, -300},
    {"neg G from above",        GForcePage, 3, Field(Settings.GNegAlarm), 10, 1, Up, 9},
    {"neg cycle past -300",     GForcePage, 5, Field(Settings.GNegCycle), -300, 100, Up, -1},
    {"threshold past the top",  AutoBacklight, 1, Field(Settings.BacklightThreshold), 3950, 100, Up, 100},
    {"threshold past bottom",   AutoBacklight, 1, Field(Settings.BacklightThreshold), 150, 100, Down, 4000},
    {"threshold by thousands",  AutoBacklight, 1, Field(Settings.BacklightThreshold), 3500, 1000, Up, 100},
    {"threshold from above",    AutoBacklight, 1, Field(Settings.BacklightThreshold), 5000, 100, Down, 4900},
    {"threshold from below",    AutoBacklight, 1, Field(Settings.BacklightThreshold), 50, 100, Up, 150},
    {"threshold, odd step",     AutoBacklight, 1, Field(Settings.BacklightThreshold), 300, 1, Up, 301},
    {"year past 2100",          UtcEditor, 0, Field(TimeEditFields.Year), 2100, 1, Up, 2018},
    {"year past 2018",          UtcEditor, 0, Field(TimeEditFields.Year), 2018, 1, Down, 2100},
    {"year from before 2018",   UtcEditor, 0, Field(TimeEditFields.Year), 1990, 1, Up, 1991},
    {"year by the step",        UtcEditor, 0, Field(TimeEditFields.Year), 2095, 10, Up, 2018},
    {"month from 12",           UtcEditor, 1, Field(TimeEditFields.Month), 12, 1, Up, 1},
    {"month from 1",            UtcEditor, 1, Field(TimeEditFields.Month), 1, 1, Down, 12},
    {"month from 0",            UtcEditor, 1, Field(TimeEditFields.Month), 0, 1, Down, 12},
    {"month from 20, down",     UtcEditor, 1, Field(TimeEditFields.Month), 20, 1, Down, 19},
    {"month by one only",       UtcEditor, 1, Field(TimeEditFields.Month), 5, 10, Up, 6},
    {"day from 31",             UtcEditor, 2, Field(TimeEditFields.Day), 31, 1, Up, 1},
    {"day from 1",              UtcEditor, 2, Field(TimeEditFields.Day), 1, 1, Down, 31},
    {"hour from 23",            UtcEditor, 3, Field(TimeEditFields.Hour), 23, 1, Up, 0},
    {"hour from 0",             UtcEditor, 3, Field(TimeEditFields.Hour), 0, 1, Down, 23},
    {"hour from 30",            UtcEditor, 3, Field(TimeEditFields.Hour), 30, 1, Up, 0},
    {"minute past 59",          UtcEditor, 4, Field(TimeEditFields.Minute), 55, 10, Up, 0},
    {"minute from 70, down",    UtcEditor, 4, Field(TimeEditFields.Minute), 70, 1, Down, 69},
    {"second past 0",           UtcEditor, 5, Field(TimeEditFields.Second), 0, 1, Down, 59},

    // Turns round from its ends: 0 when it is 127 or more, 127 when it is 0.
    {"trim from 127",           TimePage, 6, Field(RtcTrim), 127, 1, Up, 0},
    {"trim from 0",             TimePage, 6, Field(RtcTrim), 0, 1, Down, 127},
    {"trim inside",             TimePage, 6, Field(RtcTrim), 5, 1, Up, 6},
    {"trim from 200, up",       TimePage, 6, Field(RtcTrim), 200, 1, Up, 0},
    {"trim from 200, down",     TimePage, 6, Field(RtcTrim), 200, 1, Down, 199},
    {"trim from -5, down",      TimePage, 6, Field(RtcTrim), -5, 1, Down, -6},

    // Steps only while the result stays within the range, else stays.
    {"offset to the top",       TimePage, 1, Field(Settings.UtcOffset), 750, 1, Up, 780},
    {"offset at the top",       TimePage, 1, Field(Settings.UtcOffset), 780, 1, Up, 780},
    {"offset off its steps",    TimePage, 1, Field(Settings.UtcOffset), 765, 1, Up, 765},
    {"offset off steps, down",  TimePage, 1, Field(Settings.UtcOffset), -765, 1, Down, -765},
    {"offset from 0, down",     TimePage, 1, Field(Settings.UtcOffset), 0, 1, Down, -30},
    {"offset from above, down", TimePage, 1, Field(Settings.UtcOffset), 900, 1, Down, 870},
    {"offset from above, up",   TimePage, 1, Field(Settings.UtcOffset), 900, 1, Up, 900},
    {"offset from below, up",   TimePage, 1, Field(Settings.UtcOffset), -900, 1, Up, -870},

    // The top when it is the top or more, else adds 10; the bottom when it is
    // the bottom or less, else subtracts 10.
    {"dim at the top",          AutoBacklight, 2, Field(Settings.BacklightDim), 100, 100, Up, 100},
    {"dim from 95",             AutoBacklight, 2, Field(Settings.BacklightDim), 95, 100, Up, 105},
    {"dim from 200",            AutoBacklight, 2, Field(Settings.BacklightDim), 200, 100, Up, 100},
    {"dim from 200, down",      AutoBacklight, 2, Field(Settings.BacklightDim), 200, 100, Down, 190},
    {"dim from 15, down",       AutoBacklight, 2, Field(Settings.BacklightDim), 15, 100, Down, 5},
    {"dim from 5, down",        AutoBacklight, 2, Field(Settings.BacklightDim), 5, 100, Down, 10},
    {"dim by ten only",         AutoBacklight, 2, Field(Settings.BacklightDim), 50, 1000, Up, 60},
    {"bright at the bottom",    AutoBacklight, 3, Field(Settings.BacklightBright), 10, 100, Down, 10},
    {"bright at the top",       AutoBacklight, 3, Field(Settings.BacklightBright), 100, 100, Up, 100},
    {"level at the top",        ManualBacklight, 0, Field(Settings.BacklightLevel), 100, 1, Up, 100},
    {"level from 95",           ManualBacklight, 0, Field(Settings.BacklightLevel), 95, 1, Up, 105},
    {"level from 5, down",      ManualBacklight, 0, Field(Settings.BacklightLevel), 5, 1, Down, 10},
    {"level from 150, down",    ManualBacklight, 0, Field(Settings.BacklightLevel), 150, 1, Down, 140},
};
// clang-format on

TEST(StepRules, EveryNumberStepsByItsOwnRule) {
  for (const TStepCase& c : Cases) {
    ASSERT_TRUE(Reach(c.Place, c.Item)) << c.What;
    WriteField(c.Value, c.Start);
    MenuState.StepMultiplier = c.Step;
    Press(c.Key);
    EXPECT_EQ(ReadField(c.Value), c.Expected) << c.What;
  }
  RtcTrim = 0;
}

}  // namespace
