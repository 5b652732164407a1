// The title bar, soft-key bar, knob icon, menu rows, scroll indicator and
// step labels at their places, fonts and colours.
#include <vector>

#include "ScreenCheck.h"

namespace test {
namespace {

class FurnitureTest : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    MenuState = TMenuState{};
    MenuState.StepMultiplier = 1;
  }
};

// Pixels of one colour that a text drawn alone would set.
int TextInk(const char* text, uint8_t size) {
  ClearFrameBuffer();
  DrawString(0, 0, text, size, AlignLeft, 15);
  return Ink().Count;
}

void ExpectSoftKeyLines() {
  EXPECT_EQ(CountColour(0, 102, 159, 102, 15), 160);
  EXPECT_EQ(CountColour(53, 102, 53, 119, 15), 18);
  EXPECT_EQ(CountColour(106, 102, 106, 119, 15), 18);
}

TEST_F(FurnitureTest, TitleBarShowsBrandTitleSubtitleAndRule) {
  DrawTitleBar("MAIN MENU", "SETUP");
  EXPECT_TRUE(ShowsText(0, 0, "O", 12, AlignLeft, ColourRed));
  EXPECT_TRUE(ShowsText(15, 0, "rlyn", 12, AlignLeft, ColourWhite));
  EXPECT_TRUE(ShowsText(158, 0, "MAIN MENU", 8, AlignRight, ColourRed));
  EXPECT_TRUE(ShowsText(158, 11, "SETUP", 8, AlignRight, ColourRed));
  EXPECT_EQ(CountColour(0, 25, 159, 25, 15), 160);
  // Nothing below the rule, and the titles' gap keeps columns 158..159 dark.
  EXPECT_EQ(InkIn(0, 26, 159, 119).Count, 0);
  EXPECT_EQ(InkIn(158, 0, 159, 24).Count, 0);
}

TEST_F(FurnitureTest, TitleBarColoursCountTheTextsExactly) {
  const int brandInitial = TextInk("O", 12), title = TextInk("TIME", 8);
  const int red = brandInitial + title;
  const int white = TextInk("rlyn", 12) + 160;
  ClearFrameBuffer();
  DrawTitleBar("TIME", "");
  EXPECT_EQ(CountColour(0, 0, 159, 119, ColourRed), red);
  EXPECT_EQ(CountColour(0, 0, 159, 119, ColourWhite), white);
  EXPECT_EQ(Ink().Count, red + white);
}

TEST_F(FurnitureTest, SoftKeyKindsLabelTheirCells) {
  const struct {
    uint8_t Kind;
    const char* Left;
    const char* Right;
  } kinds[] = {
      {1, "EXIT", nullptr}, {2, "BACK", nullptr}, {3, "DONE", nullptr}, {4, "BACK", "DONE"}};
  for (const auto& k : kinds) {
    const int leftInk = TextInk(k.Left, 8);
    ClearFrameBuffer();
    DrawSoftKeys(k.Kind);
    ExpectSoftKeyLines();
    EXPECT_TRUE(ShowsText(26, 104, k.Left, 8, AlignCentre, ColourWhite)) << int{k.Kind};
    EXPECT_EQ(InkIn(0, 103, 52, 119).Count, leftInk);
    if (k.Right != nullptr)
      EXPECT_TRUE(ShowsText(134, 104, k.Right, 8, AlignCentre, ColourWhite));
    else
      EXPECT_EQ(InkIn(107, 103, 159, 119).Count, 0) << int{k.Kind};
    // The knob icon always fills the middle cell.
    EXPECT_EQ(PixelAt(80, 104), 15);
  }
}

TEST_F(FurnitureTest, OtherSoftKeyKindsDrawLinesAndKnobOnly) {
  DrawKnobIcon();
  const int knob = Ink().Count;
  for (uint8_t kind : {0, 5, 255}) {
    ClearFrameBuffer();
    DrawSoftKeys(kind);
    ExpectSoftKeyLines();
    EXPECT_EQ(InkIn(0, 103, 52, 119).Count, 0);
    EXPECT_EQ(InkIn(107, 103, 159, 119).Count, 0);
    EXPECT_EQ(InkIn(54, 103, 105, 119).Count, knob);
    EXPECT_EQ(InkIn(0, 0, 159, 101).Count, 0);
  }
}

TEST_F(FurnitureTest, KnobIconIsAnArcWithTwoFilledArrowheads) {
  DrawKnobIcon();
  const TInk ink = Ink();
  EXPECT_EQ(ink.Left, 60);
  EXPECT_EQ(ink.Right, 100);
  EXPECT_EQ(ink.Top, 104);
  EXPECT_EQ(ink.Bottom, 118);
  EXPECT_EQ(CountColour(0, 0, 159, 119, 15), ink.Count);
  // Arc ends and top.
  EXPECT_EQ(PixelAt(65, 112), 15);
  EXPECT_EQ(PixelAt(80, 104), 15);
  EXPECT_EQ(PixelAt(95, 111), 15);
  // Arrowhead tips and their filled middles.
  for (auto [x, y] : {std::pair{60, 109},
                      {70, 114},
                      {62, 118},
                      {61, 110},
                      {61, 111},
                      {68, 114},
                      {100, 109},
                      {90, 114},
                      {98, 118},
                      {92, 114},
                      {93, 114},
                      {99, 111}})
    EXPECT_EQ(PixelAt(x, y), 15) << x << "," << y;
  EXPECT_EQ(CountColour(62, 111, 62, 117, 15), 7);
  EXPECT_EQ(CountColour(64, 112, 64, 116, 15), 5);
  EXPECT_EQ(CountColour(67, 113, 67, 115, 15), 3);
  EXPECT_EQ(CountColour(97, 112, 97, 116, 15), 5);
  EXPECT_EQ(CountColour(98, 111, 98, 115, 15), 5);
  // Between the heads under the arc stays dark.
  EXPECT_EQ(InkIn(72, 108, 88, 119).Count, 0);
}

TEST_F(FurnitureTest, NoYesKeysHaveNoKnob) {
  DrawNoYesKeys();
  ExpectSoftKeyLines();
  EXPECT_TRUE(ShowsText(26, 104, "NO", 8, AlignCentre, ColourWhite));
  EXPECT_TRUE(ShowsText(134, 104, "YES", 8, AlignCentre, ColourWhite));
  EXPECT_EQ(InkIn(54, 103, 105, 119).Count, 0);
}

TEST_F(FurnitureTest, MenuRowsOutsideTheFiveDrawNothing) {
  const int textInk = TextInk("TEXT", 8);
  ClearFrameBuffer();
  for (int8_t row : {-1, 5, -128, 127}) {
    DrawMenuItem(row, "LABEL ", "VALUE");
    DrawMenuRow(row, "TEXT", 15);
  }
  EXPECT_EQ(Ink().Count, 0);
  DrawMenuRow(0, "TEXT", ColourGrey);
  DrawMenuRow(4, "TEXT", ColourGrey);
  EXPECT_TRUE(ShowsText(0, 26, "TEXT", 8, AlignLeft, ColourGrey));
  EXPECT_TRUE(ShowsText(0, 86, "TEXT", 8, AlignLeft, ColourGrey));
  EXPECT_EQ(Ink().Count, 2 * textInk);
}

TEST_F(FurnitureTest, SelectedItemIsRedAndOnlyItsValueWhileEditing) {
  const int16_t labelEnd = DrawString(0, 0, "ALARM ", 8, AlignLeft, 0);
  // The item on screen row 2 is list index ScrollOffset + 2.
  MenuState.ScrollOffset = 3;
  MenuState.Selection = 5;
  DrawMenuItem(2, "ALARM ", "ON");
  EXPECT_TRUE(ShowsText(0, 56, "ALARM ", 8, AlignLeft, ColourRed));
  EXPECT_TRUE(ShowsText(labelEnd, 56, "ON", 8, AlignLeft, ColourRed));
  ClearFrameBuffer();
  MenuState.EditMode = 1;
  DrawMenuItem(2, "ALARM ", "ON");
  EXPECT_TRUE(ShowsText(0, 56, "ALARM ", 8, AlignLeft, ColourWhite));
  EXPECT_TRUE(ShowsText(labelEnd, 56, "ON", 8, AlignLeft, ColourRed));
  // Other rows are white, the value directly behind the label.
  ClearFrameBuffer();
  DrawMenuItem(1, "ALARM ", "ON");
  EXPECT_TRUE(ShowsText(0, 41, "ALARM ", 8, AlignLeft, ColourWhite));
  EXPECT_TRUE(ShowsText(labelEnd, 41, "ON", 8, AlignLeft, ColourWhite));
  EXPECT_EQ(CountColour(0, 0, 159, 119, ColourRed), 0);
}

using ScrollTest = FurnitureTest;

// Rows of the thumb in columns 153..159 (the track column 156 aside).
std::vector<int> ThumbRows() {
  std::vector<int> rows;
  for (int y = 0; y < ScreenHeight; ++y)
    if (CountColour(153, y, 155, y, 15) == 3 && CountColour(157, y, 159, y, 15) == 3)
      rows.push_back(y);
  return rows;
}

std::vector<int> Rows(int first, int last) {
  std::vector<int> rows;
  for (int y = first; y <= last; ++y) rows.push_back(y);
  return rows;
}

void ExpectTrack() {
  EXPECT_EQ(CountColour(156, 30, 156, 98, 15), 69);
  EXPECT_EQ(PixelAt(156, 29), 0);
  EXPECT_EQ(PixelAt(156, 99), 0);
}

TEST_F(ScrollTest, SingleItemThumbFillsTheTrack) {
  DrawScrollIndicator(0, 1);
  ExpectTrack();
  EXPECT_EQ(ThumbRows(), Rows(30, 98));
  EXPECT_EQ(Ink().Count, 7 * 69);
}

TEST_F(ScrollTest, EightItemsMoveTheThumbDown) {
  DrawScrollIndicator(0, 8);
  EXPECT_EQ(ThumbRows(), Rows(30, 38));
  ClearFrameBuffer();
  DrawScrollIndicator(7, 8);
  ExpectTrack();
  EXPECT_EQ(ThumbRows(), Rows(89, 97));
  EXPECT_EQ(Ink().Count, 69 + 6 * 9);
}

TEST_F(ScrollTest, SixtyEightItemsIsTheSmallestThumb) {
  DrawScrollIndicator(67, 68);
  EXPECT_EQ(ThumbRows(), Rows(97, 98));
}

TEST_F(ScrollTest, LongAndEmptyListsShowTheTrackOnly) {
  for (uint16_t count : {69, 200, 65535, 0}) {
    ClearFrameBuffer();
    DrawScrollIndicator(0, count);
    ExpectTrack();
    EXPECT_EQ(Ink().Count, 69) << count;
  }
  // An index far beyond the list never brings the thumb back on screen.
  for (uint16_t index : {100, 964, 65535}) {
    ClearFrameBuffer();
    DrawScrollIndicator(index, 1);
    EXPECT_EQ(Ink().Count, 69) << index;
  }
}

using StepLabelTest = FurnitureTest;

TEST_F(StepLabelTest, LabelsForEachStep) {
  MenuState.Selection = 2;
  const struct {
    uint16_t Step;
    const char* Whole;
    const char* Decimal;
  } steps[] = {{1, "X1", "X0.1"}, {10, "X10", "X1.0"}, {100, "X100", "X10.0"}};
  for (const auto& s : steps) {
    const int wholeInk = TextInk(s.Whole, 8), decimalInk = TextInk(s.Decimal, 8);
    MenuState.StepMultiplier = s.Step;
    ClearFrameBuffer();
    DrawStepLabel(2);
    EXPECT_TRUE(ShowsText(134, 104, s.Whole, 8, AlignCentre, ColourWhite)) << s.Step;
    EXPECT_EQ(Ink().Count, wholeInk);
    ClearFrameBuffer();
    DrawDecimalStepLabel(2);
    EXPECT_TRUE(ShowsText(134, 104, s.Decimal, 8, AlignCentre, ColourWhite)) << s.Step;
    EXPECT_EQ(Ink().Count, decimalInk);
  }
}

TEST_F(StepLabelTest, NothingForOtherStepsOrRows) {
  MenuState.Selection = 2;
  for (uint16_t step : {0, 5, 1000, 65535}) {
    MenuState.StepMultiplier = step;
    DrawStepLabel(2);
    DrawDecimalStepLabel(2);
  }
  MenuState.StepMultiplier = 10;
  DrawStepLabel(1);
  DrawDecimalStepLabel(3);
  EXPECT_EQ(Ink().Count, 0);
}

}  // namespace
}  // namespace test
