#include "window/LessonProgress.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <vector>

#include "pictures/ConfinedFiles.h"
#include "window/FileDialogs.h"

namespace {

constexpr size_t LargestProgressFile = 64 * 1024;

TConfinedPath ProgressPath() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
  return {QFile::encodeName(folder).toStdString(), "lessons-completed.txt"};
}

}  // namespace

QStringList CompletedLessons() {
  std::vector<uint8_t> bytes;
  std::string reason;
  if (!ReadConfinedFile(ProgressPath(), LargestProgressFile, bytes, reason)) return {};
  QStringList names;
  for (const QString& line :
       QString::fromUtf8(reinterpret_cast<const char*>(bytes.data()), bytes.size()).split('\n'))
    if (!line.trimmed().isEmpty() && !names.contains(line.trimmed())) names << line.trimmed();
  return names;
}

bool MarkLessonCompleted(const QString& file) {
  QStringList names = CompletedLessons();
  const QString name = QFileInfo(file).fileName();
  if (names.contains(name)) return true;
  names << name;
  const QByteArray text = (names.join('\n') + '\n').toUtf8();
  std::string reason;
  return WriteConfinedFile(ProgressPath(), text.constData(), text.size(), reason);
}

QString LessonFolder() { return ProgramData("lessons", "docs/lessons"); }

QStringList LessonFiles() {
  const QString folder = LessonFolder();
  if (folder.isEmpty()) return {};
  QStringList files;
  for (const QFileInfo& file : QDir(folder).entryInfoList({"*.yaml"}, QDir::Files, QDir::Name))
    files << file.filePath();
  return files;
}
