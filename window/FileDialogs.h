// The file dialogs of the window's tools: a name typed without a suffix
// gets the file type's own, and the scenario dialogs open where the user
// last was, the first time at the guided tour.
#pragma once
#include <QString>

class QWidget;

// Asks for a file to write, starting at start (a folder or a file); a name
// typed without a suffix gets suffix ("png" makes "shot" "shot.png"). Empty
// when the user cancels.
QString AskFileToWrite(QWidget* parent, const QString& title, const QString& start,
                       const QString& filter, const QString& suffix);
// Asks for a scenario file to play or to record into, starting in the
// folder last used by either this session (the first time at the guided
// tour); the folder of the chosen file is remembered. Empty when cancelled.
QString AskScenarioToPlay(QWidget* parent);
QString AskScenarioToRecord(QWidget* parent);
// The folder the next scenario dialog opens at.
QString ScenarioFolder();
// A file or folder that comes with the program: installed beside the
// program (PREFIX/share/axim7-sim/INSTALLED), in /usr/share/axim7-sim, or at
// SOURCE in the source tree the program was built from; empty when none is.
QString ProgramData(const QString& installed, const QString& source);
// The guided tour that comes with the program: installed beside the program
// (PREFIX/share/axim7-sim/scenarios), in /usr/share/axim7-sim/scenarios, or
// in the source tree the program was built from; empty when none is there.
QString TourFile();
