// What a user does to the instrument, collected as the steps of a scenario
// and written as its plain text: one step a line, the time between steps as
// delays in whole ticks, each step with its wall-clock time as a comment.
// Free of any windowing toolkit; the window feeds it (host/ScenarioRecording).
#pragma once
#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

#include "graphics/FrameBuffer.h"
#include "scenario/Scenario.h"

class TScenarioRecorder {
 public:
  // Starts a new recording: the host clock (UTC) at tick 0 and the name the
  // scenario is given. Ticks below count from that start.
  void Start(int64_t clock, const std::string& name);

  // The steps, each at the tick the firmware saw it and the wall-clock time
  // (milliseconds since 1970, UTC) it was done. Ticks never go back: a step
  // stamped before the last one is taken as happening with it.
  void SetControl(uint32_t tick, int64_t wallMs, TControl control, int value);
  void Power(uint32_t tick, int64_t wallMs, bool on);
  // key: one of the key codes of the front panel.
  void Press(uint32_t tick, int64_t wallMs, uint8_t key);
  // What the instrument shows now: the page (nullptr when it has no name),
  // the home view, the lamp, and the display, written beside the scenario
  // as its reference screen.
  void Expect(uint32_t tick, int64_t wallMs, const char* page, int homeView, bool lampRed,
              const uint8_t* frame);
  // The end of the recording: the time since the last step as a delay.
  void Finish(uint32_t tick);

  int ExpectationCount() const { return static_cast<int>(Screens.size()); }

  // The scenario text; the reference screens are named after pictureStem
  // ("demo" gives demo-1.png, demo-2.png, ...).
  std::string Text(const std::string& pictureStem) const;
  // Writes the reference screens beside the scenario, then the scenario
  // itself, replacing an older file only once the new one is complete. On
  // failure returns false and sets error to a sentence naming the file.
  bool Write(const std::string& path, std::string& error) const;

 private:
  enum TKind : uint8_t { StepControl, StepPower, StepPress, StepExpect, StepDelay };
  struct TStep {
    TKind Kind;
    int64_t WallMs;
    std::string Text;  // StepControl: the control; StepExpect: the page
    int Value;         // control value, power 1/0, key code, home view, delay ticks
    int Times;         // StepPress: presses of the key in a row; StepExpect: lamp red 1/0
  };
  void Add(uint32_t tick, const TStep& step);

  int64_t Clock = 0;
  std::string Name;
  uint32_t LastTick = 0;
  std::vector<TStep> Steps;
  std::vector<std::vector<uint8_t>> Screens;  // one frame per expectation
};

// Reference screen names beside the scenario: "dir/demo.yaml" -> "demo".
std::string ScenarioStem(const std::string& path);
