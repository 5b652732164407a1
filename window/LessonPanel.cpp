#include "window/LessonPanel.h"

#include <QAction>
#include <QFileInfo>
#include <QFontInfo>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include "window/LessonProgress.h"
#include "window/ScenarioPlayer.h"

namespace {

QPushButton* Button(const QString& text, const char* name, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  button->setFocusPolicy(Qt::NoFocus);  // the keyboard keeps working the instrument
  return button;
}

}  // namespace

TLessonPanel::TLessonPanel(QWidget* window, TScenarioPlayer* player)
    : QDockWidget("Lesson", window), Window(window), Base(window->size()), Player(player) {
  setObjectName("LessonPanel");
  setFeatures(QDockWidget::NoDockWidgetFeatures);
  setTitleBarWidget(new QWidget(this));
  auto* body = new QWidget(this);
  auto* layout = new QVBoxLayout(body);
  Caption = new QLabel(body);
  Caption->setObjectName("LessonCaption");
  Caption->setWordWrap(true);
  Caption->setTextFormat(Qt::PlainText);  // a file's words, never markup
  Caption->setAlignment(Qt::AlignCenter);
  QFont large = Caption->font();
  large.setPointSizeF(QFontInfo(large).pointSizeF() * 1.8);
  large.setBold(true);
  Caption->setFont(large);
  Caption->setMinimumHeight(2 * QFontMetrics(large).lineSpacing());
  layout->addWidget(Caption);

  LessonPart = new QWidget(body);
  auto* lesson = new QVBoxLayout(LessonPart);
  lesson->setContentsMargins(0, 0, 0, 0);
  Title = new QLabel(LessonPart);
  Title->setObjectName("LessonTitle");
  Title->setWordWrap(true);
  Title->setTextFormat(Qt::RichText);  // its words escaped
  Tasks = new QLabel(LessonPart);
  Tasks->setObjectName("LessonTasks");
  Tasks->setWordWrap(true);
  Tasks->setTextFormat(Qt::RichText);
  Hint = new QLabel(LessonPart);
  Hint->setObjectName("LessonHint");
  Hint->setWordWrap(true);
  Hint->setTextFormat(Qt::PlainText);
  QFont hint = Hint->font();
  hint.setPointSizeF(QFontInfo(hint).pointSizeF() * 1.3);
  hint.setItalic(true);
  Hint->setFont(hint);
  auto* buttons = new QHBoxLayout;
  ShowMe = Button("Show me", "LessonShowMe", LessonPart);
  Back = Button("Back a step", "LessonBack", LessonPart);
  Restart = Button("Restart", "LessonRestart", LessonPart);
  Leave = Button("Leave", "LessonLeave", LessonPart);
  for (QPushButton* b : {ShowMe, Back, Restart, Leave}) buttons->addWidget(b);
  lesson->addWidget(Title);
  lesson->addWidget(Tasks);
  lesson->addWidget(Hint);
  lesson->addLayout(buttons);
  layout->addWidget(LessonPart);
  setWidget(body);

  connect(ShowMe, &QPushButton::clicked, this, [this] { Player->Driver.ShowMe(); });
  connect(Back, &QPushButton::clicked, this, [this] { Player->Driver.BackAStep(); });
  connect(Restart, &QPushButton::clicked, this, [this] {
    Recorded = false;
    Player->Driver.Restart();
  });
  connect(Leave, &QPushButton::clicked, this, [this] {
    Left = true;
    Player->Stop("Lesson left");
  });
  Update();
}

void TLessonPanel::ShowCaption(const QString& text) {
  Caption->setText(text);
  Caption->setVisible(!text.isEmpty());
  setVisible(!text.isEmpty() || LessonPart->isVisibleTo(this));
  Fit();
}

void TLessonPanel::Fit() {
  int extra = 0;
  if (isVisibleTo(Window)) {
    widget()->adjustSize();
    const int wanted = widget()->heightForWidth(Base.width());
    extra = wanted > 0 ? wanted : widget()->sizeHint().height();
  }
  Window->setFixedSize(Base.width(), Base.height() + extra);
}

void TLessonPanel::Begin() {
  Left = false;
  Recorded = false;
  Caption->clear();
}

void TLessonPanel::Update() {
  const TScenarioDriver& driver = Player->Driver;
  const TLessonView& view = driver.Lesson();
  const bool shown = driver.InLesson() || (view.Completed && !Left);
  LessonPart->setVisible(shown);
  setVisible(shown || !Caption->text().isEmpty());
  if (!shown) return Fit();
  if (!driver.InLesson() && view.Completed) Caption->setText("Lesson completed. Well done!");
  Caption->setVisible(!Caption->text().isEmpty());
  Title->setText(QString("<b>%1</b>: task %2 of %3")
                     .arg(Player->LessonTitle().toHtmlEscaped())
                     .arg(std::min(view.Done + 1, view.Tasks.size()))
                     .arg(view.Tasks.size()));
  QString list;
  for (size_t i = 0; i < view.Tasks.size(); ++i) {
    const QString task = QString::fromStdString(view.Tasks[i]).toHtmlEscaped();
    if (i < view.Done)
      list += QString("&#x2714; %1<br>").arg(task);
    else if (i == view.Done)
      list += QString("&#x25B6; <b>%1</b><br>").arg(task);
  }
  Tasks->setText(list);
  Hint->setText(view.Showing ? "Watch: the simulator does this step."
                             : QString::fromStdString(view.Hint));
  Hint->setVisible(!Hint->text().isEmpty());
  ShowMe->setEnabled(driver.InLesson() && !view.Showing);
  Back->setEnabled(driver.InLesson() && view.Done > 0);
  if (view.Completed && !Recorded) {
    Recorded = true;
    MarkLessonCompleted(Player->File());
  }
  if (!view.Completed) Recorded = false;
  Fit();
}

void TLessonPanel::FillMenu(QMenu* menu) {
  menu->clear();
  const QStringList done = CompletedLessons();
  const QStringList files = LessonFiles();
  if (files.isEmpty()) menu->addAction("No lessons installed")->setEnabled(false);
  for (const QString& file : files) {
    const QString name = QFileInfo(file).fileName();
    QString title = QFileInfo(file).completeBaseName();
    TScenario lesson;
    std::string error;
    if (LoadScenario(QFile::encodeName(file).toStdString(), {}, lesson, error))
      title = QString::fromStdString(lesson.Title);
    QAction* action = menu->addAction(title);
    action->setCheckable(true);
    action->setChecked(done.contains(name));
    connect(action, &QAction::triggered, this, [this, file] { Player->Play(file); });
  }
}

void AddLessonsMenu(QMenu* help, TLessonPanel* panel) {
  auto* lessons = new QMenu("Lessons", help);
  lessons->setObjectName("LessonsMenu");
  help->insertMenu(help->actions().value(0), lessons);
  QObject::connect(lessons, &QMenu::aboutToShow, panel,
                   [lessons, panel] { panel->FillMenu(lessons); });
  panel->FillMenu(lessons);
}
