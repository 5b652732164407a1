// Scenario files played in the page as the desktop window plays them: read
// and checked by the project's scenario reader, from program start, at real
// speed, with the scenario's clock running from its start. The page works
// the controls of each step (bars, box, power, keys) and the timing between
// steps; the steps that touch the firmware's records or files run here, by
// the step actions the headless runner uses. Files go to the module's file
// system in memory: the scenario in the current folder, its output in /out.
#include <emscripten/emscripten.h>

#include <string>

#include "core/Clock.h"
#include "core/RunState.h"
#include "graphics/FrameBuffer.h"
#include "host/RunLoop.h"
#include "pictures/GifRecording.h"
#include "scenario/ScenarioRun.h"
#include "web/WebInstrument.h"

namespace {

TScenario Scenario;
TScenarioOptions Options;
bool Loaded = false;
std::string Message;
TGifRecording Recording;
int64_t (*SavedClock)() = nullptr;
int64_t Start = 0;
double StartMs = 0;

double ElapsedMs() { return emscripten_get_now() - StartMs; }
int64_t ScenarioClock() { return Start + static_cast<int64_t>(ElapsedMs() / 1000); }

const TStep* StepAt(int index) {
  if (!Loaded || index < 0 || index >= static_cast<int>(Scenario.Steps.size())) return nullptr;
  return &Scenario.Steps[static_cast<size_t>(index)];
}

// Failures name the file and the step's line, as the window's playback does.
int Fail(const TStep& step, const std::string& what) {
  Message = Scenario.File + ":" + std::to_string(step.Line) + ": " + what;
  return 0;
}

}  // namespace

extern "C" {

// Reads and checks the file at path; the number of steps, or -1 with the
// reader's message.
EMSCRIPTEN_KEEPALIVE int axim_scenario_load(const char* path) {
  Options = TScenarioOptions{};
  Options.OutDir = "/out";
  Scenario = TScenario{};
  Loaded = LoadScenario(path, Options, Scenario, Message);
  if (!Loaded) return -1;
  Message.clear();
  return static_cast<int>(Scenario.Steps.size());
}

EMSCRIPTEN_KEEPALIVE const char* axim_scenario_message() { return Message.c_str(); }
EMSCRIPTEN_KEEPALIVE const char* axim_scenario_name() { return Scenario.Name.c_str(); }

// From program start: the instrument off, everything reset, the scenario's
// clock (when it gives one) running from now.
EMSCRIPTEN_KEEPALIVE void axim_scenario_begin() {
  RequestStop();
  ResetToProgramStart();
  StopRequested = 1;
  ResetWebControls();
  SavedClock = HostClock;
  Start = Scenario.Clock;
  StartMs = emscripten_get_now();
  if (Scenario.ClockGiven) HostClock = ScenarioClock;
}

// The end of a playback, whichever way: a recording still running is
// finished, the real clock returns.
EMSCRIPTEN_KEEPALIVE void axim_scenario_end() {
  std::string ignored;
  if (Recording.Active()) Recording.Finish(static_cast<int64_t>(ElapsedMs() / 10), ignored);
  if (SavedClock != nullptr) HostClock = SavedClock;
  SavedClock = nullptr;
}

EMSCRIPTEN_KEEPALIVE int axim_step_kind(int i) {
  const TStep* step = StepAt(i);
  return step ? static_cast<int>(step->Kind) : -1;
}
EMSCRIPTEN_KEEPALIVE int axim_step_line(int i) { return StepAt(i) ? StepAt(i)->Line : 0; }
EMSCRIPTEN_KEEPALIVE const char* axim_step_text(int i) {
  return StepAt(i) ? StepAt(i)->Text.c_str() : "";
}
EMSCRIPTEN_KEEPALIVE int axim_step_control(int i) {
  return StepAt(i) ? static_cast<int>(StepAt(i)->Control) : 0;
}
EMSCRIPTEN_KEEPALIVE int axim_step_value(int i) { return StepAt(i) ? StepAt(i)->Value : 0; }
EMSCRIPTEN_KEEPALIVE int axim_step_key(int i) { return StepAt(i) ? StepAt(i)->Key : 0; }
EMSCRIPTEN_KEEPALIVE int axim_step_times(int i) { return StepAt(i) ? StepAt(i)->Times : 0; }
EMSCRIPTEN_KEEPALIVE double axim_step_ticks(int i) { return StepAt(i) ? StepAt(i)->Ticks : 0; }

// Runs a set, expect, take-screenshot or record step: 1 when it holds, else 0
// with "FILE:LINE: what" as the message.
EMSCRIPTEN_KEEPALIVE int axim_step_run(int i, int lampRed) {
  const TStep* step = StepAt(i);
  if (step == nullptr) return 0;
  std::string failure;
  switch (step->Kind) {
    case TStepKind::Set:
      return ApplyAssignments(*step, failure) ? 1 : Fail(*step, failure);
    case TStepKind::Expect:
      return CheckExpectations(*step, lampRed != 0, failure) ? 1 : Fail(*step, failure);
    case TStepKind::Screenshot: {
      const TScreenshotOutcome shot = TakeScreenshot(*step, FrameBuffer, Options);
      return shot.Matches && !shot.Broken ? 1 : Fail(*step, shot.Message);
    }
    case TStepKind::RecordStart:
      if (!Recording.Start(step->SaveTo, step->Scale, failure)) return Fail(*step, failure);
      return Recording.Offer(FrameBuffer, static_cast<int64_t>(ElapsedMs() / 10), failure)
                 ? 1
                 : Fail(*step, failure);
    case TStepKind::RecordStop:
      if (Recording.Active() && !Recording.Finish(static_cast<int64_t>(ElapsedMs() / 10), failure))
        return Fail(*step, failure);
      return 1;
    default:
      return 1;  // the page works the controls
  }
}

// The display after a pass, for a recording the scenario runs.
EMSCRIPTEN_KEEPALIVE int axim_scenario_offer() {
  std::string failure;
  if (!Recording.Active()) return 1;
  if (Recording.Offer(FrameBuffer, static_cast<int64_t>(ElapsedMs() / 10), failure)) return 1;
  Message = failure;
  return 0;
}

}  // extern "C"
