#include "window/ScenarioPlayer.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QScrollBar>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>

#include "core/Clock.h"
#include "graphics/FrameBuffer.h"
#include "host/InstrumentWindow.h"
#include "host/RunLoop.h"
#include "pictures/GifRecording.h"
#include "scenario/ScenarioRun.h"
#include "window/FileDialogs.h"

// The scenario's controls are the window's sensor inputs, in the same order.
static_assert(static_cast<int>(TControl::Volts) == static_cast<int>(TSensorInput::Volts) &&
              static_cast<int>(TControl::Oat) == static_cast<int>(TSensorInput::Oat) &&
              static_cast<int>(TControl::Z) == static_cast<int>(TSensorInput::AxisZ) &&
              static_cast<int>(TControl::Calibrate) == SensorInputCount);

namespace {

const char PlayText[] = "Play Scenario...";
const char StopText[] = "Stop Scenario";

}  // namespace

TScenarioPlayer::TScenarioPlayer(TInstrumentWindow* window) : QObject(window), Window(window) {
  Action = new QAction(PlayText, this);
  connect(Action, &QAction::triggered, this, [this] {
    if (Active)
      Stop("Scenario stopped");
    else
      Choose();
  });
  StepTimer = new QTimer(this);
  StepTimer->setSingleShot(true);
  connect(StepTimer, &QTimer::timeout, this, &TScenarioPlayer::Next);
  FrameTimer = new QTimer(this);
  FrameTimer->setInterval(40);
  connect(FrameTimer, &QTimer::timeout, this, &TScenarioPlayer::OfferFrame);
  WatchTheUser();
}

// What the user does to the instrument while a scenario plays ends the
// playback: the scenario no longer knows what the instrument does.
void TScenarioPlayer::WatchTheUser() {
  connect(Window, &TInstrumentWindow::PowerPressed, this,
          [this](bool on) { UserActed(on ? "On was pressed" : "Off was pressed"); });
  connect(Window, &TInstrumentWindow::KeyDeposited, this,
          [this](int) { UserActed("a key was pressed"); });
  const char* names[] = {"Volts", "Current", "OAT", "X-axis", "Y-axis", "Z-axis"};
  for (int i = 0; i < SensorInputCount; ++i)
    connect(Window->SensorBars()[static_cast<std::size_t>(i)], &QScrollBar::valueChanged, this,
            [this, name = QString(names[i])] { UserActed("the " + name + " input was moved"); });
  connect(Window->CalibrateBox(), &QCheckBox::toggled, this,
          [this] { UserActed("Calibrate was changed"); });
}

void TScenarioPlayer::UserActed(const QString& what) {
  if (!Active || Acting) return;
  const QString reason = "Scenario stopped: " + what;
  Stop(reason);
  emit Interrupted(reason);
}

TScenarioPlayer::~TScenarioPlayer() {
  if (Active) Stop("");
}

int64_t TScenarioPlayer::Clock() { return Start + static_cast<int64_t>(Elapsed.elapsed() / 1000); }

void TScenarioPlayer::Choose() {
  const QString path = AskScenarioToPlay(Window);
  if (!path.isEmpty()) Play(path);
}

bool TScenarioPlayer::Play(const QString& path) {
  if (Active) Stop("");
  std::string error;
  Options = BaseOptions;
  if (Options.OutDir.empty() && !QFileInfo(QFileInfo(path).absolutePath()).isWritable()) {
    QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (cache.isEmpty()) cache = QDir::temp().filePath("axim7-sim");
    Options.OutDir =
        QFile::encodeName(QDir(cache).filePath("scenarios/" + QFileInfo(path).completeBaseName()))
            .toStdString();
  }
  if (!LoadScenario(path.toStdString(), Options, Scenario, error)) {
    QMessageBox::warning(Window, "Play Scenario", QString::fromStdString(error));
    return false;
  }
  // The scenario runs from program start, as the runner runs it: the
  // instrument off, everything reset, the controls at their starting values.
  RequestStop();
  ResetToProgramStart();
  StopRequested = 1;
  Acting = true;
  for (QScrollBar* bar : Window->SensorBars())
    bar->setValue(0);  // its handler shows 0 and writes the input (already 0)
  Window->CalibrateBox()->setChecked(true);
  Acting = false;
  SavedClock = HostClock;
  Start = Scenario.Clock;
  Elapsed.start();
  if (Scenario.ClockGiven) HostClock = Clock;
  Active = true;
  StepIndex = 0;
  PressesLeft = 0;
  Action->setText(StopText);
  Next();
  return true;
}

void TScenarioPlayer::Stop(const QString& status) {
  if (!Active) return;
  Active = false;
  StepTimer->stop();
  FrameTimer->stop();
  if (Recording) {
    std::string ignored;
    if (Recording->Active()) Recording->Finish(Elapsed.elapsed() / 10, ignored);
    Recording.reset();
  }
  HostClock = SavedClock;
  Action->setText(PlayText);
  if (!status.isEmpty()) Window->statusBar()->showMessage(status);
}

void TScenarioPlayer::Fail(const TStep& step, const std::string& what) {
  const QString message =
      QString::fromStdString(Scenario.File + ":" + std::to_string(step.Line) + ": " + what);
  Stop("Scenario failed at line " + QString::number(step.Line));
  emit Finished(false, message);
  if (ReportFailures) QMessageBox::warning(Window, "Play Scenario", message);
}

void TScenarioPlayer::Next() {
  if (!Active) return;
  if (StepIndex >= Scenario.Steps.size()) {
    const QString name = QString::fromStdString(Scenario.Name);
    Stop("Scenario " + name + " passed");
    emit Finished(true, QString());
    return;
  }
  const TStep& step = Scenario.Steps[StepIndex];
  Window->statusBar()->showMessage(
      QString("Line %1: %2").arg(step.Line).arg(QString::fromStdString(step.Text)));
  RunStep(step);
}

void TScenarioPlayer::RunStep(const TStep& step) {
  int wait = 150;  // long enough to see each step in the status bar
  std::string failure;
  // The controls the steps work are not the user's doing.
  struct TActing {
    bool& Flag;
    explicit TActing(bool& flag) : Flag(flag) { Flag = true; }
    ~TActing() { Flag = false; }
  } acting(Acting);
  switch (step.Kind) {
    case TStepKind::SetControl:
      if (step.Control == TControl::Calibrate)
        Window->CalibrateBox()->setChecked(step.Value != 0);
      else
        Window->SensorBar(static_cast<TSensorInput>(step.Control))->setValue(step.Value);
      break;
    case TStepKind::Power:
      step.Value ? Window->SwitchOn() : Window->SwitchOff();
      wait = 300;
      break;
    case TStepKind::Press: {
      if (PressesLeft == 0) PressesLeft = step.Times;
      Window->PressKey(step.Key, KeyPause / 2);
      if (--PressesLeft > 0) {
        StepTimer->start(KeyPause);
        return;  // the same step again
      }
      wait = KeyPause;
      break;
    }
    case TStepKind::Delay:
      wait = static_cast<int>(step.Ticks) * 100;
      break;
    case TStepKind::Set:
      if (!ApplyAssignments(step, failure)) return Fail(step, failure);
      break;
    case TStepKind::Expect:
      if (!CheckExpectations(step, Window->LampLit(), failure)) return Fail(step, failure);
      break;
    case TStepKind::Screenshot: {
      const TScreenshotOutcome shot = TakeScreenshot(step, FrameBuffer, Options);
      if (!shot.Matches) return Fail(step, shot.Message);
      break;
    }
    case TStepKind::RecordStart:
      Recording = std::make_unique<TGifRecording>();
      if (!Recording->Start(step.Output, step.Scale, failure)) return Fail(step, failure);
      FrameTimer->start();
      OfferFrame();
      break;
    case TStepKind::RecordStop:
      FrameTimer->stop();
      if (Recording && !Recording->Finish(Elapsed.elapsed() / 10, failure))
        return Fail(step, failure);
      Recording.reset();
      break;
  }
  ++StepIndex;
  StepTimer->start(wait);
}

void TScenarioPlayer::OfferFrame() {
  if (!Recording || !Recording->Active()) return;
  std::string error;
  if (!Recording->Offer(FrameBuffer, Elapsed.elapsed() / 10, error)) {
    FrameTimer->stop();
    Fail(Scenario.Steps[StepIndex < Scenario.Steps.size() ? StepIndex : 0], error);
  }
}
