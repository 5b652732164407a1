// The program's command line: --help, --version, and the options of a
// dealer's screen that demonstrates the instrument by itself.
#pragma once
#include <QString>
#include <QStringList>

struct TCommandLine {
  bool Help = false;
  bool Version = false;
  QString Play;             // --play FILE: the scenario played at start
  bool Loop = false;        // --loop: played again and again, each round from program start
  bool Display = false;     // --display: the display window opened
  bool FullScreen = false;  // --full-screen: the display window on the whole screen
  QString Error;            // what is wrong with the command line, empty when nothing
};

// Parts the arguments (the program's name first in each) into this
// program's own, "--name" or "--name=VALUE" with the value of --play, and
// the rest, which are Qt's to read ("-display :1", "-platform xcb"): Qt
// would take "--display" for its own.
void SplitArguments(const QStringList& all, QStringList& own, QStringList& rest);
// Reads this program's own arguments (the program's name first).
TCommandLine ParseCommandLine(const QStringList& arguments);
// "axim7-sim --help": one option a line, "  --name ARG  text".
QString HelpText();
// "axim7-sim 1.0".
QString VersionText();
