// One recording of a scenario, as every host records it (the desktop
// window, the web page): restarted from program start, what the user does to
// the front panel heard and stamped with the tick on which the firmware saw
// it, expectations of what the instrument shows, and the end on the next
// pass after the next tick. Free of any toolkit: the host gives the wall
// clock, tells when it ticked and when a drag of a control began and ended,
// and finishes the recording when asked to.
//
// Every change the panel hears from the user (a key taken, an input, "&On"
// and "&Off", a field written by name) becomes a step. A key or "&On" is
// stamped with the tick of the next pass, since that pass is the first to
// act on it (the replay runs the passes a press asks for, as the host does);
// an input or a field, which asks for no pass, with the tick of the last
// pass, so that the replay, one pass after every tick, sets it before the
// same pass sees it. While recording, the
// instrument's clock is the recording's: its start plus 100 ms a tick, as in
// the replay. A drag of a control is one step: its final value.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "host/FrontPanel.h"
#include "scenario/ScenarioRecorder.h"

class TRecordingHost {
 public:
  virtual ~TRecordingHost() = default;
  // Now, in milliseconds since 1970 (UTC).
  virtual int64_t WallMs() = 0;
  // The recording's last pass has run: the host calls Finish once it has
  // presented that pass (not from inside it).
  virtual void FinishAfterPass() = 0;
};

class TRecordingSession {
 public:
  explicit TRecordingSession(TRecordingHost& host);
  ~TRecordingSession();
  TRecordingSession(const TRecordingSession&) = delete;
  TRecordingSession& operator=(const TRecordingSession&) = delete;

  // Starts recording into path under the scenario name: the instrument
  // restarts as from program start, dark for a moment, with the controls at
  // positions (recorded as the first steps), then "&On". False with a
  // sentence naming the file when it cannot be written; nothing changes then.
  bool Start(const std::string& path, const std::string& name,
             const int16_t (&positions)[PanelInputCount], std::string& error);
  bool Active() const { return Recording; }
  uint32_t Ticks() const { return TickCount; }

  // Ends the recording on the next pass after the next tick; true when it
  // is to end at once (the instrument is off): the host calls Finish.
  bool Stop();
  // After the host's own handling of a tick (its pass included): the
  // restart's "&On" when due; true when the recording is to end now.
  bool Ticked();
  // A drag of a sensor control: its moves wait for the release, one step.
  void DragBegan(uint8_t input);
  void DragEnded(uint8_t input, int value);
  // What the display showed at the last pass, at that pass's tick; its
  // reference picture is written at once. False with Recorder().Error().
  bool AddExpectation();

  // The last steps, the clock given back; the recording is no longer active.
  void End();
  // End, then the file written: false with the sentence (the part is kept,
  // and Recorder().SaveAs may write it elsewhere).
  bool Finish(std::string& error);
  TScenarioRecorder& Recorder() { return Steps; }

 private:
  static void Heard(const TPanelChange& change, void* context);
  void Changed(const TPanelChange& change);
  void Passed();
  // A step the next pass will see, or one done now while no passes run.
  void Queue(std::function<void(uint32_t tick)> step, bool input);
  void Flush(uint32_t tick);

  TRecordingHost& Host;
  TScenarioRecorder Steps;
  TPanelClock SavedClock;
  bool Recording = false;
  bool StopPending = false;
  uint32_t StopTick = 0;
  uint32_t TickCount = 0;
  uint32_t PowerOnTick = 0;  // the restart's "&On", 0 once done
  uint32_t LastPassTick = 0;
  std::vector<std::function<void(uint32_t)>> PendingInputs;
  std::vector<std::function<void(uint32_t)>> PendingSteps;
  struct TDrag {
    bool Held = false;   // the control is held
    bool Moved = false;  // changed since the last pass
    uint32_t Tick = 0;   // tick of the pass that first saw the latest value
  };
  TDrag Drags[PanelSensorCount];
};
