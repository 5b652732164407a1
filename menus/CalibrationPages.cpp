// Accelerometer calibration: the warning, the menu of steps and the step page
// that measures the unit at rest in seven attitudes.
#include <cstdio>

#include "core/Sensors.h"
#include "core/Settings.h"
#include "graphics/Furniture.h"
#include "graphics/Graphics.h"
#include "menus/MenuList.h"
#include "menus/Menus.h"

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
// clang-format off
const TMenuList CalAxisList = {.Page = CalWarningPage, .Title = "G-FORCE", .Subtitle = "CAL AXIS",
                               .Items = CalAxisItems, .Count = CountOf(CalAxisItems), .Parent = GForceSetupPage};
// clang-format on

// The seven attitudes: the axis held at full scale, beyond Limit (a negative
// limit asks for a count below it), while the other two axes read near zero.
// Step 0 takes the zeros of X and Y; the others take the scale of their axis
// on the side of their limit.
struct TCalStep {
  const char* Subtitle;
  uint8_t Axis;
  int16_t Limit;
};
// clang-format off
const TCalStep CalSteps[LastStep + 1] = {
    {"X/Y-AXIS 0G", AxisZ, -240},
    {"X 1G / Z 0G", AxisX, 240},
    {"X-AXIS -1G",  AxisX, -240},
    {"Y-AXIS 1G",   AxisY, 240},
    {"Y-AXIS -1G",  AxisY, -240},
    {"Z-AXIS 1G",   AxisZ, 230},
    {"Z-AXIS -1G",  AxisZ, -230},
};
// clang-format on

bool NearZero(int16_t count) { return count > -20 && count < 20; }

bool AttitudeReached(uint8_t step) {
  const TCalStep& cal = CalSteps[step];
  for (uint8_t axis = AxisX; axis <= AxisZ; ++axis)
    if (axis != cal.Axis && !NearZero(AxisCount[axis])) return false;
  const int16_t count = AxisCount[cal.Axis];
  return cal.Limit > 0 ? count > cal.Limit : count < cal.Limit;
}

// The count's distance from the stored zero lies on the side the step
// measures; only then is its reciprocal a usable scale (never 1 / 0).
bool ScaleUsable(uint8_t step) {
  const TCalStep& cal = CalSteps[step];
  const int difference = AxisCount[cal.Axis] - Calibration.Axis[cal.Axis].AxisZero;
  return cal.Limit > 0 ? difference > 0 : difference < 0;
}

void StoreStep(uint8_t step) {
  if (step == 0) {
    Calibration.Axis[AxisX].AxisZero = AxisCount[AxisX];
    Calibration.Axis[AxisY].AxisZero = AxisCount[AxisY];
    return;
  }
  const TCalStep& cal = CalSteps[step];
  TAxisCalibration& axis = Calibration.Axis[cal.Axis];
  const float value = static_cast<float>(1.0 / (AxisCount[cal.Axis] - axis.AxisZero));
  if (cal.Limit > 0)
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
  if (step > LastStep || !AttitudeReached(step)) return false;
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

  DrawTitleBar("CAL AXIS", CalSteps[step].Subtitle);
  DrawString(110, 35, "CALIBRATE", 9, AlignCentre, ColourRed);
  DrawString(110, 50, CalSteps[step].Subtitle, 9, AlignCentre, ColourRed);
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
