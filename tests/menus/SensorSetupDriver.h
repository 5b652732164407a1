// Reaching the G-force and sensor setup pages from the main menu and reading
// their rows, shared by the setup page tests.
#pragma once
#include <cstring>

#include "menus/Menus.h"
#include "support/Instrument.h"

namespace test {

// Main-menu entries of the setup pages.
constexpr uint8_t GForceEntry = 1;
constexpr uint8_t VoltsEntry = 3;
constexpr uint8_t CurrentEntry = 4;
constexpr uint8_t OatEntry = 5;
constexpr uint8_t SlipEntry = 6;

// Power on, open the main menu, turn to the entry and press the knob; one
// more pass draws the opened page.
inline void OpenSetupPage(uint8_t entry) {
  PowerOnAt();
  PageHandler = MainMenuPage;
  ResetMenuState(0);
  Pass();
  PressTimes(KeyKnobPlus, entry);
  Press(KeyKnobPress);
  Pass();
}

inline int16_t RowTop(int row) { return static_cast<int16_t>(26 + 15 * row); }

// A plain row's text in its colour.
inline bool ShowsRow(int row, const char* text, uint8_t colour) {
  return ShowsText(0, RowTop(row), text, 8, AlignLeft, colour);
}

// A value row: the label in its colour and the value right behind it.
inline bool ShowsItem(int row, const char* label, uint8_t labelColour, const char* value,
                      uint8_t valueColour) {
  static uint8_t saved[FrameBufferSize];
  std::memcpy(saved, FrameBuffer, sizeof saved);
  const int16_t startX = TextStartX, endX = TextEndX;
  const int16_t valueX = DrawString(0, RowTop(row), label, 8, AlignLeft, 0);
  std::memcpy(FrameBuffer, saved, sizeof saved);
  TextStartX = startX;
  TextEndX = endX;
  return ShowsText(0, RowTop(row), label, 8, AlignLeft, labelColour) &&
         ShowsText(valueX, RowTop(row), value, 8, AlignLeft, valueColour);
}

// Nothing drawn on a menu row (all its pixels black).
inline bool RowBlank(int row) {
  return CountColour(0, RowTop(row), 150, RowTop(row) + 12, ColourBlack) == 151 * 13;
}

// The step label in the right soft-key cell.
inline bool ShowsStepLabel(const char* text) {
  return ShowsText(134, 104, text, 8, AlignCentre, ColourWhite);
}
inline bool RightCellBlank() { return CountColour(108, 104, 159, 119, ColourBlack) == 52 * 16; }

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

// The main menu showing an entry's first line.
inline bool MainMenuShows(const char* line1, int16_t x = 105) {
  return PageHandler == MainMenuPage && ShowsText(x, 46, line1, 10, AlignCentre, ColourWhite);
}

}  // namespace test
