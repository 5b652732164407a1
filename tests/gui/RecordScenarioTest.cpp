// Recording a scenario in the window with real events, then replaying it
// headless with the runner: it must end on the same screen and state.
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyleOptionSlider>
#include <QTemporaryDir>

#include "GuiSupport.h"
#include "host/Controls.h"
#include "host/PCMain.h"
#include "menus/FieldTable.h"
#include "pictures/Pictures.h"
#include "window/ScenarioRecording.h"
#include "window/StateWindow.h"

namespace {

using RecordScenarioTest = gui::WindowTest;

// A File menu entry chosen with the pointer.
void ChooseFromFileMenu(QAction* action) {
  QMenuBar* bar = frmMain->menuBar();
  gui::PointerClick(bar, bar->actionGeometry(frmMain->File1->menuAction()).center(), 1);
  ASSERT_TRUE(gui::WaitFor([] { return frmMain->File1->isVisible(); }));
  gui::PointerClick(frmMain->File1, frmMain->File1->actionGeometry(action).center(), 1);
}

// Drags a scroll bar's thumb to the right with the X pointer, in steps.
void DragThumb(QScrollBar* bar, int pixels) {
  QStyleOptionSlider o;
  o.initFrom(bar);
  o.orientation = Qt::Horizontal;
  o.maximum = bar->maximum();
  o.singleStep = o.pageStep = 1;
  const QPoint p = bar->mapToGlobal(
      bar->style()
          ->subControlRect(QStyle::CC_ScrollBar, &o, QStyle::SC_ScrollBarSlider, bar)
          .center());
  QString moves = QString("xdotool mousemove %1 %2 mousedown 1").arg(p.x()).arg(p.y());
  for (int dx = 10; dx <= pixels; dx += 10)
    moves += QString(" sleep 0.05 mousemove %1 %2").arg(p.x() + dx).arg(p.y());
  QProcess::execute("sh", {"-c", moves + " sleep 0.3 mouseup 1"});
  gui::Settle(200);
}

TEST_F(RecordScenarioTest, ReplayEndsOnTheRecordedScreenAndState) {
  TfrmMain& w = *frmMain;
  TScenarioRecording* recording = gui::Tools().Recording;
  ASSERT_NE(recording, nullptr);
  QTemporaryDir dir;
  const QString path = dir.filePath("fault.yaml");
  // The screen and every field when the recording ends, as expectations.
  std::string error;
  QString end = "  - take-screenshot: { compare-with: end.png }\n  - expect: {";
  bool written = false;
  QObject::connect(recording, &TScenarioRecording::Finished, [&](const QString&, bool ok) {
    written = ok && WriteDisplayPng(dir.filePath("end.png").toStdString(), FrameBuffer, 1, error);
    for (uint16_t i = 0; i < FieldCount; ++i)
      if (Fields[i].Type != FieldPage)
        end += QString(" \"%1\": %2,").arg(Fields[i].Name).arg(ReadField(Fields[i]), 0, 'g', 12);
    end.back() = '}';
  });

  ASSERT_TRUE(recording->Start(path));  // as the file dialog of "Record Scenario..." does
  ASSERT_TRUE(gui::WaitFor([&] { return recording->Active() && w.Running(); }));
  ASSERT_TRUE(gui::WaitPasses(3));
  EXPECT_TRUE(w.StatusBar1->currentMessage().startsWith("Recording scenario 0:0"));

  gui::Type(Qt::Key_Plus);  // keyboard
  gui::Settle(150);
  gui::PointerClick(w.Image8, w.Image8->rect().center(), 4);  // wheel over the knob
  gui::PointerClick(w.Button4, w.Button4->rect().center(), 1);
  w.ScrollBar29->setFocus();
  gui::Type(Qt::Key_End);  // 4096: the volts alarm
  DragThumb(w.ScrollBar2, 60);
  gui::PointerClick(w.CheckBox1, QPoint(8, 8), 1);
  gui::PointerClick(w.Button2, w.Button2->rect().center(), 1);  // &Off
  gui::Settle(300);
  gui::PointerClick(w.Image8, w.Image8->rect().center(), 1);    // waits in the slot
  gui::PointerClick(w.Image8, w.Image8->rect().center(), 1);    // dropped
  gui::PointerClick(w.Button1, w.Button1->rect().center(), 1);  // &On
  gui::Settle(300);
  gui::PointerClick(w.Image2, w.Image2->rect().center(), 1);  // acknowledges
  gui::Settle(300);
  gui::Tools().Inspector->setChecked(true);  // a setting changed in the inspector
  ASSERT_TRUE(w.findChild<TStateWindow*>()->Edit("Settings.HomeView", "2"));
  gui::Settle(300);
  gui::Type(Qt::Key_E, Qt::ControlModifier);
  gui::Settle(200);
  ChooseFromFileMenu(recording->RecordAction);
  ASSERT_TRUE(gui::WaitFor([&] { return !recording->Active(); }));
  ASSERT_TRUE(written);

  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(file.readAll());
  EXPECT_EQ(text.count("control: oat"), 2) << "the restart's input and the drag, one step";
  EXPECT_EQ(text.count("press: knob"), 1) << "a dropped key is not recorded";
  EXPECT_EQ(text.count("set: { Settings.HomeView: 2 }"), 1) << "the inspector's edit, a set step";

  file.close();
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Append));
  file.write((end + "\n").toUtf8());
  file.close();

  QProcess runner;
  runner.setProcessChannelMode(QProcess::MergedChannels);
  runner.start(AXIM_SCENARIO, {path});
  ASSERT_TRUE(runner.waitForFinished(60000));
  EXPECT_EQ(runner.exitCode(), 0) << runner.readAll().toStdString() << text.toStdString();
  ASSERT_TRUE(recording->Start(dir.filePath("closed.yaml")));
  w.close();
  EXPECT_TRUE(QFile::exists(dir.filePath("closed.yaml"))) << "closing the window writes it";
}

}  // namespace
