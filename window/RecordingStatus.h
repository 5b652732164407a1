// The status bar's line about recordings: the display's GIF and a scenario
// may be recorded at once, and the line then tells of both, each with its
// length and file.
#pragma once
#include <QObject>
#include <QString>

class QStatusBar;

class TRecordingStatus : public QObject {
 public:
  enum TSource { Display, Scenario };

  // The status line of the bar, made on first use.
  static TRecordingStatus* Of(QStatusBar* bar);

  // A recording running for the seconds into the file (a path or a name).
  void Set(TSource source, qint64 seconds, const QString& file);
  // The recording has ended; the line tells of the other, if any.
  void Clear(TSource source);
  // The line as shown when it fits: "Recording 0:12 - a.gif",
  // "Recording scenario 0:05 - b.yaml", or both joined by "; ".
  QString Text() const;

 private:
  explicit TRecordingStatus(QStatusBar* bar);
  void Show();

  struct TPart {
    bool Active = false;
    qint64 Seconds = 0;
    QString File;
  };
  QStatusBar* Bar;
  TPart Parts[2];
};
