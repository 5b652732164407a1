// The simulator program: one window, run until it is closed or File > Exit.
#include <QApplication>
#include <QMessageBox>
#include <exception>

#include "host/PCMain.h"
#include "host/RunLoop.h"
#include "window/Assembly.h"
#include "window/HelpMenu.h"

int main(int argc, char** argv) {
  ResetProgramState();
  QApplication app(argc, argv);
  QApplication::setApplicationName("Tavrix");
  QApplication::setWindowIcon(AppIcon());
  QGuiApplication::setDesktopFileName("axim7-sim");
  try {
    frmMain = new TfrmMain;
    AssembleWindow(frmMain);
    frmMain->show();
    if (!frmMain->FaceError.isEmpty())
      QMessageBox::warning(frmMain, QApplication::applicationName(), frmMain->FaceError);
    QApplication::exec();
  } catch (const std::exception& e) {
    QMessageBox::critical(nullptr, QApplication::applicationName(),
                          QString::fromLocal8Bit(e.what()));
  }
  delete frmMain;
  return 0;
}
