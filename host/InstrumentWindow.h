// What the window's tools (pictures, playback, recording, inspector, tips)
// may ask of the main window: a few named calls and the window's events.
// The main window implements it; the tools never see its event handlers.
#pragma once
#include <QColor>
#include <QMainWindow>
#include <array>
#include <cstdint>

#include "host/FrontPanel.h"

class QCheckBox;
class QKeyEvent;
class QScrollBar;
class QWindow;

// The front-panel key (KeyLeft .. KeyKnobMinus) a key of the keyboard
// presses: F1, F2, Enter, + (or =) and -; 0 for any other.
uint8_t FrontPanelKeyCode(const QKeyEvent* key);

class TInstrumentWindow : public QMainWindow {
  Q_OBJECT
 public:
  // The sensor inputs' scroll bars, in the order of TPanelInput.
  virtual std::array<QScrollBar*, PanelSensorCount> SensorBars() const = 0;
  QScrollBar* SensorBar(TPanelInput input) const {
    return SensorBars()[static_cast<std::size_t>(input)];
  }
  // Writes each bar's count to its input again, as moving the bar does
  // (after the firmware's records were reset).
  virtual void WriteSensorInputs() = 0;
  // The "Calibrate" check box.
  virtual QCheckBox* CalibrateBox() const = 0;

  // The alarm lamp's colour as shown; lit when pure red, else dark red.
  virtual QColor LampColour() const = 0;
  bool LampLit() const { return LampColour().red() == 255; }

  // Presses a front-panel key (KeyLeft .. KeyKnobMinus) as its control does;
  // the knob's + and - buttons are shown held down for shownMs when above 0.
  virtual void PressKey(uint8_t key, int shownMs) = 0;
  // Shows the knob's + or - button held down for ms, pressing nothing.
  virtual void ShowKeyHeld(uint8_t key, int ms) = 0;
  // F1, F2, Enter, + and - as the front-panel controls; true when taken.
  virtual bool FrontPanelKey(const QKeyEvent* key) = 0;
  // "&On" and "&Off".
  virtual void SwitchOn() = 0;
  virtual void SwitchOff() = 0;
  // True from "&On" until a pass finds the stop request.
  virtual bool Running() const = 0;
  // Passes run since program start.
  virtual unsigned long PassCount() const = 0;

  // The frame last presented to the display panel.
  virtual const uint8_t* ShownFrame() const = 0;
  // Presents the frame buffer as it stands.
  virtual void PresentFrame() = 0;
  // After a pass run elsewhere (a scenario playing): the lamp as the pass
  // set it, the frame when it changed, and the window's events.
  virtual void ShowPass() = 0;
  // The display panel in the window and the native surface inside it.
  virtual QWidget* DisplayArea() const = 0;
  virtual QWindow* DisplaySurface() const = 0;

 signals:
  // A frame different from the last (or the panel's first after an
  // exposure or resize) was presented to the panel, or the lamp changed.
  void FramePresented();
  // The firmware's state may have changed: after every pass, and after the
  // tick while the instrument is off.
  void StateAdvanced();
  // A front-panel control stored its key in the empty slot.
  void KeyDeposited(int key);
  // The 100 ms tick has run.
  void Ticked();
  // The user pressed "&On" (on) or "&Off"; its handler has run.
  void PowerPressed(bool on);
  // A sensor input's bar was moved, by the user or by the panel (a TPanelInput).
  void InputMoved(int input);
};
