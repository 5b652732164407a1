#include "window/RecordingStatus.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QStatusBar>

namespace {

QString Length(qint64 seconds) {
  return QString("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QChar('0'));
}

}  // namespace

TRecordingStatus::TRecordingStatus(QStatusBar* bar) : QObject(bar), Bar(bar) {
  setObjectName("RecordingStatus");
}

TRecordingStatus* TRecordingStatus::Of(QStatusBar* bar) {
  for (QObject* child : bar->children())
    if (child->objectName() == "RecordingStatus") return static_cast<TRecordingStatus*>(child);
  return new TRecordingStatus(bar);
}

void TRecordingStatus::Set(TSource source, qint64 seconds, const QString& file) {
  Parts[source] = {true, seconds, QFileInfo(file).fileName()};
  Show();
}

void TRecordingStatus::Clear(TSource source) {
  if (!Parts[source].Active) return;
  Parts[source] = {};
  Show();
}

QString TRecordingStatus::Text() const {
  const TPart& display = Parts[Display];
  const TPart& scenario = Parts[Scenario];
  QStringList parts;
  if (display.Active)
    parts << QString("Recording %1 - %2").arg(Length(display.Seconds), display.File);
  if (scenario.Active)
    parts << QString(display.Active ? "scenario %1 - %2" : "Recording scenario %1 - %2")
                 .arg(Length(scenario.Seconds), scenario.File);
  return parts.join("; ");
}

void TRecordingStatus::Show() {
  if (!Parts[Display].Active && !Parts[Scenario].Active) {
    Bar->clearMessage();
    return;
  }
  QString text = Text();
  // Too long for the bar: the file names give way, each by half the excess.
  const QFontMetrics metrics(Bar->font());
  const int room = Bar->width() - 16;
  const int excess = metrics.horizontalAdvance(text) - room;
  if (excess > 0) {
    const TPart saved[2] = {Parts[0], Parts[1]};
    const int active = Parts[0].Active + Parts[1].Active;
    for (TPart& part : Parts)
      if (part.Active)
        part.File = metrics.elidedText(part.File, Qt::ElideMiddle,
                                       qMax(metrics.horizontalAdvance(part.File) - excess / active -
                                                metrics.horizontalAdvance("…"),
                                            metrics.horizontalAdvance("x…x")));
    text = Text();
    Parts[0] = saved[0];
    Parts[1] = saved[1];
  }
  Bar->showMessage(text);
}
