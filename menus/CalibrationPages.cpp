// Accelerometer calibration: the warning, the menu of steps and the step page
// that measures the unit at rest in seven attitudes.
#include <cstdio>

#include "core/Sensors.h"
#include "core/Settings.h"
#include "graphics/Graphics.h"
#include "menus/MenuList.h"
#include "menus/Menus.h"
#include "pages/SoftKeys.h"

namespace {

constexpr uint8_t AxisX = 0;
constexpr uint8_t AxisY = 1;
constexpr uint8_t AxisZ = 2;
constexpr uint8_t LastStep = 6;
constexpr uint8_t AllSteps = 7;

// A press on the menu runs all steps from item 0, or the single step of the
// item below it.
void StartCalibration() {
  const uint8_t item = MenuState.Selection;
  CalTargetStep = item == 0 ? AllSteps : item - 1;
  ResetMenuState(item == 0 ? 0 : item - 1);
  PageHandler = CalStepPage;
}

// clang-format off
const TMenuItem CalAxisItems[] = {
    {.Label = "CAL ALL AXIS", .Press = StartCalibration},
    {.Label = "XY-AXIS 0G", .Press = StartCalibration},
    {.Label = "X-AXIS 1G/Z-AXIS 0G", .Press = StartCalibration},
    {.Label = "X-AXIS -1G", .Press = StartCalibration},
    {.Label = "Y-AXIS 1G", .Press = StartCalibration},
    {.Label = "Y-AXIS -1G", .Press = StartCalibration},
    {.Label = "Z-AXIS 1G", .Press = StartCalibration},
    {.Label = "Z-AXIS -1G", .Press = StartCalibration},
};
// clang-format on

// "BACK" returns to the setup entry that led here through the warning.
const TMenuList CalAxisList = {.Page = CalWarningPage,
                               .Title = "G-FORCE",
                               .Subtitle = "CAL AXIS",
                               .Items = CalAxisItems,
                               .Count = 8,
                               .Parent = GForceSetupPage};

const char* const StepSubtitles[LastStep + 1] = {
    "X/Y-AXIS 0G", "X 1G / Z 0G", "X-AXIS -1G", "Y-AXIS 1G",
    "Y-AXIS -1G",  "Z-AXIS 1G",   "Z-AXIS -1G",
};

bool NearZero(int16_t count) { return count > -20 && count < 20; }

// The axis a scale step measures, and on which side of its zero.
struct TScaleStep {
  uint8_t Axis;
  bool Positive;
};
const TScaleStep ScaleSteps[LastStep] = {
    {AxisX, true}, {AxisX, false}, {AxisY, true}, {AxisY, false}, {AxisZ, true}, {AxisZ, false},
};

// The count's distance from the stored zero lies on the side the step
// measures; only then is its reciprocal a usable scale (never 1 / 0).
bool ScaleUsable(uint8_t step) {
  const TScaleStep& scale = ScaleSteps[step - 1];
  const int difference = AxisCount[scale.Axis] - Calibration.Axis[scale.Axis].AxisZero;
  return scale.Positive ? difference > 0 : difference < 0;
}

bool AttitudeReached(uint8_t step) {
  const int16_t x = AxisCount[AxisX], y = AxisCount[AxisY], z = AxisCount[AxisZ];
  switch (step) {
    case 0:
      return NearZero(x) && NearZero(y) && z < -240;
    case 1:
      return x > 240 && NearZero(y) && NearZero(z);
    case 2:
      return x < -240 && NearZero(y) && NearZero(z);
    case 3:
      return y > 240 && NearZero(x) && NearZero(z);
    case 4:
      return y < -240 && NearZero(x) && NearZero(z);
    case 5:
      return z > 230 && NearZero(x) && NearZero(y);
    case 6:
      return z < -230 && NearZero(x) && NearZero(y);
    default:
      return false;
  }
}

void StoreStep(uint8_t step) {
  if (step == 0) {
    Calibration.Axis[AxisX].AxisZero = AxisCount[AxisX];
    Calibration.Axis[AxisY].AxisZero = AxisCount[AxisY];
    return;
  }
  const TScaleStep& scale = ScaleSteps[step - 1];
  TAxisCalibration& axis = Calibration.Axis[scale.Axis];
  const float value = static_cast<float>(1.0 / (AxisCount[scale.Axis] - axis.AxisZero));
  if (scale.Positive)
    axis.AxisPosScale = value;
  else
    axis.AxisNegScale = value;
  // The X up attitude also has Z level: its zero is taken here.
  if (step == 1) Calibration.Axis[AxisZ].AxisZero = AxisCount[AxisZ];
}

void AcceptStep(uint8_t step) {
  StoreStep(step);
  if (step < LastStep) {
    if (CalTargetStep == step) {
      StoreCalibration(0);
      PageHandler = CalAxisPage;
      ResetMenuState(step + 1);
    } else {
      MenuState.Selection = step + 1;
    }
    return;
  }
  ResetMenuState(CalTargetStep == LastStep ? 7 : 0);
  StoreCalibration(0);
  PageHandler = CalAxisPage;
}

void DrawReadings() {
  char text[40];
  std::snprintf(text, sizeof text, "X:%d   Y:%d   Z:%d", AxisCount[AxisX], AxisCount[AxisY],
                AxisCount[AxisZ]);
  DrawString(0, 75, text, 8, AlignLeft, ColourWhite);
  std::snprintf(text, sizeof text, "X:%.1fG Y:%.1fG Z:%.1fG", AxisG[AxisX], AxisG[AxisY],
                AxisG[AxisZ]);
  DrawString(0, 90, text, 8, AlignLeft, ColourWhite);
}

}  // namespace

bool CalStepReady(uint8_t step) {
  if (!AttitudeReached(step)) return false;
  return step == 0 || ScaleUsable(step);
}

void CalWarningPage() {
  DrawTitleBar("WARNING", "");
  DrawString(80, 38, "PROCEEDING CAN", 8, AlignCentre, ColourWhite);
  DrawString(80, 58, "CAUSE THE UNIT", 8, AlignCentre, ColourWhite);
  DrawString(80, 78, "TO MALFUNCTION", 8, AlignCentre, ColourWhite);
  DrawSoftKeys(SoftKeysBack);

  const uint8_t key = TakeKey();
  if (key == KeyLeft)
    ReturnToParent(GForceSetupPage, CalWarningPage);
  else if (key != KeyNone)
    PageHandler = CalAxisPage;
}

void CalAxisPage() { RunMenuList(CalAxisList); }

void CalStepPage() {
  if (MenuState.Selection > LastStep) MenuState.Selection = 0;
  const uint8_t step = MenuState.Selection;
  const bool ready = CalStepReady(step);

  DrawTitleBar("CAL AXIS", StepSubtitles[step]);
  DrawString(110, 35, "CALIBRATE", 9, AlignCentre, ColourRed);
  DrawString(110, 50, StepSubtitles[step], 9, AlignCentre, ColourRed);
  DrawImage(5, 27, ready ? IconTick : IconCross);
  DrawReadings();
  DrawHLine(0, 159, 102, ColourWhite);
  DrawVLine(102, 119, 53, ColourWhite);
  DrawVLine(102, 119, 106, ColourWhite);
  DrawString(26, 104, "BACK", 8, AlignCentre, ColourWhite);
  DrawString(80, 104, "DONE", 8, AlignCentre, ColourWhite);

  const uint8_t key = TakeKey();
  if (key == KeyLeft) {
    PageHandler = CalAxisPage;
    ResetMenuState(CalTargetStep == AllSteps ? 0 : CalTargetStep + 1);
  } else if (key == KeyKnobPress && ready) {
    AcceptStep(step);
  }
}
