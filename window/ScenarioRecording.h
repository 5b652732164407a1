// "File > Record Scenario...": restarts the instrument from program start and
// records what the user does to the front panel as a scenario file, with
// expectations of what the instrument shows ("Add Expectation", Ctrl+E).
// The recording itself is the toolkit-free session (scenario/RecordingSession.h);
// here are its actions, dialogs, status bar and the window's scroll bars.
#pragma once
#include <QObject>
#include <QString>
#include <cstdint>

#include "scenario/RecordingSession.h"

class QAction;
class TInstrumentWindow;
class TScenarioPlayer;

class TScenarioRecording : public QObject, private TRecordingHost {
  Q_OBJECT
 public:
  // Records what the user does in the window; refuses while the player
  // plays, and disables playing while it records.
  TScenarioRecording(TInstrumentWindow* window, TScenarioPlayer* player);
  ~TScenarioRecording() override;

  bool Active() const { return Session.Active(); }
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
  int64_t WallMs() override;
  void FinishAfterPass() override;
  void Ticked();
  void RecordTriggered();
  void Finish();
  void ShowStatus();

  TInstrumentWindow* Window;
  TScenarioPlayer* Player;
  TRecordingSession Session{*this};
  QString Path;
};
