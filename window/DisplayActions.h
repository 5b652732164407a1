// Pictures and recordings of the display, and the display window: the
// actions of the "&File", "Edit" and "View" menus and of the panel's context
// menu that show the display beyond the panel.
#pragma once
#include <QElapsedTimer>
#include <QImage>
#include <QObject>
#include <QString>

#include "pictures/GifRecording.h"

class QAction;
class QActionGroup;
class QMenu;
class QTimer;
class TDisplayWindow;
class TInstrumentWindow;

class TDisplayActions : public QObject {
  Q_OBJECT
 public:
  explicit TDisplayActions(TInstrumentWindow* main);
  ~TDisplayActions() override;

  QAction* CopyDisplay;       // "Copy Display", Ctrl+C
  QAction* SaveDisplayImage;  // "Save Display Image...", Ctrl+S
  QAction* RecordDisplay;     // "Record Display..." / "Stop Recording", Ctrl+R
  QAction* DisplayWindow;     // "Display Window", Ctrl+D
  QMenu* ScaleMenu;           // "Picture Scale": 1x to 8x
  TDisplayWindow* Window;

  // Display pixels per side of each pixel in pictures and recordings.
  int Scale() const;
  void SetScale(int scale);
  // The frame on the panel through the colour table at the chosen scale.
  QImage DisplayImage() const;
  // Writes the PNG; a failure is reported in a message box. True when written.
  bool SaveImageTo(const QString& path);
  // Starts recording into the GIF; a failure is reported in a message box.
  bool StartRecording(const QString& path);
  // Finishes the file; a failure is reported in a message box.
  void StopRecording();
  bool Recording() const { return Recorder.Active(); }
  // The file name the dialogs offer: axim7-display-YYYYMMDD-HHMMSS.SUFFIX in
  // the pictures folder.
  static QString DefaultPath(const QString& suffix);

 private:
  void Copy();
  void AskAndSave();
  void AskAndRecord();
  void ShowWindow();
  // The frame on the panel to the display window and the recording.
  void ShowAndRecordFrame();
  void ShowStatus();
  void RecordingEnded();
  void Report(const QString& text);
  int64_t NowCs() const { return Clock.elapsed() / 10; }

  TInstrumentWindow* Main;
  QActionGroup* Scales;
  TGifRecording Recorder;
  QElapsedTimer Clock;
  QTimer* StatusTimer;
};
