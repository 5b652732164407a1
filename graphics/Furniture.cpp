// Title bar, soft-key bar, knob icon, menu rows, scroll indicator and step
// labels: the pieces every page is built from.
#include "graphics/Furniture.h"

#include "graphics/FrameBuffer.h"
#include "graphics/Text.h"

TMenuState MenuState;

void ResetFurniture() { MenuState = TMenuState{}; }

namespace {

constexpr int16_t TitleRuleRow = 25;
constexpr int16_t SoftKeyRuleRow = 102;
constexpr int16_t SoftKeyTextRow = 104;
constexpr int16_t LeftCellX = 26;
constexpr int16_t RightCellX = 134;
constexpr int16_t MenuTopRow = 26;
constexpr int16_t MenuRowPitch = 15;
constexpr int8_t MenuRows = 5;

// Screen rows 0..4 lie between the title bar and the soft keys.
bool IsMenuRow(int8_t row) { return row >= 0 && row < MenuRows; }

int16_t MenuRowTop(int8_t row) { return static_cast<int16_t>(MenuTopRow + MenuRowPitch * row); }

void DrawSoftKeyLines() {
  DrawHLine(0, ScreenWidth - 1, SoftKeyRuleRow, ColourWhite);
  DrawVLine(SoftKeyRuleRow, ScreenHeight - 1, 53, ColourWhite);
  DrawVLine(SoftKeyRuleRow, ScreenHeight - 1, 106, ColourWhite);
}

// The knob icon's two arrowheads: outlines as lines, fillings as single
// pixels (a one-pixel run) and vertical runs.
struct TKnobLine {
  int16_t X0, Y0, X1, Y1;
};
struct TKnobRun {
  int16_t Y0, Y1, X;
};
constexpr TKnobLine KnobOutlines[] = {{60, 109, 70, 114},  {60, 109, 62, 118}, {70, 114, 62, 118},
                                      {90, 114, 100, 109}, {90, 114, 98, 118}, {100, 109, 98, 118}};
constexpr TKnobRun KnobFillings[] = {
    {110, 110, 61}, {111, 111, 61}, {111, 117, 62}, {111, 116, 63}, {112, 116, 64}, {113, 115, 65},
    {113, 115, 66}, {113, 115, 67}, {114, 114, 68}, {114, 114, 92}, {114, 114, 93}, {113, 115, 94},
    {113, 115, 95}, {112, 116, 96}, {112, 116, 97}, {111, 115, 98}, {111, 111, 99}};

void DrawCellLabel(int16_t x, const char* text) {
  DrawString(x, SoftKeyTextRow, text, 8, AlignCentre, ColourWhite);
}

}  // namespace

void DrawTitleBar(const char* title, const char* subtitle) {
  DrawString(0, 0, "O", 12, AlignLeft, ColourRed);
  DrawString(15, 0, "rlyn", 12, AlignLeft, ColourWhite);
  DrawString(158, 0, title, 8, AlignRight, ColourRed);
  DrawString(158, 11, subtitle, 8, AlignRight, ColourRed);
  DrawHLine(0, ScreenWidth - 1, TitleRuleRow, ColourWhite);
}

void DrawSoftKeys(uint8_t kind) {
  DrawSoftKeyLines();
  switch (kind) {
    case 1:
      DrawCellLabel(LeftCellX, "EXIT");
      break;
    case 2:
      DrawCellLabel(LeftCellX, "BACK");
      break;
    case 3:
      DrawCellLabel(LeftCellX, "DONE");
      break;
    case 4:
      DrawCellLabel(LeftCellX, "BACK");
      DrawCellLabel(RightCellX, "DONE");
      break;
    default:
      break;
  }
  DrawKnobIcon();
}

void DrawNoYesKeys() {
  DrawSoftKeyLines();
  DrawCellLabel(LeftCellX, "NO");
  DrawCellLabel(RightCellX, "YES");
}

// An arc over the middle cell with a filled arrowhead at each end.
void DrawKnobIcon() {
  DrawArc(80, 124, 20, 220, 320, ColourWhite);
  for (const TKnobLine& l : KnobOutlines) DrawLine(l.X0, l.Y0, l.X1, l.Y1, ColourWhite);
  for (const TKnobRun& r : KnobFillings) DrawVLine(r.Y0, r.Y1, r.X, ColourWhite);
}

// While browsing the selected row is all red; while its value is edited only
// the value stays red.
void DrawMenuItem(int8_t row, const char* label, const char* value) {
  if (!IsMenuRow(row)) return;
  const int16_t y = MenuRowTop(row);
  const bool selected = MenuState.ScrollOffset + row == MenuState.Selection;
  const uint8_t labelColour = selected && MenuState.EditMode == 0 ? ColourRed : ColourWhite;
  DrawString(0, y, label, 8, AlignLeft, labelColour);
  DrawString(TextEndX, y, value, 8, AlignLeft, selected ? ColourRed : ColourWhite);
}

void DrawMenuRow(int8_t row, const char* text, uint8_t colour) {
  if (!IsMenuRow(row)) return;
  DrawString(0, MenuRowTop(row), text, 8, AlignLeft, colour);
}

// Track in column 156 over rows 30..98; the thumb's height is 68 / count
// rows, so from 69 items on there is no thumb. An empty list (count 0) shows
// the track only, as does an index far beyond the list.
void DrawScrollIndicator(uint16_t index, uint16_t count) {
  DrawVLine(30, 98, 156, ColourWhite);
  if (count == 0) return;
  const uint32_t thumb = 680u / count;
  const uint32_t top = (thumb * index + 300) / 10;
  if (top >= static_cast<uint32_t>(ScreenHeight)) return;
  FillRect(153, static_cast<int16_t>(top), 159, static_cast<int16_t>(top + thumb / 10),
           ColourWhite);
}

void DrawStepLabel(uint8_t item) {
  if (item != MenuState.Selection) return;
  switch (MenuState.StepMultiplier) {
    case 1:
      DrawCellLabel(RightCellX, "X1");
      break;
    case 10:
      DrawCellLabel(RightCellX, "X10");
      break;
    case 100:
      DrawCellLabel(RightCellX, "X100");
      break;
    default:
      break;
  }
}

void DrawDecimalStepLabel(uint8_t item) {
  if (item != MenuState.Selection) return;
  switch (MenuState.StepMultiplier) {
    case 1:
      DrawCellLabel(RightCellX, "X0.1");
      break;
    case 10:
      DrawCellLabel(RightCellX, "X1.0");
      break;
    case 100:
      DrawCellLabel(RightCellX, "X10.0");
      break;
    default:
      break;
  }
}
