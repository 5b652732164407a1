#include "window/Assembly.h"

#include <QAction>
#include <QMenu>

#include "host/PCMain.h"
#include "window/DisplayActions.h"
#include "window/FlightDataWindow.h"
#include "window/HelpMenu.h"
#include "window/LessonPanel.h"
#include "window/ScenarioPlayer.h"
#include "window/ScenarioRecording.h"
#include "window/StateWindow.h"
#include "window/WindowTips.h"

TWindowTools AssembleWindow(TfrmMain* window) {
  TWindowTools tools{};
  // "&File": the scenario entries, the pictures of the display, "&Exit".
  QMenu* file = window->File1;
  QAction* exit = window->Exit1;
  tools.Player = new TScenarioPlayer(window);
  tools.DisplayActions = new TDisplayActions(window);
  TDisplayActions* display = tools.DisplayActions;
  file->insertAction(exit, tools.Player->Action);
  file->insertSeparator(exit);
  file->insertActions(exit, {display->SaveDisplayImage, display->RecordDisplay});
  file->insertSeparator(exit);

  window->Edit1->addAction(display->CopyDisplay);
  window->Edit1->addMenu(display->ScaleMenu);
  window->View1->addAction(display->DisplayWindow);
  tools.Inspector = AddInspectorAction(window, window->View1);
  tools.FlightData = AddFlightDataAction(window, window->View1);
  window->PopupMenu1->addActions({display->CopyDisplay, display->SaveDisplayImage,
                                  display->RecordDisplay, display->DisplayWindow});
  AddLessonsMenu(AddHelpMenu(window), tools.Player->Panel);

  tools.Tips = new TWindowTips(window);
  tools.Recording = new TScenarioRecording(window, tools.Player);
  // After "Play Scenario...".
  const QList<QAction*> entries = file->actions();
  QAction* next = entries.value(entries.indexOf(tools.Player->Action) + 1, exit);
  file->insertActions(next, {tools.Recording->RecordAction, tools.Recording->ExpectAction});
  return tools;
}
