#include "window/ScenarioRecording.h"

#include <QAction>
#include <QCoreApplication>
#include <QDateTime>
#include <QEvent>
#include <QFileInfo>
#include <QMessageBox>
#include <QScrollBar>
#include <QStatusBar>
#include <cstdio>

#include "core/Settings.h"
#include "graphics/FrameBuffer.h"
#include "host/InstrumentWindow.h"
#include "pages/Pages.h"
#include "window/FileDialogs.h"
#include "window/RecordingStatus.h"
#include "window/ScenarioPlayer.h"

namespace {

// Ticks of dark display between the restart and its "&On".
constexpr uint32_t RestartTicks = 5;
constexpr uint32_t NoTick = UINT32_MAX;

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
  // After the window's own handler of the tick.
  connect(Window, &TInstrumentWindow::Ticked, this, &TScenarioRecording::Ticked);
  // A drag of a bar: held, the bar's moves wait for its release.
  for (uint8_t i = 0; i < PanelSensorCount; ++i) {
    QScrollBar* bar = Window->SensorBars()[i];
    connect(bar, &QScrollBar::sliderPressed, this, [this, i] { Drags[i] = {false, NoTick}; });
    connect(bar, &QScrollBar::sliderReleased, this, [this, i, bar] {
      const TDrag& drag = Drags[i];
      if (!Recording || (!drag.Moved && drag.Tick == NoTick)) return;  // held, not moved
      const auto control = static_cast<TControl>(i);
      if (drag.Moved)
        Queue([this, control, value = bar->value(),
               wall = Now()](uint32_t t) { Recorder.SetControl(t, wall, control, value); },
              true);
      else
        Recorder.SetControl(drag.Tick, Now(), control, bar->value());
    });
  }
  PanelListen(Heard, this);
  Window->installEventFilter(this);
  connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
    if (Recording) Finish();
  });
}

// The window's controls are gone by now: the file is written, no questions.
TScenarioRecording::~TScenarioRecording() {
  PanelUnlisten(Heard, this);
  if (!Recording) return;
  End();
  std::string error;
  if (!Recorder.Finish(Ticks, error))
    std::fprintf(stderr, "%s\nThe scenario is kept in %s\n", error.c_str(),
                 Recorder.PartPath().c_str());
}

void TScenarioRecording::Heard(const TPanelChange& change, void* context) {
  auto* recording = static_cast<TScenarioRecording*>(context);
  if (recording->Recording) recording->Changed(change);
}

void TScenarioRecording::Changed(const TPanelChange& change) {
  switch (change.Event) {
    case TPanelEvent::Tick:
      ++Ticks;
      return;
    case TPanelEvent::Pass:
      Passed();
      return;
    default:
      break;
  }
  if (change.Actor != TPanelActor::User) return;
  const int64_t wall = Now();
  switch (change.Event) {
    case TPanelEvent::Input: {
      const auto control = static_cast<TControl>(change.Which);
      if (control != TControl::Calibrate && Window->SensorBars()[change.Which]->isSliderDown()) {
        TDrag& drag = Drags[change.Which];
        if (PanelRunning())
          drag.Moved = true;
        else
          drag = {false, Ticks};
        return;
      }
      Queue([this, control, value = change.Value,
             wall](uint32_t t) { Recorder.SetControl(t, wall, control, value); },
            true);
      return;
    }
    case TPanelEvent::Key:
      // A key dropped because one was pending is not recorded.
      if (change.Value == 1)
        Queue([this, key = change.Which, wall](uint32_t t) { Recorder.Press(t, wall, key); },
              false);
      return;
    case TPanelEvent::Power:
      if (change.Value == 1) {
        PowerOnTick = 0;
        Queue([this, wall](uint32_t t) { Recorder.Power(t, wall, true); }, false);
        return;
      }
      // No pass sees what was pending when "&Off" came: it follows the "off".
      Recorder.Power(Ticks, wall, false);
      Flush(Ticks);
      return;
    case TPanelEvent::Field:
      Queue([this, field = change.Field, value = change.FieldValue,
             wall](uint32_t t) { Recorder.Set(t, wall, *field, value); },
            true);
      return;
    default:
      return;
  }
}

void TScenarioRecording::Queue(std::function<void(uint32_t)> step, bool input) {
  if (!PanelRunning()) {
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
  if (Player->Driver.Active()) {
    QMessageBox::information(Window, "Record Scenario",
                             "A scenario is playing. Stop it before recording a new one.");
    return;
  }
  const QString path = AskScenarioToRecord(Window);
  if (!path.isEmpty()) Start(path);
}

bool TScenarioRecording::Start(const QString& path) {
  // Refused before anything is recorded when the file cannot be written.
  const auto clock = static_cast<int64_t>(Now() / 1000);
  std::string error;
  if (!Recorder.Start(QFile::encodeName(path).toStdString(), clock,
                      QFileInfo(path).completeBaseName().toStdString(), error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    QMessageBox::warning(Window, "Record Scenario", QString::fromStdString(error));
    return false;
  }
  Path = path;
  StopPending = false;
  Ticks = LastPassTick = 0;
  PendingInputs.clear();
  PendingSteps.clear();
  for (TDrag& drag : Drags) drag = {};

  // The instrument restarts as from program start: dark for a moment, with
  // the inputs as the controls stand (recorded as the first steps), then
  // "&On". The clock is the recording's until it ends.
  std::array<int, PanelSensorCount> bars{};
  for (uint8_t i = 0; i < PanelSensorCount; ++i) bars[i] = Window->SensorBars()[i]->value();
  const int16_t box = FrontPanel.Position[static_cast<uint8_t>(TPanelInput::Calibrate)];
  SavedClock = PanelClock;
  PanelProgramStart();
  PanelClock = TPanelClock{TClockMode::Ticking, clock, 0};
  Window->PresentFrame();
  Recording = true;
  for (uint8_t i = 0; i < PanelSensorCount; ++i)
    PanelSetInput(static_cast<TPanelInput>(i), bars[i]);
  PanelSetInput(TPanelInput::Calibrate, box);
  PowerOnTick = RestartTicks;

  RecordAction->setText("Stop Recording Scenario");
  ExpectAction->setVisible(true);
  // A scenario played while recording would be recorded with it.
  Player->Action->setEnabled(false);
  ShowStatus();
  return true;
}

void TScenarioRecording::Stop() {
  if (!Recording || StopPending) return;
  if (!PanelRunning()) {
    Finish();
    return;
  }
  // The last pass of the recording follows a tick, as in the replay.
  StopPending = true;
  StopTick = Ticks + 1;
}

void TScenarioRecording::Ticked() {
  if (!Recording) return;
  if (PowerOnTick != 0 && Ticks >= PowerOnTick) PanelOn();  // heard as the user's "&On"
  if (StopPending && !PanelRunning()) Finish();
  if (Recording && Ticks % 10 == 0) ShowStatus();
}

void TScenarioRecording::Passed() {
  LastPassTick = Ticks;
  Flush(Ticks);
  for (TDrag& drag : Drags)
    if (drag.Moved) drag = {false, Ticks};
  // Finished once the pass has been presented.
  if (StopPending && Ticks >= StopTick)
    QMetaObject::invokeMethod(this, &TScenarioRecording::Finish, Qt::QueuedConnection);
}

// What the display showed at the last pass, at that pass's tick; its
// reference picture is written at once.
void TScenarioRecording::AddExpectation() {
  if (!Recording) return;
  Recorder.Expect(PanelRunning() ? LastPassTick : Ticks, Now(), PageName(PageHandler),
                  Settings.HomeView, PanelLampLit(), FrameBuffer);
  if (!Recorder.Error().empty()) {
    Window->statusBar()->showMessage(QString::fromStdString(Recorder.Error()));
    return;
  }
  Window->statusBar()->showMessage(QString("Expectation %1 added - %2")
                                       .arg(Recorder.ExpectationCount())
                                       .arg(QFileInfo(Path).fileName()),
                                   2000);
}

void TScenarioRecording::End() {
  Flush(Ticks);
  Recording = StopPending = false;
  PanelClock = SavedClock;
}

void TScenarioRecording::Finish() {
  if (!Recording) return;
  End();
  RecordAction->setText("Record Scenario...");
  ExpectAction->setVisible(false);
  Player->Action->setEnabled(true);
  TRecordingStatus::Of(Window->statusBar())->Clear(TRecordingStatus::Scenario);

  // Nothing recorded is lost: a file that cannot be written is offered
  // elsewhere until it is written, and kept as its part file when the user
  // gives up.
  std::string error;
  if (Recorder.Finish(Ticks, error)) {
    Window->statusBar()->showMessage("Scenario written: " + QFileInfo(Path).fileName(), 5000);
    emit Finished(Path, true);
    return;
  }
  QString path = Path;
  const QString part = QString::fromStdString(Recorder.PartPath());
  for (;;) {
    std::fprintf(stderr, "%s\n", error.c_str());
    if (Window->isHidden() || QCoreApplication::closingDown()) break;
    QMessageBox::warning(Window, "Record Scenario",
                         QString::fromStdString(error) + "\nChoose another file for the scenario.");
    path = AskFileToWrite(Window, "Record Scenario", path, "Scenarios (*.yaml)", "yaml");
    if (path.isEmpty()) break;
    if (Recorder.SaveAs(QFile::encodeName(path).toStdString(), error)) {
      Window->statusBar()->showMessage("Scenario written: " + QFileInfo(path).fileName(), 5000);
      emit Finished(path, true);
      return;
    }
  }
  const QString kept = "The scenario was not written; it is kept in " + part;
  std::fprintf(stderr, "%s\n", qPrintable(kept));
  Window->statusBar()->showMessage(kept);
  emit Finished(Path, false);
}

void TScenarioRecording::ShowStatus() {
  TRecordingStatus::Of(Window->statusBar())->Set(TRecordingStatus::Scenario, Ticks / 10, Path);
}

// Closing the window while recording writes the scenario.
bool TScenarioRecording::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Window && event->type() == QEvent::Close && Recording) Finish();
  return false;
}
