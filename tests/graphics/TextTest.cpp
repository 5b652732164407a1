// DrawString over the instrument's own fonts: placement, alignment, the
// size fallback, transparency and clipping.
#include <vector>

#include "ScreenCheck.h"

namespace test {
namespace {

using TextTest = ScreenTest;

std::vector<uint8_t> Snapshot() { return {FrameBuffer, FrameBuffer + FrameBufferSize}; }

// The text tests read real glyphs: a build that lost the generated tables
// (leaving the placeholders of the space only) fails here and in them.
TEST(Fonts, TheGeneratedTablesAreBuiltIn) {
  EXPECT_TRUE(RealFontsPresent()) << "the font tables hold only placeholders";
}

TEST_F(TextTest, UnknownSizesSelectTheSize8Font) {
  for (uint8_t size : {0, 1, 7, 8, 11, 13, 15, 32, 35, 255}) EXPECT_EQ(SelectFont(size), Font8);
  EXPECT_EQ(SelectFont(9), Font9);
  EXPECT_EQ(SelectFont(10), Font10);
  EXPECT_EQ(SelectFont(12), Font12);
  EXPECT_EQ(SelectFont(16), Font16);
  EXPECT_EQ(SelectFont(20), Font20);
  EXPECT_EQ(SelectFont(24), Font24);
  EXPECT_EQ(SelectFont(30), Font30);
  EXPECT_EQ(SelectFont(34), Font34);
}

TEST_F(TextTest, EmptyStringMarksXForEveryAlignment) {
  for (uint8_t alignment : {AlignCentre, AlignLeft, AlignRight, uint8_t{7}}) {
    TextStartX = TextEndX = -99;
    EXPECT_EQ(DrawString(57, 30, "", 8, alignment, 15), 57);
    EXPECT_EQ(TextStartX, 57);
    EXPECT_EQ(TextEndX, 57);
  }
  EXPECT_EQ(Ink().Count, 0);
}

TEST_F(TextTest, TwelveLeftAlignedOccupiesItsColumns) {
  EXPECT_EQ(DrawString(10, 0, "12", 8, AlignLeft, 15), 27);
  EXPECT_EQ(TextStartX, 10);
  EXPECT_EQ(TextEndX, 27);
  const TInk one = InkIn(10, 0, 16, 15), two = InkIn(18, 0, 25, 15);
  EXPECT_GT(one.Count, 0);
  EXPECT_GT(two.Count, 0);
  EXPECT_EQ(InkIn(17, 0, 17, 119).Count, 0);  // the gap behind "1"
  EXPECT_EQ(Ink().Count, one.Count + two.Count);
  // The digits' ink stays on cell rows 3..12.
  EXPECT_EQ(Ink().Top, 3);
  EXPECT_EQ(Ink().Bottom, 12);
}

TEST_F(TextTest, TwelveRightAlignedAndCentred) {
  EXPECT_EQ(DrawString(158, 0, "12", 8, AlignRight, 15), 158);
  EXPECT_EQ(TextStartX, 141);
  EXPECT_EQ(InkIn(141, 0, 157, 15).Count, Ink().Count);
  EXPECT_EQ(DrawString(80, 20, "12", 8, AlignCentre, 15), 89);
  EXPECT_EQ(TextStartX, 72);
  // The same pixels as drawn from the left at the start x.
  const auto centred = Snapshot();
  ClearFrameBuffer();
  DrawString(141, 0, "12", 8, AlignLeft, 15);
  DrawString(72, 20, "12", 8, AlignLeft, 15);
  EXPECT_EQ(Snapshot(), centred);
}

TEST_F(TextTest, UnknownSizesDrawLikeSize8) {
  DrawString(5, 40, "ALT 12:34", 8, AlignLeft, 15);
  const auto size8 = Snapshot();
  for (uint8_t size : {0, 11}) {
    ClearFrameBuffer();
    EXPECT_EQ(DrawString(5, 40, "ALT 12:34", size, AlignLeft, 15), TextEndX);
    EXPECT_EQ(Snapshot(), size8) << int{size};
  }
}

TEST_F(TextTest, ClearBitsKeepTheBackground) {
  DrawString(20, 50, "VOLTS 8", 10, AlignLeft, 15);
  const int ink = CountColour(0, 0, 159, 119, 15);
  ASSERT_GT(ink, 0);
  ClearFrameBuffer();
  FillRect(0, 40, 159, 80, 11);
  DrawString(20, 50, "VOLTS 8", 10, AlignLeft, 15);
  EXPECT_EQ(CountColour(0, 40, 159, 80, 15), ink);
  EXPECT_EQ(CountColour(0, 40, 159, 80, 11), 160 * 41 - ink);
}

TEST_F(TextTest, ClipsAtTheLeftAndRightEdgesWithoutWrapping) {
  DrawString(20, 30, "88", 16, AlignLeft, 15);
  const auto whole = Snapshot();
  ClearFrameBuffer();
  EXPECT_EQ(DrawString(-6, 30, "88", 16, AlignLeft, 15), -6 + 34);
  for (int y = 0; y < ScreenHeight; ++y)
    for (int x = 0; x < ScreenWidth; ++x)
      ASSERT_EQ(PixelAt(x, y), x + 26 < ScreenWidth ? whole[y * 160 + x + 26] : 0) << x << "," << y;
  ClearFrameBuffer();
  DrawString(150, 30, "88", 16, AlignLeft, 15);
  for (int y = 0; y < ScreenHeight; ++y)
    for (int x = 0; x < ScreenWidth; ++x)
      ASSERT_EQ(PixelAt(x, y), x >= 130 ? whole[y * 160 + x - 130] : 0) << x << "," << y;
}

TEST_F(TextTest, ClipsAboveAndBelowTheDisplay) {
  DrawString(20, 30, "88", 16, AlignLeft, 15);
  const auto whole = Snapshot();
  ClearFrameBuffer();
  DrawString(20, -10, "88", 16, AlignLeft, 15);
  for (int y = 0; y < ScreenHeight; ++y)
    for (int x = 0; x < ScreenWidth; ++x)
      ASSERT_EQ(PixelAt(x, y), y + 40 < ScreenHeight ? whole[(y + 40) * 160 + x] : 0);
  ClearFrameBuffer();
  DrawString(20, 100, "88", 16, AlignLeft, 15);
  EXPECT_EQ(InkIn(0, 0, 159, 99).Count, 0);
  EXPECT_GT(InkIn(0, 100, 159, 119).Count, 0);
}

TEST_F(TextTest, CharactersOutsideASizeAreSkipped) {
  // Sizes 20 and up carry only space to "9".
  const int16_t end = DrawString(10, 10, "12", 20, AlignLeft, 15);
  const auto plain = Snapshot();
  ClearFrameBuffer();
  EXPECT_EQ(DrawString(10, 10, "1A2z", 20, AlignLeft, 15), end);
  EXPECT_EQ(Snapshot(), plain);
}

TEST_F(TextTest, DegreeSignIsLookedUpAsAnUnsignedByte) {
  EXPECT_EQ(DrawString(0, 0, "\xB0", 8, AlignLeft, 15), 6);
  EXPECT_GT(Ink().Count, 0);
  EXPECT_EQ(DrawString(0, 20, "\xB0", 10, AlignLeft, 15), 9);
}

}  // namespace
}  // namespace test
