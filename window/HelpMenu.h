// The program's identity on the desktop (its icon, name and version) and the
// "&Help" menu that shows it together with the keyboard shortcuts.
#pragma once
#include <QIcon>
#include <QList>
#include <QPair>
#include <QString>

class QMainWindow;
class QMenu;
class QMenuBar;

// The application icon in every size it is drawn in.
QIcon AppIcon();

// Adds "&Help" with "Keyboard Shortcuts" and "About" to the window's menu bar;
// the window adds it after its other menus.
QMenu* AddHelpMenu(QMainWindow* window);

// The rows of the shortcuts table, key first: the front-panel keys, then
// every menu item of the bar that has a shortcut, in menu order.
QList<QPair<QString, QString>> ShortcutRows(const QMenuBar* bar);
