#include "scenario/RecordingSession.h"

#include "core/Settings.h"
#include "graphics/FrameBuffer.h"
#include "pages/Pages.h"

namespace {

// Ticks of dark display between the restart and its "&On".
constexpr uint32_t RestartTicks = 5;
constexpr uint32_t NoTick = UINT32_MAX;

}  // namespace

TRecordingSession::TRecordingSession(TRecordingHost& host) : Host(host) {
  PanelListen(Heard, this);
}

TRecordingSession::~TRecordingSession() { PanelUnlisten(Heard, this); }

void TRecordingSession::Heard(const TPanelChange& change, void* context) {
  auto* session = static_cast<TRecordingSession*>(context);
  if (session->Recording) session->Changed(change);
}

void TRecordingSession::Changed(const TPanelChange& change) {
  switch (change.Event) {
    case TPanelEvent::Tick:
      ++TickCount;
      return;
    case TPanelEvent::Pass:
      Passed();
      return;
    default:
      break;
  }
  if (change.Actor != TPanelActor::User) return;
  const int64_t wall = Host.WallMs();
  switch (change.Event) {
    case TPanelEvent::Input: {
      const auto control = static_cast<TControl>(change.Which);
      if (control != TControl::Calibrate && Drags[change.Which].Held) {
        TDrag& drag = Drags[change.Which];
        if (PanelRunning())
          drag.Moved = true;
        else
          drag = {true, false, TickCount};
        return;
      }
      Queue([this, control, value = change.Value,
             wall](uint32_t t) { Steps.SetControl(t, wall, control, value); },
            true);
      return;
    }
    case TPanelEvent::Key:
      // A key dropped because one was pending is not recorded.
      if (change.Value == 1)
        Queue([this, key = change.Which, wall](uint32_t t) { Steps.Press(t, wall, key); }, false);
      return;
    case TPanelEvent::Power:
      if (change.Value == 1) {
        PowerOnTick = 0;
        Queue([this, wall](uint32_t t) { Steps.Power(t, wall, true); }, false);
        return;
      }
      // No pass sees what was pending when "&Off" came: it follows the "off".
      Steps.Power(TickCount, wall, false);
      Flush(TickCount);
      return;
    case TPanelEvent::Field:
      Queue([this, field = change.Field, value = change.FieldValue,
             wall](uint32_t t) { Steps.Set(t, wall, *field, value); },
            true);
      return;
    default:
      return;
  }
}

void TRecordingSession::Queue(std::function<void(uint32_t)> step, bool input) {
  if (!PanelRunning()) {
    step(TickCount);
    return;
  }
  // An input or a field asks for no pass: the next pass, whichever it is,
  // sees it. The replay sets it after the last pass, before any tick between
  // (a tick reads no input), so that the same pass sees it. Inputs first: the
  // pass sees them together with any key.
  if (input) {
    PendingInputs.push_back(
        [step = std::move(step), after = LastPassTick](uint32_t) { step(after); });
    return;
  }
  PendingSteps.push_back(std::move(step));
}

void TRecordingSession::Flush(uint32_t tick) {
  for (auto& step : PendingInputs) step(tick);
  for (auto& step : PendingSteps) step(tick);
  PendingInputs.clear();
  PendingSteps.clear();
}

void TRecordingSession::DragBegan(uint8_t input) {
  if (input < PanelSensorCount) Drags[input] = {true, false, NoTick};
}

void TRecordingSession::DragEnded(uint8_t input, int value) {
  if (input >= PanelSensorCount || !Drags[input].Held) return;
  TDrag& drag = Drags[input];
  drag.Held = false;
  if (!Recording || (!drag.Moved && drag.Tick == NoTick)) return;  // held, not moved
  const auto control = static_cast<TControl>(input);
  if (drag.Moved)
    Queue([this, control, value,
           wall = Host.WallMs()](uint32_t t) { Steps.SetControl(t, wall, control, value); },
          true);
  else
    Steps.SetControl(drag.Tick, Host.WallMs(), control, value);
}

bool TRecordingSession::Start(const std::string& path, const std::string& name,
                              const int16_t (&positions)[PanelInputCount], std::string& error) {
  // Refused before anything is recorded when the file cannot be written.
  const int64_t clock = Host.WallMs() / 1000;
  if (Recording || !Steps.Start(path, clock, name, error)) {
    if (Recording) error = "A scenario is already being recorded.";
    return false;
  }
  StopPending = false;
  TickCount = LastPassTick = 0;
  PendingInputs.clear();
  PendingSteps.clear();
  for (TDrag& drag : Drags) drag = {drag.Held, false, 0};

  // The instrument restarts as from program start: dark for a moment, with
  // the inputs as the controls stand, then "&On". The clock is the
  // recording's until it ends.
  int16_t standing[PanelInputCount];
  for (uint8_t i = 0; i < PanelInputCount; ++i) standing[i] = positions[i];
  SavedClock = PanelClock;
  PanelProgramStart();
  PanelClock = TPanelClock{TClockMode::Ticking, clock, 0};
  Recording = true;
  for (uint8_t i = 0; i < PanelInputCount; ++i)
    PanelSetInput(static_cast<TPanelInput>(i), standing[i]);
  PowerOnTick = RestartTicks;
  return true;
}

bool TRecordingSession::Stop() {
  if (!Recording || StopPending) return false;
  if (!PanelRunning()) return true;
  // The last pass of the recording follows a tick, as in the replay.
  StopPending = true;
  StopTick = TickCount + 1;
  return false;
}

bool TRecordingSession::Ticked() {
  if (!Recording) return false;
  if (PowerOnTick != 0 && TickCount >= PowerOnTick) PanelOn();  // heard as the user's "&On"
  return StopPending && !PanelRunning();
}

void TRecordingSession::Passed() {
  const uint32_t before = LastPassTick;
  LastPassTick = TickCount;
  Flush(TickCount);
  // A held control's latest value, set after the pass before this one.
  for (TDrag& drag : Drags)
    if (drag.Moved) drag = {drag.Held, false, before};
  if (StopPending && TickCount >= StopTick) Host.FinishAfterPass();
}

bool TRecordingSession::AddExpectation() {
  if (!Recording) return false;
  Steps.Expect(PanelRunning() ? LastPassTick : TickCount, Host.WallMs(), PageName(PageHandler),
               Settings.HomeView, PanelLampLit(), FrameBuffer);
  return Steps.Error().empty();
}

void TRecordingSession::End() {
  Flush(TickCount);
  Recording = StopPending = false;
  PanelClock = SavedClock;
}

bool TRecordingSession::Finish(std::string& error) {
  if (!Recording) {
    error = "No scenario is being recorded.";
    return false;
  }
  End();
  return Steps.Finish(TickCount, error);
}
