// A lesson in the window played as a learner plays it: the instruction
// shown, a wrong key that the lesson waits through, the hint after its
// time, "Show me" for one task, "Back a step", the rest done by hand, and
// the lesson completed and kept in the progress file.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>

#include "GuiSupport.h"
#include "core/Core.h"
#include "core/Settings.h"
#include "host/PCMain.h"
#include "menus/Menus.h"
#include "pages/Pages.h"
#include "window/LessonPanel.h"
#include "window/LessonProgress.h"
#include "window/ScenarioPlayer.h"

namespace {

using LessonTest = gui::WindowTest;

const char Lesson[] = R"(version: 1
lesson: { title: Learner's lesson, aim: The menu. }
steps:
  - set-input: { volts: 13.7 V, current: 5 A, oat: 16 °C }
  - power: on
  - delay: 300ms
  - do:
      say: "Open the main menu: press the knob."
      until: { page: MainMenuPage }
      hint: "The knob is the round button between F1 and F2."
      after: 500ms
      solution: [ { press: knob } ]
  - do:
      say: "Turn to TIME SETUP."
      until: { page: MainMenuPage, MenuState.Selection: 2 }
      solution: [ { press: { key: plus, times: 2 } } ]
  - do:
      say: "Check: go home."
      until: { page: HomePage }
      solution: [ { press: left } ]
)";

TEST_F(LessonTest, ALearnerDoesTheTasksWithAHintAndShowMe) {
  QStandardPaths::setTestModeEnabled(true);
  QFile::remove(QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
                    .filePath("lessons-completed.txt"));
  TfrmMain& w = *frmMain;
  TScenarioPlayer* player = gui::Tools().Player;
  player->Driver.Pauses.Key = 100;
  QSignalSpy finished(player, &TScenarioPlayer::Finished);
  const QString path = QDir(QString::fromStdString(testing::TempDir())).filePath("learner.yaml");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(Lesson);
  file.close();
  ASSERT_TRUE(player->Play(path));

  auto* caption = player->Panel->findChild<QLabel*>("LessonCaption");
  auto* hint = player->Panel->findChild<QLabel*>("LessonHint");
  auto* tasks = player->Panel->findChild<QLabel*>("LessonTasks");
  const auto done = [&] { return player->Driver.Lesson().Done; };
  ASSERT_TRUE(
      gui::WaitFor([&] { return caption->text() == "Open the main menu: press the knob."; }));
  EXPECT_TRUE(player->Panel->isVisible());

  // A wrong key: the lesson waits; the hint comes after its time.
  w.PressKey(KeyKnobPlus, 0);
  ASSERT_TRUE(gui::WaitFor([&] { return Settings.HomeView == 1; }));
  ASSERT_TRUE(gui::WaitFor(
      [&] { return hint->text() == "The knob is the round button between F1 and F2."; }));
  EXPECT_TRUE(player->Driver.InLesson()) << "a wrong key does not end a lesson";
  EXPECT_EQ(finished.count(), 0);

  // "Show me" plays the task from program start.
  gui::Click(player->Panel->findChild<QPushButton*>("LessonShowMe"));
  ASSERT_TRUE(gui::WaitFor([&] { return done() == 1; }));
  EXPECT_EQ(PageHandler, MainMenuPage);
  EXPECT_TRUE(tasks->text().contains("&#x2714; Open the main menu") ||
              tasks->text().contains(QChar(0x2714)))
      << tasks->text().toStdString();
  ASSERT_TRUE(gui::WaitFor([&] { return caption->text() == "Turn to TIME SETUP."; }));

  const auto turnTwice = [&] {
    for (int i = 0; i < 2; ++i) {
      w.PressKey(KeyKnobPlus, 0);
      gui::Settle(150);
    }
  };
  turnTwice();
  ASSERT_TRUE(gui::WaitFor([&] { return done() == 2; }));
  // Back a step: the first task replayed at once, the second to do again.
  gui::Click(player->Panel->findChild<QPushButton*>("LessonBack"));
  ASSERT_TRUE(gui::WaitFor([&] { return done() == 1 && PageHandler == MainMenuPage; }));
  EXPECT_EQ(MenuState.Selection, 0);
  turnTwice();
  ASSERT_TRUE(gui::WaitFor([&] { return done() == 2; }));
  w.PressKey(KeyLeft, 0);
  ASSERT_TRUE(gui::WaitFor([&] { return finished.count() == 1; }, 10000));
  EXPECT_TRUE(finished[0][0].toBool());
  EXPECT_TRUE(player->Driver.Lesson().Completed);
  EXPECT_EQ(caption->text(), "Lesson completed. Well done!");
  EXPECT_TRUE(CompletedLessons().contains("learner.yaml"));

  // Help > Lessons lists the installed lessons.
  auto* menu = w.findChild<QMenu*>("LessonsMenu");
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(menu->actions().size(), LessonFiles().size());
  EXPECT_GE(LessonFiles().size(), 8);
}

}  // namespace
