// What a user does to the instrument, collected as the steps of a scenario
// and written as its plain text while it is recorded: one step a line, the
// time between steps as delays in whole ticks, each step with its wall-clock
// time as a comment. Free of any windowing toolkit; the window feeds it.
//
// The file is written as it goes, under its part name beside the final one
// (ConfinedFiles.h): each step is appended and flushed as soon as it is final,
// so that after a crash the part is a scenario that loads and replays up to
// its last step. Only the step in hand is lost: a press, a control or a set
// that may still merge with the next one (presses of one key, or values of
// one control or field, on one tick). Finish renames the part over the file.
#pragma once
#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

#include "graphics/FrameBuffer.h"
#include "pictures/ConfinedFiles.h"
#include "scenario/Scenario.h"

class TScenarioRecorder {
 public:
  TScenarioRecorder() = default;
  TScenarioRecorder(const TScenarioRecorder&) = delete;
  TScenarioRecorder& operator=(const TScenarioRecorder&) = delete;
  // Dropped while recording (or after a failed Finish), the part stays.
  ~TScenarioRecorder() = default;

  // Starts a new recording into path (its folder must exist): the host clock
  // (UTC) at tick 0 and the name the scenario is given. The part file is
  // made and the scenario's head written at once. False with a sentence
  // naming the file ("Could not write PATH: REASON.").
  bool Start(const std::string& path, int64_t clock, const std::string& name, std::string& error);
  // Where the head says the scenario was recorded, before Start: "the
  // simulator window" unless told otherwise ("the web page").
  void RecordedIn(const std::string& place) { Place = place; }

  // The steps, each at the tick the firmware saw it and the wall-clock time
  // (milliseconds since 1970, UTC) it was done. Ticks never go back: a step
  // stamped before the last one is taken as happening with it.
  void SetControl(uint32_t tick, int64_t wallMs, TControl control, int value);
  void Power(uint32_t tick, int64_t wallMs, bool on);
  // key: one of the key codes of the front panel.
  void Press(uint32_t tick, int64_t wallMs, uint8_t key);
  // A settable field of the field table given a value (an inspector edit).
  void Set(uint32_t tick, int64_t wallMs, const TField& field, double value);
  // What the instrument shows now: the page (nullptr when it has no name),
  // the home view, the lamp, and the display, written at once beside the
  // scenario as its reference screen (NAME-1.png, NAME-2.png, ...).
  void Expect(uint32_t tick, int64_t wallMs, const char* page, int homeView, bool lampRed,
              const uint8_t* frame);

  // The end of the recording: the time since the last step as a delay, and
  // the part renamed to the file. On failure (or after a write that failed
  // while recording) false with the sentence; the part is kept.
  bool Finish(uint32_t tick, std::string& error);
  // After a failed Finish: the recording, its text and its reference screens,
  // written whole under another name. The part goes once this succeeds.
  bool SaveAs(const std::string& path, std::string& error);

  // Where the part file is, while there is one.
  const std::string& PartPath() const { return Part.PartPath(); }
  bool Active() const { return Recording; }
  // The first write that failed while recording (a full disk), as a
  // sentence naming the file; empty when none did.
  const std::string& Error() const { return Failure; }
  int ExpectationCount() const { return static_cast<int>(Screens.size()); }

  // The scenario text as it stands; the reference screens are named after
  // pictureStem ("demo" gives demo-1.png, demo-2.png, ...).
  std::string Text(const std::string& pictureStem) const;

 private:
  enum TKind : uint8_t { StepControl, StepPower, StepPress, StepSet, StepExpect, StepDelay };
  struct TStep {
    TKind Kind;
    int64_t WallMs;
    std::string Text;   // StepControl: the control; StepSet: the field; StepExpect: the page
    int Value;          // control value, power 1/0, key code, home view, delay ticks
    int Times;          // StepPress: presses of the key in a row; StepExpect: lamp red 1/0
    double Number = 0;  // StepSet: the value
    int Screen = 0;     // StepExpect: its reference screen, from 1
  };
  void Add(uint32_t tick, const TStep& step);
  std::string Head() const;
  static std::string Lines(const TStep& step, const std::string& pictureStem);
  // Appends the steps that can no longer change (all of them when last).
  void WriteFinal(bool last);
  void Failed(const std::string& path, const std::string& reason);

  std::string Path;
  bool Recording = false;
  bool Started = false;
  TPartFile Part;
  bool PartBroken = false;
  size_t Flushed = 0;  // steps in the part
  std::string Failure;
  int64_t Clock = 0;
  std::string Name;
  std::string Place = "the simulator window";
  uint32_t LastTick = 0;
  std::vector<TStep> Steps;
  std::vector<std::vector<uint8_t>> Screens;  // one frame per expectation
};

// Reference screen names beside the scenario: "dir/demo.yaml" -> "demo".
std::string ScenarioStem(const std::string& path);
