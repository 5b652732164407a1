// Current setup: the display switch, the alarm and caution levels in whole
// amperes, the zeroing entry and the sensor gain; and the zeroing question.
#include <cstdio>

#include "core/Sensors.h"
#include "core/Settings.h"
#include "graphics/Graphics.h"
#include "menus/Menus.h"

namespace {

constexpr uint8_t CurrentItemCount = 9;
constexpr uint8_t CurrentEntry = 4;
constexpr uint8_t ZeroItem = 7;
constexpr int LevelBottom = -100;
constexpr int LevelTop = 100;
constexpr int GainBottom = 1;
constexpr int GainTop = 1000;

int16_t* FindLevel(uint8_t kind) {
  switch (kind) {
    case 5:
      return &Settings.CurrentHighAlarm;
    case 6:
      return &Settings.CurrentHighCaution;
    case 7:
      return &Settings.CurrentLowCaution;
    case 9:
      return &Settings.CurrentLowAlarm;
    default:
      return nullptr;
  }
}

uint8_t* FindSwitch(uint8_t kind) {
  switch (kind) {
    case 1:
      return &Settings.CurrentDisplay;
    case 4:
      return &Settings.CurrentHighAlarmOn;
    case 8:
      return &Settings.CurrentLowAlarmOn;
    default:
      return nullptr;
  }
}

void DrawCurrentLevel(uint8_t index, const char* label, int16_t amperes, uint8_t kind) {
  char text[8];
  std::snprintf(text, sizeof text, "%d", amperes);
  DrawMenuItem(ItemRow(index), label, text);
  EditCurrentItem(kind, index);
  DrawStepLabel(index);
}

void DrawCurrentSwitch(uint8_t index, const char* label, uint8_t value, uint8_t kind) {
  DrawMenuItem(ItemRow(index), label, SwitchText(value));
  EditCurrentItem(kind, index);
}

void DrawGain() {
  // Small currents show their tenths beside the gain.
  char text[20];
  if (Current > -10 && Current < 10)
    std::snprintf(text, sizeof text, "%d %.1fA", Settings.CurrentGain, CurrentTenths / 10.0);
  else
    std::snprintf(text, sizeof text, "%d %dA", Settings.CurrentGain, Current);
  DrawMenuItem(ItemRow(8), "GAIN: ", text);
  EditCurrentItem(11, 8);
  DrawStepLabel(8);
}

}  // namespace

void EditCurrentItem(uint8_t kind, uint8_t index) {
  if (kind == 10) {  // the zeroing row opens its question and edits nothing
    if (EditKeyFor(index) == KeyKnobPress) {
      PageHandler = ZeroCurrentPage;
      ResetMenuState(0);
    }
    return;
  }
  // The gain steps by 1, 10 and 100.
  if (kind == 11 && EditKeyFor(index) == KeyRight)
    MenuState.StepMultiplier = CycleStep(MenuState.StepMultiplier);
  int16_t* level = FindLevel(kind);
  const uint8_t key = ItemEditKnob(index, level != nullptr);
  if (key == KeyNone) return;
  const int delta = KnobDelta(key, MenuState.StepMultiplier);
  if (level) {
    *level = StepLevel(*level, delta, LevelBottom, LevelTop);
  } else if (uint8_t* value = FindSwitch(kind)) {
    *value = *value == 0 ? 1 : 0;
  } else if (kind == 11) {
    Settings.CurrentGain = StepLevel(Settings.CurrentGain, delta, GainBottom, GainTop);
  }
}

void CurrentSetupPage() {
  // Taken once so that the whole screen and the keys see one layout.
  const bool shown = Settings.CurrentDisplay == 1;
  const uint8_t count = shown ? CurrentItemCount : 1;
  UpdateScrollOffset();

  DrawTitleBar("CURRENT", "SETUP");
  DrawCurrentSwitch(0, "CURRENT DISP: ", Settings.CurrentDisplay, 1);
  if (shown) {
    DrawCurrentSwitch(1, "HIGH ALARM: ", Settings.CurrentHighAlarmOn, 4);
    DrawCurrentLevel(2, "HIGH ALARM: ", Settings.CurrentHighAlarm, 5);
    DrawCurrentLevel(3, "HIGH CAUTION: ", Settings.CurrentHighCaution, 6);
    DrawCurrentLevel(4, "LOW CAUTION: ", Settings.CurrentLowCaution, 7);
    DrawCurrentSwitch(5, "LOW ALARM: ", Settings.CurrentLowAlarmOn, 8);
    DrawCurrentLevel(6, "LOW ALARM: ", Settings.CurrentLowAlarm, 9);
    DrawMenuRow(ItemRow(ZeroItem), "ZERO SENSOR",
                MenuState.Selection == ZeroItem ? ColourRed : ColourWhite);
    EditCurrentItem(10, ZeroItem);
    DrawGain();
  }
  DrawListFooter(count);
  HandleListKeys(CurrentEntry, count);
}

void ZeroCurrentPage() {
  if (QuestionAnswered("ZERO", "CURRENT", "SENSOR?", CurrentSetupPage, ZeroItem))
    ZeroCurrentSensor();
}
