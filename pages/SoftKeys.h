// The kinds of soft-key bar DrawSoftKeys draws, by the label of each cell.
#pragma once
#include <cstdint>

enum TSoftKeys : uint8_t {
  SoftKeysNone = 0,      // the lines and the knob only
  SoftKeysExit = 1,      // "EXIT"
  SoftKeysBack = 2,      // "BACK"
  SoftKeysDone = 3,      // "DONE"
  SoftKeysBackDone = 4,  // "BACK" and "DONE"
};
