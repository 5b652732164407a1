// At any device pixel ratio, whole or fractional, each display pixel covers
// its whole block of device pixels in its exact colour, with no gap between
// blocks; the panel's top row and right-most column stay black.
#include <QDir>
#include <cmath>

#include "GuiSupport.h"
#include "graphics/ColourTable.h"
#include "graphics/FrameBuffer.h"
#include "host/DisplayPanel.h"
#include "host/PCMain.h"

namespace {

using ScaleTest = gui::WindowTest;

TEST_F(ScaleTest, EveryPixelFillsItsBlockWithoutGaps) {
  // Three colours in turn: a pixel drawn one place off shows.
  const uint8_t colours[3] = {ColourRed, ColourWhite, 229};
  for (int y = 0; y < ScreenHeight; ++y)
    for (int x = 0; x < ScreenWidth; ++x) FrameBuffer[y * ScreenWidth + x] = colours[(x + y) % 3];
  const QImage image = gui::PresentAndGrab();
  const qreal ratio = frmMain->Display->devicePixelRatio();
  image.save(QDir::current().filePath(QString("display-at-%1.png").arg(ratio)));
  ASSERT_EQ(image.width(), std::lround(161 * ratio));
  ASSERT_EQ(image.height(), std::lround(121 * ratio));

  // Panel pixel n covers device pixels floor(n * ratio) up to floor((n + 1) * ratio).
  const auto panelPixel = [ratio](int device) {
    int n = static_cast<int>(device / ratio);
    while (std::floor((n + 1) * ratio) <= device) ++n;
    while (std::floor(n * ratio) > device) --n;
    return n;
  };
  int wrong = 0;
  for (int dy = 0; dy < image.height(); ++dy)
    for (int dx = 0; dx < image.width(); ++dx) {
      const int x = panelPixel(dx), y = panelPixel(dy) - 1;
      const bool lit = y >= 0 && y < ScreenHeight && x < ScreenWidth;
      const TRgb c = lit ? ColourOf(FrameBuffer[y * ScreenWidth + x]) : TRgb{0, 0, 0};
      if (image.pixel(dx, dy) != qRgb(c.R, c.G, c.B) && wrong++ == 0)
        ADD_FAILURE() << "first wrong device pixel (" << dx << "," << dy << ")";
    }
  EXPECT_EQ(wrong, 0);
}

}  // namespace
