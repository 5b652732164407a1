// The calls through which the window's tools reach the main window, and the
// tools as the assembly places them in its menus.
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>

#include "GuiSupport.h"
#include "core/Sensors.h"
#include "host/PCMain.h"
#include "host/RunLoop.h"
#include "window/DisplayActions.h"
#include "window/ScenarioPlayer.h"
#include "window/ScenarioRecording.h"

namespace {

using InstrumentWindowTest = gui::WindowTest;

int AxisInput(int axis) {
  return static_cast<int16_t>(AccelRegisters[2 * axis] | AccelRegisters[2 * axis + 1] << 8);
}

// Each bar of the list moves its own input and shows its own count; the
// extremes of every range reach the firmware unchanged.
TEST_F(InstrumentWindowTest, SensorBarsComeInTheOrderOfTheInputs) {
  TfrmMain& w = *frmMain;
  struct {
    TPanelInput input;
    QScrollBar* bar;
    QLabel* count;
    int (*read)();
  } const rows[] = {
      {TPanelInput::Volts, w.ScrollBar29, w.Label57, [] { return int(VoltsInput); }},
      {TPanelInput::Current, w.ScrollBar1, w.Label4, [] { return int(CurrentInput); }},
      {TPanelInput::Oat, w.ScrollBar2, w.Label1, [] { return int(OatInput); }},
      {TPanelInput::X, w.ScrollBar3, w.Label6, [] { return AxisInput(0); }},
      {TPanelInput::Y, w.ScrollBar4, w.Label9, [] { return AxisInput(1); }},
      {TPanelInput::Z, w.ScrollBar5, w.Label10, [] { return AxisInput(2); }},
  };
  ASSERT_EQ(std::size(rows), std::size_t(PanelSensorCount));
  for (const auto& row : rows) {
    SCOPED_TRACE(row.bar->objectName().toStdString());
    QScrollBar* bar = w.SensorBar(row.input);
    ASSERT_EQ(bar, row.bar);
    for (int value : {bar->minimum(), bar->maximum(), bar->minimum() + 1}) {
      bar->setValue(value);
      EXPECT_EQ(row.read(), value);
      EXPECT_EQ(row.count->text(), QString::number(value));
    }
  }
  // After the firmware's records were reset, the bars write them again.
  VoltsInput = CurrentInput = OatInput = 0;
  for (uint8_t& byte : AccelRegisters) byte = 0;
  w.WriteSensorInputs();
  for (const auto& row : rows) EXPECT_EQ(row.read(), row.bar->value());
}

// Every key as its control: deposited into the empty slot and announced;
// codes outside the front panel deposit nothing.
TEST_F(InstrumentWindowTest, PressKeyDepositsAsTheControlDoes) {
  TfrmMain& w = *frmMain;
  QSignalSpy deposited(&w, &TInstrumentWindow::KeyDeposited);
  for (uint8_t key : {KeyLeft, KeyRight, KeyKnobPress, KeyKnobPlus, KeyKnobMinus}) {
    SCOPED_TRACE(int(key));
    KeySlot = KeyNone;
    deposited.clear();
    w.PressKey(key, 0);
    EXPECT_EQ(KeySlot, key);
    w.PressKey(key == KeyLeft ? KeyRight : KeyLeft, 0);
    EXPECT_EQ(KeySlot, key) << "a pending key drops the next";
    ASSERT_EQ(deposited.count(), 1);
    EXPECT_EQ(deposited[0][0].toInt(), key);
  }
  for (uint8_t key : {uint8_t(0), uint8_t(6), uint8_t(255)}) {
    KeySlot = KeyNone;
    w.PressKey(key, 0);
    EXPECT_EQ(KeySlot, KeyNone) << int(key);
  }
}

TEST_F(InstrumentWindowTest, KnobButtonsAreShownHeldOnlyWhenAsked) {
  TfrmMain& w = *frmMain;
  w.PressKey(KeyKnobPlus, 0);
  EXPECT_FALSE(w.Button3->isDown());
  KeySlot = KeyNone;
  w.PressKey(KeyKnobMinus, 150);
  EXPECT_TRUE(w.Button4->isDown());
  EXPECT_FALSE(w.Button3->isDown());
  ASSERT_TRUE(gui::WaitFor([&] { return !w.Button4->isDown(); }, 1000));
  KeySlot = KeyNone;
  w.PressKey(KeyLeft, 150);
  EXPECT_FALSE(w.Button3->isDown() || w.Button4->isDown());
}

// The lamp as one call: lit while an alarm is unacknowledged.
TEST_F(InstrumentWindowTest, LampLitFollowsTheAlarmWords) {
  TfrmMain& w = *frmMain;
  EXPECT_FALSE(w.LampLit());
  EXPECT_EQ(w.LampColour(), QColor(128, 0, 0));
  w.SwitchOn();
  w.ScrollBar29->setValue(1648);  // 15.5 V, above the high alarm level
  ASSERT_TRUE(gui::WaitFor([&] { return w.LampLit(); }));
  EXPECT_EQ(w.LampColour(), QColor(255, 0, 0));
  AlarmAcknowledged = AlarmFlags;
  ASSERT_TRUE(gui::WaitFor([&] { return !w.LampLit(); }));
  w.SwitchOff();
  ASSERT_TRUE(gui::WaitFor([&] { return !w.Running(); }));
}

// The user's "&On" and "&Off" are announced after their handlers ran; the
// tools' own calls are not the user's.
TEST_F(InstrumentWindowTest, PowerPressedOnlyForTheUsersButtons) {
  TfrmMain& w = *frmMain;
  QSignalSpy pressed(&w, &TInstrumentWindow::PowerPressed);
  bool runningWhenAnnounced = false;
  QObject::connect(&w, &TInstrumentWindow::PowerPressed, &w,
                   [&](bool on) { runningWhenAnnounced = on && w.Running(); });
  w.SwitchOn();
  w.SwitchOff();
  EXPECT_EQ(pressed.count(), 0);
  ASSERT_TRUE(gui::WaitFor([&] { return !w.Running(); }));
  gui::Click(w.Button1);
  ASSERT_EQ(pressed.count(), 1);
  EXPECT_TRUE(pressed[0][0].toBool());
  EXPECT_TRUE(runningWhenAnnounced);
  gui::Click(w.Button2);
  ASSERT_EQ(pressed.count(), 2);
  EXPECT_FALSE(pressed[1][0].toBool());
  EXPECT_EQ(StopRequested, 1);
  ASSERT_TRUE(gui::WaitFor([&] { return !w.Running(); }));
}

TEST_F(InstrumentWindowTest, TickedFollowsTheTick) {
  TfrmMain& w = *frmMain;
  QSignalSpy ticked(&w, &TInstrumentWindow::Ticked);
  const uint32_t before = StopwatchCount;
  StopwatchRunning = 1;
  ASSERT_TRUE(ticked.wait(500));
  EXPECT_GT(StopwatchCount, before) << "the tick has run when it is announced";
  StopwatchRunning = 0;
}

QStringList Texts(const QMenu* menu) {
  QStringList texts;
  for (const QAction* action : menu->actions())
    texts << (action->isSeparator() ? "-"
              : action->menu()      ? action->menu()->title()
                                    : action->text());
  return texts;
}

TEST_F(InstrumentWindowTest, TheAssemblyPlacesEveryToolInItsMenus) {
  TfrmMain& w = *frmMain;
  EXPECT_EQ(Texts(w.File1),
            QStringList({"Play Scenario...", "Record Scenario...", "Add Expectation", "-",
                         "Save Display Image...", "Record Display...", "-", "&Exit"}));
  EXPECT_EQ(Texts(w.Edit1), QStringList({"Copy Display", "Picture Scale"}));
  EXPECT_EQ(Texts(w.View1), QStringList({"Display Window", "Inspector", "Flight Data"}));
  EXPECT_EQ(Texts(w.PopupMenu1), QStringList({"Copy Display", "Save Display Image...",
                                              "Record Display...", "Display Window"}));
  const TWindowTools& tools = gui::Tools();
  EXPECT_EQ(w.File1->actions().front(), tools.Player->Action);
  EXPECT_FALSE(tools.Recording->ExpectAction->isVisible());
}

// The recorder knows the player it was given: no recording while it plays,
// and no playing while it records.
TEST_F(InstrumentWindowTest, RecorderAndPlayerExcludeEachOther) {
  const TWindowTools& tools = gui::Tools();
  const QString path = QDir::temp().filePath("axim7-exclusive.yaml");
  ASSERT_TRUE(tools.Recording->Start(path));
  EXPECT_FALSE(tools.Player->Action->isEnabled());
  tools.Recording->Stop();
  ASSERT_TRUE(gui::WaitFor([&] { return !tools.Recording->Active(); }));
  EXPECT_TRUE(tools.Player->Action->isEnabled());
  QFile::remove(path);
}

}  // namespace
