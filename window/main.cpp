// The simulator program: one window, run until it is closed or File > Exit;
// from the command line also a dealer's demonstration.
#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <exception>
#include <vector>

#include "host/PCMain.h"
#include "host/RunLoop.h"
#include "window/Assembly.h"
#include "window/CommandLine.h"
#include "window/Demonstration.h"
#include "window/DisplayActions.h"
#include "window/DisplayWindow.h"
#include "window/EndOnSignal.h"
#include "window/HelpMenu.h"

namespace {

QStringList Arguments(int argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  return arguments;
}

int Refuse(const QString& error) {
  std::fprintf(stderr, "axim7-sim: %s\nTry 'axim7-sim --help' for the options.\n",
               qPrintable(error));
  return 2;
}

// The display window as the command line asks for it.
void ShowDisplayWindow(const TWindowTools& tools, bool fullScreen) {
  tools.DisplayActions->DisplayWindow->trigger();
  if (fullScreen) tools.DisplayActions->Window->ShowFullScreen();
}

}  // namespace

int main(int argc, char** argv) {
  // --help, --version and a mistake in the options need no display.
  QStringList own, rest;
  SplitArguments(Arguments(argc, argv), own, rest);
  const TCommandLine line = ParseCommandLine(own);
  if (line.Help || line.Version) {
    std::fputs(qPrintable(line.Help ? HelpText() : VersionText()), stdout);
    return 0;
  }
  if (!line.Error.isEmpty()) return Refuse(line.Error);
  ResetProgramState();
  // Qt reads the rest and takes out what is its own; anything left is not
  // an option of either.
  std::vector<QByteArray> bytes;
  for (const QString& argument : rest) bytes.push_back(argument.toLocal8Bit());
  std::vector<char*> qtArgv;
  for (QByteArray& b : bytes) qtArgv.push_back(b.data());
  qtArgv.push_back(nullptr);
  int qtArgc = static_cast<int>(bytes.size());
  QApplication app(qtArgc, qtArgv.data());
  if (QApplication::arguments().size() > 1) {
    const QString stray = QApplication::arguments().at(1);
    return Refuse((stray.startsWith('-') ? "Unknown option '" : "Unexpected argument '") + stray +
                  "'.");
  }
  QApplication::setApplicationName("Tavrix");
  QApplication::setWindowIcon(AppIcon());
  QGuiApplication::setDesktopFileName("axim7-sim");
  try {
    frmMain = new TfrmMain;
    const TWindowTools tools = AssembleWindow(frmMain);
    EndOnSignals(frmMain->Exit1);
    frmMain->show();
    if (!frmMain->FaceError.isEmpty())
      QMessageBox::warning(frmMain, QApplication::applicationName(), frmMain->FaceError);
    if (line.Display) ShowDisplayWindow(tools, line.FullScreen);
    if (!line.Play.isEmpty())
      (new TDemonstration(frmMain, tools.Player, line.Play, line.Loop))->Start();
    QApplication::exec();
  } catch (const std::exception& e) {
    QMessageBox::critical(nullptr, QApplication::applicationName(),
                          QString::fromLocal8Bit(e.what()));
  }
  delete frmMain;
  return 0;
}
