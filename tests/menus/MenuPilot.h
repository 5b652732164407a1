// Shared steps for the menu tests: reach a page as the pilot does and read
// the menu rows off the screen.
#pragma once
#include <gtest/gtest.h>

#include <cstring>

#include "MenuScenes.h"
#include "core/Core.h"
#include "graphics/Graphics.h"
#include "menus/Menus.h"
#include "pages/HomePage.h"
#include "support/Instrument.h"

namespace menutest {

using test::Pass;
using test::Press;
using test::PressTimes;
using test::ShowsText;

constexpr int RowY(int row) { return 26 + 15 * row; }

// Where a text drawn at x in size 8 ends, without touching the screen.
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

// A plain row on screen row `row` in a colour.
inline bool RowShows(int row, const char* text, uint8_t colour) {
  return test::ShowsText(0, RowY(row), text, 8, AlignLeft, colour);
}

// A value row: the label and the value behind it, each in its colour.
inline bool ItemShows(int row, const char* label, const char* value, uint8_t labelColour,
                      uint8_t valueColour) {
  return test::ShowsText(0, RowY(row), label, 8, AlignLeft, labelColour) &&
         test::ShowsText(TextEnd(0, label), RowY(row), value, 8, AlignLeft, valueColour);
}

// A value row in white, neither selected nor edited.
inline bool ItemShows(int row, const char* label, const char* value) {
  return ItemShows(row, label, value, ColourWhite, ColourWhite);
}

// Nothing at all drawn on a menu row.
inline bool RowEmpty(int row) {
  return test::CountColour(0, RowY(row), 150, RowY(row) + 13, ColourBlack) == 151 * 14;
}

// The right soft-key cell's label.
inline bool RightCellShows(const char* text) {
  return test::ShowsText(134, 104, text, 8, AlignCentre, ColourWhite);
}

inline bool RightCellEmpty() {
  return test::CountColour(108, 104, 159, 119, ColourBlack) == 52 * 16;
}

}  // namespace menutest
