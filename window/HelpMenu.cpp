#include "window/HelpMenu.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const char* const ProgramName = "Orlyn AXIM-7 Simulator";

QString PlainText(const QAction* action) { return QString(action->text()).remove('&'); }

void AddMenuShortcuts(const QMenu* menu, QList<QPair<QString, QString>>& rows) {
  for (const QAction* action : menu->actions()) {
    if (action->menu() != nullptr) {
      AddMenuShortcuts(action->menu(), rows);
    } else if (!action->shortcut().isEmpty()) {
      rows.append(
          qMakePair(action->shortcut().toString(QKeySequence::NativeText), PlainText(action)));
    }
    if (PlainText(action) == "Display Window")
      rows.append(
          qMakePair(QString("F11"), QString("Full screen on and off (in the display window)")));
  }
}

void ShowShortcuts(QMainWindow* window) {
  auto* dialog = window->findChild<QDialog*>("KeyboardShortcuts");
  if (dialog == nullptr) {
    dialog = new QDialog(window);
    dialog->setObjectName("KeyboardShortcuts");
    dialog->setWindowTitle("Keyboard Shortcuts");
    auto* table = new QTableWidget(0, 2, dialog);
    table->setHorizontalHeaderLabels({"Key", "Does"});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::close);
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(table);
    layout->addWidget(buttons);
  }
  // Filled on every opening, so that it lists the menus as they are now.
  auto* table = dialog->findChild<QTableWidget*>();
  const QList<QPair<QString, QString>> rows = ShortcutRows(window->menuBar());
  table->setRowCount(rows.size());
  for (int row = 0; row < rows.size(); ++row) {
    table->setItem(row, 0, new QTableWidgetItem(rows[row].first));
    table->setItem(row, 1, new QTableWidgetItem(rows[row].second));
  }
  table->resizeColumnsToContents();
  table->resizeRowsToContents();
  table->horizontalHeader()->setStretchLastSection(true);
  const int width = table->horizontalHeader()->length() + 2 * table->frameWidth();
  const int height = table->horizontalHeader()->height() + table->verticalHeader()->length() +
                     2 * table->frameWidth();
  table->setMinimumSize(width + 16, height);
  dialog->adjustSize();
  dialog->show();
  dialog->raise();
  dialog->activateWindow();
}

void ShowAbout(QMainWindow* window) {
  auto* box = window->findChild<QMessageBox*>("About");
  if (box == nullptr) {
    box = new QMessageBox(window);
    box->setObjectName("About");
    box->setWindowTitle(QString("About %1").arg(ProgramName));
    box->setIconPixmap(AppIcon().pixmap(QSize(64, 64), window->devicePixelRatioF()));
    box->setTextFormat(Qt::RichText);
    box->setText(QString("<b>%1</b><p>Version %2</p><p>The AXIM-7 instrument's firmware running on "
                         "the desktop.</p><p>Running on Qt %3.</p>")
                     .arg(ProgramName, AXIM_VERSION, qVersion()));
    box->setStandardButtons(QMessageBox::Close);
    box->setModal(false);
  }
  box->show();
  box->raise();
  box->activateWindow();
}

}  // namespace

QIcon AppIcon() {
  QIcon icon;
  for (int size : {16, 32, 48, 64, 128, 256})
    icon.addFile(QString(":/appicon/axim7-sim-%1.png").arg(size), QSize(size, size));
  return icon;
}

QList<QPair<QString, QString>> ShortcutRows(const QMenuBar* bar) {
  QList<QPair<QString, QString>> rows = {
      {"F1", "Left button (F1)"},
      {"F2", "Right button (F2)"},
      {"Enter", "Knob press"},
      {"+ or =", "Knob clockwise"},
      {"-", "Knob counter-clockwise"},
      {"Wheel over the knob", "Knob clockwise (up) or counter-clockwise (down)"},
  };
  for (const QAction* action : bar->actions())
    if (action->menu() != nullptr) AddMenuShortcuts(action->menu(), rows);
  return rows;
}

QMenu* AddHelpMenu(QMainWindow* window) {
  QMenu* help = window->menuBar()->addMenu("&Help");
  QObject::connect(help->addAction("Keyboard Shortcuts"), &QAction::triggered, window,
                   [window] { ShowShortcuts(window); });
  QObject::connect(help->addAction("About"), &QAction::triggered, window,
                   [window] { ShowAbout(window); });
  return help;
}
