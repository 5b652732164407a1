// The one player of scenario steps. The headless runner plays a file at
// once; the window and the web page play it at real speed through a small
// host interface (a real-time pause, what the user sees), with the same
// steps, the same passes and ticks (the time model: a pause to show a step
// adds no instrument time), the same hand-over rule (anything the user does
// to the front panel ends the playback and says why) and the same dealer's
// rounds (again and again; after the visitor's turn, a minute without input
// starts the next round from program start).
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "host/FrontPanel.h"
#include "scenario/ScenarioRun.h"

class TGifRecording;

// How a playback ended.
enum class TPlayEnd : uint8_t {
  Passed,
  Failed,       // an expectation did not hold: the message says what was expected and found
  Broken,       // a file could not be written
  Interrupted,  // the user acted: the message says what ("Scenario stopped: Off was pressed")
  Stopped,      // the host stopped it
};

// What a host that shows the playback does for the driver.
class TScenarioHost {
 public:
  virtual ~TScenarioHost() = default;
  // Calls the driver's Continue() once, ms milliseconds of real time from
  // now; a later call replaces one not yet due, and Cancel drops it.
  virtual void After(int ms) = 0;
  virtual void Cancel() = 0;
  // Real time in milliseconds on a monotonic clock.
  virtual double NowMs() = 0;
  // A pass ran: present the frame (only a changed one needs drawing).
  virtual void Present() {}
  // A key the scenario pressed: show its control pressed for ms.
  virtual void ShowKey(uint8_t key, int ms) {
    (void)key;
    (void)ms;
  }
  // What the status line says: the step now running, or how it ended.
  virtual void Status(const std::string& sentence) { (void)sentence; }
  // A say step's caption or a lesson's instruction, shown over or under the
  // display until the next; "" takes it away.
  virtual void Caption(const std::string& text) { (void)text; }
  // A lesson's state has changed: the driver's Lesson() says how it stands.
  virtual void LessonChanged() {}
  // A round has ended.
  virtual void Ended(TPlayEnd end, const std::string& message) {
    (void)end;
    (void)message;
  }
};

// The real-time pauses of a shown playback, in milliseconds.
struct TPlayPauses {
  int Step = 150;    // after each step, long enough to see it in the status line
  int Power = 300;   // after "&On" and "&Off"
  int Key = 400;     // after each key press; its control is shown pressed for half of it
  int Round = 2000;  // between two passed rounds of a dealer's loop
  int Retry = 5000;  // before a failed round is tried again
  int Idle = 60000;  // the visitor's turn: this long without input ends it
};

// How a lesson stands, for the host's lesson panel.
struct TLessonView {
  std::vector<std::string> Tasks;  // every do step's instruction, in order
  size_t Done = 0;                 // the tasks done (the next is the one shown)
  std::string Hint;                // the hint shown now, or ""
  bool Showing = false;            // "Show me" is playing the task's solution
  bool Completed = false;
};

class TScenarioDriver {
 public:
  // Without a host, Play runs the whole scenario before it returns.
  explicit TScenarioDriver(TScenarioHost* host = nullptr);
  ~TScenarioDriver();
  TScenarioDriver(const TScenarioDriver&) = delete;
  TScenarioDriver& operator=(const TScenarioDriver&) = delete;

  // Plays a checked scenario from program start (the driver keeps a copy).
  void Play(const TScenario& scenario, const TScenarioOptions& options);
  // The host's pause is over.
  void Continue();
  // Ends the playback and the rounds; status, when given, goes to the host.
  void Stop(const std::string& status = "");
  // Something the user did to the instrument that the front panel does not
  // see (a click on the display): ends a round, or restarts the idle wait.
  void UserActed(const std::string& what);

  // A step is running (the host runs no ticks or passes of its own).
  bool Playing() const { return State == TState::Playing; }
  // Playing, or between the rounds of a loop (the visitor's turn among them).
  bool Active() const { return State != TState::Idle; }
  bool VisitorsTurn() const { return State == TState::Visitor; }
  const TScenarioResult& Result() const { return Outcome; }
  // A lesson played by a host: its do steps wait for the learner, who may
  // ask to be shown (the lesson starts again from program start, replays
  // the tasks done quickly, then plays this task's solution visibly), go
  // back a task (the same without the showing) or start again.
  bool InLesson() const { return Scenario.Lesson && State != TState::Idle; }
  const TLessonView& Lesson() const { return LessonNow; }
  void ShowMe();
  void BackAStep();
  void Restart();
  int Rounds() const { return RoundCount; }

  bool Loop = false;  // a dealer's rounds
  TPlayPauses Pauses;

 private:
  enum class TState : uint8_t { Idle, Playing, Waiting, Visitor };
  void Round();
  void Run();
  // Runs (part of) the step; returns the pause before the next part, -1 when
  // the step is done and the next follows at once.
  int Step(const TStep& step);
  int WaitUntil(const TStep& step);  // ScenarioWait.cpp
  void Print(const TStep& step);
  void Pass();
  void Tick();
  void Conclude();
  void End(TPlayEnd end, const std::string& message);
  int Fail(const TStep& step, const std::string& what);
  void Broke(const TStep& step, const std::string& message);
  static void Heard(const TPanelChange& change, void* context);
  int64_t TimeCs() const { return static_cast<int64_t>(Ticks) * 10; }

  TScenarioHost* Host;
  TScenario Scenario;
  TScenarioOptions Options;
  TScenarioResult Outcome;
  std::unique_ptr<TGifRecording> Recording;
  const TStep* RecordingStep = nullptr;
  TState State = TState::Idle;
  TPanelClock SavedClock;
  bool ClockSaved = false;
  size_t Index = 0;
  int Part = 0;            // presses done, or the delay's ticks done
  double PartStartMs = 0;  // when the delay began
  bool Timing = false;     // a delay has begun
  uint64_t Ticks = 0;      // instrument time of the playback
  double LastInputMs = 0;  // the visitor's last input
  int RoundCount = 0;
  TInputPlayer Inputs;  // set-input ramps and play-log (scenario/ScenarioInputs.h)
  int DoStep(const TStep& step);
  int PlaySolution(const TStep& step);
  int CheckTask(const TStep& step);
  void Again(size_t replay, bool show);
  TLessonView LessonNow;
  size_t ReplayTo = 0;     // tasks replayed quickly from program start
  bool ShowNext = false;   // the task after them shows its solution
  bool TaskBegun = false;  // the do step now running has shown its instruction
  double TaskStartMs = 0;
  size_t SolutionIndex = 0;
  double Deadline = 0;  // monotonic seconds at which a headless run times out; 0: none
  bool PastDeadline();
};
