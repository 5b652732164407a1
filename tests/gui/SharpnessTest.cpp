// At two device pixels per pixel the face is drawn from its full-size
// picture, not blown up from a half-size one.
#include <QImage>

#include "GuiSupport.h"
#include "host/Controls.h"
#include "host/PCMain.h"

namespace {

using SharpnessTest = gui::WindowTest;

// Mean difference per channel between two images over their top rows (the
// "+" and "-" buttons lie over the bottom of the face).
constexpr int Rows = 2 * 230;
double Difference(const QImage& a, const QImage& b) {
  double sum = 0;
  for (int y = 0; y < Rows; ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QColor p(a.pixel(x, y)), q(b.pixel(x, y));
      sum += std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) +
             std::abs(p.blue() - q.blue());
    }
  return sum / (3.0 * a.width() * Rows);
}

TEST_F(SharpnessTest, FaceUsesEveryDevicePixel) {
  const QImage shown = gui::Grab(frmMain->Image1);
  ASSERT_EQ(shown.size(), QSize(482, 498));
  const QImage& picture = frmMain->Image1->Picture();
  const QImage sharp = picture.scaled(482, 498, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                           .convertToFormat(QImage::Format_RGB32);
  const QImage blurred = picture.scaled(241, 249, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                             .scaled(482, 498, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                             .convertToFormat(QImage::Format_RGB32);
  const double toSharp = Difference(shown, sharp), toBlurred = Difference(shown, blurred);
  EXPECT_LT(toSharp, 2.0);
  EXPECT_LT(toSharp * 2, toBlurred);
}

}  // namespace
