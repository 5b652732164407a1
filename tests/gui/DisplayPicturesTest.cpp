// Pictures, recordings and the display window, through the window's own
// actions; files read back with Qt's PNG reader and giflib.
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
#include "graphics/ColourTable.h"
#include "graphics/FrameBuffer.h"
#include "host/DisplayPanel.h"
#include "host/PCMain.h"
#include "host/RunLoop.h"
#include "window/DisplayActions.h"
#include "window/DisplayWindow.h"
#include "window/ScenarioRecording.h"

namespace {

using DisplayPicturesTest = gui::WindowTest;

QString TempPath(const QString& name) {
  QFile::remove(QDir::temp().filePath(name));
  return QDir::temp().filePath(name);
}

void ShowPattern() {
  for (int i = 0; i < FrameBufferSize; ++i) FrameBuffer[i] = static_cast<uint8_t>(i * 7 % 246);
  frmMain->FormPaint();
}

// Pixels of the image that differ from the shown frame drawn at (left, top), scale x scale.
int WrongPixels(const QImage& image, int left, int top, int scale) {
  int wrong = 0;
  for (int y = 0; y < ScreenHeight * scale; ++y)
    for (int x = 0; x < ScreenWidth * scale; ++x) {
      const TRgb c = ColourOf(frmMain->Display->ShownFrame()[y / scale * ScreenWidth + x / scale]);
      wrong += image.pixel(left + x, top + y) != qRgb(c.R, c.G, c.B);
    }
  return wrong;
}

// Caps the size of files this process writes, as a nearly full disk would;
// returns the cap before.
rlim_t CapFileSize(rlim_t bytes) {
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit limit{};
  getrlimit(RLIMIT_FSIZE, &limit);
  const rlim_t before = limit.rlim_cur;
  limit.rlim_cur = bytes;
  setrlimit(RLIMIT_FSIZE, &limit);
  return before;
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
  TDisplayActions* actions = gui::Tools().DisplayActions;
  EXPECT_EQ(actions->Scale(), 4);
  EXPECT_TRUE(TDisplayActions::DefaultPath("png").contains(
      QRegularExpression("/axim7-display-\\d{8}-\\d{6}\\.png$")));
  actions->SetScale(3);
  const QString path = TempPath("axim7-shot.png");
  ASSERT_TRUE(actions->SaveImageTo(path));
  const QImage saved(path);
  ASSERT_EQ(saved.size(), QSize(480, 360));
  EXPECT_EQ(WrongPixels(saved, 0, 0, 3), 0);
  actions->CopyDisplay->trigger();
  EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
            saved.convertToFormat(QImage::Format_RGB32));

  // A full disk: the message names the file and the earlier picture stays.
  const rlim_t before = CapFileSize(1000);
  EXPECT_EQ(MessageDuring([&] { EXPECT_FALSE(actions->SaveImageTo(path)); }),
            "Could not write " + path + ": File too large.");
  CapFileSize(before);
  EXPECT_EQ(QImage(path), saved);
}

TEST_F(DisplayPicturesTest, RecordingGoesOnAcrossOffAndOnUntilTheDiskIsFull) {
  TDisplayActions* actions = gui::Tools().DisplayActions;
  frmMain->Button1Click();
  ASSERT_TRUE(gui::WaitPasses(3));
  const QString path = TempPath("axim7-run.gif");
  ASSERT_TRUE(actions->StartRecording(path));
  EXPECT_EQ(actions->RecordDisplay->text(), "Stop Recording");
  EXPECT_EQ(frmMain->StatusBar1->currentMessage(), "Recording 0:00 - axim7-run.gif");
  frmMain->Button2Click();
  gui::Settle(300);
  frmMain->Button1Click();
  gui::Settle(1100);  // the clock's seconds change
  // The disk fills up: the file may not grow past what it holds now.
  const rlim_t before = CapFileSize(QFileInfo(path).size() + 10);
  const QString message = MessageDuring([] {});
  CapFileSize(before);
  EXPECT_EQ(message,
            "Could not write " + path + ": File too large. The unfinished recording was removed.");
  EXPECT_FALSE(actions->Recording());
  EXPECT_FALSE(QFile::exists(path));
  EXPECT_EQ(actions->RecordDisplay->text(), "Record Display...");
  EXPECT_TRUE(frmMain->StatusBar1->currentMessage().isEmpty());
  EXPECT_TRUE(gui::WaitPasses(5));
}

TEST_F(DisplayPicturesTest, DisplayWindowShowsTheLargestWholeScaleAtTwoSizesAndTakesKeys) {
  ShowPattern();
  gui::Tools().DisplayActions->DisplayWindow->trigger();
  TDisplayWindow* window = gui::Tools().DisplayActions->Window;
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
  for (const auto& [size, scale] : {std::pair{QSize(400, 300), 2}, std::pair{QSize(900, 700), 5}}) {
    window->resize(size);
    ASSERT_TRUE(gui::WaitFor([&] { return window->size() == size; }));
    gui::Settle(100);
    const QImage image = gui::Grab(window);
    EXPECT_EQ(window->Scale(), scale);
    const int left = (size.width() - 160 * scale) / 2, top = (size.height() - 120 * scale) / 2;
    EXPECT_EQ(WrongPixels(image, left, top, scale), 0) << scale;
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(left - 5, top), qRgb(128, 0, 0));  // the lamp's ring
  }
  KeySlot = 0;
  QTest::keyClick(window, Qt::Key_F2);
  EXPECT_EQ(KeySlot, KeyRight);
  window->close();
  EXPECT_FALSE(window->isVisible());
}

TEST_F(DisplayPicturesTest, TwoRecordingsAtOnceShowBothInTheStatusBar) {
  TDisplayActions* actions = gui::Tools().DisplayActions;
  TScenarioRecording* scenario = gui::Tools().Recording;
  QStatusBar* bar = frmMain->statusBar();
  const QString gif = TempPath("axim7-both.gif"), yaml = TempPath("axim7-both.yaml");
  ASSERT_TRUE(actions->StartRecording(gif));
  ASSERT_TRUE(scenario->Start(yaml));
  // Over a few seconds of passes, ticks and status updates, every look at
  // the bar finds both.
  QStringList seen;
  for (int i = 0; i < 120; ++i) {
    gui::Settle(20);
    const QString message = bar->currentMessage();
    if (!message.contains("axim7-both.gif") || !message.contains("axim7-both.yaml"))
      seen << message;
  }
  EXPECT_TRUE(seen.isEmpty()) << seen.join(" / ").toStdString();
  EXPECT_TRUE(bar->currentMessage().startsWith("Recording 0:02 - axim7-both.gif; scenario 0:0"))
      << bar->currentMessage().toStdString();
  EXPECT_LE(bar->fontMetrics().horizontalAdvance(bar->currentMessage()), bar->width());

  // One ends: the other is told of alone, each in its own words.
  actions->StopRecording();
  EXPECT_TRUE(bar->currentMessage().startsWith("Recording scenario 0:0"))
      << bar->currentMessage().toStdString();
  ASSERT_TRUE(actions->StartRecording(gif));
  scenario->Stop();
  ASSERT_TRUE(gui::WaitFor([&] { return !scenario->Active(); }));
  gui::Settle(300);
  EXPECT_TRUE(bar->currentMessage().startsWith("Recording 0:00 - axim7-both.gif"))
      << bar->currentMessage().toStdString();
  actions->StopRecording();
}

TEST_F(DisplayPicturesTest, DisplayWindowNeverCutsTheDisplayOrItsRing) {
  ShowPattern();
  gui::Tools().DisplayActions->DisplayWindow->trigger();
  TDisplayWindow* window = gui::Tools().DisplayActions->Window;
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
  for (const QSize asked : {QSize(120, 90), QSize(1, 1), QSize(400, 90), QSize(179, 139)}) {
    SCOPED_TRACE(asked.width());
    window->resize(asked);
    gui::Settle(150);
    EXPECT_GE(window->width(), 180);
    EXPECT_GE(window->height(), 140);
    const QImage image = gui::Grab(window);
    const int left = (image.width() - 160) / 2, top = (image.height() - 120) / 2;
    EXPECT_EQ(window->Scale(), 1);
    EXPECT_EQ(WrongPixels(image, left, top, 1), 0);
    const QRgb ring = qRgb(128, 0, 0);
    EXPECT_EQ(image.pixel(left - 10, top - 10), ring);
    EXPECT_EQ(image.pixel(left + 169, top + 129), ring);
    EXPECT_EQ(image.pixel(left + 80, top - 5), ring);
    EXPECT_EQ(image.pixel(left + 164, top + 60), ring);
  }
}

}  // namespace
