// The display's colour table.
#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "graphics/ColourTable.h"

namespace {

::testing::AssertionResult Is(uint8_t index, uint8_t r, uint8_t g, uint8_t b) {
  const TRgb c = ColourOf(index);
  if (c.R == r && c.G == g && c.B == b) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "entry " << int(index) << " is " << int(c.R) << "," << int(c.G) << "," << int(c.B);
}

TEST(ColourTableTest, BasicColours) {
  EXPECT_TRUE(Is(0, 0, 0, 0));
  EXPECT_TRUE(Is(1, 0xA5, 0x2A, 0x2A));
  EXPECT_TRUE(Is(7, 0x55, 0x55, 0x55));
  EXPECT_TRUE(Is(9, 0xFF, 0, 0));
  EXPECT_TRUE(Is(10, 0, 0xFF, 0));
  EXPECT_TRUE(Is(15, 0xFF, 0xFF, 0xFF));
}

TEST(ColourTableTest, CubeRunsRedSlowestWithoutBlackAndWhite) {
  EXPECT_TRUE(Is(16, 0, 0, 0x80));
  EXPECT_TRUE(Is(17, 0, 0, 0xFF));
  EXPECT_TRUE(Is(18, 0, 0x40, 0));
  EXPECT_TRUE(Is(30, 0x14, 0, 0));
  EXPECT_TRUE(Is(222, 0xFF, 0xFF, 0));
  EXPECT_TRUE(Is(223, 0xFF, 0xFF, 0x80));
  // 14 x 5 x 3 combinations less black and white, all different.
  std::set<std::tuple<int, int, int>> seen;
  for (int i = 16; i <= 223; ++i) {
    const TRgb c = ColourOf(static_cast<uint8_t>(i));
    seen.insert({c.R, c.G, c.B});
  }
  EXPECT_EQ(seen.size(), 208u);
  EXPECT_EQ(seen.count({0, 0, 0}), 0u);
  EXPECT_EQ(seen.count({255, 255, 255}), 0u);
}

TEST(ColourTableTest, GreysAndPaleTints) {
  EXPECT_TRUE(Is(224, 0x20, 0x20, 0x20));
  EXPECT_TRUE(Is(229, 0x70, 0x70, 0x70));
  EXPECT_TRUE(Is(237, 0xF0, 0xF0, 0xF0));
  EXPECT_TRUE(Is(238, 0xC8, 0x96, 0x96));
  EXPECT_TRUE(Is(239, 0xD3, 0xA5, 0xA5));
  EXPECT_TRUE(Is(240, 0xD9, 0xB3, 0xB3));
  EXPECT_TRUE(Is(241, 0xE5, 0xC2, 0xC2));
  EXPECT_TRUE(Is(242, 0xEF, 0xD5, 0xD5));
  EXPECT_TRUE(Is(243, 0xF7, 0xE7, 0xE7));
  EXPECT_TRUE(Is(244, 0xF5, 0xFA, 0xFA));
  EXPECT_TRUE(Is(245, 0xFC, 0xFD, 0xFD));
}

TEST(ColourTableTest, IndicesPastTheTableShowBlack) {
  for (int i = ColourTableSize; i <= 255; ++i) EXPECT_TRUE(Is(static_cast<uint8_t>(i), 0, 0, 0));
}

}  // namespace
