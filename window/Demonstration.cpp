#include "window/Demonstration.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QStatusBar>
#include <QWidget>
#include <QWindow>

#include "host/Controls.h"
#include "host/InstrumentWindow.h"
#include "window/ScenarioPlayer.h"

namespace {

int IdleWait() {
  bool ok = false;
  const int ms = qEnvironmentVariableIntValue(IdleRestartVariable, &ok);
  return ok && ms > 0 ? ms : IdleRestartMs;
}

// The front panel's own controls: what they do reaches the driver through
// the panel.
bool PanelControl(QObject* watched) {
  return qobject_cast<QAbstractButton*>(watched) || qobject_cast<QAbstractSlider*>(watched) ||
         qobject_cast<TClickArea*>(watched);
}

}  // namespace

TDemonstration::TDemonstration(TInstrumentWindow* window, TScenarioPlayer* player,
                               const QString& file, bool loop)
    : QObject(window), Window(window), Player(player), File(file) {
  // One playback plays as "Play Scenario..." does (outputs next to the
  // file); the rounds write theirs into a folder of their own. Neither
  // rewrites a reference, and a failure shows in the status bar only.
  TScenarioOptions options;
  if (loop && Output.isValid()) options.OutDir = QFile::encodeName(Output.path()).toStdString();
  Player->BaseOptions = options;
  Player->ReportFailures = !loop;
  Player->Driver.Loop = loop;
  Player->Driver.Pauses.Idle = IdleWait();
  connect(Player, &TScenarioPlayer::Interrupted, this, [this] {
    if (Player->Driver.Loop)
      Window->statusBar()->showMessage(
          "Your turn: the demonstration starts again after a minute without input");
  });
  qApp->installEventFilter(this);
}

bool TDemonstration::Start() { return Player->Play(File); }

bool TDemonstration::Demonstrating() const { return Player->Playing(); }

int TDemonstration::Rounds() const { return Player->Driver.Rounds(); }

bool TDemonstration::OnTheInstrument(QObject* watched) const {
  if (auto* widget = qobject_cast<QWidget*>(watched)) {
    // The main window and its tool windows (the display window among them).
    const QWidget* top = widget->window();
    return top == Window || top->parentWidget() == Window;
  }
  // The display panel's own surface.
  return watched == Window->DisplaySurface();
}

// Input the front panel does not see (a click on the display or the face, a
// key that is no front-panel key) ends a round or restarts the visitor's
// wait as the panel's own changes do.
bool TDemonstration::eventFilter(QObject* watched, QEvent* event) {
  const char* what = nullptr;
  switch (event->type()) {
    case QEvent::KeyPress:
      if (FrontPanelKeyCode(static_cast<QKeyEvent*>(event)) == 0) what = "a key was pressed";
      break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
      what = "the instrument was touched";
      break;
    default:
      break;
  }
  if (what == nullptr || PanelControl(watched) || !OnTheInstrument(watched)) return false;
  Player->Driver.UserActed(what);
  return false;
}
