// The simulator program: one window, run until it is closed or File > Exit;
// from the command line also a dealer's demonstration.
#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <exception>

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
  if (fullScreen) tools.DisplayActions->Window->showFullScreen();
}

}  // namespace

int main(int argc, char** argv) {
  // --help and --version need no display; Qt's own options are taken out
  // by the application object before the rest is read again.
  const TCommandLine early = ParseCommandLine(Arguments(argc, argv));
  if (early.Help || early.Version) {
    std::fputs(qPrintable(early.Help ? HelpText() : VersionText()), stdout);
    return 0;
  }
  if (!early.Error.isEmpty() && !early.Unknown) return Refuse(early.Error);
  ResetProgramState();
  QApplication app(argc, argv);
  const TCommandLine line = ParseCommandLine(QApplication::arguments());
  if (!line.Error.isEmpty()) return Refuse(line.Error);
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
