// The digits, drawing and knob handling of the four-digit code pages.
#include "pages/CodeDigits.h"

#include <cstdio>

#include "graphics/Graphics.h"
#include "pages/TimerPages.h"

namespace {

constexpr uint8_t LastDigit = 3;

}  // namespace

void ClearCodeDigits() {
  for (uint8_t& digit : MenuState.CodeDigits) digit = 0;
  MenuState.Selection = 0;
}

uint16_t EnteredCode() {
  const uint8_t* d = MenuState.CodeDigits;
  return static_cast<uint16_t>(d[0] * 1000 + d[1] * 100 + d[2] * 10 + d[3]);
}

void DrawCodeDigits(const char* prompt1, const char* prompt2, uint8_t softKeys) {
  DrawTitleBar("SECURITY", "CODE");
  DrawString(80, 30, prompt1, 8, AlignCentre, ColourWhite);
  DrawString(80, 45, prompt2, 8, AlignCentre, ColourWhite);
  char text[4];
  for (uint8_t i = 0; i <= LastDigit; ++i) {
    std::snprintf(text, sizeof text, "%d", MenuState.CodeDigits[i] % 10);
    DrawString(static_cast<int16_t>(50 + 20 * i), 61, text, 20, AlignCentre,
               i == MenuState.Selection ? ColourRed : ColourWhite);
  }
  DrawSoftKeys(softKeys);
}

bool StepCodeDigits(uint8_t key) {
  const uint8_t index = MenuState.Selection < LastDigit ? MenuState.Selection : LastDigit;
  uint8_t& digit = MenuState.CodeDigits[index];
  switch (key) {
    case KeyKnobPlus:
    case KeyKnobMinus:
      StepField(digit, 9, key == KeyKnobPlus);
      return false;
    case KeyKnobPress:
      if (MenuState.Selection >= LastDigit) return true;
      ++MenuState.Selection;
      return false;
    default:
      return false;
  }
}
