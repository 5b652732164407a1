#include "window/DisplayWindow.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QWheelEvent>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "core/RunState.h"
#include "graphics/ColourTable.h"
#include "host/Controls.h"
#include "host/InstrumentWindow.h"

namespace {

// The lamp's ring and the black gap between it and the display, in device pixels.
constexpr int Ring = 6;
constexpr int Gap = 4;

QSize DeviceSize(const QWidget* widget) {
  const qreal ratio = widget->devicePixelRatioF();
  return {static_cast<int>(std::lround(widget->width() * ratio)),
          static_cast<int>(std::lround(widget->height() * ratio))};
}

void FillRect(QImage& image, int left, int top, int right, int bottom, QColor colour) {
  left = std::max(left, 0), top = std::max(top, 0);
  right = std::min(right, image.width()), bottom = std::min(bottom, image.height());
  for (int y = top; y < bottom; ++y) {
    uint8_t* p = image.scanLine(y) + left * 3;
    for (int x = left; x < right; ++x, p += 3)
      p[0] = static_cast<uint8_t>(colour.red()), p[1] = static_cast<uint8_t>(colour.green()),
      p[2] = static_cast<uint8_t>(colour.blue());
  }
}

}  // namespace

TDisplayWindow::TDisplayWindow(TInstrumentWindow* main) : QWidget(main, Qt::Window), Main(main) {
  setWindowTitle("AXIM-7 Display");
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  resize(4 * ScreenWidth + 2 * (Ring + Gap), 4 * ScreenHeight + 2 * (Ring + Gap));
  KeepWholeDisplay();
}

// Never smaller than the display at one device pixel per pixel with its
// ring, on the screen the window is on.
void TDisplayWindow::KeepWholeDisplay() {
  const qreal ratio = devicePixelRatioF();
  const int border = 2 * (Ring + Gap);
  setMinimumSize(static_cast<int>(std::ceil((ScreenWidth + border) / ratio)),
                 static_cast<int>(std::ceil((ScreenHeight + border) / ratio)));
}

void TDisplayWindow::showEvent(QShowEvent* event) {
  KeepWholeDisplay();
  if (QWindow* handle = windowHandle())
    connect(handle, &QWindow::screenChanged, this, &TDisplayWindow::KeepWholeDisplay,
            Qt::UniqueConnection);
  QWidget::showEvent(event);
}

void TDisplayWindow::Show(const uint8_t* frame, QColor lamp) {
  if (lamp == Lamp && std::memcmp(Frame.data(), frame, FrameBufferSize) == 0) return;
  std::memcpy(Frame.data(), frame, FrameBufferSize);
  Lamp = lamp;
  if (isVisible()) update();
}

int TDisplayWindow::Scale() const {
  const QSize size = DeviceSize(this);
  const int border = 2 * (Ring + Gap);
  return std::max(
      1, std::min((size.width() - border) / ScreenWidth, (size.height() - border) / ScreenHeight));
}

void TDisplayWindow::paintEvent(QPaintEvent*) {
  // Composed in device pixels, so every display pixel is an exact block at
  // any device pixel ratio.
  const QSize size = DeviceSize(this);
  QImage canvas(size, QImage::Format_RGB888);
  canvas.fill(Qt::black);
  const int scale = Scale();
  const int left = (size.width() - ScreenWidth * scale) / 2;
  const int top = (size.height() - ScreenHeight * scale) / 2;
  const int right = left + ScreenWidth * scale, bottom = top + ScreenHeight * scale;
  const int out = Ring + Gap;
  FillRect(canvas, left - out, top - out, right + out, top - Gap, Lamp);
  FillRect(canvas, left - out, bottom + Gap, right + out, bottom + out, Lamp);
  FillRect(canvas, left - out, top - Gap, left - Gap, bottom + Gap, Lamp);
  FillRect(canvas, right + Gap, top - Gap, right + out, bottom + Gap, Lamp);
  std::array<uint8_t, FrameBufferSize * 3> rgb;
  FrameColours(Frame.data(), 1, 3, rgb.data());
  for (int y = 0; y < ScreenHeight; ++y)
    for (int x = 0; x < ScreenWidth; ++x) {
      const uint8_t* c = &rgb[(y * ScreenWidth + x) * 3];
      FillRect(canvas, left + x * scale, top + y * scale, left + (x + 1) * scale,
               top + (y + 1) * scale, QColor(c[0], c[1], c[2]));
    }
  canvas.setDevicePixelRatio(devicePixelRatioF());
  QPainter(this).drawImage(QPoint(0, 0), canvas);
}

void TDisplayWindow::ShowFullScreen() {
  showFullScreen();
  // A screen without a window manager (a kiosk) has nobody else to make the
  // window as large as the screen.
  if (const QScreen* on = screen()) setGeometry(on->geometry());
  raise();
  activateWindow();
}

void TDisplayWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F11 && event->modifiers() == Qt::NoModifier) {
    isFullScreen() ? showNormal() : ShowFullScreen();
  } else if (event->key() == Qt::Key_Escape && isFullScreen()) {
    showNormal();
  } else if (!Main->FrontPanelKey(event)) {
    QWidget::keyPressEvent(event);
  }
}

void TDisplayWindow::wheelEvent(QWheelEvent* event) {
  for (int n = WholeNotches(WheelRest, event->angleDelta().y()); n != 0; n -= n > 0 ? 1 : -1)
    Main->PressKey(n > 0 ? KeyKnobPlus : KeyKnobMinus, 0);
  event->accept();
}
