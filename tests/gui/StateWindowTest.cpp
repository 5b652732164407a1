// The inspector beside the running window: what it shows, what it lets the
// user change, and that it costs nothing once closed.
#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTreeWidget>
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

}  // namespace
