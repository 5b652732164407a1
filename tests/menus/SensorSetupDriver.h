// Reaching the G-force and sensor setup pages from the main menu and reading
// their rows, shared by the setup page tests.
#pragma once
#include "MenuPilot.h"

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

inline int16_t RowTop(int row) { return static_cast<int16_t>(menutest::RowY(row)); }

// A plain row's text in its colour.
inline bool ShowsRow(int row, const char* text, uint8_t colour) {
  return menutest::RowShows(row, text, colour);
}

// A value row: the label in its colour and the value right behind it.
inline bool ShowsItem(int row, const char* label, uint8_t labelColour, const char* value,
                      uint8_t valueColour) {
  return menutest::ItemShows(row, label, value, labelColour, valueColour);
}

// Nothing drawn on a menu row (all its pixels black).
inline bool RowBlank(int row) {
  return CountColour(0, RowTop(row), 150, RowTop(row) + 12, ColourBlack) == 151 * 13;
}

// The step label in the right soft-key cell.
inline bool ShowsStepLabel(const char* text) { return menutest::RightCellShows(text); }
inline bool RightCellBlank() { return menutest::RightCellEmpty(); }

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
