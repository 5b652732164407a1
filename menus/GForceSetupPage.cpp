// G-force setup: the alarm and cycle thresholds with their switches, and the
// calibration entry offered while the "Calibrate" box is ticked.
#include <cstdio>

#include "core/Settings.h"
#include "graphics/Graphics.h"
#include "menus/Menus.h"

namespace {

constexpr uint8_t CalibrationItem = 6;
constexpr int PositiveBottom = 5;
constexpr int PositiveTop = 300;
constexpr int NegativeBottom = -300;
constexpr int NegativeTop = -1;

// Clockwise raises a positive threshold and moves a negative one away from
// zero, that is lowers it.
void StepPositive(int16_t& level, int delta) {
  level = StepLevel(level, delta, PositiveBottom, PositiveTop);
}
void StepNegative(int16_t& level, int delta) {
  level = StepLevel(level, -delta, NegativeBottom, NegativeTop);
}

bool HasStepLabel(uint8_t kind) { return kind == 4 || kind == 5 || kind == 6 || kind == 8; }

void DrawThreshold(uint8_t index, const char* label, int16_t tenths) {
  char text[12];
  std::snprintf(text, sizeof text, "%.1f", tenths / 10.0);
  const int8_t row = static_cast<int8_t>(index - MenuState.ScrollOffset);
  DrawMenuItem(row, label, text);
}

void DrawSwitch(uint8_t index, const char* label, uint8_t value) {
  const int8_t row = static_cast<int8_t>(index - MenuState.ScrollOffset);
  DrawMenuItem(row, label, SwitchText(value));
}

}  // namespace

uint8_t CalTargetStep;

void EditGForceItem(uint8_t kind, uint8_t index) {
  const uint8_t key = EditKeyFor(index);
  if (key == KeyNone) return;
  if (key == KeyRight) {
    if (HasStepLabel(kind)) MenuState.StepMultiplier = CycleStep(MenuState.StepMultiplier);
    return;
  }
  if (key == KeyKnobPress) {
    if (kind == 9) {
      PageHandler = CalWarningPage;
      ResetMenuState(0);
    } else {
      MenuState.EditMode = !MenuState.EditMode;
    }
    return;
  }
  if (MenuState.EditMode != 1) return;
  const int delta = KnobDelta(key, MenuState.StepMultiplier);
  if (delta == 0) return;
  switch (kind) {
    case 3:
      Settings.GPosAlarmOn = Settings.GPosAlarmOn == 0 ? 1 : 0;
      break;
    case 7:
      Settings.GNegAlarmOn = Settings.GNegAlarmOn == 0 ? 1 : 0;
      break;
    case 4:
      StepPositive(Settings.GPosAlarm, delta);
      break;
    case 5:
      StepPositive(Settings.GPosCycle, delta);
      break;
    case 6:
      StepNegative(Settings.GNegCycle, delta);
      break;
    case 8:
      StepNegative(Settings.GNegAlarm, delta);
      break;
    default:
      break;
  }
}

void GForceSetupPage() {
  // The box is sampled every pass: unticking it hides the calibration item
  // at once, even while it is selected.
  const bool calibration = CalibrateSwitch == 1;
  const uint8_t count = calibration ? 7 : 6;
  UpdateScrollOffset();

  DrawTitleBar("G-FORCE", "SETUP");
  DrawSwitch(0, "POS ALARM: ", Settings.GPosAlarmOn);
  EditGForceItem(3, 0);
  DrawThreshold(1, "POS ALARM: ", Settings.GPosAlarm);
  EditGForceItem(4, 1);
  DrawDecimalStepLabel(1);
  DrawSwitch(2, "NEG ALARM: ", Settings.GNegAlarmOn);
  EditGForceItem(7, 2);
  DrawThreshold(3, "NEG ALARM: ", Settings.GNegAlarm);
  EditGForceItem(8, 3);
  DrawDecimalStepLabel(3);
  DrawThreshold(4, "POS CYCLE: ", Settings.GPosCycle);
  EditGForceItem(5, 4);
  DrawDecimalStepLabel(4);
  DrawThreshold(5, "NEG CYCLE: ", Settings.GNegCycle);
  EditGForceItem(6, 5);
  DrawDecimalStepLabel(5);
  if (calibration) {
    const int8_t row = static_cast<int8_t>(CalibrationItem - MenuState.ScrollOffset);
    DrawMenuRow(row, "CAL G-FORCE",
                MenuState.Selection == CalibrationItem ? ColourRed : ColourWhite);
    EditGForceItem(9, CalibrationItem);
  }
  // A selection left on the hidden calibration item puts the thumb on the
  // last item rather than below the track.
  const uint8_t shown = MenuState.Selection < count ? MenuState.Selection : count - 1;
  DrawScrollIndicator(shown, count);
  DrawSoftKeys(2);

  const uint8_t key = TakeKey();
  if (key == KeyLeft) {
    PageHandler = MainMenuPage;
    ResetMenuState(1);
  } else if ((key == KeyKnobPlus || key == KeyKnobMinus) && MenuState.EditMode == 0) {
    MoveSelection(key, count);
    MenuState.StepMultiplier = 1;
  }
}
