// Pictures, recordings and the display window, through the window's own
// actions; files read back with Qt's PNG reader and giflib.
#include <gif_lib.h>
#include <sys/resource.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <csignal>

#include "GuiSupport.h"
#include "graphics/FrameBuffer.h"
#include "host/ColourTable.h"
#include "host/DisplayActions.h"
#include "host/DisplayPanel.h"
#include "host/DisplayWindow.h"
#include "host/PCMain.h"
#include "host/RunLoop.h"

namespace {

using DisplayPicturesTest = gui::WindowTest;

QString TempPath(const QString& name) {
  QDir dir(QDir::temp().filePath("axim7-gui-pictures"));
  dir.mkpath(".");
  QFile::remove(dir.filePath(name));
  return dir.filePath(name);
}

void ShowPattern() {
  for (int i = 0; i < FrameBufferSize; ++i) FrameBuffer[i] = static_cast<uint8_t>(i * 7 % 246);
  frmMain->FormPaint();
}

QColor Shown(int x, int y) {
  const TRgb c = ColourOf(frmMain->Display->ShownFrame()[y * ScreenWidth + x]);
  return QColor(c.R, c.G, c.B);
}

// Pixels of the image that differ from the shown frame drawn at (left, top), scale x scale.
int WrongPixels(const QImage& image, int left, int top, int scale) {
  int wrong = 0;
  for (int y = 0; y < ScreenHeight * scale; ++y)
    for (int x = 0; x < ScreenWidth * scale; ++x)
      wrong += QColor(image.pixel(left + x, top + y)) != Shown(x / scale, y / scale);
  return wrong;
}

// Runs an action, answering the message box it opens; returns the box's text.
QString MessageDuring(const std::function<void()>& action, int timeoutMs = 5000) {
  QString text;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&text] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
      text = box->text(), box->accept();
  });
  poll.start(20);
  action();
  gui::WaitFor([&text] { return !text.isEmpty(); }, timeoutMs);
  return text;
}

TEST_F(DisplayPicturesTest, SavedAndCopiedPicturesAreTheShownFrameInExactBlocks) {
  ShowPattern();
  TDisplayActions* actions = frmMain->DisplayActions;
  EXPECT_EQ(actions->Scale(), 4);
  EXPECT_TRUE(QRegularExpression("/axim7-display-\\d{8}-\\d{6}\\.png$")
                  .match(TDisplayActions::DefaultPath("png"))
                  .hasMatch());
  actions->SetScale(3);
  const QString path = TempPath("shot.png");
  ASSERT_TRUE(actions->SaveImageTo(path));
  const QImage saved(path);
  ASSERT_EQ(saved.size(), QSize(480, 360));
  EXPECT_EQ(WrongPixels(saved, 0, 0, 3), 0);
  actions->CopyDisplay->trigger();
  EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
            saved.convertToFormat(QImage::Format_RGB32));

  const QString bad = "/no/such/folder/shot.png";
  EXPECT_EQ(MessageDuring([&] { EXPECT_FALSE(actions->SaveImageTo(bad)); }),
            "Could not write " + bad + ": No such file or directory.");
}

TEST_F(DisplayPicturesTest, RecordingGoesOnAcrossOffAndOnAndEndsOnTheShownFrame) {
  TDisplayActions* actions = frmMain->DisplayActions;
  actions->SetScale(1);
  frmMain->Button1Click();
  ASSERT_TRUE(gui::WaitPasses(3));
  const QString path = TempPath("run.gif");
  ASSERT_TRUE(actions->StartRecording(path));
  EXPECT_EQ(actions->RecordDisplay->text(), "Stop Recording");
  EXPECT_EQ(frmMain->StatusBar1->currentMessage(), "Recording 0:00 - run.gif");
  gui::Settle(1100);  // the clock's seconds change
  frmMain->Button2Click();
  gui::Settle(300);
  frmMain->Button1Click();
  gui::Settle(1100);
  actions->StopRecording();
  EXPECT_EQ(actions->RecordDisplay->text(), "Record Display...");
  EXPECT_TRUE(frmMain->StatusBar1->currentMessage().isEmpty());

  int code = 0;
  GifFileType* gif = DGifOpenFileName(QFile::encodeName(path).constData(), &code);
  ASSERT_NE(gif, nullptr);
  ASSERT_EQ(DGifSlurp(gif), GIF_OK);
  EXPECT_GE(gif->ImageCount, 2);
  int totalCs = 0;
  QImage composed(ScreenWidth, ScreenHeight, QImage::Format_RGB32);
  for (int i = 0; i < gif->ImageCount; ++i) {
    const SavedImage& image = gif->SavedImages[i];
    GraphicsControlBlock control{};
    DGifSavedExtensionToGCB(gif, i, &control);
    totalCs += control.DelayTime;
    for (int y = 0; y < image.ImageDesc.Height; ++y)
      for (int x = 0; x < image.ImageDesc.Width; ++x) {
        const GifColorType c =
            gif->SColorMap->Colors[image.RasterBits[y * image.ImageDesc.Width + x]];
        composed.setPixel(image.ImageDesc.Left + x, image.ImageDesc.Top + y,
                          qRgb(c.Red, c.Green, c.Blue));
      }
  }
  DGifCloseFile(gif, &code);
  EXPECT_NEAR(totalCs, 250, 40);  // the time recorded, Off included
  EXPECT_EQ(WrongPixels(composed, 0, 0, 1), 0);
}

TEST_F(DisplayPicturesTest, FailedRecordingWriteStopsItWithAMessageAndTheSimulatorRunsOn) {
  TDisplayActions* actions = frmMain->DisplayActions;
  frmMain->Button1Click();
  const QString path = TempPath("full.gif");
  ASSERT_TRUE(actions->StartRecording(path));
  // The disk fills up: no file may grow past what it holds now.
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit saved{}, full{};
  getrlimit(RLIMIT_FSIZE, &saved);
  full = saved;
  full.rlim_cur = QFileInfo(path).size() + 100;
  setrlimit(RLIMIT_FSIZE, &full);
  const QString message = MessageDuring([] {}, 5000);
  setrlimit(RLIMIT_FSIZE, &saved);
  EXPECT_EQ(message,
            "Could not write " + path + ": File too large. The unfinished recording was removed.");
  EXPECT_FALSE(actions->Recording());
  EXPECT_FALSE(QFile::exists(path));
  EXPECT_TRUE(gui::WaitPasses(5));
}

TEST_F(DisplayPicturesTest, DisplayWindowShowsTheLargestWholeScaleAtTwoSizesAndTakesKeys) {
  ShowPattern();
  frmMain->DisplayActions->DisplayWindow->trigger();
  TDisplayWindow* window = frmMain->DisplayActions->Window;
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
  for (const auto& [size, scale] : {std::pair{QSize(400, 300), 2}, std::pair{QSize(900, 700), 5}}) {
    window->resize(size);
    ASSERT_TRUE(gui::WaitFor([&] { return window->size() == size; }));
    gui::Settle(100);
    const QImage image = gui::Grab(window);
    EXPECT_EQ(window->Scale(), scale);
    const int left = (size.width() - 160 * scale) / 2, top = (size.height() - 120 * scale) / 2;
    EXPECT_EQ(WrongPixels(image, left, top, scale), 0) << scale;
    EXPECT_EQ(QColor(image.pixel(0, 0)), Qt::black);
    EXPECT_EQ(QColor(image.pixel(left - 5, top)), QColor(128, 0, 0));  // the lamp's ring
  }
  KeySlot = 0;
  QTest::keyClick(window, Qt::Key_F2);
  EXPECT_EQ(KeySlot, KeyRight);
  window->close();
  EXPECT_FALSE(window->isVisible());
}

}  // namespace
