// The UTC date and time editor. It edits a scratch copy only: the clock
// always follows the host computer, so leaving the editor changes nothing.
#include <cstdio>

#include "graphics/Furniture.h"
#include "graphics/Graphics.h"
#include "menus/MenuList.h"
#include "menus/Menus.h"

TTimeEditFields TimeEditFields;

namespace {

// The six fields in the order they are edited. Each steps up to its last
// value and then turns round to its first: a result past the end it moves
// towards becomes the other end. The year, the minute and the second move by
// StepMultiplier, the others by one.
struct TTimeField {
  int16_t X;
  int16_t Y;
  const char* Format;
  TFieldRef Value;
  int16_t First;
  int16_t Last;
  uint8_t ByStep;  // 1: moves by StepMultiplier
};

// clang-format off
const TTimeField TimeFields[] = {
    {34,  35, "%04u", Field(TimeEditFields.Year),   2018, 2100, 1},
    {97,  35, "%02u", Field(TimeEditFields.Month),  1, 12,      0},
    {144, 35, "%02u", Field(TimeEditFields.Day),    1, 31,      0},
    {36,  65, "%02u", Field(TimeEditFields.Hour),   0, 23,      0},
    {80,  65, "%02u", Field(TimeEditFields.Minute), 0, 59,      1},
    {124, 65, "%02u", Field(TimeEditFields.Second), 0, 59,      1},
};
// clang-format on
constexpr uint8_t FieldCount = sizeof TimeFields / sizeof TimeFields[0];

void DrawField(uint8_t index) {
  const TTimeField& field = TimeFields[index];
  char text[8];
  std::snprintf(text, sizeof text, field.Format, static_cast<unsigned>(ReadField(field.Value)));
  DrawString(field.X, field.Y, text, 16, AlignCentre,
             MenuState.Selection == index ? ColourRed : ColourWhite);
}

}  // namespace

void SetUtcTimePage() {
  if (MenuState.Selection >= FieldCount) MenuState.Selection = 0;

  DrawTitleBar("SET UTC", "TIME");
  for (uint8_t index = 0; index < FieldCount; ++index) DrawField(index);
  DrawString(73, 35, "/", 16, AlignCentre, ColourWhite);
  DrawString(120, 35, "/", 16, AlignCentre, ColourWhite);
  DrawString(57, 65, ":", 16, AlignCentre, ColourWhite);
  DrawString(101, 65, ":", 16, AlignCentre, ColourWhite);
  DrawSoftKeys(SoftKeysBack);

  const uint8_t key = TakeKey();
  const TTimeField& field = TimeFields[MenuState.Selection];
  if (key == KeyKnobPress && MenuState.Selection < FieldCount - 1) {
    ++MenuState.Selection;
  } else if (key == KeyKnobPress || key == KeyLeft) {
    ReturnToParent(TimeSetupPage, SetUtcTimePage);
  } else if (key == KeyKnobPlus || key == KeyKnobMinus) {
    const int step = field.ByStep ? MenuState.StepMultiplier : 1;
    WriteField(field.Value, StepValue(StepWrapAhead, ReadField(field.Value),
                                      key == KeyKnobPlus ? step : -step, field.First, field.Last));
  }
}
