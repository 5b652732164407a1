// The simulator's window with its tools: the one place that knows both the
// main window and every tool, and wires them together.
#pragma once

class QAction;
class TDisplayActions;
class TfrmMain;
class TScenarioPlayer;
class TScenarioRecording;
class TWindowTips;

struct TWindowTools {
  TScenarioPlayer* Player;
  TScenarioRecording* Recording;
  TDisplayActions* DisplayActions;
  QAction* Inspector;   // "Inspector", Ctrl+I
  QAction* FlightData;  // "Flight Data", Ctrl+G
  TWindowTips* Tips;
};

// Adds the tools to a newly made main window: their entries in the "&File",
// "Edit" and "View" menus and the display's context menu, and "&Help".
TWindowTools AssembleWindow(TfrmMain* window);
