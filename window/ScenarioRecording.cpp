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

#include "host/InstrumentWindow.h"
#include "window/FileDialogs.h"
#include "window/RecordingStatus.h"
#include "window/ScenarioPlayer.h"

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
    connect(bar, &QScrollBar::sliderPressed, this, [this, i] { Session.DragBegan(i); });
    connect(bar, &QScrollBar::sliderReleased, this,
            [this, i, bar] { Session.DragEnded(i, bar->value()); });
  }
  Window->installEventFilter(this);
  connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
    if (Active()) Finish();
  });
}

// The window's controls are gone by now: the file is written, no questions.
TScenarioRecording::~TScenarioRecording() {
  if (!Active()) return;
  std::string error;
  if (!Session.Finish(error))
    std::fprintf(stderr, "%s\nThe scenario is kept in %s\n", error.c_str(),
                 Session.Recorder().PartPath().c_str());
}

int64_t TScenarioRecording::WallMs() { return QDateTime::currentMSecsSinceEpoch(); }

// Finished once the pass has been presented.
void TScenarioRecording::FinishAfterPass() {
  QMetaObject::invokeMethod(this, &TScenarioRecording::Finish, Qt::QueuedConnection);
}

void TScenarioRecording::RecordTriggered() {
  if (Active()) {
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
  // The inputs as the scroll bars and the box stand.
  int16_t positions[PanelInputCount];
  for (uint8_t i = 0; i < PanelSensorCount; ++i)
    positions[i] = static_cast<int16_t>(Window->SensorBars()[i]->value());
  const auto box = static_cast<uint8_t>(TPanelInput::Calibrate);
  positions[box] = FrontPanel.Position[box];
  std::string error;
  if (!Session.Start(QFile::encodeName(path).toStdString(),
                     QFileInfo(path).completeBaseName().toStdString(), positions, error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    QMessageBox::warning(Window, "Record Scenario", QString::fromStdString(error));
    return false;
  }
  Path = path;
  Window->PresentFrame();  // dark until the restart's "&On"
  RecordAction->setText("Stop Recording Scenario");
  ExpectAction->setVisible(true);
  // A scenario played while recording would be recorded with it.
  Player->Action->setEnabled(false);
  ShowStatus();
  return true;
}

void TScenarioRecording::Stop() {
  if (Session.Stop()) Finish();
}

void TScenarioRecording::Ticked() {
  if (Session.Ticked()) Finish();
  if (Active() && Session.Ticks() % 10 == 0) ShowStatus();
}

void TScenarioRecording::AddExpectation() {
  if (!Active()) return;
  if (!Session.AddExpectation()) {
    Window->statusBar()->showMessage(QString::fromStdString(Session.Recorder().Error()));
    return;
  }
  Window->statusBar()->showMessage(QString("Expectation %1 added - %2")
                                       .arg(Session.Recorder().ExpectationCount())
                                       .arg(QFileInfo(Path).fileName()),
                                   2000);
}

void TScenarioRecording::Finish() {
  if (!Active()) return;
  Session.End();
  RecordAction->setText("Record Scenario...");
  ExpectAction->setVisible(false);
  Player->Action->setEnabled(true);
  TRecordingStatus::Of(Window->statusBar())->Clear(TRecordingStatus::Scenario);

  // Nothing recorded is lost: a file that cannot be written is offered
  // elsewhere until it is written, and kept as its part file when the user
  // gives up.
  TScenarioRecorder& recorder = Session.Recorder();
  std::string error;
  if (recorder.Finish(Session.Ticks(), error)) {
    Window->statusBar()->showMessage("Scenario written: " + QFileInfo(Path).fileName(), 5000);
    emit Finished(Path, true);
    return;
  }
  QString path = Path;
  const QString part = QString::fromStdString(recorder.PartPath());
  for (;;) {
    std::fprintf(stderr, "%s\n", error.c_str());
    if (Window->isHidden() || QCoreApplication::closingDown()) break;
    QMessageBox::warning(Window, "Record Scenario",
                         QString::fromStdString(error) + "\nChoose another file for the scenario.");
    path = AskFileToWrite(Window, "Record Scenario", path, "Scenarios (*.yaml)", "yaml");
    if (path.isEmpty()) break;
    if (recorder.SaveAs(QFile::encodeName(path).toStdString(), error)) {
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
  TRecordingStatus::Of(Window->statusBar())
      ->Set(TRecordingStatus::Scenario, Session.Ticks() / 10, Path);
}

// Closing the window while recording writes the scenario.
bool TScenarioRecording::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Window && event->type() == QEvent::Close && Active()) Finish();
  return false;
}
