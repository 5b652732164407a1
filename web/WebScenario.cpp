// Scenario files played in the page as the desktop window plays them: read
// and checked by the project's scenario reader, played by the one step
// driver (scenario/ScenarioDriver.h) with the runner's ticks and passes, its
// pauses, its hand-over rule and its dealer's rounds. The page is the
// driver's host: the browser's timers for its pauses, and the page's script
// told what to show. Files go to the module's file system in memory: the
// scenario in the current folder, its output in /out.
#include <emscripten/emscripten.h>
#include <emscripten/html5.h>

#include <cctype>
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
EM_JS(void, PageCaption, (const char* text), {
  if (Module.onCaption) Module.onCaption(UTF8ToString(text));
});
EM_JS(void, PageLesson, (), {
  if (Module.onLesson) Module.onLesson();
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

// A sentence with the page's own folders left out: the user knows a file by
// the name it was given with ("fault.yaml") or by its name in the list of
// written files ("fault.yaml-7.actual.png"), not by where the page keeps it.
std::string UserNames(std::string text) {
  for (const std::string folder : {"/out/", "/scenarios/"}) {
    for (size_t at = text.find(folder); at != std::string::npos; at = text.find(folder, at)) {
      const char before = at == 0 ? ' ' : text[at - 1];
      if (before == ' ' || before == '\'' || before == '"' || before == '(' || before == ',')
        text.erase(at, folder.size());
      else
        at += folder.size();
    }
  }
  return text;
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
    PageStatus(UserNames(sentence).c_str());
  }
  void Caption(const std::string& text) override { PageCaption(text.c_str()); }
  void LessonChanged() override { PageLesson(); }
  void Ended(TPlayEnd end, const std::string& message) override {
    Told = false;
    PageRoundEnded(EndName(end), UserNames(message).c_str());
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

TScenarioDriver& PageDriver() { return Driver; }
const TScenario& PageScenario() { return Scenario; }

extern "C" {

// Reads and checks the file at path; the number of steps, or -1 with the
// reader's message. With screens 0 its take-screenshot steps are left out
// (a scenario from a link that could not carry its reference screens).
EMSCRIPTEN_KEEPALIVE int axim_scenario_load(const char* path, int screens) {
  Options = TScenarioOptions{};
  Options.OutDir = "/out";
  Options.SkipScreens = screens == 0;
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

// The largest file of this name the page reads (by its ending: a scenario,
// a reference screen), so that a drop is refused by its size before it is
// read; 0 for a file the page does not use.
EMSCRIPTEN_KEEPALIVE double axim_file_limit(const char* name) {
  const std::string file = name;
  const auto endsWith = [&](const char* end) {
    const std::string tail = end;
    if (file.size() < tail.size()) return false;
    std::string last = file.substr(file.size() - tail.size());
    for (char& c : last) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return last == tail;
  };
  if (endsWith(".yaml") || endsWith(".yml")) return static_cast<double>(LargestScenarioFile);
  if (endsWith(".png")) return static_cast<double>(LargestReferenceFile);
  if (endsWith(".csv")) return static_cast<double>(LargestFlightLog);
  return 0;
}

EMSCRIPTEN_KEEPALIVE int axim_scenario_playing() { return Driver.Playing() ? 1 : 0; }
EMSCRIPTEN_KEEPALIVE int axim_scenario_visitors_turn() { return Driver.VisitorsTurn() ? 1 : 0; }

}  // extern "C"
