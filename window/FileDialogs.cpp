#include "window/FileDialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const char ScenarioFilter[] = "Scenario files (*.yaml *.yml);;All files (*)";
QString LastScenarioFolder;

QString Ask(QWidget* parent, const QString& title, const QString& start, const QString& filter,
            const QString& suffix, QFileDialog::AcceptMode mode) {
  QFileDialog dialog(parent, title);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                     : QFileDialog::ExistingFile);
  dialog.setNameFilter(filter);
  dialog.setDefaultSuffix(suffix);
  const QFileInfo info(start);
  if (info.isDir()) {
    dialog.setDirectory(start);
  } else {
    dialog.setDirectory(info.absolutePath());
    dialog.selectFile(info.fileName());
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

QString AskScenario(QWidget* parent, const QString& title, QFileDialog::AcceptMode mode) {
  QString start = ScenarioFolder();
  if (LastScenarioFolder.isEmpty() && mode == QFileDialog::AcceptOpen && !TourFile().isEmpty())
    start = TourFile();
  // A new recording goes where the user may write: the tour's folder may
  // belong to the system.
  if (mode == QFileDialog::AcceptSave && !QFileInfo(start).isWritable()) {
    start = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (start.isEmpty() || !QFileInfo(start).isDir()) start = QDir::homePath();
  }
  const QString path = Ask(parent, title, start, ScenarioFilter, "yaml", mode);
  if (!path.isEmpty()) LastScenarioFolder = QFileInfo(path).absolutePath();
  return path;
}

}  // namespace

QString AskFileToWrite(QWidget* parent, const QString& title, const QString& start,
                       const QString& filter, const QString& suffix) {
  return Ask(parent, title, start, filter, suffix, QFileDialog::AcceptSave);
}

QString AskScenarioToPlay(QWidget* parent) {
  return AskScenario(parent, "Play Scenario", QFileDialog::AcceptOpen);
}

QString AskScenarioToRecord(QWidget* parent) {
  return AskScenario(parent, "Record Scenario", QFileDialog::AcceptSave);
}

QString ScenarioFolder() {
  if (!LastScenarioFolder.isEmpty() && QFileInfo(LastScenarioFolder).isDir())
    return LastScenarioFolder;
  const QString tour = TourFile();
  if (!tour.isEmpty()) return QFileInfo(tour).absolutePath();
  return QDir::homePath();
}

QString ProgramData(const QString& installed, const QString& source) {
  const QString shared = "share/axim7-sim/" + installed;
  const QStringList places = {
      QDir(QCoreApplication::applicationDirPath()).filePath("../" + shared),
      "/usr/" + shared,
#ifdef AXIM_SOURCE_DIR
      QStringLiteral(AXIM_SOURCE_DIR "/") + source,
#endif
  };
  (void)source;
  for (const QString& place : places)
    if (QFileInfo::exists(place)) return QFileInfo(place).canonicalFilePath();
  return {};
}

QString TourFile() { return ProgramData("scenarios/tour.yaml", "docs/scenarios/tour.yaml"); }
