#include "window/ScenarioRecording.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QScrollBar>
#include <QStatusBar>
#include <QTimer>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "core/Clock.h"
#include "core/Settings.h"
#include "graphics/FrameBuffer.h"
#include "host/InstrumentWindow.h"
#include "host/RunLoop.h"
#include "menus/FieldTable.h"
#include "pictures/Pictures.h"
#include "scenario/ScenarioRun.h"
#include "window/FileDialogs.h"
#include "window/RecordingStatus.h"
#include "window/ScenarioPlayer.h"

namespace {

// Ticks of dark display between the restart and its "&On".
constexpr uint32_t RestartTicks = 5;
constexpr uint32_t NoTick = UINT32_MAX;

// The host clock while recording: the start plus 100 ms a tick.
int64_t ClockStart = 0;
uint32_t ClockTicks = 0;
int64_t RecordingClock() { return ClockStart + ClockTicks / 10; }
int64_t (*SavedClock)() = nullptr;

int64_t Now() { return QDateTime::currentMSecsSinceEpoch(); }

}  // namespace

TScenarioRecording::TScenarioRecording(TInstrumentWindow* window, TScenarioPlayer* player)
    : QObject(window), Window(window), Player(player) {
  RecordAction = new QAction("Record Scenario...", this);
  ExpectAction = new QAction("Add Expectation", this);
  ExpectAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
  ExpectAction->setVisible(false);
  connect(RecordAction, &QAction::triggered, this, &TScenarioRecording::RecordTriggered);
  connect(ExpectAction, &QAction::triggered, this, &TScenarioRecording::AddExpectation);

  // The window's events follow its own handlers, so these see the effect.
  connect(Window, &TInstrumentWindow::Ticked, this, &TScenarioRecording::Tick);
  connect(Window, &TInstrumentWindow::StateAdvanced, this, &TScenarioRecording::StateAdvanced);
  connect(Window, &TInstrumentWindow::KeyDeposited, this, [this](int key) {
    if (Recording)
      Queue([this, key, wall = Now()](uint32_t t) { Recorder.Press(t, wall, uint8_t(key)); },
            false);
  });
  connect(Window, &TInstrumentWindow::PowerPressed, this, [this](bool on) {
    if (!Recording) return;
    if (on) {
      PowerOnTick = 0;
      Queue([this, wall = Now()](uint32_t t) { Recorder.Power(t, wall, true); }, false);
      return;
    }
    // No pass sees what was pending when "&Off" came: it follows the "off".
    Recorder.Power(Ticks, Now(), false);
    Flush(Ticks);
  });
  connect(Window->CalibrateBox(), &QCheckBox::toggled, this, [this](bool ticked) {
    if (Recording)
      Queue([this, ticked, wall = Now()](
                uint32_t t) { Recorder.SetControl(t, wall, TControl::Calibrate, ticked ? 1 : 0); },
            true);
  });
  // The scenario's controls are the sensor inputs in the same order.
  for (int i = 0; i < SensorInputCount; ++i)
    WatchBar(Window->SensorBar(static_cast<TSensorInput>(i)), static_cast<TControl>(i));

  Window->installEventFilter(this);
  connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
    if (Recording) Finish();
  });
}

// The window's controls are gone by now: the file is written, no questions.
TScenarioRecording::~TScenarioRecording() {
  if (!Recording) return;
  End();
  std::string error;
  if (!Recorder.Write(Path.toStdString(), error)) std::fprintf(stderr, "%s\n", error.c_str());
}

void TScenarioRecording::End() {
  Flush(Ticks);
  Recorder.Finish(Ticks);
  Recording = StopPending = false;
  HostClock = SavedClock;
}

// A drag is one step: its final value, at the tick the firmware first saw it.
void TScenarioRecording::WatchBar(QScrollBar* bar, TControl control) {
  Drags.push_back({bar, control, false, 0});
  const std::size_t index = Drags.size() - 1;
  connect(bar, &QScrollBar::valueChanged, this, [this, index](int value) {
    if (!Recording) return;
    TDrag& drag = Drags[index];
    if (!drag.Bar->isSliderDown()) {
      Queue([this, control = drag.Control, value,
             wall = Now()](uint32_t t) { Recorder.SetControl(t, wall, control, value); },
            true);
    } else if (PassesRun()) {
      drag.Moved = true;
    } else {
      drag.Moved = false;
      drag.Tick = Ticks;
    }
  });
  connect(bar, &QScrollBar::sliderPressed, this, [this, index] { Drags[index].Tick = NoTick; });
  connect(bar, &QScrollBar::sliderReleased, this, [this, index] {
    const TDrag& drag = Drags[index];
    if (!Recording || (!drag.Moved && drag.Tick == NoTick)) return;  // held, not moved
    if (drag.Moved)
      Queue([this, control = drag.Control, value = drag.Bar->value(),
             wall = Now()](uint32_t t) { Recorder.SetControl(t, wall, control, value); },
            true);
    else
      Recorder.SetControl(drag.Tick, Now(), drag.Control, drag.Bar->value());
  });
}

bool TScenarioRecording::PassesRun() const { return Window->Running() && StopRequested == 0; }

void TScenarioRecording::Queue(std::function<void(uint32_t)> step, bool input) {
  if (!PassesRun()) {
    step(Ticks);
    return;
  }
  // Inputs first: the pass sees them together with any key.
  (input ? PendingInputs : PendingSteps).push_back(std::move(step));
}

void TScenarioRecording::Flush(uint32_t tick) {
  for (auto& step : PendingInputs) step(tick);
  for (auto& step : PendingSteps) step(tick);
  PendingInputs.clear();
  PendingSteps.clear();
}

void TScenarioRecording::RecordTriggered() {
  if (Recording) {
    Stop();
    return;
  }
  if (Player->Playing()) {
    QMessageBox::information(Window, "Record Scenario",
                             "A scenario is playing. Stop it before recording a new one.");
    return;
  }
  const QString path = AskScenarioToRecord(Window);
  if (!path.isEmpty()) Start(path);
}

bool TScenarioRecording::Start(const QString& path) {
  // Refused before anything is recorded when the file cannot be written.
  const std::string probe = path.toStdString() + ".part";
  FILE* file = std::fopen(probe.c_str(), "wb");
  if (file == nullptr) {
    const std::string error = WriteFailure(path.toStdString(), std::strerror(errno));
    std::fprintf(stderr, "%s\n", error.c_str());
    QMessageBox::warning(Window, "Record Scenario", QString::fromStdString(error));
    return false;
  }
  std::fclose(file);
  std::remove(probe.c_str());

  Path = path;
  Recording = true;
  StopPending = false;
  Ticks = ClockTicks = 0;
  ClockStart = static_cast<int64_t>(Now() / 1000);
  Recorder.Start(ClockStart, QFileInfo(path).completeBaseName().toStdString());
  PendingInputs.clear();
  PendingSteps.clear();

  // The instrument restarts as from program start: dark for a moment, with
  // the inputs as the controls stand, then "&On".
  ResetToProgramStart();
  SavedClock = HostClock;
  HostClock = RecordingClock;
  RequestStop();
  Window->PresentFrame();
  Window->WriteSensorInputs();
  for (const TDrag& drag : Drags) Recorder.SetControl(0, Now(), drag.Control, drag.Bar->value());
  Recorder.SetControl(0, Now(), TControl::Calibrate, Window->CalibrateBox()->isChecked() ? 1 : 0);
  PowerOnTick = RestartTicks;

  RecordAction->setText("Stop Recording Scenario");
  ExpectAction->setVisible(true);
  EnablePlaying(false);
  ShowStatus();
  return true;
}

void TScenarioRecording::Stop() {
  if (!Recording || StopPending) return;
  if (!PassesRun()) {
    Finish();
    return;
  }
  // The last pass of the recording follows a tick, as in the replay.
  StopPending = true;
  StopTick = Ticks + 1;
}

void TScenarioRecording::Tick() {
  if (!Recording) return;
  ClockTicks = ++Ticks;
  if (PowerOnTick != 0 && Ticks >= PowerOnTick) {
    PowerOnTick = 0;
    Window->SwitchOn();
    Queue([this, wall = Now()](uint32_t t) { Recorder.Power(t, wall, true); }, false);
  }
  if (StopPending && !PassesRun()) Finish();
  if (Recording && Ticks % 10 == 0) ShowStatus();
}

void TScenarioRecording::StateAdvanced() {
  if (Window->PassCount() == SeenPasses) return;  // a tick while off, not a pass
  SeenPasses = Window->PassCount();
  if (!Recording) return;
  LastPassTick = Ticks;
  Flush(Ticks);
  for (TDrag& drag : Drags)
    if (drag.Moved) drag.Moved = false, drag.Tick = Ticks;
  if (StopPending && Ticks >= StopTick) Finish();
}

// What the display showed at the last pass, at that pass's tick.
void TScenarioRecording::AddExpectation() {
  if (!Recording) return;
  Recorder.Expect(PassesRun() ? LastPassTick : Ticks, Now(), PageName(PageHandler),
                  Settings.HomeView, Window->LampLit(), FrameBuffer);
  Window->statusBar()->showMessage(QString("Expectation %1 added - %2")
                                       .arg(Recorder.ExpectationCount())
                                       .arg(QFileInfo(Path).fileName()),
                                   2000);
}

void TScenarioRecording::Finish() {
  End();
  RecordAction->setText("Record Scenario...");
  ExpectAction->setVisible(false);
  EnablePlaying(true);
  TRecordingStatus::Of(Window->statusBar())->Clear(TRecordingStatus::Scenario);

  // Nothing recorded is lost: a file that cannot be written is offered
  // elsewhere until it is written or the user gives up.
  std::string error;
  QString path = Path;
  while (!Recorder.Write(path.toStdString(), error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    if (Window->isHidden() || QCoreApplication::closingDown()) {
      emit Finished(path, false);
      return;
    }
    QMessageBox::warning(Window, "Record Scenario",
                         QString::fromStdString(error) + "\nChoose another file for the scenario.");
    path = AskFileToWrite(Window, "Record Scenario", path, "Scenarios (*.yaml)", "yaml");
    if (path.isEmpty()) {
      emit Finished(Path, false);
      return;
    }
  }
  Window->statusBar()->showMessage("Scenario written: " + QFileInfo(path).fileName(), 5000);
  emit Finished(path, true);
}

// A scenario played while recording would be recorded with it.
void TScenarioRecording::EnablePlaying(bool enabled) { Player->Action->setEnabled(enabled); }

void TScenarioRecording::ShowStatus() {
  TRecordingStatus::Of(Window->statusBar())->Set(TRecordingStatus::Scenario, Ticks / 10, Path);
}

// Closing the window while recording writes the scenario.
bool TScenarioRecording::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Window && event->type() == QEvent::Close && Recording) Finish();
  return false;
}
