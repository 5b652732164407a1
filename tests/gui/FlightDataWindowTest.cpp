// View > Flight Data beside the running window: inputs typed in their units,
// a named state, and a flight log played from the window's tick, all seen on
// the main window's bars and on the display; a log played while a scenario
// is recorded replays in the runner.
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "GuiSupport.h"
#include "core/Settings.h"
#include "host/PCMain.h"
#include "host/PanelUnits.h"
#include "pages/HomePage.h"
#include "window/ColumnMapDialog.h"
#include "window/FlightDataWindow.h"
#include "window/ScenarioRecording.h"

namespace {

using FlightDataTest = gui::WindowTest;

int CountOf(TPanelInput input, double value) {
  return PanelUnitToCount(input, value, PanelInputUnit(input)).Count;
}

void WriteFile(const QString& path, const char* text) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(text);
}

// The window's tick by hand, then the pass it asks for: the runner's time.
void Tick(int ticks = 1) {
  for (int i = 0; i < ticks; ++i) {
    frmMain->Timer1Timer();
    ASSERT_TRUE(gui::WaitFor([] { return !PanelWantsPass(); }));
    QCoreApplication::processEvents();
  }
}

QString Runner() { return QStringLiteral(AXIM_SCENARIO); }

TEST_F(FlightDataTest, UnitsStatesAndALogDriveTheBarsAndTheDisplay) {
  TfrmMain& w = *frmMain;
  PanelClock = {TClockMode::Fixed, 1'780'000'000, 0};  // the home page's clocks stand still
  gui::Tools().FlightData->setChecked(true);
  auto* data = w.findChild<TFlightDataWindow*>();
  ASSERT_NE(data, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(data));
  gui::Click(w.Button1);
  ASSERT_TRUE(gui::WaitPasses(5));

  auto type = [&](TPanelInput input, const QString& text) {
    QLineEdit* field = data->Fields[static_cast<int>(input)];
    field->clear();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
  };
  QScrollBar* volts = w.ScrollBar29;
  type(TPanelInput::Volts, "13.0 V");
  ASSERT_TRUE(gui::WaitFor([&] { return PanelInputValue(TPanelInput::Volts) == volts->value(); }));
  gui::Settle(500);
  const QImage before13 = gui::Grab(w.Panel1);
  type(TPanelInput::Volts, "14.2");
  EXPECT_EQ(volts->value(), CountOf(TPanelInput::Volts, 14.2));
  EXPECT_TRUE(data->Counts[0]->text().contains("14.2 V")) << data->Counts[0]->text().toStdString();
  EXPECT_TRUE(gui::WaitFor([&] { return gui::Grab(w.Panel1) != before13; }, 3000))
      << "the display's reading follows the typed value";
  type(TPanelInput::Volts, "13 V");
  EXPECT_TRUE(gui::WaitFor([&] { return gui::Grab(w.Panel1) == before13; }, 3000));
  type(TPanelInput::Volts, "14.2 V");
  const int before = volts->value();
  type(TPanelInput::Volts, "3 furlongs");
  EXPECT_TRUE(data->Message->text().contains("furlongs"));
  EXPECT_EQ(volts->value(), before) << "a refused value moves nothing";
  type(TPanelInput::Volts, "99 V");
  EXPECT_TRUE(data->Message->text().contains("beyond")) << data->Message->text().toStdString();
  EXPECT_EQ(volts->value(), volts->maximum());
  type(TPanelInput::Oat, "23 F");
  EXPECT_EQ(w.ScrollBar2->value(), CountOf(TPanelInput::Oat, -5.0));

  gui::Click(data->States[PanelStateCount - 1]);  // "Steep turn 60°"
  EXPECT_EQ(w.ScrollBar5->value(), CountOf(TPanelInput::Z, -2.0));
  EXPECT_TRUE(data->Counts[5]->text().contains("g"));

  QTemporaryDir dir;
  QFile csv(dir.filePath("short.csv"));
  ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
  csv.write("time(s),volts(V),accel_z(g),remark\n0,12.0,-1,taxi\n1,13.0,-1,\n2,14.0,-2,turn\n");
  csv.close();
  EXPECT_FALSE(data->OpenLog(dir.filePath("missing.csv")));
  ASSERT_TRUE(data->OpenLog(csv.fileName())) << data->Message->text().toStdString();
  // "remark" might be an input the log gives: asked, with what was found.
  auto* columns = data->findChild<TColumnMapDialog*>();
  ASSERT_NE(columns, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(columns));
  EXPECT_EQ(columns->Boxes[1]->currentText(), "volts(V)");
  EXPECT_EQ(columns->Boxes[2]->currentText(), "(none)");
  gui::Click(columns->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok));
  EXPECT_TRUE(gui::WaitFor([&] { return data->findChild<TColumnMapDialog*>() == nullptr; }));
  EXPECT_EQ(volts->value(), CountOf(TPanelInput::Volts, 12.0)) << "the first row at once";
  data->Speed->setCurrentIndex(data->Speed->count() - 1);  // 8x: 0.8 s of log a tick
  gui::Click(data->PlayButton);
  EXPECT_EQ(data->PlayButton->text(), "Pause");
  ASSERT_TRUE(gui::WaitFor([&] { return data->Player.Position() > 0; }));
  EXPECT_GT(volts->value(), CountOf(TPanelInput::Volts, 12.0));
  EXPECT_LT(volts->value(), CountOf(TPanelInput::Volts, 14.0) + 1);
  ASSERT_TRUE(gui::WaitFor([&] { return !data->Player.Playing(); }));
  EXPECT_EQ(volts->value(), CountOf(TPanelInput::Volts, 14.0)) << "the last row stays";
  EXPECT_EQ(w.ScrollBar5->value(), CountOf(TPanelInput::Z, -2.0));
  EXPECT_EQ(data->Time->text(), "0:02.0 / 0:02.0");
  gui::Click(data->BackButton);
  EXPECT_EQ(volts->value(), CountOf(TPanelInput::Volts, 13.0));
  EXPECT_EQ(data->Position->value(), 10);
}

TEST_F(FlightDataTest, ColumnsChosenByHandPlayARenamedLog) {
  TfrmMain& w = *frmMain;
  gui::Tools().FlightData->setChecked(true);
  auto* data = w.findChild<TFlightDataWindow*>();
  QTemporaryDir dir;
  const QString path = dir.filePath("renamed.csv");
  WriteFile(path, "t(s),bus(V),amps(A),cabin(C)\n0,12.5,3,20\n1,13.5,-4,10\n");
  ASSERT_TRUE(data->OpenLog(path));
  auto* columns = data->findChild<TColumnMapDialog*>();
  ASSERT_NE(columns, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(columns));
  const std::array<QString, 7> found = {"(none)", "bus(V)", "amps(A)", "(none)",
                                        "(none)", "(none)", "(none)"};
  for (size_t slot = 0; slot < found.size(); ++slot)
    EXPECT_EQ(columns->Boxes[slot]->currentText(), found[slot]) << slot;
  QPushButton* ok = columns->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
  // A wrong choice is refused by its place in the file; the dialog stays.
  columns->Boxes[0]->setCurrentText("cabin(C)");
  gui::Click(ok);
  EXPECT_TRUE(columns->Refusal->text().contains("renamed.csv:1:21: unknown time unit"))
      << columns->Refusal->text().toStdString();
  EXPECT_FALSE(data->Player.IsOpen());
  columns->Boxes[0]->setCurrentText("t(s)");
  columns->Boxes[2]->setCurrentText("(none)");  // not played, though a usual name
  columns->Boxes[3]->setCurrentText("cabin(C)");
  const int current = w.ScrollBar1->value();
  gui::Click(ok);
  ASSERT_TRUE(gui::WaitFor([&] { return data->findChild<TColumnMapDialog*>() == nullptr; }));
  ASSERT_TRUE(data->Player.IsOpen()) << data->Message->text().toStdString();
  EXPECT_EQ(w.ScrollBar29->value(), CountOf(TPanelInput::Volts, 12.5));
  EXPECT_EQ(w.ScrollBar2->value(), CountOf(TPanelInput::Oat, 20));
  EXPECT_EQ(w.ScrollBar1->value(), current);
  gui::Click(data->ForwardButton);
  EXPECT_EQ(w.ScrollBar2->value(), CountOf(TPanelInput::Oat, 10));
}

TEST_F(FlightDataTest, ALogPlayedWhileRecordingReplaysOnTheSameTicks) {
  TfrmMain& w = *frmMain;
  TScenarioRecording* recording = gui::Tools().Recording;
  gui::Tools().FlightData->setChecked(true);
  auto* data = w.findChild<TFlightDataWindow*>();
  ASSERT_NE(data, nullptr);
  QTemporaryDir dir;
  // Rows closer and further apart than a tick, a volts alarm at the end.
  WriteFile(dir.filePath("climb.csv"),
            "time(s),volts(V),current(A),accel_z(g)\n0,12.0,2,-1\n0.25,12.6,3,-0.5\n"
            "1.3,14.1,-4,-0.9\n1.35,13.2,6,-0.2\n3,15.8,-12,0.5\n");
  w.Timer1->stop();
  const QString path = dir.filePath("climb.yaml");
  ASSERT_TRUE(recording->Start(path));
  Tick(6);
  ASSERT_TRUE(w.Running());
  // The electrical view, each key's passes before the next tick.
  for (int i = 0; i < 8 && Settings.HomeView != ViewElectrical; ++i) {
    gui::Type(Qt::Key_Plus);
    ASSERT_TRUE(gui::WaitFor([] { return !PanelWantsPass(); }));
    Tick();
  }
  ASSERT_TRUE(data->OpenLog(dir.filePath("climb.csv"))) << data->Message->text().toStdString();
  Tick();
  data->Speed->setCurrentIndex(1);  // 0.5x
  gui::Click(data->PlayButton);
  Tick(9);
  recording->AddExpectation();
  gui::Click(data->ForwardButton);  // paused on the next row, seen before the next tick
  ASSERT_TRUE(gui::WaitFor([] { return !PanelWantsPass(); }));
  Tick(2);
  recording->AddExpectation();
  data->Speed->setCurrentIndex(4);  // 4x, on to the end and the alarm
  gui::Click(data->PlayButton);
  Tick(6);
  EXPECT_FALSE(data->Player.Playing());
  EXPECT_EQ(PanelInputValue(TPanelInput::Volts), CountOf(TPanelInput::Volts, 15.8));
  Tick();
  recording->AddExpectation();
  bool written = false;
  QObject::connect(recording, &TScenarioRecording::Finished,
                   [&](const QString&, bool ok) { written = ok; });
  recording->Stop();
  Tick(2);
  ASSERT_TRUE(gui::WaitFor([&] { return !recording->Active(); }));
  ASSERT_TRUE(written);
  w.Timer1->start();

  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(file.readAll());
  EXPECT_GE(text.count("control: volts"), 8) << text.toStdString();
  QProcess runner;
  runner.setProcessChannelMode(QProcess::MergedChannels);
  runner.start(Runner(), {path});
  ASSERT_TRUE(runner.waitForFinished(60000));
  EXPECT_EQ(runner.exitCode(), 0) << runner.readAll().toStdString() << text.toStdString();
}

}  // namespace
