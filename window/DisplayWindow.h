// A window showing only the display, at the largest whole-number scale that
// fits, centred on black, ringed by the alarm lamp's colour. It takes the
// front-panel keys and the wheel as the main window does; F11 toggles full
// screen. Closing it only hides it.
#pragma once
#include <QColor>
#include <QWidget>
#include <array>
#include <cstdint>

#include "graphics/FrameBuffer.h"

class TInstrumentWindow;

class TDisplayWindow : public QWidget {
  Q_OBJECT
 public:
  explicit TDisplayWindow(TInstrumentWindow* main);

  // The frame shown on the panel and the lamp's colour; repaints only when
  // either changed.
  void Show(const uint8_t* frame, QColor lamp);
  // Display pixels per side of each pixel at the present size.
  int Scale() const;
  // Fills the screen it is on (F11 again or Esc leaves it).
  void ShowFullScreen();

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  void KeepWholeDisplay();

  TInstrumentWindow* Main;
  std::array<uint8_t, FrameBufferSize> Frame{};
  QColor Lamp{128, 0, 0};
  int WheelRest = 0;
};
