// Screen furniture shared by every page: title bar, soft keys, menu rows,
// scroll indicator, step labels and the two message pages.
#pragma once
#include <cstdint>

#include "core/RunState.h"

// Menu state shared by the setup pages and the editing operating pages.
struct TMenuState {
  uint8_t Selection;        // highlighted row, field or digit
  uint8_t ScrollOffset;     // item shown on the first of the five menu rows
  uint8_t EditMode;         // 1 while the selected value is being changed
  uint16_t StepMultiplier;  // 1, 10, 100 or 1000
  uint8_t CodeDigits[4];    // code being entered, thousands first
  uint16_t PendingCode;     // new code during a change; then 1 changed, 0 error
  TPageHandler ReturnPage;  // page a message page resumes
};
extern TMenuState MenuState;

// Program start: the menu state all zero.
void ResetFurniture();

void DrawTitleBar(const char* title, const char* subtitle);
// The kinds of soft-key bar DrawSoftKeys draws, by the label of each cell.
enum TSoftKeys : uint8_t {
  SoftKeysNone = 0,      // the lines and the knob only
  SoftKeysExit = 1,      // "EXIT"
  SoftKeysBack = 2,      // "BACK"
  SoftKeysDone = 3,      // "DONE"
  SoftKeysBackDone = 4,  // "BACK" and "DONE"
};
void DrawSoftKeys(uint8_t kind);  // TSoftKeys
void DrawNoYesKeys();
void DrawKnobIcon();
void DrawMenuItem(int8_t row, const char* label, const char* value);
void DrawMenuRow(int8_t row, const char* text, uint8_t colour);
void DrawScrollIndicator(uint16_t index, uint16_t count);
void DrawStepLabel(uint8_t item);
void DrawDecimalStepLabel(uint8_t item);
void MessagePage();
void CodeMessagePage();
