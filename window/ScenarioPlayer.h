// "File > Play Scenario...": runs a scenario file in the window at real
// speed, visibly: the scroll bars and the check box move, keys are deposited
// with a short pause, the status bar shows the step. "Stop Scenario" (the
// same menu entry while playing) ends it at once, and so does anything the
// user does to the instrument meanwhile: "&On", "&Off", a key, an input.
#pragma once
#include <QElapsedTimer>
#include <QObject>
#include <ctime>
#include <memory>

#include "scenario/Scenario.h"

class QAction;
class QTimer;
class TInstrumentWindow;
class TGifRecording;

class TScenarioPlayer : public QObject {
  Q_OBJECT
 public:
  explicit TScenarioPlayer(TInstrumentWindow* window);
  ~TScenarioPlayer() override;

  // Plays a file; a file that cannot be used is reported and nothing runs.
  bool Play(const QString& path);
  bool Playing() const { return Active; }
  // "Play Scenario..." / "Stop Scenario".
  QAction* Action;
  void Stop(const QString& status);
  // Pause between the key presses of a step, in milliseconds.
  int KeyPause = 400;
  // Where the scenario's screenshots and recordings go and whether
  // references that differ are rewritten. Without a folder they go next to
  // the scenario, or, when that folder may not be written (the installed
  // tour), into a folder of the user's cache.
  TScenarioOptions BaseOptions;
  // A failure is shown in a message box as well as in the status bar.
  bool ReportFailures = true;

 signals:
  // Emitted when the playback ends: passed or failed (message).
  void Finished(bool passed, const QString& message);
  // The user took the instrument over during playback; why, as the status
  // bar says it.
  void Interrupted(const QString& reason);

 private:
  void Choose();
  void Next();
  void RunStep(const TStep& step);
  void Fail(const TStep& step, const std::string& what);
  void OfferFrame();
  void WatchTheUser();
  void UserActed(const QString& what);
  static int64_t Clock();

  TInstrumentWindow* Window;
  QTimer* StepTimer;
  QTimer* FrameTimer;
  TScenario Scenario;
  TScenarioOptions Options;
  std::unique_ptr<TGifRecording> Recording;
  size_t StepIndex = 0;
  int PressesLeft = 0;
  bool Active = false;
  bool Acting = false;  // the player itself is working the controls
  int64_t (*SavedClock)() = nullptr;
  static inline int64_t Start = 0;
  static inline QElapsedTimer Elapsed;
};
