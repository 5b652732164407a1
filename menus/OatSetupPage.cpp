// OAT setup: display and unit switches, the alarm and caution levels in
// whole degrees of the selected unit, and the calibration offset in Celsius.
#include <cstdio>

#include "core/Sensors.h"
#include "core/Settings.h"
#include "graphics/Graphics.h"
#include "menus/Menus.h"

namespace {

constexpr uint8_t OatItemCount = 9;
constexpr uint8_t OatEntry = 5;
constexpr int8_t CalOffsetLimit = 20;

// The levels are plain numbers of the unit selected when the key is pressed.
int LevelBottom() { return Settings.OatUnit == 1 ? -58 : -50; }
int LevelTop() { return Settings.OatUnit == 1 ? 302 : 150; }

int16_t* FindLevel(uint8_t kind) {
  switch (kind) {
    case 4:
      return &Settings.OatHighAlarm;
    case 5:
      return &Settings.OatHighCaution;
    case 6:
      return &Settings.OatLowCaution;
    case 8:
      return &Settings.OatLowAlarm;
    default:
      return nullptr;
  }
}

uint8_t* FindSwitch(uint8_t kind) {
  switch (kind) {
    case 1:
      return &Settings.OatDisplay;
    case 2:
      return &Settings.OatUnit;
    case 3:
      return &Settings.OatHighAlarmOn;
    case 7:
      return &Settings.OatLowAlarmOn;
    default:
      return nullptr;
  }
}

void StepCalOffset(uint8_t key) {
  int8_t& offset = Calibration.OatCalOffset;
  if (key == KeyKnobPlus && offset < CalOffsetLimit) ++offset;
  if (key == KeyKnobMinus && offset > -CalOffsetLimit) --offset;
}

void DrawOatLevel(uint8_t index, const char* label, int16_t degrees, uint8_t kind) {
  char text[8];
  std::snprintf(text, sizeof text, "%d", degrees);
  DrawMenuItem(ItemRow(index), label, text);
  EditOatItem(kind, index);
  DrawStepLabel(index);
}

void DrawOatSwitch(uint8_t index, const char* label, const char* value, uint8_t kind) {
  DrawMenuItem(ItemRow(index), label, value);
  EditOatItem(kind, index);
}

}  // namespace

void EditOatItem(uint8_t kind, uint8_t index) {
  int16_t* level = FindLevel(kind);
  const uint8_t key = ItemEditKnob(index, level != nullptr);
  if (key == KeyNone) return;
  if (level) {
    *level = StepLevel(*level, KnobDelta(key, MenuState.StepMultiplier), LevelBottom(), LevelTop());
  } else if (uint8_t* value = FindSwitch(kind)) {
    *value = *value == 0 ? 1 : 0;
  } else if (kind == 9) {
    StepCalOffset(key);
  }
}

void OatSetupPage() {
  const bool shown = Settings.OatDisplay == 1;
  const uint8_t count = shown ? OatItemCount : 1;
  UpdateScrollOffset();

  DrawTitleBar("OAT", "SETUP");
  DrawOatSwitch(0, "OAT DISPLAY: ", SwitchText(Settings.OatDisplay), 1);
  if (shown) {
    // 0xB0 is the degree sign of the instrument's fonts.
    DrawOatSwitch(1, "TEMP UNIT: ",
                  Settings.OatUnit == 1 ? "\xB0"
                                          "F"
                                        : "\xB0"
                                          "C",
                  2);
    DrawOatSwitch(2, "HIGH ALARM: ", SwitchText(Settings.OatHighAlarmOn), 3);
    DrawOatLevel(3, "HIGH ALARM: ", Settings.OatHighAlarm, 4);
    DrawOatLevel(4, "HIGH CAUTION: ", Settings.OatHighCaution, 5);
    DrawOatLevel(5, "LOW CAUTION: ", Settings.OatLowCaution, 6);
    DrawOatSwitch(6, "LOW ALARM: ", SwitchText(Settings.OatLowAlarmOn), 7);
    DrawOatLevel(7, "LOW ALARM: ", Settings.OatLowAlarm, 8);
    // The calibration is always in Celsius, whatever the unit shown.
    char text[20];
    std::snprintf(text, sizeof text,
                  "%+d %d\xB0"
                  "C",
                  Calibration.OatCalOffset, OatCelsius);
    DrawMenuItem(ItemRow(8), "OAT CAL: ", text);
    EditOatItem(9, 8);
  }
  DrawListFooter(count);

  if (HandleListKeys(OatEntry, count) == KeyLeft) StoreCalibration(0);
}
