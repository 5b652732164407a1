#include "GuiSupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <cmath>

#include "host/DisplayPanel.h"
#include "host/PCMain.h"
#include "support/Instrument.h"

namespace gui {

namespace {

TWindowTools WindowTools{};

}  // namespace

const TWindowTools& Tools() { return WindowTools; }

void WindowTest::SetUp() {
  test::ResetInstrument();
  PageHandler = nullptr;
  frmMain = new TfrmMain;
  WindowTools = AssembleWindow(frmMain);
  frmMain->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(frmMain));
  ASSERT_TRUE(WaitFor([] { return frmMain->Display->isExposed(); }));
  Settle(50);
}

void WindowTest::TearDown() {
  delete frmMain;
  frmMain = nullptr;
  WindowTools = {};
}

bool WaitFor(const std::function<bool()>& condition, int timeoutMs) {
  QElapsedTimer clock;
  clock.start();
  while (!condition()) {
    if (clock.elapsed() > timeoutMs) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QTest::qSleep(1);
  }
  return true;
}

bool WaitPasses(unsigned long count) {
  const unsigned long target = frmMain->PassCount() + count;
  return WaitFor([target] { return frmMain->PassCount() >= target; });
}

void Settle(int ms) { QTest::qWait(ms); }

void ClickAt(QWidget* widget, QPoint point) {
  QWidget* top = widget->window();
  QTest::mouseClick(top->windowHandle(), Qt::LeftButton, Qt::NoModifier, widget->mapTo(top, point));
  QCoreApplication::processEvents();
}

void Click(QWidget* widget) { ClickAt(widget, widget->rect().center()); }

void Type(int key, Qt::KeyboardModifiers modifiers) {
  QTest::keyClick(frmMain->windowHandle(), static_cast<Qt::Key>(key), modifiers);
  QCoreApplication::processEvents();
}

namespace {

bool Pointer(QWidget* widget, QPoint point, const QStringList& then) {
  const QPoint global = widget->mapToGlobal(point);
  const qreal ratio = widget->devicePixelRatioF();
  const QStringList args =
      QStringList{"mousemove", QString::number(std::lround(global.x() * ratio)),
                  QString::number(std::lround(global.y() * ratio))} +
      then;
  const bool ok = QProcess::execute("xdotool", args) == 0;
  Settle(100);
  return ok;
}

}  // namespace

bool PointerClick(QWidget* widget, QPoint point, int button) {
  return Pointer(widget, point, {"click", QString::number(button)});
}

bool PointerMove(QWidget* widget, QPoint point) { return Pointer(widget, point, {}); }

QImage Grab(QWidget* widget) {
  QCoreApplication::processEvents();
  QGuiApplication::sync();
  const QPoint origin = widget->mapToGlobal(QPoint(0, 0));
  QScreen* screen = widget->screen();
  QImage image =
      screen->grabWindow(0, origin.x(), origin.y(), widget->width(), widget->height()).toImage();
  // Some platforms take the rectangle in device pixels on scaled screens.
  const qreal ratio = widget->devicePixelRatioF();
  if (ratio != 1 && image.width() == widget->width()) {
    const auto scaled = [ratio](int v) { return int(std::lround(v * ratio)); };
    image = screen
                ->grabWindow(0, scaled(origin.x()), scaled(origin.y()), scaled(widget->width()),
                             scaled(widget->height()))
                .toImage();
  }
  return image.convertToFormat(QImage::Format_RGB32);
}

QImage PresentAndGrab() {
  frmMain->FormPaint();
  Settle(30);
  return Grab(frmMain->Panel1);
}

QColor ColourAt(const QImage& image, int x, int y) { return QColor(image.pixel(x, y)); }

int Ratio(const QImage& image) { return image.width() / 161; }

}  // namespace gui
