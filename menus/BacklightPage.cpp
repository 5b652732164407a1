// Backlight setup: a manual level, or automatic dim and bright levels that
// switch at a light-sensor threshold.
#include <cstdio>

#include "core/Sensors.h"
#include "core/Settings.h"
#include "graphics/Graphics.h"
#include "menus/Menus.h"

namespace {

constexpr uint8_t AutoItemCount = 4;
constexpr uint8_t ThresholdItem = 1;
constexpr int ThresholdMin = 100;
constexpr int ThresholdMax = 4000;
constexpr uint8_t PercentMin = 10;
constexpr uint8_t PercentMax = 100;
constexpr uint8_t PercentStep = 10;

uint8_t PercentUp(uint8_t value) { return value >= PercentMax ? PercentMax : value + PercentStep; }
uint8_t PercentDown(uint8_t value) {
  return value <= PercentMin ? PercentMin : value - PercentStep;
}

void StepThreshold(bool up) {
  // Worked in int: a 16-bit sum or difference must not wrap before the test.
  const int step = MenuState.StepMultiplier;
  const int value = Settings.BacklightThreshold + (up ? step : -step);
  if (up)
    Settings.BacklightThreshold = value > ThresholdMax ? ThresholdMin : value;
  else
    Settings.BacklightThreshold = value < ThresholdMin ? ThresholdMax : value;
}

void DrawManualLayout() {
  DrawMenuItem(0, "BACKLIGHT: ", "MANUAL");
  DrawTitleBar("BACKLIGHT", "");
  DrawString(80, 41, "USE THE ROTARY", 8, AlignCentre, ColourWhite);
  DrawString(80, 54, "CONTROL TO ADJUST", 8, AlignCentre, ColourWhite);
  DrawString(80, 67, "THE BACKLIGHT", 8, AlignCentre, ColourWhite);
  const int16_t right = 9 + 14 * Settings.BacklightLevel / 10;
  FillRect(10, 85, right, 97, ColourRed);
  DrawFrame(10, 85, 150, 97, ColourWhite);
}

void DrawAutoLayout() {
  char text[16];
  DrawMenuItem(0, "BACKLIGHT: ", "AUTO");
  std::snprintf(text, sizeof text, "ADC: %d", LightSensorReading);
  DrawTitleBar("BACKLIGHT", text);
  std::snprintf(text, sizeof text, "%d", Settings.BacklightThreshold);
  DrawMenuItem(1, "THRESHOLD: ", text);
  if (MenuState.Selection == ThresholdItem)
    DrawString(134, 104, MenuState.StepMultiplier == 100 ? "X100" : "X1000", 8, AlignCentre,
               ColourWhite);
  std::snprintf(text, sizeof text, "%d%%", Settings.BacklightDim);
  DrawMenuItem(2, "DIM: ", text);
  std::snprintf(text, sizeof text, "%d%%", Settings.BacklightBright);
  DrawMenuItem(3, "BRIGHT: ", text);
}

void EditBacklightItem(bool up) {
  switch (MenuState.Selection) {
    case 0:
      Settings.BacklightMode = !Settings.BacklightMode;
      break;
    case ThresholdItem:
      StepThreshold(up);
      break;
    case 2:
      Settings.BacklightDim =
          up ? PercentUp(Settings.BacklightDim) : PercentDown(Settings.BacklightDim);
      break;
    default:
      Settings.BacklightBright =
          up ? PercentUp(Settings.BacklightBright) : PercentDown(Settings.BacklightBright);
      break;
  }
}

void BrowseBacklight(uint8_t key) {
  const bool up = key == KeyKnobPlus;
  if (Settings.BacklightMode == 0)
    Settings.BacklightLevel =
        up ? PercentUp(Settings.BacklightLevel) : PercentDown(Settings.BacklightLevel);
  else
    MoveSelection(key, AutoItemCount);
  MenuState.StepMultiplier = 100;
}

}  // namespace

void BacklightPage() {
  MenuState.ScrollOffset = 0;
  // The MANUAL layout has its one row only; the AUTO rows end at BRIGHT.
  const uint8_t count = Settings.BacklightMode ? AutoItemCount : 1;
  if (MenuState.Selection >= count) {
    MenuState.Selection = 0;
    MenuState.EditMode = 0;
  }
  // The threshold only steps by 100 or 1000, the two steps its label names.
  if (MenuState.Selection == ThresholdItem && MenuState.StepMultiplier != 100 &&
      MenuState.StepMultiplier != 1000)
    MenuState.StepMultiplier = 100;

  if (Settings.BacklightMode == 0)
    DrawManualLayout();
  else
    DrawAutoLayout();
  DrawSoftKeys(2);

  const uint8_t key = TakeKey();
  switch (key) {
    case KeyLeft:
      PageHandler = MiscSetupPage;
      ResetMenuState(0);
      break;
    case KeyRight:
      if (MenuState.Selection == ThresholdItem)
        MenuState.StepMultiplier = MenuState.StepMultiplier == 100 ? 1000 : 100;
      break;
    case KeyKnobPress:
      MenuState.EditMode = !MenuState.EditMode;
      break;
    case KeyKnobPlus:
    case KeyKnobMinus:
      if (MenuState.EditMode)
        EditBacklightItem(key == KeyKnobPlus);
      else
        BrowseBacklight(key);
      break;
    default:
      break;
  }
}
