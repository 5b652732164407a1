// The main window's tool tips: a tip for every control the user touches, the
// sensor inputs telling what their present count reads as, and every tip
// wrapped so that it fits well inside the window.
#pragma once
#include <QObject>
#include <QString>

#include "host/InstrumentWindow.h"

class QFontMetrics;
class QTimer;
struct TCalibration;
struct TSettings;

// What a count of an input reads as under the given calibration and
// settings, by the firmware's own arithmetic: "1648 counts: 15.5 V",
// "2260 counts: 0 °C", "300: 0.99 g".
QString InputReadingTip(TSensorInput input, int count, const TCalibration& calibration,
                        const TSettings& settings);

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
  QString ReadingTip(TSensorInput input) const;
  void ShowDisplayTip();

  TInstrumentWindow* Window;
  // Taken once: the filter also sees the window's last events while it is
  // being destroyed, when it can no longer be asked.
  std::array<QScrollBar*, SensorInputCount> Bars;
  QWindow* Surface;
  QTimer* DisplayHover;  // the display is a native surface: its tip is timed here
};
