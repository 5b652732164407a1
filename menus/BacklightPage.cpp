// Backlight setup: a manual level, or automatic dim and bright levels that
// switch at a light-sensor threshold.
#include <cstdio>

#include "core/Sensors.h"
#include "core/Settings.h"
#include "graphics/Graphics.h"
#include "menus/MenuList.h"
#include "menus/Menus.h"

namespace {

constexpr uint8_t ThresholdItem = 1;

// clang-format off
const TMenuItem BacklightItems[] = {
 // Label           Shown as          Kind        Field                                 Range       Step label     Knob
    {"BACKLIGHT: ", ShowManualAuto,   ItemSwitch, Field(Settings.BacklightMode)},
    {"THRESHOLD: ", ShowWhole,        ItemWrap,   Field(Settings.BacklightThreshold),   100, 4000,  StepsHundreds, 1},
    {"DIM: ",       ShowWholePercent, ItemStop,   Field(Settings.BacklightDim),         10, 100,    StepsNone,     10},
    {"BRIGHT: ",    ShowWholePercent, ItemStop,   Field(Settings.BacklightBright),      10, 100,    StepsNone,     10},
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
  // The threshold only steps by 100 or 1000, the two steps its label names.
  if (MenuState.Selection == ThresholdItem && MenuState.StepMultiplier != 100 &&
      MenuState.StepMultiplier != 1000)
    MenuState.StepMultiplier = 100;

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
  if (manual && MenuState.EditMode == 0 && (key == KeyKnobPlus || key == KeyKnobMinus))
    Settings.BacklightLevel = static_cast<uint8_t>(
        StepStop(Settings.BacklightLevel, key == KeyKnobPlus ? 10 : -10, 10, 100));
  HandleMenuListKey(BacklightList, count);
}
