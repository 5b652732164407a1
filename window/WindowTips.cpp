#include "window/WindowTips.h"

#include <QApplication>
#include <QCheckBox>
#include <QCursor>
#include <QHelpEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QStringList>
#include <QTimer>
#include <QToolTip>
#include <QWindow>

#include "host/FrontPanel.h"

namespace {

// Widest line of a tip, in the window's logical pixels (the window is 503).
constexpr int TipWidth = 280;
// How long the pointer rests on the display before its tip shows.
constexpr int HoverMs = 700;

QString Wrapped(const QString& text) {
  return WrapTip(text, QFontMetrics(QToolTip::font()), TipWidth);
}

}  // namespace

QString WrapTip(const QString& text, const QFontMetrics& metrics, int width) {
  QStringList lines;
  for (const QString& paragraph : text.split('\n')) {
    QString line;
    for (const QString& word : paragraph.split(' ', Qt::SkipEmptyParts)) {
      const QString longer = line.isEmpty() ? word : line + ' ' + word;
      if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width) {
        lines << line;
        line = word;
      } else {
        line = longer;
      }
    }
    lines << line;
  }
  return lines.join('\n');
}

TWindowTips::TWindowTips(TInstrumentWindow* window)
    : QObject(window),
      Window(window),
      Bars(window->SensorBars()),
      Surface(window->DisplaySurface()) {
  for (int i = 0; i < PanelSensorCount; ++i)
    Bars[static_cast<std::size_t>(i)]->setToolTip(ReadingTip(i));
  // A tip on show follows the input as it moves, by the user or a scenario.
  connect(window, &TInstrumentWindow::InputMoved, this, [this](int input) {
    QScrollBar* bar = Bars[static_cast<std::size_t>(input)];
    bar->setToolTip(ReadingTip(input));
    if (QToolTip::isVisible() && bar->underMouse())
      QToolTip::showText(QCursor::pos(), Wrapped(bar->toolTip()), bar);
  });
  DisplayHover = new QTimer(this);
  DisplayHover->setSingleShot(true);
  DisplayHover->setInterval(HoverMs);
  connect(DisplayHover, &QTimer::timeout, this, &TWindowTips::ShowDisplayTip);
  qApp->installEventFilter(this);
}

// The count the instrument has, under its own records while it runs and
// under the defaults the next switch-on starts from while it is off.
QString TWindowTips::ReadingTip(int input) {
  const auto panelInput = static_cast<TPanelInput>(input);
  char text[64];
  PanelReading(panelInput, PanelInputValue(panelInput), text, sizeof text);
  return QString::fromUtf8(text);
}

void TWindowTips::ShowDisplayTip() {
  // Like the widgets' tips: only over the active window.
  const QPoint pointer = QCursor::pos();
  QWidget* display = Window->DisplayArea();
  if (Window->isActiveWindow() && display->rect().contains(display->mapFromGlobal(pointer)))
    QToolTip::showText(pointer, Wrapped(display->toolTip()), display);
}

bool TWindowTips::eventFilter(QObject* watched, QEvent* event) {
  // The display is a surface of its own, outside the widgets' tool tips.
  if (watched == Surface) {
    switch (event->type()) {
      case QEvent::Enter:
      case QEvent::MouseMove:
        if (!QToolTip::isVisible()) DisplayHover->start();
        break;
      case QEvent::Leave:
      case QEvent::MouseButtonPress:
      case QEvent::Wheel:
        DisplayHover->stop();
        QToolTip::hideText();
        break;
      default:
        break;
    }
    return false;
  }
  if (event->type() != QEvent::ToolTip) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (widget == nullptr || widget->window() != Window || widget->toolTip().isEmpty()) return false;
  // The reading under the calibration of this moment, not of the last move.
  for (std::size_t i = 0; i < Bars.size(); ++i)
    if (widget == Bars[i]) widget->setToolTip(ReadingTip(static_cast<int>(i)));
  QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), Wrapped(widget->toolTip()),
                     widget);
  return true;
}
