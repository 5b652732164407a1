#include "window/ScenarioPlayer.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>

#include "host/InstrumentWindow.h"
#include "window/FileDialogs.h"
#include "window/LessonPanel.h"

namespace {

const char PlayText[] = "Play Scenario...";
const char StopText[] = "Stop Scenario";

}  // namespace

TScenarioPlayer::TScenarioPlayer(TInstrumentWindow* window) : QObject(window), Window(window) {
  Action = new QAction(PlayText, this);
  connect(Action, &QAction::triggered, this, [this] {
    if (Driver.Active())
      Stop("Scenario stopped");
    else
      Choose();
  });
  Pause = new QTimer(this);
  Pause->setSingleShot(true);
  Pause->setTimerType(Qt::PreciseTimer);
  connect(Pause, &QTimer::timeout, this, [this] { Driver.Continue(); });
  Clock.start();
  Panel = new TLessonPanel(window, this);
  window->addDockWidget(Qt::BottomDockWidgetArea, Panel);
  Panel->hide();
}

// The window is going: the playback ends without a word.
TScenarioPlayer::~TScenarioPlayer() {
  Closing = true;
  Driver.Stop();
}

void TScenarioPlayer::Choose() {
  const QString path = AskScenarioToPlay(Window);
  if (!path.isEmpty()) Play(path);
}

bool TScenarioPlayer::Play(const QString& path) {
  if (Driver.Active()) Driver.Stop();
  TScenarioOptions options = BaseOptions;
  if (options.OutDir.empty() && !QFileInfo(QFileInfo(path).absolutePath()).isWritable()) {
    QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (cache.isEmpty()) cache = QDir::temp().filePath("axim7-sim");
    options.OutDir =
        QFile::encodeName(QDir(cache).filePath("scenarios/" + QFileInfo(path).completeBaseName()))
            .toStdString();
  }
  TScenario scenario;
  std::string error;
  if (!LoadScenario(QFile::encodeName(path).toStdString(), options, scenario, error)) {
    QMessageBox::warning(Window, "Play Scenario", QString::fromStdString(error));
    return false;
  }
  ShowAction(true);
  Path = path;
  Panel->Begin();
  Title = QString::fromStdString(scenario.Title);
  Driver.Play(scenario, options);
  Panel->Update();  // a lesson's panel goes when a scenario plays
  return true;
}

void TScenarioPlayer::Stop(const QString& status) {
  Driver.Stop(status.toStdString());
  ShowAction(false);
  Panel->ShowCaption("");
  Panel->Update();
}

void TScenarioPlayer::ShowAction(bool active) { Action->setText(active ? StopText : PlayText); }

void TScenarioPlayer::After(int ms) { Pause->start(ms); }

void TScenarioPlayer::Cancel() { Pause->stop(); }

double TScenarioPlayer::NowMs() { return static_cast<double>(Clock.nsecsElapsed()) / 1e6; }

void TScenarioPlayer::Present() {
  if (!Closing) Window->ShowPass();
}

void TScenarioPlayer::ShowKey(uint8_t key, int ms) {
  if (!Closing) Window->ShowKeyHeld(key, ms);
}

void TScenarioPlayer::Status(const std::string& sentence) {
  if (!Closing) Window->statusBar()->showMessage(QString::fromStdString(sentence));
}

void TScenarioPlayer::Caption(const std::string& text) {
  if (!Closing) Panel->ShowCaption(QString::fromStdString(text));
}

void TScenarioPlayer::LessonChanged() {
  if (!Closing) Panel->Update();
}

void TScenarioPlayer::Ended(TPlayEnd end, const std::string& message) {
  if (Closing) return;
  // A dealer's rounds go on after a round that ended by itself, and after
  // the visitor's turn.
  ShowAction(Driver.Loop && end != TPlayEnd::Stopped);
  const QString text = QString::fromStdString(message);
  switch (end) {
    case TPlayEnd::Passed:
      emit Finished(true, QString());
      break;
    case TPlayEnd::Failed:
    case TPlayEnd::Broken:
      emit Finished(false, text);
      // Shown once the driver has ended the round, not inside it.
      if (ReportFailures)
        QTimer::singleShot(0, this,
                           [this, text] { QMessageBox::warning(Window, "Play Scenario", text); });
      break;
    case TPlayEnd::Interrupted:
      emit Interrupted(text);
      break;
    case TPlayEnd::Stopped:
      break;
  }
}
