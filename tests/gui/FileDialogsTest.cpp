// The file dialogs as a user meets them: a name typed without a suffix gets
// the file type's own, and the scenario dialogs open where the user last
// was, the first time at the guided tour.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "GuiSupport.h"
#include "host/PCMain.h"
#include "window/DisplayActions.h"
#include "window/FileDialogs.h"
#include "window/ScenarioRecording.h"

namespace {

using FileDialogsTest = gui::WindowTest;

// Waits for the file dialog the action opens, notes the folder it shows,
// types the name into its name box and presses Enter (an empty name cancels).
QString AnswerDialog(QAction* action, const QString& folder, const QString& name) {
  QString shown = "no dialog";
  QTimer::singleShot(0, [&] {
    QFileDialog* dialog = nullptr;
    gui::WaitFor([&] {
      dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      return dialog != nullptr && dialog->isVisible();
    });
    if (dialog == nullptr) return;
    shown = QDir(dialog->directory()).canonicalPath();
    if (name.isEmpty()) {
      dialog->reject();
      return;
    }
    dialog->setDirectory(folder);
    auto* box = dialog->findChild<QLineEdit*>("fileNameEdit");
    if (box == nullptr) return dialog->reject();
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, name);
    QTest::keyClick(box, Qt::Key_Return);
  });
  action->trigger();
  gui::Settle(50);
  return shown;
}

QAction* FileEntry(const QString& text) {
  for (QAction* entry : frmMain->File1->actions())
    if (entry->text() == text) return entry;
  return nullptr;
}

TEST_F(FileDialogsTest, ANameTypedWithoutItsSuffixGetsIt) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  TDisplayActions* actions = gui::Tools().DisplayActions;
  const struct {
    QAction* action;
    const char* typed;
    const char* written;
  } cases[] = {
      {actions->SaveDisplayImage, "shot", "shot.png"},
      {actions->SaveDisplayImage, "two.png", "two.png"},
      {actions->SaveDisplayImage, "Three.PNG", "Three.PNG"},
      {actions->RecordDisplay, "film", "film.gif"},
      {actions->RecordDisplay, "reel.gif", "reel.gif"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    AnswerDialog(c.action, dir.path(), c.typed);
    if (actions->Recording()) actions->RecordDisplay->trigger();  // stops it
    const QStringList files = QDir(dir.path()).entryList(QDir::Files);
    EXPECT_TRUE(files.contains(c.written)) << files.join(' ').toStdString();
    EXPECT_EQ(QString(c.typed) == c.written, files.contains(c.typed));
  }
}

TEST_F(FileDialogsTest, ScenarioDialogsOpenAtTheTourThenWhereTheUserLastWas) {
  const QString tour = TourFile();
  ASSERT_FALSE(tour.isEmpty()) << "the guided tour comes with the program";
  EXPECT_TRUE(tour.endsWith("/tour.yaml"));
  const QString tourFolder = QFileInfo(tour).canonicalPath();
  QAction* play = FileEntry("Play Scenario...");
  QAction* record = FileEntry("Record Scenario...");
  ASSERT_NE(play, nullptr);
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(AnswerDialog(play, "", ""), tourFolder) << "cancelled: nothing remembered";
  EXPECT_EQ(AnswerDialog(play, "", ""), tourFolder);

  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString folder = QDir(dir.path()).canonicalPath();
  EXPECT_EQ(AnswerDialog(record, folder, "mine"), tourFolder);
  auto* recording = gui::Tools().Recording;
  ASSERT_TRUE(recording->Active());
  recording->Stop();
  ASSERT_TRUE(gui::WaitFor([&] { return !recording->Active(); }));
  EXPECT_TRUE(QFileInfo::exists(folder + "/mine.yaml"));
  EXPECT_EQ(AnswerDialog(play, "", ""), folder) << "where the last scenario was written";
  EXPECT_EQ(AnswerDialog(record, "", ""), folder);
}

}  // namespace
