// Volts setup: the scale, the alarm and caution levels and the calibration
// percentage, in tenths of a volt.
#include <cstdio>

#include "core/Sensors.h"
#include "core/Settings.h"
#include "graphics/Graphics.h"
#include "menus/Menus.h"

namespace {

constexpr uint8_t VoltsItemCount = 9;
constexpr uint8_t VoltsEntry = 3;
constexpr uint8_t CalPercentMin = 50;
constexpr uint8_t CalPercentMax = 150;

struct TVoltsLevel {
  uint8_t Kind;
  uint16_t* Field;
  int Bottom;
  int Top;
};

const TVoltsLevel VoltsLevels[] = {
    {2, &Settings.VoltsDisplayMax, 100, 300}, {3, &Settings.VoltsDisplayMin, 0, 300},
    {5, &Settings.VoltsHighAlarm, 100, 300},  {6, &Settings.VoltsHighCaution, 100, 300},
    {7, &Settings.VoltsLowCaution, 0, 300},   {9, &Settings.VoltsLowAlarm, 0, 300},
};

const TVoltsLevel* FindLevel(uint8_t kind) {
  for (const TVoltsLevel& level : VoltsLevels)
    if (level.Kind == kind) return &level;
  return nullptr;
}

uint8_t* FindSwitch(uint8_t kind) {
  if (kind == 4) return &Settings.VoltsHighAlarmOn;
  if (kind == 8) return &Settings.VoltsLowAlarmOn;
  return nullptr;
}

void StepCalPercent(uint8_t key) {
  uint8_t& percent = Calibration.VoltsCalPercent;
  if (key == KeyKnobPlus && percent < CalPercentMax) ++percent;
  if (key == KeyKnobMinus && percent > CalPercentMin) --percent;
}

void DrawVoltsLevel(uint8_t index, const char* label, uint16_t tenths, uint8_t kind) {
  char text[12];
  std::snprintf(text, sizeof text, "%.1f", tenths / 10.0);
  DrawMenuItem(ItemRow(index), label, text);
  EditVoltsItem(kind, index);
  DrawDecimalStepLabel(index);
}

void DrawVoltsSwitch(uint8_t index, const char* label, uint8_t value, uint8_t kind) {
  DrawMenuItem(ItemRow(index), label, SwitchText(value));
  EditVoltsItem(kind, index);
}

}  // namespace

void EditVoltsItem(uint8_t kind, uint8_t index) {
  const TVoltsLevel* level = FindLevel(kind);
  const uint8_t key = ItemEditKnob(index, level != nullptr);
  if (key == KeyNone) return;
  if (level) {
    const int delta = KnobDelta(key, MenuState.StepMultiplier);
    *level->Field =
        static_cast<uint16_t>(StepLevel(*level->Field, delta, level->Bottom, level->Top));
  } else if (uint8_t* value = FindSwitch(kind)) {
    *value = *value == 0 ? 1 : 0;
  } else if (kind == 10) {
    StepCalPercent(key);
  }
}

void VoltsSetupPage() {
  UpdateScrollOffset();
  DrawTitleBar("VOLTS", "SETUP");
  DrawVoltsLevel(0, "DISPLAY MAX: ", Settings.VoltsDisplayMax, 2);
  DrawVoltsLevel(1, "DISPLAY MIN: ", Settings.VoltsDisplayMin, 3);
  DrawVoltsSwitch(2, "HIGH ALARM: ", Settings.VoltsHighAlarmOn, 4);
  DrawVoltsLevel(3, "HIGH ALARM: ", Settings.VoltsHighAlarm, 5);
  DrawVoltsLevel(4, "HIGH CAUTION: ", Settings.VoltsHighCaution, 6);
  DrawVoltsLevel(5, "LOW CAUTION: ", Settings.VoltsLowCaution, 7);
  DrawVoltsSwitch(6, "LOW ALARM: ", Settings.VoltsLowAlarmOn, 8);
  DrawVoltsLevel(7, "LOW ALARM: ", Settings.VoltsLowAlarm, 9);
  // The calibration shows the live voltage it gives beside the percentage.
  char text[20];
  std::snprintf(text, sizeof text, "%d%% %.1fV", Calibration.VoltsCalPercent, Volts / 10.0);
  DrawMenuItem(ItemRow(8), "CAL: ", text);
  EditVoltsItem(10, 8);
  DrawListFooter(VoltsItemCount);

  if (HandleListKeys(VoltsEntry, VoltsItemCount) == KeyLeft) StoreCalibration(0);
}
