// "Flight Data": a tool window beside the main window that sets the sensor
// inputs in their units (14.2 V, -5 °C, 1 g), starts from a named state, and
// plays a flight log into the panel from the window's 100 ms tick. The main
// window's scroll bars follow whatever it sets.
#pragma once
#include <QWidget>
#include <array>

#include "host/PanelUnits.h"
#include "scenario/LogPlayer.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSlider;
class TInstrumentWindow;

class TFlightDataWindow : public QWidget {
  Q_OBJECT
 public:
  explicit TFlightDataWindow(TInstrumentWindow* main);

  std::array<QLineEdit*, PanelSensorCount> Fields;  // a value in the input's unit
  std::array<QLabel*, PanelSensorCount> Counts;     // "1648 counts: 15.5 V", live
  std::array<QPushButton*, PanelStateCount> States;
  QPushButton* OpenButton;
  QPushButton* PlayButton;  // "Play" / "Pause"
  QPushButton* BackButton;
  QPushButton* ForwardButton;
  QSlider* Position;  // the log's time in tenths of a second
  QLabel* Time;       // "3:20.0 / 12:12.9"
  QComboBox* Speed;   // 0.25x .. 8x
  QCheckBox* Loop;
  QLabel* LogName;
  QLabel* Message;  // the outcome of the last change

  TLogPlayer Player;

  // Sets an input from what its field holds, as pressing Enter there does;
  // false (and the reason shown) when the text is no value of the input.
  bool ApplyField(TPanelInput input);
  void ApplyState(int state);
  // Opens a flight log as "Open..." does after its dialog: at once when its
  // columns are found by their usual names, else once they are chosen in
  // "Columns of the Log" (true while it asks); false with the reason shown.
  bool OpenLog(const QString& path);
  // Opens it with the columns given; false with the reason shown.
  bool OpenLogWith(const QString& path, const TLogColumns& columns);

 signals:
  void Closed();

 public slots:
  void AskLog();
  void PlayOrPause();
  // The main window's 100 ms tick: the player's step, then the readings.
  void Tick();

 protected:
  void hideEvent(QHideEvent* event) override;

 private:
  void ShowCounts();
  void ShowPlayer();
  void ShowOutcome(const QString& text, bool refused);

  TInstrumentWindow* Main;
};

// Adds "Flight Data" (Ctrl+G) to the View menu; it shows and hides the one
// flight data window of the main window.
QAction* AddFlightDataAction(TInstrumentWindow* main, QMenu* view);
