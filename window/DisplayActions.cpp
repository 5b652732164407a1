#include "window/DisplayActions.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>

#include "graphics/ColourTable.h"
#include "host/InstrumentWindow.h"
#include "pictures/Pictures.h"
#include "window/DisplayWindow.h"
#include "window/FileDialogs.h"
#include "window/RecordingStatus.h"

TDisplayActions::TDisplayActions(TInstrumentWindow* main) : QObject(main), Main(main) {
  CopyDisplay = new QAction("Copy Display", this);
  CopyDisplay->setShortcut(QKeySequence("Ctrl+C"));
  SaveDisplayImage = new QAction("Save Display Image...", this);
  SaveDisplayImage->setShortcut(QKeySequence("Ctrl+S"));
  RecordDisplay = new QAction("Record Display...", this);
  RecordDisplay->setShortcut(QKeySequence("Ctrl+R"));
  DisplayWindow = new QAction("Display Window", this);
  DisplayWindow->setShortcut(QKeySequence("Ctrl+D"));
  connect(CopyDisplay, &QAction::triggered, this, &TDisplayActions::Copy);
  connect(SaveDisplayImage, &QAction::triggered, this, &TDisplayActions::AskAndSave);
  connect(RecordDisplay, &QAction::triggered, this, &TDisplayActions::AskAndRecord);
  connect(DisplayWindow, &QAction::triggered, this, &TDisplayActions::ShowWindow);

  ScaleMenu = new QMenu("Picture Scale", main);
  Scales = new QActionGroup(this);
  for (int scale = 1; ValidPictureScale(scale); ++scale) {
    QAction* action = ScaleMenu->addAction(QString("%1x").arg(scale));
    action->setCheckable(true);
    action->setChecked(scale == 4);
    action->setData(scale);
    Scales->addAction(action);
  }

  Window = new TDisplayWindow(main);
  Window->addActions({CopyDisplay, SaveDisplayImage, RecordDisplay, DisplayWindow});

  StatusTimer = new QTimer(this);
  StatusTimer->setInterval(250);
  connect(StatusTimer, &QTimer::timeout, this, &TDisplayActions::ShowStatus);
  connect(Main, &TInstrumentWindow::FramePresented, this, &TDisplayActions::ShowAndRecordFrame);
  // The lamp may change while the frame stands still.
  connect(Main, &TInstrumentWindow::Ticked, this,
          [this] { Window->Show(Main->ShownFrame(), Main->LampColour()); });
  // Closing the window or File > Exit ends the application: the file is
  // finished first.
  connect(qApp, &QCoreApplication::aboutToQuit, this, &TDisplayActions::StopRecording);
}

TDisplayActions::~TDisplayActions() {
  std::string ignored;
  if (Recorder.Active()) Recorder.Finish(NowCs(), ignored);
}

int TDisplayActions::Scale() const { return Scales->checkedAction()->data().toInt(); }

void TDisplayActions::SetScale(int scale) {
  for (QAction* action : Scales->actions())
    if (action->data().toInt() == scale) action->setChecked(true);
}

QImage TDisplayActions::DisplayImage() const {
  const int scale = Scale();
  // A row of 480 * scale bytes needs no padding: the image's bytes are the
  // pixels, row after row.
  QImage image(ScreenWidth * scale, ScreenHeight * scale, QImage::Format_RGB888);
  static_assert(ScreenWidth * 3 % 4 == 0);
  FrameColours(Main->ShownFrame(), scale, 3, image.bits());
  return image;
}

QString TDisplayActions::DefaultPath(const QString& suffix) {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
  if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::homePath();
  const QString stamp = QDateTime::currentDateTime().toString("yyyyMMdd-HHmmss");
  return QDir(folder).filePath("axim7-display-" + stamp + "." + suffix);
}

void TDisplayActions::Report(const QString& text) {
  QMessageBox box(QMessageBox::Warning, QApplication::applicationName(), text, QMessageBox::Ok,
                  Main);
  box.exec();
}

void TDisplayActions::Copy() { QGuiApplication::clipboard()->setImage(DisplayImage()); }

bool TDisplayActions::SaveImageTo(const QString& path) {
  std::string error;
  if (WriteDisplayPng(QFile::encodeName(path).toStdString(), Main->ShownFrame(), Scale(), error))
    return true;
  Report(QString::fromStdString(error));
  return false;
}

void TDisplayActions::AskAndSave() {
  const QString path =
      AskFileToWrite(Main, "Save Display Image", DefaultPath("png"), "PNG images (*.png)", "png");
  if (!path.isEmpty()) SaveImageTo(path);
}

bool TDisplayActions::StartRecording(const QString& path) {
  std::string error;
  if (!Recorder.Start(QFile::encodeName(path).toStdString(), Scale(), error)) {
    Report(QString::fromStdString(error));
    return false;
  }
  Clock.start();
  RecordDisplay->setText("Stop Recording");
  ShowStatus();
  StatusTimer->start();
  // The frame on display now is the recording's first.
  ShowAndRecordFrame();
  return Recorder.Active();
}

void TDisplayActions::StopRecording() {
  if (!Recorder.Active()) return;
  std::string error;
  Recorder.Finish(NowCs(), error);
  RecordingEnded();
  if (!error.empty()) Report(QString::fromStdString(error));
}

void TDisplayActions::RecordingEnded() {
  StatusTimer->stop();
  TRecordingStatus::Of(Main->statusBar())->Clear(TRecordingStatus::Display);
  RecordDisplay->setText("Record Display...");
}

void TDisplayActions::AskAndRecord() {
  if (Recorder.Active()) {
    StopRecording();
    return;
  }
  const QString path =
      AskFileToWrite(Main, "Record Display", DefaultPath("gif"), "GIF animations (*.gif)", "gif");
  if (!path.isEmpty()) StartRecording(path);
}

void TDisplayActions::ShowWindow() {
  Window->Show(Main->ShownFrame(), Main->LampColour());
  Window->show();
  Window->raise();
  Window->activateWindow();
}

void TDisplayActions::ShowAndRecordFrame() {
  const uint8_t* frame = Main->ShownFrame();
  Window->Show(frame, Main->LampColour());
  std::string error;
  if (!Recorder.Active() || Recorder.Offer(frame, NowCs(), error)) return;
  RecordingEnded();
  // Reported once the pass that found the failure has finished; the
  // simulator carries on meanwhile.
  QTimer::singleShot(0, this, [this, text = QString::fromStdString(error)] { Report(text); });
}

void TDisplayActions::ShowStatus() {
  TRecordingStatus::Of(Main->statusBar())
      ->Set(TRecordingStatus::Display, Clock.elapsed() / 1000,
            QString::fromStdString(Recorder.Path()));
}
