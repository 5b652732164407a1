// A dealer's screen: the instrument demonstrates itself by playing a
// scenario, round after round when asked (the driver's rounds). A key or a
// click on the instrument (the main window or the display window) stops it
// and hands the instrument to the visitor; after a minute without input it
// starts again.
#pragma once
#include <QObject>
#include <QString>
#include <QTemporaryDir>

class TInstrumentWindow;
class TScenarioPlayer;

// How long the instrument waits without input before demonstrating again.
constexpr int IdleRestartMs = 60'000;
// For tests only: the environment variable that shortens that wait, in
// milliseconds.
constexpr char IdleRestartVariable[] = "AXIM7_SIM_TEST_IDLE_MS";

class TDemonstration : public QObject {
  Q_OBJECT
 public:
  TDemonstration(TInstrumentWindow* window, TScenarioPlayer* player, const QString& file,
                 bool loop);

  // Plays the first round.
  bool Start();
  bool Demonstrating() const;
  // Rounds begun since the program started.
  int Rounds() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool OnTheInstrument(QObject* watched) const;

  TInstrumentWindow* Window;
  TScenarioPlayer* Player;
  QString File;
  QTemporaryDir Output;  // the rounds' screenshots and recordings
};
