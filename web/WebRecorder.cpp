// The page's scenario recorder: the one recording session
// (scenario/RecordingSession.h) as the desktop window runs it, with the
// page as its host. The page tells it of each tick after its own handling
// of it, of the drags of its sliders, and finishes the recording once the
// last pass is on the screen; the scenario and its reference screens are
// written under /recorded in the module's file system, where the page takes
// them as downloads.
#include <emscripten/emscripten.h>
#include <sys/stat.h>

#include <chrono>
#include <cstring>
#include <string>

#include "scenario/RecordingSession.h"

namespace {

constexpr char RecordedFolder[] = "/recorded";

// The recording's last pass has run: the page finishes it once that pass
// is presented, after the call that ran it has returned.
// clang-format off
EM_JS(void, PageRecordingDue, (), {
  setTimeout(function() { if (Module.onRecordingDue) Module.onRecordingDue(); }, 0);
});
// clang-format on

class TPageRecordingHost : public TRecordingHost {
 public:
  int64_t WallMs() override {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
  }
  void FinishAfterPass() override { PageRecordingDue(); }
};

TPageRecordingHost RecordingHost;
TRecordingSession Session{RecordingHost};
std::string RecordingError;
std::string RecordingPath;

bool Said(bool ok, const std::string& error) {
  RecordingError = ok ? "" : error;
  return ok;
}

}  // namespace

extern "C" {

// Starts recording /recorded/NAME.yaml (a name of letters, digits, - and _):
// the instrument restarts from program start with the controls where they
// stand, then "&On". 0 with the sentence in axim_recorder_error.
EMSCRIPTEN_KEEPALIVE int axim_recorder_start(const char* name) {
  const std::string stem = name;
  if (stem.empty() || stem.size() > 64 ||
      stem.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789_-") !=
          std::string::npos)
    return Said(false, "A scenario's name has 1 to 64 letters, digits, - and _.");
  mkdir(RecordedFolder, 0755);
  RecordingPath = std::string(RecordedFolder) + "/" + stem + ".yaml";
  Session.Recorder().RecordedIn("the web page");
  std::string error;
  return Said(Session.Start(RecordingPath, stem, FrontPanel.Position, error), error);
}

EMSCRIPTEN_KEEPALIVE int axim_recorder_active() { return Session.Active() ? 1 : 0; }
EMSCRIPTEN_KEEPALIVE int axim_recorder_ticks() { return static_cast<int>(Session.Ticks()); }
EMSCRIPTEN_KEEPALIVE int axim_recorder_expectations() {
  return Session.Recorder().ExpectationCount();
}

// After the page's own handling of a tick: 1 when the recording is to be
// finished now.
EMSCRIPTEN_KEEPALIVE int axim_recorder_ticked() { return Session.Ticked() ? 1 : 0; }
// Ends the recording on the next pass after the next tick; 1 when it is to
// be finished at once (the instrument is off).
EMSCRIPTEN_KEEPALIVE int axim_recorder_stop() { return Session.Stop() ? 1 : 0; }
// Writes the scenario; 0 with the sentence in axim_recorder_error.
EMSCRIPTEN_KEEPALIVE int axim_recorder_finish() {
  if (!Session.Active()) return Said(false, "No scenario is being recorded.");
  std::string error;
  return Said(Session.Finish(error), error);
}

// What the display showed at the last pass, with its reference screen.
EMSCRIPTEN_KEEPALIVE int axim_recorder_expect() {
  return Said(Session.AddExpectation(), Session.Recorder().Error());
}

// A slider held and let go: its moves meanwhile are one step.
EMSCRIPTEN_KEEPALIVE void axim_recorder_drag_began(int input) {
  if (input >= 0 && input < PanelSensorCount) Session.DragBegan(static_cast<uint8_t>(input));
}
EMSCRIPTEN_KEEPALIVE void axim_recorder_drag_ended(int input, int value) {
  if (input >= 0 && input < PanelSensorCount) Session.DragEnded(static_cast<uint8_t>(input), value);
}

EMSCRIPTEN_KEEPALIVE const char* axim_recorder_error() { return RecordingError.c_str(); }
// The scenario file being (or last) recorded.
EMSCRIPTEN_KEEPALIVE const char* axim_recorder_path() { return RecordingPath.c_str(); }

}  // extern "C"
