// The inspector beside the running window: what it shows, what it lets the
// user change, and that it costs nothing once closed.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <cstring>

#include "GuiSupport.h"
#include "core/Core.h"
#include "host/Controls.h"
#include "host/PCMain.h"
#include "host/RunLoop.h"
#include "window/StateWindow.h"

namespace {

using InspectorTest = gui::WindowTest;

TStateWindow* OpenInspector() {
  frmMain->activateWindow();
  if (!QTest::qWaitForWindowActive(frmMain)) return nullptr;
  gui::Type(Qt::Key_I, Qt::ControlModifier);
  auto* inspector = frmMain->findChild<TStateWindow*>();
  if (inspector == nullptr || !QTest::qWaitForWindowExposed(inspector)) return nullptr;
  return inspector;
}

std::string ValueOf(TStateWindow* inspector, const char* name, int column = 1) {
  QTreeWidgetItem* item = inspector->ItemOf(name);
  return item ? item->text(column).toStdString() : "no such row";
}

// Double-clicks the value, types the text and presses Enter; false when no
// editor opened.
bool EditInPlace(TStateWindow* inspector, const char* name, const QString& text) {
  QTreeWidget* tree = inspector->Tree;
  inspector->activateWindow();
  if (!QTest::qWaitForWindowActive(inspector)) return false;
  QTreeWidgetItem* item = inspector->ItemOf(name);
  tree->scrollToItem(item);
  gui::Settle(30);
  const QPoint at(tree->columnViewportPosition(1) + 8, tree->visualItemRect(item).center().y());
  QTest::mouseDClick(inspector->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                     tree->viewport()->mapTo(inspector, at));
  auto* editor = tree->viewport()->findChild<QLineEdit*>();
  if (editor == nullptr) return false;
  editor->selectAll();
  QTest::keyClicks(editor, text);
  QTest::keyClick(editor, Qt::Key_Return);
  gui::Settle(30);
  return true;
}

TEST_F(InspectorTest, ShowsASettingChangedByAKeyOnASetupPageAndFlashesIt) {
  TfrmMain& w = *frmMain;
  w.ScrollBar29->setValue(1500);  // 14.1 V and 16 °C raise no alarm for a key to acknowledge
  w.ScrollBar2->setValue(2400);
  gui::Click(w.Button1);
  TStateWindow* inspector = OpenInspector();
  ASSERT_NE(inspector, nullptr);
  EXPECT_FALSE(inspector->geometry().intersects(w.geometry())) << "beside the main window";
  EXPECT_EQ(ValueOf(inspector, "Settings.VoltsDisplayMax"), "200");

  // Main menu, three entries on to VOLTS SETUP, open it, edit the first row up.
  QWidget* const press = w.Image8;
  QWidget* const plus = w.Button3;
  for (QWidget* key : {press, plus, plus, plus, press, press, plus}) {
    gui::Click(key);
    ASSERT_TRUE(gui::WaitFor([] { return KeySlot == KeyNone; }));
  }
  ASSERT_TRUE(
      gui::WaitFor([&] { return ValueOf(inspector, "Settings.VoltsDisplayMax") == "201"; }));
  EXPECT_EQ(ValueOf(inspector, "Settings.VoltsDisplayMax", 2), "20.1 V");
  EXPECT_EQ(ValueOf(inspector, "PageHandler"), "VoltsSetupPage");
  EXPECT_EQ(ValueOf(inspector, "MenuState.EditMode"), "1");
  QTreeWidgetItem* item = inspector->ItemOf("Settings.VoltsDisplayMax");
  EXPECT_NE(item->background(1).style(), Qt::NoBrush) << "a changed value flashes";
  EXPECT_TRUE(gui::WaitFor([&] { return item->background(1).style() == Qt::NoBrush; }, 2000))
      << "and stops flashing";
}

TEST_F(InspectorTest, RefusesValuesOutOfRangeOrOfTheWrongTypeAndWritesNothing) {
  gui::Click(frmMain->Button1);
  TStateWindow* inspector = OpenInspector();
  ASSERT_NE(inspector, nullptr);
  const struct {
    const char* name;
    const char* text;
    const char* says;
  } refused[] = {{"Settings.VoltsHighAlarm", "301", "100..300"},
                 {"Settings.VoltsHighAlarm", "150.5", "whole"},
                 {"Settings.VoltsHighAlarm", "abc", "not one"},
                 {"Settings.UtcOffset", "45", "steps of 30"},
                 {"Calibration.VoltsCalPercent", "151", "50..150"},
                 {"AccelRegisters[0]", "256", "0..255"}};
  for (const auto& r : refused) {
    SCOPED_TRACE(std::string(r.name) + " = " + r.text);
    const TSettings settings = Settings;
    const TCalibration calibration = Calibration;
    const uint8_t x = AccelRegisters[0];
    ASSERT_TRUE(EditInPlace(inspector, r.name, r.text));
    const QString message = inspector->Message->text();
    EXPECT_TRUE(message.contains(r.name) && message.contains(r.says)) << message.toStdString();
    EXPECT_EQ(std::memcmp(&settings, &Settings, sizeof Settings), 0);
    EXPECT_EQ(std::memcmp(&calibration, &Calibration, sizeof Calibration), 0);
    EXPECT_EQ(AccelRegisters[0], x);
  }
  EXPECT_EQ(ValueOf(inspector, "Settings.VoltsHighAlarm"), "150");
  EXPECT_FALSE(EditInPlace(inspector, "Volts", "100")) << "readings are read-only";
}

TEST_F(InspectorTest, AnAcceptedEditTakesEffectOnTheNextPass) {
  TfrmMain& w = *frmMain;
  gui::Click(w.Button1);
  TStateWindow* inspector = OpenInspector();
  ASSERT_NE(inspector, nullptr);
  ASSERT_TRUE(EditInPlace(inspector, "VoltsInput", "1500"));
  EXPECT_EQ(w.ScrollBar29->value(), 1500) << "the scroll bar follows the input";
  EXPECT_EQ(w.Label57->text(), "1500");
  ASSERT_TRUE(gui::WaitPasses(2));
  EXPECT_EQ(Volts, 141);
  EXPECT_EQ(AlarmFlags & AlarmVolts, 0u) << "14.1 V is below the 15.0 V alarm";

  ASSERT_TRUE(EditInPlace(inspector, "Settings.VoltsHighAlarm", "140"));
  EXPECT_EQ(Settings.VoltsHighAlarm, 140);
  ASSERT_TRUE(gui::WaitPasses(1));
  EXPECT_EQ(AlarmFlags & AlarmVolts, AlarmVolts);
  ASSERT_TRUE(gui::WaitFor([&] { return ValueOf(inspector, "AlarmVolts") == "active"; }));
  EXPECT_EQ(ValueOf(inspector, "Lamp"), "red");
  EXPECT_EQ(ValueOf(inspector, "Settings.VoltsHighAlarm", 2), "14.0 V");
}

TEST_F(InspectorTest, RefreshesAtMostOncePerScreenRefreshAndNotAtAllWhenClosed) {
  TfrmMain& w = *frmMain;
  gui::Click(w.Button1);
  TStateWindow* inspector = OpenInspector();
  ASSERT_NE(inspector, nullptr);
  QElapsedTimer clock;
  clock.start();
  const unsigned long refreshes = inspector->RefreshCount();
  ASSERT_TRUE(gui::WaitPasses(40));
  const unsigned long made = inspector->RefreshCount() - refreshes;
  EXPECT_GT(made, 0u);
  EXPECT_LE(made, clock.elapsed() * inspector->screen()->refreshRate() / 1000 + 2)
      << "the passes come faster than the screen refreshes";

  inspector->close();
  QAction* action = w.findChild<QAction*>("Inspector1");
  EXPECT_FALSE(action->isChecked()) << "the menu item shows it closed";
  const unsigned long closed = inspector->RefreshCount();
  ASSERT_TRUE(gui::WaitPasses(40));
  gui::Settle(100);
  EXPECT_EQ(inspector->RefreshCount(), closed);

  ASSERT_EQ(OpenInspector(), inspector) << "Ctrl+I opens the same window again";
  EXPECT_TRUE(action->isChecked());
  ASSERT_TRUE(gui::WaitPasses(5));
  EXPECT_GT(inspector->RefreshCount(), closed);
}

// The width of the widest text of a column, plus the indentation of a
// field under its group for the names.
int Needed(QTreeWidget* tree, int column) {
  const QFontMetrics metrics(tree->font());
  int widest = 0;
  for (QTreeWidgetItemIterator it(tree); *it; ++it)
    widest = std::max(widest, metrics.horizontalAdvance((*it)->text(column)));
  return widest + (column == 0 ? 2 * tree->indentation() : 0);
}

TEST_F(InspectorTest, ColumnsFollowWhatTheyHoldAndANarrowWindowElidesOnlyNames) {
  TfrmMain& w = *frmMain;
  gui::Click(w.Button1);
  TStateWindow* inspector = OpenInspector();
  ASSERT_NE(inspector, nullptr);
  QTreeWidget* tree = inspector->Tree;
  // A flight in the log makes the longest value of all.
  const uint32_t start = 1'800'000'000u, time = 360'005u;
  std::memcpy(NonVolatileStore + FlightLogBase + 4, &start, 4);
  std::memcpy(NonVolatileStore + FlightLogBase + 8, &time, 4);
  // Wide, and at a narrow width: the values and what the instrument shows
  // stay whole, and only there the names give way.
  for (int width : {1200, 900, 520}) {
    SCOPED_TRACE(width);
    inspector->resize(width, inspector->height());
    ASSERT_TRUE(gui::WaitPasses(3));
    gui::Settle(50);
    EXPECT_GE(tree->columnWidth(1), Needed(tree, 1));
    EXPECT_GE(tree->viewport()->width() - tree->columnViewportPosition(2), Needed(tree, 2))
        << "what the instrument shows is in view";
    if (width >= 900) {
      EXPECT_GE(tree->columnWidth(0), Needed(tree, 0));
    } else {
      EXPECT_LT(tree->columnWidth(0), Needed(tree, 0));
      EXPECT_GE(tree->columnWidth(0), 60);
    }
  }
  EXPECT_EQ(ValueOf(inspector, "Record 1 of 5").find("10:00:00.5") != std::string::npos, true)
      << ValueOf(inspector, "Record 1 of 5");
  EXPECT_EQ(ValueOf(inspector, "FlightLog[1].FlightTime"), "empty");
  EXPECT_EQ(ValueOf(inspector, "Calibration.Axis[0].AxisPosScale"), "0.0033");
  EXPECT_EQ(ValueOf(inspector, "Settings.GNegAlarm", 2), "-7.0 g");
  QTreeWidgetItem* item = inspector->ItemOf("Calibration.Axis[0].AxisPosScale");
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->toolTip(0), "Calibration.Axis[0].AxisPosScale");
}

QtMessageHandler PreviousHandler = nullptr;
QStringList Warnings;

TEST_F(InspectorTest, CtrlCInTheListCopiesTheSelectedValueAndInTheMainWindowTheDisplay) {
  TfrmMain& w = *frmMain;
  w.ScrollBar29->setValue(1648);
  gui::Click(w.Button1);
  TStateWindow* inspector = OpenInspector();
  ASSERT_NE(inspector, nullptr);
  Warnings.clear();
  PreviousHandler = qInstallMessageHandler(
      [](QtMsgType, const QMessageLogContext&, const QString& m) { Warnings << m; });
  QApplication::clipboard()->clear();
  inspector->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(inspector));
  inspector->Tree->setFocus();
  for (const char* name : {"VoltsInput", "Calibration.Axis[0].AxisPosScale", "Settings.HomeView"}) {
    SCOPED_TRACE(name);
    inspector->Tree->setCurrentItem(inspector->ItemOf(name));
    QTest::keyClick(inspector->windowHandle(), Qt::Key_C, Qt::ControlModifier);
    gui::Settle(30);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), ValueOf(inspector, name));
  }
  EXPECT_EQ(QApplication::clipboard()->text(), "0");
  EXPECT_TRUE(QApplication::clipboard()->image().isNull()) << "the display was not copied";

  // In the main window the same keys copy the display.
  w.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  gui::Type(Qt::Key_C, Qt::ControlModifier);
  gui::Settle(30);
  EXPECT_FALSE(QApplication::clipboard()->image().isNull());
  qInstallMessageHandler(PreviousHandler);
  EXPECT_TRUE(Warnings.filter("Ambiguous").isEmpty()) << Warnings.join('\n').toStdString();
}

}  // namespace
