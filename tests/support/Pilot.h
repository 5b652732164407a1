// The pilot's steps through the menus and the checks of what the screen shows
// on the title bar, the five menu rows, the scroll thumb and the soft keys,
// shared by the page and menu tests and the menu scenes. Free of GoogleTest so
// that the screen renderer can use it too.
#pragma once
#include <cstring>

#include "core/Core.h"
#include "graphics/Graphics.h"
#include "menus/Menus.h"
#include "pages/Pages.h"
#include "support/Instrument.h"

namespace test {

// The entries of the main menu.
enum TMainEntry : uint8_t {
  FlightTimerEntry,
  GForceEntry,
  TimeEntry,
  VoltsEntry,
  CurrentEntry,
  OatEntry,
  SlipEntry,
  MiscEntry,
  AdcEntry,
};

// Power on with the inputs at ordinary readings (13.7 V, 0 A, 20 degrees,
// so no alarm waits for the first key), then a knob press on the home page
// opens the main menu.
inline void OpenMainMenu() {
  PowerOnAt();
  SetInputs(1450, 2048, 2426);
  Pass();
  Press(KeyKnobPress);
  Pass();
}

// From the main menu on FLIGHT TIMER: turn to an entry and open it.
inline void OpenMainEntry(int entry) {
  OpenMainMenu();
  PressTimes(KeyKnobPlus, entry);
  Press(KeyKnobPress);
  Pass();
}

// From the main menu: MISC SETUP, then one of its four rows.
inline void OpenMiscEntry(int row) {
  OpenMainEntry(MiscEntry);
  PressTimes(KeyKnobPlus, row);
  Press(KeyKnobPress);
  Pass();
}

// On an open setup list: turns to an item, starts editing it and sets the
// right key's step (1, 10 or 100). True when the item is being edited with
// that step.
inline bool EditItem(int item, int step = 1) {
  PressTimes(KeyKnobPlus, item);
  Press(KeyKnobPress);
  for (int s = 1; s < step; s *= 10) Press(KeyRight);
  return MenuState.EditMode == 1 && MenuState.StepMultiplier == step;
}

// The SET UTC TIME editor opened from TIME SETUP, with `field` under edit
// (0 year .. 5 second).
inline void OpenUtcEditor(int field = 0) {
  OpenMainEntry(TimeEntry);
  Press(KeyKnobPress);
  PressTimes(KeyKnobPress, field);
  Pass();
}

// Turns each code digit to its value (downwards for 6..9), pressing the knob
// after each but the last when `complete` is false.
inline void EnterCode(int code, bool complete = true) {
  const int digits[4] = {code / 1000, code / 100 % 10, code / 10 % 10, code % 10};
  for (int i = 0; i < 4; ++i) {
    if (digits[i] <= 5)
      PressTimes(KeyKnobPlus, digits[i]);
    else
      PressTimes(KeyKnobMinus, 10 - digits[i]);
    if (i < 3 || complete) Press(KeyKnobPress);
  }
  Pass();
}

// Security setup with security switched on and CHANGE CODE selected.
inline void OpenChangeCodeRow() {
  OpenMiscEntry(1);
  Press(KeyKnobPress);
  Press(KeyKnobPlus);
  Press(KeyKnobPress);
  Press(KeyKnobPlus);
  Pass();
}

// The backlight page switched to AUTO, out of editing, on item `item`.
inline void OpenAutoBacklight(int item = 0) {
  OpenMiscEntry(0);
  Press(KeyKnobPress);
  Press(KeyKnobPlus);
  Press(KeyKnobPress);
  PressTimes(KeyKnobPlus, item);
  Pass();
}

inline void WriteLogSlot(int slot, uint32_t start, uint32_t tenths) {
  TFlightLogRecord record{0, start, tenths, 0, 0};
  std::memcpy(NonVolatileStore + FlightLogBase + 16 * slot, &record, sizeof record);
}

// The top row of menu row `row`.
constexpr int16_t RowY(int row) { return static_cast<int16_t>(26 + 15 * row); }

// Where a text drawn at x in a size ends, without touching the screen.
inline int16_t TextEnd(int16_t x, const char* text, uint8_t size = 8) {
  static uint8_t saved[FrameBufferSize];
  std::memcpy(saved, FrameBuffer, sizeof saved);
  const int16_t start = TextStartX, end = TextEndX;
  const int16_t result = DrawString(x, 0, text, size, AlignLeft, 0);
  std::memcpy(FrameBuffer, saved, sizeof saved);
  TextStartX = start;
  TextEndX = end;
  return result;
}

// The title and the subtitle of the title bar.
inline bool TitleShows(const char* title) {
  return ShowsText(158, 0, title, 8, AlignRight, ColourRed);
}
inline bool SubtitleShows(const char* subtitle) {
  return ShowsText(158, 11, subtitle, 8, AlignRight, ColourRed);
}

// A plain row on menu row `row` in a colour.
inline bool RowShows(int row, const char* text, uint8_t colour) {
  return ShowsText(0, RowY(row), text, 8, AlignLeft, colour);
}

// A value row: the label and the value behind it, each in its colour.
inline bool ItemShows(int row, const char* label, const char* value, uint8_t labelColour,
                      uint8_t valueColour) {
  return ShowsText(0, RowY(row), label, 8, AlignLeft, labelColour) &&
         ShowsText(TextEnd(0, label), RowY(row), value, 8, AlignLeft, valueColour);
}

// A value row in white, neither selected nor edited.
inline bool ItemShows(int row, const char* label, const char* value) {
  return ItemShows(row, label, value, ColourWhite, ColourWhite);
}

// Nothing at all drawn on a menu row.
inline bool RowEmpty(int row) {
  return CountColour(0, RowY(row), 150, RowY(row) + 13, ColourBlack) == 151 * 14;
}

// The labels of the left and right soft-key cells.
inline bool LeftCellShows(const char* text) {
  return ShowsText(26, 104, text, 8, AlignCentre, ColourWhite);
}
inline bool RightCellShows(const char* text) {
  return ShowsText(134, 104, text, 8, AlignCentre, ColourWhite);
}
inline bool RightCellEmpty() { return CountColour(108, 104, 159, 119, ColourBlack) == 52 * 16; }

// The scroll thumb's first and last rows in column 153 (-1 when none).
inline int ThumbTop() {
  for (int y = 30; y <= 98; ++y)
    if (PixelAt(153, y) == ColourWhite) return y;
  return -1;
}
inline int ThumbBottom() {
  for (int y = 98; y >= 30; --y)
    if (PixelAt(153, y) == ColourWhite) return y;
  return -1;
}

// The main menu showing an entry's first line (CURRENT's sits at x 103).
inline bool MainMenuShows(const char* line1, int16_t x = 105) {
  return PageHandler == MainMenuPage && ShowsText(x, 46, line1, 10, AlignCentre, ColourWhite);
}

}  // namespace test
