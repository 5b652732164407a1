// The UTC date and time editor. It edits a scratch copy only: the clock
// always follows the host computer, so leaving the editor changes nothing.
#include <cstdio>

#include "graphics/Graphics.h"
#include "menus/Menus.h"

TTimeEditFields TimeEditFields;

namespace {

constexpr uint8_t FieldCount = 6;
constexpr int YearFirst = 2018;
constexpr int YearLast = 2100;

uint8_t FieldColour(uint8_t field) {
  return MenuState.Selection == field ? ColourRed : ColourWhite;
}

void DrawField(uint8_t field, int16_t x, int16_t y, const char* format, unsigned value) {
  char text[8];
  std::snprintf(text, sizeof text, format, value);
  DrawString(x, y, text, 16, AlignCentre, FieldColour(field));
}

// Steps a field counted from first to last by step, wrapping to the far end.
uint8_t WrapStep(int value, int step, int first, int last) {
  value += step;
  if (value > last) return static_cast<uint8_t>(first);
  if (value < first) return static_cast<uint8_t>(last);
  return static_cast<uint8_t>(value);
}

void EditField(uint8_t field, bool up) {
  TTimeEditFields& f = TimeEditFields;
  const int step = up ? MenuState.StepMultiplier : -MenuState.StepMultiplier;
  switch (field) {
    case 0: {
      const int year = f.Year + step;
      f.Year = static_cast<uint16_t>(year > YearLast    ? YearFirst
                                     : year < YearFirst ? YearLast
                                                        : year);
      break;
    }
    case 1:
      f.Month = up ? (f.Month >= 12 ? 1 : f.Month + 1) : (f.Month <= 1 ? 12 : f.Month - 1);
      break;
    case 2:
      f.Day = up ? (f.Day >= 31 ? 1 : f.Day + 1) : (f.Day <= 1 ? 31 : f.Day - 1);
      break;
    case 3:
      f.Hour = up ? (f.Hour >= 23 ? 0 : f.Hour + 1) : (f.Hour == 0 ? 23 : f.Hour - 1);
      break;
    case 4:
      f.Minute = WrapStep(f.Minute, step, 0, 59);
      break;
    default:
      f.Second = WrapStep(f.Second, step, 0, 59);
      break;
  }
}

}  // namespace

void SetUtcTimePage() {
  if (MenuState.Selection >= FieldCount) MenuState.Selection = 0;
  const TTimeEditFields& f = TimeEditFields;

  DrawTitleBar("SET UTC", "TIME");
  DrawField(0, 34, 35, "%04u", f.Year);
  DrawString(73, 35, "/", 16, AlignCentre, ColourWhite);
  DrawField(1, 97, 35, "%02u", f.Month);
  DrawString(120, 35, "/", 16, AlignCentre, ColourWhite);
  DrawField(2, 144, 35, "%02u", f.Day);
  DrawField(3, 36, 65, "%02u", f.Hour);
  DrawString(57, 65, ":", 16, AlignCentre, ColourWhite);
  DrawField(4, 80, 65, "%02u", f.Minute);
  DrawString(101, 65, ":", 16, AlignCentre, ColourWhite);
  DrawField(5, 124, 65, "%02u", f.Second);
  DrawSoftKeys(2);

  const uint8_t key = TakeKey();
  if (key == KeyKnobPress) {
    if (MenuState.Selection < FieldCount - 1) {
      ++MenuState.Selection;
    } else {
      PageHandler = TimeSetupPage;
      ResetMenuState(0);
    }
  } else if (key == KeyLeft) {
    PageHandler = TimeSetupPage;
    ResetMenuState(0);
  } else if (key == KeyKnobPlus || key == KeyKnobMinus) {
    EditField(MenuState.Selection, key == KeyKnobPlus);
  }
}
