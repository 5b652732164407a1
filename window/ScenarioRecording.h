// "File > Record Scenario...": restarts the instrument from program start and
// records what the user does to the front panel as a scenario file, with
// expectations of what the instrument shows ("Add Expectation", Ctrl+E).
//
// Every change the panel hears from the user (a key taken, an input, "&On"
// and "&Off", a field written in the inspector) becomes a step, stamped with
// the tick on which the firmware saw it: the tick of the next pass, since
// that pass is the first to act on it, so the replay, one pass after every
// tick, lands on the same tick. While recording, the instrument's clock is
// the recording's: its start plus 100 ms a tick, as in the replay. The file
// is written as the recording goes (its part file beside it) and renamed
// when it ends, so a crash loses at most the step in hand.
#pragma once
#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

#include "host/FrontPanel.h"
#include "scenario/ScenarioRecorder.h"

class QAction;
class TInstrumentWindow;
class TScenarioPlayer;

class TScenarioRecording : public QObject {
  Q_OBJECT
 public:
  // Records what the user does in the window; refuses while the player
  // plays, and disables playing while it records.
  TScenarioRecording(TInstrumentWindow* window, TScenarioPlayer* player);
  ~TScenarioRecording() override;

  bool Active() const { return Recording; }
  QAction* RecordAction;  // "Record Scenario..." / "Stop Recording Scenario"
  QAction* ExpectAction;  // "Add Expectation", only while recording

  // Starts recording into the file; false, with a message naming the file,
  // when it cannot be written.
  bool Start(const QString& path);
  // Ends the recording on the next pass after the next tick (at once while
  // the instrument is off) and writes the file.
  void Stop();
  void AddExpectation();

 signals:
  // The recording has ended; written is false when the file was not
  // written under any name (its part file is kept then).
  void Finished(const QString& path, bool written);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  static void Heard(const TPanelChange& change, void* context);
  void Changed(const TPanelChange& change);
  void Ticked();
  void Passed();
  // A step the next pass will see, or one done now while no passes run.
  void Queue(std::function<void(uint32_t tick)> step, bool input);
  void Flush(uint32_t tick);
  void RecordTriggered();
  void Finish();
  void End();  // the last steps, the clock given back
  void ShowStatus();

  TInstrumentWindow* Window;
  TScenarioPlayer* Player;
  TScenarioRecorder Recorder;
  QString Path;
  TPanelClock SavedClock;
  bool Recording = false;
  bool StopPending = false;
  uint32_t StopTick = 0;
  uint32_t Ticks = 0;
  uint32_t PowerOnTick = 0;  // the restart's "&On", 0 once done
  uint32_t LastPassTick = 0;
  std::vector<std::function<void(uint32_t)>> PendingInputs;
  std::vector<std::function<void(uint32_t)>> PendingSteps;
  // A drag is one step: its final value, at the tick the firmware first saw it.
  struct TDrag {
    bool Moved = false;  // changed since the last pass
    uint32_t Tick = 0;   // tick of the pass that first saw the latest value
  };
  TDrag Drags[PanelSensorCount];
};
