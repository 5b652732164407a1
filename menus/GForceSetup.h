// G-force thresholds and the seven-step accelerometer calibration.
#pragma once
#include <cstdint>

// The single calibration step being run (0..6), or 7 for all steps.
extern uint8_t CalTargetStep;

void GForceSetupPage();
void EditGForceItem(uint8_t kind, uint8_t index);
void CalWarningPage();
void CalAxisPage();
void CalStepPage();

// Whether the calibration step shown (0..6) sees the unit in its attitude.
bool CalStepReady(uint8_t step);

// Editing helpers shared by the G-force and sensor setup pages.
// A level moved by delta within bottom..top: a result beyond the top becomes
// the bottom and one beyond the bottom the top, exactly.
int16_t StepLevel(int value, int delta, int bottom, int top);
// The right button's step cycle 1 -> 10 -> 100 -> 1.
uint16_t CycleStep(uint16_t step);
// The right button's step toggle 1 <-> 10; any other step becomes 1.
uint16_t ToggleStep(uint16_t step);
// The signed step of a knob key while editing: +step clockwise, -step
// counter-clockwise, 0 for any other key.
int KnobDelta(uint8_t key, uint16_t step);
// The key an edit routine acts on: the pending key when index is the selected
// item, else 0. The key stays in the slot for the page to clear.
uint8_t EditKeyFor(uint8_t index);
// The keys of a selected sensor list item: the right button toggles the step
// of a level, the press starts or ends editing. Returns the knob key while the
// item is edited, else 0.
uint8_t ItemEditKnob(uint8_t index, bool level);
