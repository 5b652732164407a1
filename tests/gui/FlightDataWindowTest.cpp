// View > Flight Data beside the running window: inputs typed in their units,
// a named state, and a flight log played from the window's tick, all seen on
// the main window's bars and on the display.
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>

#include "GuiSupport.h"
#include "host/PCMain.h"
#include "host/PanelUnits.h"
#include "window/FlightDataWindow.h"

namespace {

using FlightDataTest = gui::WindowTest;

int CountOf(TPanelInput input, double value) {
  return PanelUnitToCount(input, value, PanelInputUnit(input)).Count;
}

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

}  // namespace
