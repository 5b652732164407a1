// The main window's tool tips: a tip for every control the user touches, the
// sensor inputs telling what their present count reads as, and every tip
// wrapped so that it fits well inside the window.
#pragma once
#include <QObject>
#include <QString>
#include <array>

class QFontMetrics;
class QScrollBar;
class QTimer;
class TfrmMain;
struct TCalibration;
struct TSettings;

// The sensor inputs in the order of the window's scroll bars.
enum class TSensorInput { Volts, Current, Oat, AxisX, AxisY, AxisZ };

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
  // Sets the window's remaining tips and shows every tip of the window.
  explicit TWindowTips(TfrmMain* window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::array<QScrollBar*, 6> Bars() const;  // in the order of TSensorInput
  QString ReadingTip(std::size_t bar) const;
  void ShowDisplayTip();

  TfrmMain* Window;
  QTimer* DisplayHover;  // the display is a native surface: its tip is timed here
};
