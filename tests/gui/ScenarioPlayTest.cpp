// Scenario playback in the real window: the controls move, keys reach the
// instrument, the scenario's clock runs during playback only, a failed
// expectation stops it saying what was expected and found, the pauses add
// no instrument time, and Stop ends it at once.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTimer>
#include <functional>

#include "GuiSupport.h"
#include "core/Core.h"
#include "host/Controls.h"
#include "host/PCMain.h"
#include "window/ScenarioPlayer.h"
#include "window/StateWindow.h"

namespace {

using ScenarioPlayTest = gui::WindowTest;

QString WriteScenario(const char* name, const char* text) {
  const QString path = QDir(QString::fromStdString(testing::TempDir())).filePath(name);
  QFile file(path);
  file.open(QIODevice::WriteOnly | QIODevice::Truncate);
  file.write(text);
  return path;
}

// Closes the message box a failed playback shows.
void CloseMessageBoxes() {
  auto* timer = new QTimer(qApp);
  QObject::connect(timer, &QTimer::timeout, [] {
    if (QWidget* box = QApplication::activeModalWidget()) box->close();
  });
  timer->start(50);
}

TEST_F(ScenarioPlayTest, PlaysInTheWindowAndStopsAtAFailedExpectation) {
  TfrmMain& w = *frmMain;
  TScenarioPlayer* player = gui::Tools().Player;
  ASSERT_NE(player, nullptr);
  player->Driver.Pauses.Key = 100;
  QSignalSpy finished(player, &TScenarioPlayer::Finished);
  CloseMessageBoxes();

  ASSERT_TRUE(player->Play(WriteScenario("alarm.yaml", R"(version: 1
clock: 2030-01-02T03:04:05Z
steps:
  - set-control: { control: oat, value: 2400 }
  - set-control: { control: current, value: 2048 }
  - set-control: { control: volts, value: 1648 }
  - power: on
  - delay: 300ms
  - expect: { Volts: 155, lamp: red, UtcTime.Year: 2030 }
  - press: plus
  - delay: 300ms
  - expect: { lamp: dark, AlarmAcknowledged: 0x01, Volts: 150 }
)")));
  EXPECT_EQ(PanelClock.Mode, TClockMode::Ticking) << "the scenario's clock while it plays";
  ASSERT_TRUE(gui::WaitFor([&] { return finished.count() == 1; }, 10000));
  EXPECT_FALSE(finished[0][0].toBool());
  EXPECT_TRUE(finished[0][1].toString().endsWith(
      "alarm.yaml:12: expected Volts 150, found 155 (\"15.5 V\")"))
      << finished[0][1].toString().toStdString();
  EXPECT_EQ(w.statusBar()->currentMessage(), finished[0][1].toString());
  EXPECT_EQ(AlarmAcknowledged, 0x01u) << "the press reached the home page";
  EXPECT_EQ(w.ScrollBar29->value(), 1648);
  EXPECT_EQ(w.Label57->text(), "1648");
  EXPECT_EQ(PanelClock.Mode, TClockMode::System) << "the real clock again afterwards";

  ASSERT_TRUE(player->Play(WriteScenario("long.yaml", "version: 1\nsteps:\n  - delay: 60s\n")));
  EXPECT_TRUE(player->Playing());
  const QList<QAction*> actions = w.File1->actions();
  ASSERT_EQ(actions.front()->text(), "Stop Scenario");
  actions.front()->trigger();
  EXPECT_FALSE(player->Playing());
  EXPECT_EQ(actions.front()->text(), "Play Scenario...");
  EXPECT_EQ(PanelClock.Mode, TClockMode::System);
}

// The same file passes headless and here, whatever the pauses shown between
// the keys; an inspector edit ends the playback as a key does.
TEST_F(ScenarioPlayTest, PausesAddNoInstrumentTime) {
  TScenarioPlayer* player = gui::Tools().Player;
  QSignalSpy finished(player, &TScenarioPlayer::Finished);
  CloseMessageBoxes();
  for (const int keyPause : {400, 900}) {
    SCOPED_TRACE(keyPause);
    finished.clear();
    player->Driver.Pauses.Key = keyPause;
    ASSERT_TRUE(player->Play(AXIM_SOURCE_DIR "/tests/scenarios/stopwatch_ticks.yaml"));
    ASSERT_TRUE(gui::WaitFor([&] { return finished.count() == 1; }, 20000));
    EXPECT_TRUE(finished[0][0].toBool()) << finished[0][1].toString().toStdString();
    EXPECT_EQ(frmMain->statusBar()->currentMessage(),
              "Scenario Stopwatch timed by the ticks passed");
  }
}

TEST_F(ScenarioPlayTest, WhatTheUserDoesToTheInstrumentEndsThePlaybackAndTheStatusBarSaysWhy) {
  TfrmMain& w = *frmMain;
  TScenarioPlayer* player = gui::Tools().Player;
  const QString path = WriteScenario("user.yaml", R"(version: 1
steps:
  - set-control: { control: volts, value: 1445 }
  - power: on
  - delay: 20s
  - expect: { Volts: 137 }
)");
  const struct {
    const char* reason;
    std::function<void()> act;
  } actions[] = {
      {"Off was pressed", [&] { gui::Click(w.Button2); }},
      {"On was pressed", [&] { gui::Click(w.Button1); }},
      {"a key was pressed", [] { gui::Type(Qt::Key_F1); }},
      {"a key was pressed", [&] { gui::Click(w.Button3); }},
      {"a key was pressed", [&] { gui::Click(w.Image8); }},
      {"the Volts input was moved",
       [&] {
         gui::ClickAt(w.ScrollBar29, {w.ScrollBar29->width() - 4, 8});
       }},
      {"the Z-axis input was moved",
       [&] {
         w.ScrollBar5->setFocus();
         gui::Type(Qt::Key_Left);
       }},
      {"Calibrate was changed", [&] { gui::Click(w.CheckBox1); }},
      {"Settings.HomeView was changed",
       [&] {
         gui::Tools().Inspector->setChecked(true);
         w.findChild<TStateWindow*>()->Edit("Settings.HomeView", "3");
       }},
  };
  for (const auto& a : actions) {
    SCOPED_TRACE(a.reason);
    QSignalSpy finished(player, &TScenarioPlayer::Finished);
    QSignalSpy interrupted(player, &TScenarioPlayer::Interrupted);
    w.activateWindow();
    ASSERT_TRUE(player->Play(path));
    ASSERT_TRUE(gui::WaitFor([] { return frmMain->Running() && frmMain->PassCount() > 3; }));
    gui::Settle(200);
    ASSERT_TRUE(player->Playing()) << "the player's own steps are not the user's";
    KeySlot = 0;
    a.act();
    EXPECT_FALSE(player->Playing());
    EXPECT_EQ(w.statusBar()->currentMessage(), QString("Scenario stopped: ") + a.reason);
    ASSERT_EQ(interrupted.count(), 1);
    EXPECT_EQ(interrupted[0][0].toString(), QString("Scenario stopped: ") + a.reason);
    gui::Settle(300);
    EXPECT_EQ(finished.count(), 0) << "no failure follows";
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  }
}

}  // namespace
