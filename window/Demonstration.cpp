#include "window/Demonstration.h"

#include <QApplication>
#include <QEvent>
#include <QStatusBar>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include "host/InstrumentWindow.h"
#include "window/ScenarioPlayer.h"

namespace {

constexpr int RetryAfterFailureMs = 5000;

int IdleWait() {
  bool ok = false;
  const int ms = qEnvironmentVariableIntValue(IdleRestartVariable, &ok);
  return ok && ms > 0 ? ms : IdleRestartMs;
}

}  // namespace

TDemonstration::TDemonstration(TInstrumentWindow* window, TScenarioPlayer* player,
                               const QString& file, bool loop)
    : QObject(window), Window(window), Player(player), File(file), Loop(loop) {
  Idle = new QTimer(this);
  Idle->setSingleShot(true);
  Idle->setInterval(IdleWait());
  connect(Idle, &QTimer::timeout, this, &TDemonstration::Round);
  // Every round alike: screenshots that differ from the last round's are
  // written again, never reported; a failure shows in the status bar only.
  TScenarioOptions options;
  if (Output.isValid()) options.OutDir = QFile::encodeName(Output.path()).toStdString();
  options.Update = true;
  Player->BaseOptions = options;
  Player->ReportFailures = false;
  // A round that failed is not tried again at once: a scenario that fails
  // on its first step would otherwise restart without pause.
  connect(Player, &TScenarioPlayer::Finished, this, [this](bool passed) {
    if (Loop)
      QTimer::singleShot(passed ? 0 : RetryAfterFailureMs, this, &TDemonstration::Round);
    else
      Ended = true;
  });
  // A key or an input that reached the instrument during a round.
  connect(Player, &TScenarioPlayer::Interrupted, this, &TDemonstration::HandOver);
  qApp->installEventFilter(this);
}

bool TDemonstration::Start() {
  ++RoundCount;
  return Player->Play(File);
}

bool TDemonstration::Demonstrating() const { return Player->Playing(); }

void TDemonstration::Round() {
  if (Player->Playing()) return;
  Ended = false;
  Start();
}

void TDemonstration::HandOver() {
  Window->statusBar()->showMessage(
      "Your turn: the demonstration starts again after a minute without input");
  Idle->start();
}

bool TDemonstration::OnTheInstrument(QObject* watched) const {
  if (auto* widget = qobject_cast<QWidget*>(watched)) {
    // The main window and its tool windows (the display window among them).
    const QWidget* top = widget->window();
    return top == Window || top->parentWidget() == Window;
  }
  // The display panel's own surface.
  return watched == Window->DisplaySurface();
}

bool TDemonstration::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
      break;
    default:
      return false;
  }
  if (!OnTheInstrument(watched)) return false;
  // Input while the visitor has the instrument: the wait starts again.
  if (Idle->isActive() || !Player->Playing()) {
    if (!Ended || Loop) Idle->start();
    return false;
  }
  Player->Stop(QString());
  HandOver();
  return false;
}
