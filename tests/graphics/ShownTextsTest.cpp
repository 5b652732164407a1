// The record of the texts a pass drew: what is noted, where, cut and
// dropped; cleared with the frame. Their pixels are the golden screens'.
#include <string>

#include "ScreenCheck.h"

namespace test {
namespace {

using ShownTextsTest = ScreenTest;

TEST_F(ShownTextsTest, NotesWhereEachTextWasDrawn) {
  const std::string longest(ShownTextLength - 1, 'W');
  const struct {
    int16_t X, Y;
    std::string Text;
    uint8_t Size, Alignment;
    bool Noted;
    uint8_t NotedSize = 0, Height = 0, Cut = 0;
    std::string Kept = "";
  } cases[] = {
      {10, 5, "12", 8, AlignLeft, true, 8, 16, 0, "12"},
      {158, 40, "12", 11, AlignRight, true, 8, 16, 0, "12"},         // an unknown size is 8
      {80, 50, "\260C", 10, AlignCentre, true, 10, 21, 0, "\260C"},  // the degree sign
      {10, 87, "-1", 16, AlignRight, true, 16, 33, 0, "-1"},         // half off the left edge
      {0, 0, "", 8, AlignLeft, false},
      {0, 0, "abc", 20, AlignLeft, false},  // no character size 20 holds
      {160, 0, "12", 8, AlignLeft, false},
      {0, 0, "12", 8, AlignRight, false},  // ends at the left edge
      {0, -16, "12", 8, AlignLeft, false},
      {0, 119, "12", 8, AlignLeft, true, 8, 16, 0, "12"},
      {0, 0, longest, 8, AlignLeft, true, 8, 16, 0, longest},
      {0, 0, longest + "X", 8, AlignLeft, true, 8, 16, 1, longest},
  };
  for (const auto& c : cases) {
    ClearFrameBuffer();
    DrawString(c.X, c.Y, c.Text.c_str(), c.Size, c.Alignment, ColourYellow);
    ASSERT_EQ(ShownTexts.Count, c.Noted ? 1 : 0) << c.Text;
    if (!c.Noted) continue;
    const TShownText& t = ShownTexts.Texts[0];
    EXPECT_EQ(t.X, TextStartX) << c.Text;
    EXPECT_EQ(t.Width, TextEndX - TextStartX) << c.Text;
    EXPECT_EQ(t.Y, c.Y) << c.Text;
    EXPECT_EQ(t.Size, c.NotedSize) << c.Text;
    EXPECT_EQ(t.Height, c.Height) << c.Text;
    EXPECT_EQ(t.Colour, ColourYellow) << c.Text;
    EXPECT_EQ(t.Cut, c.Cut) << c.Text;
    EXPECT_EQ(std::string(t.Text), c.Kept) << c.Text;
  }
}

TEST_F(ShownTextsTest, MoreTextsThanSlotsAreCountedAndTheFrameClearsThem) {
  ClearFrameBuffer();
  for (int i = 0; i < ShownTextSlots + 3; ++i)
    DrawString(0, 0, std::to_string(i).c_str(), 8, 1, 15);
  EXPECT_EQ(ShownTexts.Count, ShownTextSlots);
  EXPECT_EQ(ShownTexts.Dropped, 3);
  EXPECT_EQ(std::string(ShownTexts.Texts[ShownTextSlots - 1].Text),
            std::to_string(ShownTextSlots - 1));
  ClearFrameBuffer();
  EXPECT_EQ(ShownTexts.Count, 0);
  EXPECT_EQ(ShownTexts.Dropped, 0);
}

}  // namespace
}  // namespace test
