#include "scenario/ScenarioDriver.h"

#include <time.h>

#include <cmath>

#include "graphics/FrameBuffer.h"
#include "pictures/GifRecording.h"
#include "scenario/StepWords.h"

namespace {

double MonotonicSeconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<double>(now.tv_sec) + now.tv_nsec * 1e-9;
}

// The panel's changes made while it lives are the scenario's.
struct TActing {
  TActing() { ++FrontPanel.Acting; }
  ~TActing() { --FrontPanel.Acting; }
  TActing(const TActing&) = delete;
  TActing& operator=(const TActing&) = delete;
};

// What the user did, as the status line says it.
std::string Deed(const TPanelChange& change) {
  switch (change.Event) {
    case TPanelEvent::Input:
      if (change.Which == static_cast<uint8_t>(TPanelInput::Calibrate))
        return "Calibrate was changed";
      return std::string("the ") + PanelInputs[change.Which].Title + " input was moved";
    case TPanelEvent::Key:
      return "a key was pressed";
    case TPanelEvent::Power:
      return change.Value ? "On was pressed" : "Off was pressed";
    case TPanelEvent::Field:
      return std::string(change.Field->Name) + " was changed";
    default:
      return "";
  }
}

}  // namespace

TScenarioDriver::TScenarioDriver(TScenarioHost* host) : Host(host) { PanelListen(Heard, this); }

TScenarioDriver::~TScenarioDriver() {
  PanelUnlisten(Heard, this);
  if (State == TState::Playing) End(TPlayEnd::Stopped, "");
  if (Host) Host->Cancel();
}

void TScenarioDriver::Heard(const TPanelChange& change, void* context) {
  auto* driver = static_cast<TScenarioDriver*>(context);
  if (change.Actor != TPanelActor::User) return;
  const std::string deed = Deed(change);
  if (!deed.empty()) driver->UserActed(deed);
}

void TScenarioDriver::UserActed(const std::string& what) {
  if (InLesson()) return;  // the learner is the one acting
  switch (State) {
    case TState::Idle:
      return;
    case TState::Playing:
      End(TPlayEnd::Interrupted, "Scenario stopped: " + what);
      break;
    case TState::Waiting:
    case TState::Visitor:
      break;
  }
  if (!Loop || !Host) {
    State = TState::Idle;
    return;
  }
  // The visitor has the instrument; a minute without input ends the turn.
  State = TState::Visitor;
  LastInputMs = Host->NowMs();
  Host->After(Pauses.Idle);
}

void TScenarioDriver::Play(const TScenario& scenario, const TScenarioOptions& options) {
  if (State == TState::Playing) End(TPlayEnd::Stopped, "");
  Scenario = scenario;
  Options = options;
  RoundCount = 0;
  LessonNow = TLessonView{};
  for (const TStep& step : Scenario.Steps)
    if (step.Kind == TStepKind::Do) LessonNow.Tasks.push_back(step.Words);
  ReplayTo = 0;
  ShowNext = false;
  Round();
}

void TScenarioDriver::Stop(const std::string& status) {
  const bool playing = State == TState::Playing;
  if (playing) End(TPlayEnd::Stopped, status);
  State = TState::Idle;
  if (Host) {
    Host->Cancel();
    if (!playing && !status.empty()) Host->Status(status);
  }
}

// A round from program start: the instrument off, every record reset, the
// controls as the program starts with them but the inputs at 0 (what the
// instrument has), the box ticked; the scenario's clock from its start (the
// window and the page keep theirs when the file gives none).
void TScenarioDriver::Round() {
  ++RoundCount;
  Outcome = TScenarioResult{};
  Recording.reset();
  RecordingStep = nullptr;
  Index = 0;
  Part = 0;
  Timing = false;
  Ticks = 0;
  Inputs.Reset();
  LessonNow.Done = 0;
  LessonNow.Hint.clear();
  LessonNow.Showing = LessonNow.Completed = false;
  TaskBegun = false;
  if (!ClockSaved) SavedClock = PanelClock;
  ClockSaved = true;
  {
    TActing acting;
    PanelProgramStart();
    for (uint8_t i = 0; i < PanelSensorCount; ++i) PanelSetInput(static_cast<TPanelInput>(i), 0);
    PanelSetInput(TPanelInput::Calibrate, 1);
  }
  if (!Host || Scenario.ClockGiven)
    PanelClock = TPanelClock{TClockMode::Ticking, Scenario.Clock, 0};
  Deadline = !Host && Options.Timeout > 0 ? MonotonicSeconds() + Options.Timeout : 0;
  State = TState::Playing;
  FrontPanel.Driven = 1;
  if (Host) Host->Present();
  Run();
}

void TScenarioDriver::Continue() {
  switch (State) {
    case TState::Idle:
      return;
    case TState::Playing:
      Run();
      return;
    case TState::Waiting:
      Round();
      return;
    case TState::Visitor: {
      const double quiet = Host->NowMs() - LastInputMs;
      if (quiet + 1 >= Pauses.Idle)
        Round();
      else
        Host->After(static_cast<int>(std::ceil(Pauses.Idle - quiet)));
      return;
    }
  }
}

void TScenarioDriver::Run() {
  while (State == TState::Playing) {
    if (Index >= Scenario.Steps.size()) {
      Conclude();
      return;
    }
    const TStep& step = Scenario.Steps[Index];
    if (PastDeadline()) {
      Conclude();
      return;
    }
    // Tasks done before a restart are replayed as the headless runner plays.
    if (Host && Scenario.Lesson && LessonNow.Done < ReplayTo) {
      TScenarioHost* host = Host;
      Host = nullptr;
      Step(step);
      Host = host;
      if (LessonNow.Done == ReplayTo) Host->Present();
      if (Outcome.Outcome != TScenarioResult::Passed) return Conclude();
      continue;
    }
    if (Host && Part == 0 && !TaskBegun) Host->Status(StepSentence(step));
    FrontPanel.Driven = 1;  // a lesson's task gives the instrument back while it waits
    const int pause = Step(step);
    if (State != TState::Playing) return;
    if (Outcome.Outcome != TScenarioResult::Passed) {
      Conclude();
      return;
    }
    if (Host && pause >= 0) {
      Host->After(pause);
      return;
    }
  }
}

// The steps have ended (all done, or one failed): a recording still running
// is finished and is one of the files written.
void TScenarioDriver::Conclude() {
  if (Recording && Recording->Active() && Outcome.Outcome != TScenarioResult::Broken) {
    std::string error;
    if (Recording->Finish(TimeCs(), error))
      Outcome.Written.push_back(Printable(Recording->Path()));
    else
      Broke(*RecordingStep, error);
  }
  switch (Outcome.Outcome) {
    case TScenarioResult::Passed:
      return End(TPlayEnd::Passed, "");
    case TScenarioResult::Failed:
      return End(TPlayEnd::Failed, Outcome.Message);
    case TScenarioResult::Broken:
      return End(TPlayEnd::Broken, Outcome.Message);
  }
}

void TScenarioDriver::Pass() {
  if (!PanelPass()) return;
  std::string error;
  if (Recording && Recording->Active() && !Recording->Offer(FrameBuffer, TimeCs(), error))
    Broke(*RecordingStep, error);
  if (Host) Host->Present();
}

void TScenarioDriver::Tick() {
  Inputs.BeforeTick();
  PanelTick();
  ++Ticks;
  Pass();
  PastDeadline();
}

// A headless run past its --timeout ends broken, naming the step it reached.
bool TScenarioDriver::PastDeadline() {
  if (Deadline <= 0 || Outcome.Outcome != TScenarioResult::Passed || MonotonicSeconds() < Deadline)
    return false;
  const TStep& step = Scenario.Steps[std::min(Index, Scenario.Steps.size() - 1)];
  char limit[32];
  std::snprintf(limit, sizeof limit, "%g", Options.Timeout);
  Broke(step, std::string("did not end within --timeout ") + limit + " s; it had reached line " +
                  std::to_string(step.Line) + ", " + Printable(step.Text) + ".");
  return true;
}

int TScenarioDriver::Step(const TStep& step) {
  TActing acting;
  const int shown = Host ? Pauses.Step : -1;
  std::string failure;
  switch (step.Kind) {
    case TStepKind::SetControl:
      PanelSetInput(static_cast<TPanelInput>(step.Control), step.Value);
      break;
    case TStepKind::Power:
      if (step.Value) {
        PanelOn();
        Pass();
      } else {
        PanelOff();
      }
      ++Index;
      return Host ? Pauses.Power : -1;
    case TStepKind::Press:
      // Each press as the front panel deposits it, a pass (the page takes
      // it) and one more (the screen shows its effect); shown a pause apart.
      PanelPress(step.Key);
      Pass();
      Pass();
      if (Host) Host->ShowKey(step.Key, Pauses.Key / 2);
      if (++Part < step.Times) return Host ? Pauses.Key : -1;
      Part = 0;
      ++Index;
      return Host ? Pauses.Key : -1;
    case TStepKind::PlayLog:
      Inputs.PlayLog(step.Inputs, Outcome.Notes);
      break;
    case TStepKind::PlayLogStop:
      Inputs.StopLog();
      break;
    case TStepKind::SetInput:
      // At once, or a ramp that lasts as a delay does.
      if (Part == 0 && !Timing)
        Inputs.SetInputs(step.Inputs, step.Ticks,
                         Printable(Scenario.File) + ":" + std::to_string(step.Line), Outcome.Notes);
      if (step.Ticks == 0) break;
      [[fallthrough]];
    case TStepKind::Delay: {
      // Ticks one by one, a pass after each; shown at real speed, a host
      // that slept (a page in the background) catches up at once.
      if (!Host) {
        for (uint32_t i = 0; i < step.Ticks && Outcome.Outcome == TScenarioResult::Passed; ++i)
          Tick();
        break;
      }
      if (!Timing) PartStartMs = Host->NowMs(), Timing = true;
      const double elapsed = Host->NowMs() - PartStartMs;
      const auto due =
          static_cast<uint32_t>(std::min<double>(step.Ticks, std::floor(elapsed / 100)));
      while (static_cast<uint32_t>(Part) < due && Outcome.Outcome == TScenarioResult::Passed) {
        ++Part;
        Tick();
      }
      if (static_cast<uint32_t>(Part) < step.Ticks) {
        if (Outcome.Outcome != TScenarioResult::Passed) return -1;
        return std::max(1, static_cast<int>(std::ceil((Part + 1) * 100.0 - elapsed)));
      }
      Part = 0;
      Timing = false;
      ++Index;
      return -1;  // a delay is its own pause
    }
    case TStepKind::Set:
      if (!ApplyAssignments(step, failure)) return Fail(step, failure);
      FrontPanel.PassDue = 1;
      break;
    case TStepKind::Expect:
      if (!CheckExpectations(step, PanelLampLit(), failure)) return Fail(step, failure);
      break;
    case TStepKind::Screenshot: {
      TScreenshotOutcome shot = TakeScreenshot(step, FrameBuffer, Options);
      Outcome.Notes.insert(Outcome.Notes.end(), shot.Notes.begin(), shot.Notes.end());
      Outcome.Written.insert(Outcome.Written.end(), shot.Written.begin(), shot.Written.end());
      if (shot.Broken) Broke(step, shot.Message);
      if (!shot.Matches && !shot.Broken) return Fail(step, shot.Message);
      break;
    }
    case TStepKind::RecordStart:
      RecordingStep = &step;
      Recording = std::make_unique<TGifRecording>();
      if (!Recording->Start(step.Output, step.Scale, failure) ||
          !Recording->Offer(FrameBuffer, TimeCs(), failure))
        Broke(step, failure);
      break;
    case TStepKind::Say:
      if (Host) Host->Caption(step.Words);
      if (!Host) Outcome.Said.push_back(step.Words);
      break;
    case TStepKind::Do:
      return DoStep(step);
    case TStepKind::WaitUntil:
      return WaitUntil(step);
    case TStepKind::Print:
      Print(step);
      break;
    case TStepKind::RecordStop:
      if (Recording && Recording->Active()) {
        if (Recording->Finish(TimeCs(), failure))
          Outcome.Written.push_back(Printable(Recording->Path()));
        else
          Broke(step, failure);
      }
      break;
  }
  ++Index;
  return shown;
}

int TScenarioDriver::Fail(const TStep& step, const std::string& what) {
  Outcome.Outcome = TScenarioResult::Failed;
  Outcome.Message =
      Printable(Scenario.File) + ":" + std::to_string(step.Line) + ": " + Printable(what);
  return -1;
}

// A file that could not be written: the step's line, why, and what the run
// had written before it (left as it was).
void TScenarioDriver::Broke(const TStep& step, const std::string& message) {
  if (Outcome.Outcome == TScenarioResult::Broken) return;
  Outcome.Outcome = TScenarioResult::Broken;
  // A recording still running is finished: it is one of the files left.
  std::string ignored;
  if (Recording && Recording->Active() && Recording->Finish(TimeCs(), ignored))
    Outcome.Written.push_back(Printable(Recording->Path()));
  std::string left;
  for (const std::string& file : Outcome.Written) left += (left.empty() ? "" : ", ") + file;
  Outcome.Message = Printable(Scenario.File) + ":" + std::to_string(step.Line) + ": " + message +
                    (left.empty() ? " Nothing was written before it."
                                  : " Written before it, and left: " + left + ".");
}

// The end of a round, whichever way: a recording still running is finished,
// the clock given back as it was, the host told; a loop goes on.
void TScenarioDriver::End(TPlayEnd end, const std::string& message) {
  if (State != TState::Playing) return;
  State = TState::Idle;
  FrontPanel.Driven = 0;
  std::string ignored;
  if (Recording && Recording->Active()) Recording->Finish(TimeCs(), ignored);
  Recording.reset();
  if (ClockSaved) PanelClock = SavedClock;
  ClockSaved = false;
  if (!Host) return;
  std::string status = message;
  if (end == TPlayEnd::Passed)
    status = Scenario.Lesson ? "Lesson completed: " + Scenario.Title
                             : "Scenario " + Scenario.Name + " passed";
  if (!status.empty()) Host->Status(status);
  Host->Caption("");
  if (Scenario.Lesson) {
    LessonNow.Completed = end == TPlayEnd::Passed;
    LessonNow.Showing = false;
    Host->LessonChanged();
  }
  Host->Ended(end, message);
  if (!Loop || State != TState::Idle) return;
  switch (end) {
    case TPlayEnd::Passed:
      State = TState::Waiting;
      Host->After(Pauses.Round);
      break;
    case TPlayEnd::Failed:
    case TPlayEnd::Broken:
      State = TState::Waiting;
      Host->After(Pauses.Retry);
      break;
    case TPlayEnd::Interrupted:
    case TPlayEnd::Stopped:
      break;  // the visitor's turn, or no more rounds
  }
}
