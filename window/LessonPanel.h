// The strip under the instrument that shows what a scenario says (its
// captions, large enough to read from a few steps away) and, while a
// lesson plays, the lesson: its tasks with a tick for each one done, the
// hint, and "Show me", "Back a step", "Restart" and "Leave".
#pragma once
#include <QDockWidget>

class QLabel;
class QMenu;
class QPushButton;
class TScenarioPlayer;

class TLessonPanel : public QDockWidget {
  Q_OBJECT
 public:
  TLessonPanel(QWidget* window, TScenarioPlayer* player);
  void ShowCaption(const QString& text);
  // A new playing begins.
  void Begin();
  // Reads how the lesson stands from the player's driver.
  void Update();
  // Help > Lessons: one entry a lesson, ticked when completed.
  void FillMenu(QMenu* menu);

 private:
  // The window grows by the panel's height while it is shown (its size is
  // fixed).
  void Fit();
  QWidget* Window;
  QSize Base;
  TScenarioPlayer* Player;
  QLabel* Caption;
  QWidget* LessonPart;
  QLabel* Title;
  QLabel* Tasks;
  QLabel* Hint;
  QPushButton* ShowMe;
  QPushButton* Back;
  QPushButton* Restart;
  QPushButton* Leave;
  bool Left = false;      // the learner left: a completed lesson's panel goes too
  bool Recorded = false;  // this playing's completion is in the progress file
};

// Adds "Lessons" to the Help menu.
void AddLessonsMenu(QMenu* help, TLessonPanel* panel);
