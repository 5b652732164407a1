// Which lessons the user has completed: one file name a line in
// lessons-completed.txt of the user's configuration folder.
#pragma once
#include <QString>
#include <QStringList>

QStringList CompletedLessons();
// Adds the lesson's file name (not its folder); false when the file could
// not be written.
bool MarkLessonCompleted(const QString& file);
// The folder the lessons are played from: the installed one, else the
// source tree's; empty when there is none.
QString LessonFolder();
// The lesson files in it, by name.
QStringList LessonFiles();
