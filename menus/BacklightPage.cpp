// Backlight setup: a manual level, or automatic dim and bright levels that
// switch at a light-sensor threshold.
#include <cstdio>

#include "core/Sensors.h"
#include "core/Settings.h"
#include "graphics/Graphics.h"
#include "menus/MenuList.h"
#include "menus/Menus.h"

namespace {

// The threshold steps by the step shown and turns round past the end it
// moves towards; the percentages stop at their ends.
// clang-format off
const TMenuItem BacklightItems[] = {
 // Label           Shown as          Kind        Field                                 Range                    Rule           Step label
    {"BACKLIGHT: ", ShowManualAuto,   ItemSwitch, Field(Settings.BacklightMode)},
    {"THRESHOLD: ", ShowWhole,        ItemNumber, Field(Settings.BacklightThreshold),   BacklightThresholdRange, StepWrapAhead, StepsHundreds},
    {"DIM: ",       ShowWholePercent, ItemNumber, Field(Settings.BacklightDim),         BacklightDimRange,       StepStopAtEnd, StepsNone},
    {"BRIGHT: ",    ShowWholePercent, ItemNumber, Field(Settings.BacklightBright),      BacklightBrightRange,    StepStopAtEnd, StepsNone},
};
// clang-format on

// The MANUAL layout has its one row only; the AUTO rows end at BRIGHT.
// Moving to the threshold row always starts with the step 100.
// clang-format off
const TMenuList BacklightList = {.Page = BacklightPage, .Title = "BACKLIGHT", .Subtitle = "",
                                 .Items = BacklightItems, .Count = CountOf(BacklightItems), .Parent = MiscSetupPage,
                                 .HiddenFrom = 1, .ShownWhile = &Settings.BacklightMode, .Options = ListNoScrollBar, .BrowseStep = 100};
// clang-format on

void DrawManualLayout() {
  DrawTitleBar("BACKLIGHT", "");
  DrawString(80, 41, "USE THE ROTARY", 8, AlignCentre, ColourWhite);
  DrawString(80, 54, "CONTROL TO ADJUST", 8, AlignCentre, ColourWhite);
  DrawString(80, 67, "THE BACKLIGHT", 8, AlignCentre, ColourWhite);
  const int16_t right = 9 + 14 * Settings.BacklightLevel / 10;
  FillRect(10, 85, right, 97, ColourRed);
  DrawFrame(10, 85, 150, 97, ColourWhite);
}

}  // namespace

void BacklightPage() {
  const bool manual = Settings.BacklightMode == 0;
  const uint8_t count = ShownItems(BacklightList);
  PrepareMenuList(BacklightList, count);
  if (manual) {
    DrawManualLayout();
  } else {
    char subtitle[16];
    std::snprintf(subtitle, sizeof subtitle, "ADC: %d", LightSensorReading);
    DrawTitleBar("BACKLIGHT", subtitle);
  }
  DrawMenuListItems(BacklightList, count);
  DrawMenuListFooter(BacklightList, count);

  // In MANUAL mode turning the knob alone sets the level.
  const uint8_t key = KeySlot;
  if (manual && MenuState.EditMode == 0 && (key == KeyKnobPlus || key == KeyKnobMinus)) {
    const TRange& range = BacklightLevelRange;
    Settings.BacklightLevel = static_cast<uint8_t>(
        StepValue(StepStopAtEnd, Settings.BacklightLevel,
                  key == KeyKnobPlus ? range.Step : -range.Step, range.Bottom, range.Top));
  }
  HandleMenuListKey(BacklightList, count);
}
