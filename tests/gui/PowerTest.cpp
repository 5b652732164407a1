// Switching the instrument on and off, leaving the program, and the lamp.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>

#include "GuiSupport.h"
#include "core/Core.h"
#include "host/Controls.h"
#include "host/PCMain.h"
#include "host/RunLoop.h"
#include "pages/Pages.h"

namespace {

using WindowPowerTest = gui::WindowTest;
using WindowLampTest = gui::WindowTest;

TEST_F(WindowPowerTest, OnRunsPassesUntilOff) {
  TfrmMain& w = *frmMain;
  EXPECT_FALSE(w.Running());
  EXPECT_EQ(w.PassCount(), 0u) << "the firmware is idle until On";
  gui::Click(w.Button1);
  EXPECT_EQ(PageHandler, &HomePage);
  ASSERT_TRUE(gui::WaitPasses(5));
  EXPECT_TRUE(w.Running());

  gui::Click(w.Button2);
  EXPECT_EQ(StopRequested, 1);
  ASSERT_TRUE(gui::WaitFor([&] { return !w.Running(); }));
  const unsigned long stopped = w.PassCount();
  gui::Settle(300);
  EXPECT_EQ(w.PassCount(), stopped);

  gui::Click(w.Button2);  // a second Off changes nothing
  EXPECT_FALSE(w.Running());
  gui::Click(w.Button1);
  ASSERT_TRUE(gui::WaitPasses(3)) << "On again restarts the passes";
}

TEST_F(WindowPowerTest, OffBeforeOnOnlyRequestsTheStop) {
  TfrmMain& w = *frmMain;
  gui::Click(w.Button2);
  gui::Click(w.Button2);
  EXPECT_EQ(StopRequested, 1);
  EXPECT_FALSE(w.Running());
  EXPECT_EQ(PageHandler, &HomePage) << "set up with the window, untouched by Off";
  gui::Click(w.Button1);
  EXPECT_EQ(StopRequested, 0);
  EXPECT_TRUE(gui::WaitPasses(3));
}

// On while running restarts the instrument and the passes go on; the
// handler returns at once instead of looping inside itself.
TEST_F(WindowPowerTest, OnWhileRunningRestartsWithoutNesting) {
  TfrmMain& w = *frmMain;
  gui::Click(w.Button1);
  ASSERT_TRUE(gui::WaitPasses(3));
  for (int i = 0; i < 200; ++i) {
    const unsigned long before = w.PassCount();
    Settings.VoltsHighAlarm = 99;
    w.Button1Click();
    EXPECT_EQ(w.PassCount(), before) << "no pass runs inside the handler";
    EXPECT_EQ(Settings.VoltsHighAlarm, 150) << "the defaults are loaded again";
  }
  for (int i = 0; i < 20; ++i) gui::Click(w.Button1);
  ASSERT_TRUE(gui::WaitPasses(5));
  gui::Click(w.Button2);
  ASSERT_TRUE(gui::WaitFor([&] { return !w.Running(); })) << "one Off stops it";
}

TEST_F(WindowPowerTest, TickRunsWhetherOnOrOff) {
  TfrmMain& w = *frmMain;
  const auto ticked = [] {
    const uint8_t start = TwoSecondCounter;
    return gui::WaitFor([start] { return TwoSecondCounter != start; }, 2000);
  };
  EXPECT_TRUE(ticked()) << "off";
  gui::Click(w.Button1);
  EXPECT_TRUE(ticked()) << "on";
  gui::Click(w.Button2);
  EXPECT_TRUE(ticked()) << "off again";
}

TEST_F(WindowPowerTest, PassesSampleTheCalibrateBox) {
  TfrmMain& w = *frmMain;
  gui::Click(w.Button1);
  ASSERT_TRUE(gui::WaitPasses(2));
  EXPECT_EQ(CalibrateSwitch, 1);
  gui::Click(w.CheckBox1);
  ASSERT_TRUE(gui::WaitPasses(2));
  EXPECT_EQ(CalibrateSwitch, 0);
}

TEST_F(WindowPowerTest, ClosingWhileRunningStopsThePassesAndEndsTheProgram) {
  TfrmMain& w = *frmMain;
  gui::Click(w.Button1);
  ASSERT_TRUE(gui::WaitPasses(3));
  EXPECT_TRUE(w.close());
  EXPECT_EQ(StopRequested, 1);
  EXPECT_FALSE(w.isVisible());
  ASSERT_TRUE(gui::WaitFor([&] { return !w.Running(); })) << "the passes end although hidden";
}

TEST_F(WindowPowerTest, ExitStopsThePassesAndQuits) {
  TfrmMain& w = *frmMain;
  gui::Click(w.Button1);
  ASSERT_TRUE(gui::WaitPasses(3));
  w.Exit1->trigger();
  EXPECT_EQ(StopRequested, 1);
  gui::Settle(100);
  EXPECT_FALSE(w.Running());
}

TEST_F(WindowLampTest, LampFollowsTheAlarmWordsOnEveryPass) {
  TfrmMain& w = *frmMain;
  // Inputs that raise no alarm: 14.0 V, 0 A, 14 C.
  w.ScrollBar29->setValue(1479);
  w.ScrollBar1->setValue(2047);
  w.ScrollBar1->setValue(2048);
  w.ScrollBar2->setValue(2384);
  gui::Click(w.Button1);
  ASSERT_TRUE(gui::WaitPasses(3));
  ASSERT_EQ(AlarmFlags, 0u);
  const QPoint centre = w.Shape1->rect().center();
  auto lampColour = [&] {
    gui::WaitPasses(2);
    gui::Settle(50);
    const QImage image = gui::Grab(w.Shape1);
    const qreal r = image.width() / 33.0;
    return gui::ColourAt(image, int(centre.x() * r), int(centre.y() * r));
  };
  EXPECT_EQ(lampColour(), QColor(128, 0, 0));

  CountdownRunning = 1;  // a countdown run out keeps its bit at the two-second events
  CountdownCount = 0;
  AlarmFlags |= AlarmCountdown;
  EXPECT_EQ(lampColour(), QColor(255, 0, 0));
  EXPECT_EQ(w.Shape1->BrushColor(), QColor(255, 0, 0));
  AlarmAcknowledged |= AlarmCountdown;
  EXPECT_EQ(lampColour(), QColor(128, 0, 0));
  AlarmAcknowledged = 0;
  EXPECT_EQ(lampColour(), QColor(255, 0, 0));

  gui::Click(w.Button2);
  ASSERT_TRUE(gui::WaitFor([&] { return !w.Running(); }));
  AlarmFlags = 0;
  EXPECT_EQ(lampColour(), QColor(255, 0, 0)) << "switched off, the lamp keeps its colour";
}

}  // namespace
