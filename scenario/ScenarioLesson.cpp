// A lesson's do steps. Headless (the runner) a task is checked at once: its
// solution is played and its until must then hold. Shown (the window, the
// page), the instruction waits for the learner with the instrument running
// at real speed under the host's own ticks and passes; it is looked at
// every LookMs until its until holds. "Show me", "Back a step" and
// "Restart" start again from program start (see Again).
#include <cstring>

#include "core/RunState.h"
#include "host/FrontPanel.h"
#include "scenario/ScenarioDriver.h"
#include "scenario/StepWords.h"

namespace {

constexpr int LookMs = 100;    // how often a waiting task is looked at
constexpr int TickedMs = 800;  // a task done: its tick shown before the next

// The hint for now: a wrong turn's when its page is up, else the task's own
// once its time has come.
std::string HintNow(const TStep& step, double waitedMs) {
  for (const auto& [page, hint] : step.WrongTurns)
    if (PageHandler == page) return hint;
  if (step.HintMs > 0 && waitedMs >= step.HintMs) return step.Hint;
  return "";
}

}  // namespace

int TScenarioDriver::DoStep(const TStep& step) {
  if (!Host) return CheckTask(step);
  if (!TaskBegun) {
    TaskBegun = true;
    TaskStartMs = Host->NowMs();
    SolutionIndex = 0;
    Part = 0;
    Timing = false;
    LessonNow.Hint.clear();
    LessonNow.Showing = ShowNext;
    ShowNext = false;
    Host->Caption(step.Words);
    Host->Status(step.Words);
    Host->LessonChanged();
  }
  if (LessonNow.Showing) {
    const int pause = PlaySolution(step);
    if (pause >= 0 || Outcome.Outcome != TScenarioResult::Passed) return pause;
    LessonNow.Showing = false;
    Host->LessonChanged();
  }
  // The learner's turn: the host runs the instrument.
  std::string failure;
  FrontPanel.Driven = 0;
  if (CheckExpectations(step, PanelLampLit(), failure)) {
    TaskBegun = false;
    ++LessonNow.Done;
    LessonNow.Hint.clear();
    ++Index;
    Host->LessonChanged();
    return TickedMs;
  }
  const std::string hint = HintNow(step, Host->NowMs() - TaskStartMs);
  if (hint != LessonNow.Hint) {
    LessonNow.Hint = hint;
    Host->LessonChanged();
  }
  return LookMs;
}

// The solution's steps through the one step code, Index pointing into the
// solution meanwhile; -1 when all are played.
int TScenarioDriver::PlaySolution(const TStep& step) {
  FrontPanel.Driven = 1;
  while (SolutionIndex < step.Solution.size()) {
    const TStep& next = step.Solution[SolutionIndex];
    if (Host && Part == 0 && !Timing) Host->Status(StepSentence(next));
    const size_t task = Index;
    Index = SolutionIndex;
    const int pause = Step(next);
    SolutionIndex = Index;
    Index = task;
    if (Outcome.Outcome != TScenarioResult::Passed) return -1;
    if (Host && pause >= 0) return pause;
  }
  return -1;
}

// The runner's check of a task, and a task replayed quickly (ReplayTo is 0
// only headless).
int TScenarioDriver::CheckTask(const TStep& step) {
  std::string failure;
  // A task done before the learner acts would be ticked at once.
  if (ReplayTo == 0 && CheckExpectations(step, PanelLampLit(), failure))
    return Fail(step, "the task is done before its solution is played");
  SolutionIndex = 0;
  PlaySolution(step);
  if (Outcome.Outcome != TScenarioResult::Passed) return -1;
  if (!CheckExpectations(step, PanelLampLit(), failure))
    return Fail(step, "the solution does not do the task: " + failure);
  ++LessonNow.Done;
  ++Index;
  return -1;
}

// From program start, the first replay tasks done quickly; show plays the
// next one's solution.
void TScenarioDriver::Again(size_t replay, bool show) {
  if (!Scenario.Lesson || !Host) return;
  if (State == TState::Playing) {
    // Neither an end nor a round: the lesson goes on from its start.
    State = TState::Idle;
    FrontPanel.Driven = 0;
  }
  Host->Cancel();
  ReplayTo = replay;
  ShowNext = show;
  Round();
}

void TScenarioDriver::ShowMe() {
  if (InLesson() && !LessonNow.Showing) Again(LessonNow.Done, true);
}

void TScenarioDriver::BackAStep() { Again(LessonNow.Done > 0 ? LessonNow.Done - 1 : 0, false); }

void TScenarioDriver::Restart() { Again(0, false); }
