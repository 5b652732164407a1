// Stepping levels and edit steps on the setup pages.
#include "core/RunState.h"
#include "graphics/Furniture.h"
#include "menus/GForceSetup.h"

int16_t StepLevel(int value, int delta, int bottom, int top) {
  // Worked in int so that no 16-bit field wraps before the range test.
  const int result = value + delta;
  if (result > top) return static_cast<int16_t>(bottom);
  if (result < bottom) return static_cast<int16_t>(top);
  return static_cast<int16_t>(result);
}

uint16_t CycleStep(uint16_t step) {
  if (step == 1) return 10;
  if (step == 10) return 100;
  return 1;
}

uint16_t ToggleStep(uint16_t step) { return step == 1 ? 10 : 1; }

int KnobDelta(uint8_t key, uint16_t step) {
  if (key == KeyKnobPlus) return step;
  if (key == KeyKnobMinus) return -static_cast<int>(step);
  return 0;
}

uint8_t EditKeyFor(uint8_t index) { return index == MenuState.Selection ? KeySlot : KeyNone; }

uint8_t ItemEditKnob(uint8_t index, bool level) {
  const uint8_t key = EditKeyFor(index);
  if (key == KeyRight && level) MenuState.StepMultiplier = ToggleStep(MenuState.StepMultiplier);
  if (key == KeyKnobPress) MenuState.EditMode = !MenuState.EditMode;
  const bool knob = key == KeyKnobPlus || key == KeyKnobMinus;
  return MenuState.EditMode == 1 && knob ? key : KeyNone;
}
