// Scenario files played in the page as the desktop window plays them: read
// and checked by the project's scenario reader, played by the one step
// driver (scenario/ScenarioDriver.h) with the runner's ticks and passes, its
// pauses, its hand-over rule and its dealer's rounds. The page is the
// driver's host: the browser's timers for its pauses, and the page's script
// told what to show. Files go to the module's file system in memory: the
// scenario in the current folder, its output in /out.
#include <emscripten/emscripten.h>
#include <emscripten/html5.h>

#include <string>

#include "scenario/ScenarioDriver.h"

namespace {

// The page's script: draw a changed frame, show a key pressed, the status
// line, a round begun or ended.
EM_JS(void, PagePresent, (), {
  if (Module.onPresent) Module.onPresent();
});
EM_JS(void, PageShowKey, (int key, int ms), {
  if (Module.onShowKey) Module.onShowKey(key, ms);
});
EM_JS(void, PageStatus, (const char* sentence), {
  if (Module.onStatus) Module.onStatus(UTF8ToString(sentence));
});
EM_JS(void, PageRoundBegan, (), {
  if (Module.onRoundBegan) Module.onRoundBegan();
});
EM_JS(void, PageRoundEnded, (const char* how, const char* message), {
  if (Module.onRoundEnded) Module.onRoundEnded(UTF8ToString(how), UTF8ToString(message));
});

// How a round ended, as the page names it: passed, failed (an expectation,
// a file), stopped (the user acted, or the page stopped it).
const char* EndName(TPlayEnd end) {
  switch (end) {
    case TPlayEnd::Passed:
      return "passed";
    case TPlayEnd::Failed:
    case TPlayEnd::Broken:
      return "failed";
    case TPlayEnd::Interrupted:
    case TPlayEnd::Stopped:
      break;
  }
  return "stopped";
}

class TPageHost final : public TScenarioHost {
 public:
  void After(int ms) override {
    Cancel();
    Timer = emscripten_set_timeout(Due, ms, this);
    Pending = true;
  }
  void Cancel() override {
    if (Pending) emscripten_clear_timeout(Timer);
    Pending = false;
  }
  double NowMs() override { return emscripten_get_now(); }
  void Present() override {
    Began();
    PagePresent();
  }
  void ShowKey(uint8_t key, int ms) override { PageShowKey(key, ms); }
  void Status(const std::string& sentence) override {
    Began();
    PageStatus(sentence.c_str());
  }
  void Ended(TPlayEnd end, const std::string& message) override {
    Told = false;
    PageRoundEnded(EndName(end), message.c_str());
  }
  TScenarioDriver* Driver = nullptr;

 private:
  static void Due(void* self) {
    auto* host = static_cast<TPageHost*>(self);
    host->Pending = false;
    host->Driver->Continue();
  }
  // The page hears of a round when its first frame or line comes.
  void Began() {
    if (Told || !Driver->Playing()) return;
    Told = true;
    PageRoundBegan();
  }
  long Timer = 0;
  bool Pending = false;
  bool Told = false;
};

TPageHost Host;
TScenarioDriver Driver(&Host);
TScenario Scenario;
TScenarioOptions Options;
bool Loaded = false;
std::string Message;

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

// Plays the loaded scenario from program start; with loop, round after
// round, the visitor's turn ending after idleMs without input (a minute when
// 0 or less).
EMSCRIPTEN_KEEPALIVE int axim_scenario_play(int loop, int idleMs) {
  if (!Loaded) return 0;
  Host.Driver = &Driver;
  Driver.Loop = loop != 0;
  Driver.Pauses.Idle = idleMs > 0 ? idleMs : TPlayPauses{}.Idle;
  Driver.Play(Scenario, Options);
  return 1;
}

// Ends the playback and the rounds; the status line says the sentence.
EMSCRIPTEN_KEEPALIVE void axim_scenario_stop(const char* status) { Driver.Stop(status); }

EMSCRIPTEN_KEEPALIVE int axim_scenario_playing() { return Driver.Playing() ? 1 : 0; }
EMSCRIPTEN_KEEPALIVE int axim_scenario_visitors_turn() { return Driver.VisitorsTurn() ? 1 : 0; }

}  // extern "C"
