// The display panel's real pixels: where each frame-buffer pixel lands and
// in what colour, at one or two device pixels per panel pixel.
#include <cstring>

#include "GuiSupport.h"
#include "graphics/FrameBuffer.h"
#include "host/PCMain.h"

namespace {

using DisplayTest = gui::WindowTest;

constexpr int PanelWidth = 161, PanelHeight = 121;

// Every device pixel of panel pixel (x, y).
::testing::AssertionResult BlockIs(const QImage& image, int x, int y, QColor colour) {
  const int r = gui::Ratio(image);
  for (int dy = 0; dy < r; ++dy)
    for (int dx = 0; dx < r; ++dx) {
      const QColor c = gui::ColourAt(image, x * r + dx, y * r + dy);
      if (c != colour)
        return ::testing::AssertionFailure()
               << "panel pixel (" << x << "," << y << ") device +" << dx << ",+" << dy << " is "
               << c.name().toStdString() << ", not " << colour.name().toStdString();
    }
  return ::testing::AssertionSuccess();
}

void Fill(uint8_t colour) { std::memset(FrameBuffer, colour, FrameBufferSize); }

TEST_F(DisplayTest, PanelIsSizedForTheFrameWithOneSpareRowAndColumn) {
  const QImage image = gui::PresentAndGrab();
  EXPECT_EQ(image.width(), PanelWidth * gui::Ratio(image));
  EXPECT_EQ(image.height(), PanelHeight * gui::Ratio(image));
#ifdef AXIM_SCALE_FACTOR
  EXPECT_EQ(gui::Ratio(image), 2);
#endif
}

TEST_F(DisplayTest, FirstPixelLandsInTheSecondRowAndTheEdgesStayBlack) {
  Fill(ColourWhite);
  const QImage image = gui::PresentAndGrab();
  for (int x = 0; x < PanelWidth; ++x) ASSERT_TRUE(BlockIs(image, x, 0, Qt::black));
  for (int y = 0; y < PanelHeight; ++y) ASSERT_TRUE(BlockIs(image, 160, y, Qt::black));
  for (int y = 1; y < PanelHeight; ++y)
    for (int x = 0; x < 160; ++x) ASSERT_TRUE(BlockIs(image, x, y, Qt::white));
}

TEST_F(DisplayTest, EachPixelLandsOnItsOwnBlock) {
  // A checkerboard of two colours shows any pixel smeared over a neighbour.
  for (int y = 0; y < ScreenHeight; ++y)
    for (int x = 0; x < ScreenWidth; ++x)
      FrameBuffer[y * ScreenWidth + x] = (x + y) % 2 ? ColourRed : ColourGrey;
  FrameBuffer[0] = ColourGreen;
  FrameBuffer[FrameBufferSize - 1] = ColourCyan;
  const QImage image = gui::PresentAndGrab();
  EXPECT_TRUE(BlockIs(image, 0, 1, QColor(0, 255, 0)));
  EXPECT_TRUE(BlockIs(image, 159, 120, QColor(0, 255, 255)));
  for (int y = 0; y < ScreenHeight; ++y)
    for (int x = 0; x < ScreenWidth; ++x) {
      if ((x == 0 && y == 0) || (x == 159 && y == 119)) continue;
      const QColor expected = (x + y) % 2 ? QColor(255, 0, 0) : QColor(0x70, 0x70, 0x70);
      ASSERT_TRUE(BlockIs(image, x, y + 1, expected));
    }
}

TEST_F(DisplayTest, AllBlackFrameLeavesThePanelBlack) {
  Fill(ColourWhite);
  gui::PresentAndGrab();
  Fill(ColourBlack);
  const QImage image = gui::PresentAndGrab();
  for (int y = 0; y < PanelHeight; ++y)
    for (int x = 0; x < PanelWidth; ++x) ASSERT_TRUE(BlockIs(image, x, y, Qt::black));
}

TEST_F(DisplayTest, LoneLitPixelsAndIndicesPastTheTable) {
  Fill(ColourBlack);
  FrameBuffer[5 * ScreenWidth + 7] = ColourRed;
  FrameBuffer[119 * ScreenWidth + 0] = ColourGrey;
  FrameBuffer[0 * ScreenWidth + 159] = 238;
  FrameBuffer[60 * ScreenWidth + 80] = 250;  // past the table: shows black
  const QImage image = gui::PresentAndGrab();
  EXPECT_TRUE(BlockIs(image, 7, 6, QColor(255, 0, 0)));
  EXPECT_TRUE(BlockIs(image, 0, 120, QColor(0x70, 0x70, 0x70)));
  EXPECT_TRUE(BlockIs(image, 159, 1, QColor(0xC8, 0x96, 0x96)));
  EXPECT_TRUE(BlockIs(image, 80, 61, Qt::black));
  EXPECT_TRUE(BlockIs(image, 7, 5, Qt::black));
  EXPECT_TRUE(BlockIs(image, 8, 6, Qt::black));
  EXPECT_TRUE(BlockIs(image, 6, 6, Qt::black));
  EXPECT_TRUE(BlockIs(image, 7, 7, Qt::black));
}

}  // namespace
