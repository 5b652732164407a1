// The main window's tool tips: a tip for every control the user touches, the
// sensor inputs telling what the count the instrument has reads as (the
// front panel's reading: "1648 counts: 15.5 V"), and every tip
// wrapped so that it fits well inside the window.
#pragma once
#include <QObject>
#include <QString>

#include "host/InstrumentWindow.h"

class QFontMetrics;
class QTimer;

// Breaks a text between words into lines no wider than width where it can.
QString WrapTip(const QString& text, const QFontMetrics& metrics, int width);

class TWindowTips : public QObject {
  Q_OBJECT
 public:
  // Keeps the sensor inputs' tips up to date and shows every tip of the window.
  explicit TWindowTips(TInstrumentWindow* window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  static QString ReadingTip(int input);
  void ShowDisplayTip();

  TInstrumentWindow* Window;
  // Taken once: the filter also sees the window's last events while it is
  // being destroyed, when it can no longer be asked.
  std::array<QScrollBar*, PanelSensorCount> Bars;
  QWindow* Surface;
  QTimer* DisplayHover;  // the display is a native surface: its tip is timed here
};
