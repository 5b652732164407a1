// The Help menu: where it sits, and the shortcuts table listing the menus' shortcuts.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTableWidget>

#include "GuiSupport.h"
#include "host/PCMain.h"

namespace {

using HelpMenuTest = gui::WindowTest;

TEST_F(HelpMenuTest, IsLastAndListsTheShortcutsOfTheMenus) {
  TfrmMain& w = *frmMain;
  const QList<QAction*> menus = w.menuBar()->actions();
  ASSERT_EQ(menus.back()->text(), "&Help");
  const QList<QAction*> items = menus.back()->menu()->actions();
  ASSERT_EQ(items.size(), 3);
  EXPECT_EQ(items[0]->text(), "Lessons");
  EXPECT_EQ(items[2]->text(), "About");

  items[1]->trigger();
  QTableWidget* table = w.findChild<QTableWidget*>();
  ASSERT_TRUE(table != nullptr && gui::WaitFor([table] { return table->isVisible(); }));
  QStringList rows;
  for (int row = 0; row < table->rowCount(); ++row)
    rows << table->item(row, 0)->text() + " | " + table->item(row, 1)->text();
  EXPECT_TRUE(rows.contains("+ or = | Knob clockwise")) << rows.join("\n").toStdString();
  EXPECT_TRUE(rows.contains("Ctrl+D | Display Window")) << rows.join("\n").toStdString();
  EXPECT_EQ(rows.filter("F11 |").size(), 1);
}

}  // namespace
