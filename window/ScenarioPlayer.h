// "File > Play Scenario...": plays a scenario file in the window at real
// speed through the one step driver, visibly: the scroll bars and the check
// box move, the knob's buttons are shown pressed, the status bar shows the
// step. "Stop Scenario" (the same menu entry while playing) ends it at once,
// and so does anything the user does to the front panel meanwhile.
#pragma once
#include <QElapsedTimer>
#include <QObject>

#include "scenario/ScenarioDriver.h"

class QAction;
class QTimer;
class TInstrumentWindow;
class TLessonPanel;

class TScenarioPlayer : public QObject, public TScenarioHost {
  Q_OBJECT
 public:
  explicit TScenarioPlayer(TInstrumentWindow* window);
  ~TScenarioPlayer() override;

  // Plays a file; a file that cannot be used is reported and nothing runs.
  bool Play(const QString& path);
  bool Playing() const { return Driver.Playing(); }
  // "Play Scenario..." / "Stop Scenario".
  QAction* Action;
  // Ends the playback (and a dealer's rounds); the status bar says status.
  void Stop(const QString& status);
  // Where the scenario's screenshots and recordings go. Without a folder
  // they go next to the scenario, or, when that folder may not be written
  // (the installed tour), into a folder of the user's cache.
  TScenarioOptions BaseOptions;
  // A failure is shown in a message box as well as in the status bar.
  bool ReportFailures = true;
  // The steps, their pauses and a dealer's rounds.
  TScenarioDriver Driver{this};
  // The captions and the lesson, under the instrument.
  TLessonPanel* Panel;
  // The file playing or played last, and its lesson title.
  QString File() const { return Path; }
  QString LessonTitle() const { return Title; }

 signals:
  // A round has ended by itself: passed, or failed with the driver's
  // message ("FILE:LINE: expected ..., found ...").
  void Finished(bool passed, const QString& message);
  // The user took the instrument over during playback; why, as the status
  // bar says it.
  void Interrupted(const QString& reason);

 private:
  void Choose();
  void ShowAction(bool active);
  // What the driver asks of its host.
  void After(int ms) override;
  void Cancel() override;
  double NowMs() override;
  void Present() override;
  void ShowKey(uint8_t key, int ms) override;
  void Status(const std::string& sentence) override;
  void Caption(const std::string& text) override;
  void LessonChanged() override;
  void Ended(TPlayEnd end, const std::string& message) override;

  TInstrumentWindow* Window;
  QTimer* Pause;
  QElapsedTimer Clock;
  bool Closing = false;
  QString Path;
  QString Title;
};
