// The driver's wait-until and print steps.
#include <cmath>

#include "scenario/ScenarioDriver.h"

namespace {

// Ticks as a duration: "30s", "2.5s".
std::string Duration(uint32_t ticks) {
  char text[32];
  std::snprintf(text, sizeof text, ticks % 10 == 0 ? "%.0fs" : "%.1fs", ticks / 10.0);
  return text;
}

}  // namespace

// Ticks one by one, a pass after each, until every expectation holds (none
// when they hold at once); after the last tick of within, the step fails
// with everything that still differs. Shown at real speed like a delay.
int TScenarioDriver::WaitUntil(const TStep& step) {
  double elapsed = 0;
  uint32_t due = step.Ticks;
  if (Host) {
    if (!Timing) PartStartMs = Host->NowMs(), Timing = true;
    elapsed = Host->NowMs() - PartStartMs;
    due = static_cast<uint32_t>(std::min<double>(step.Ticks, std::floor(elapsed / 100)));
  }
  std::string failure;
  for (;;) {
    if (CheckExpectations(step, PanelLampLit(), failure)) break;
    if (static_cast<uint32_t>(Part) >= step.Ticks) {
      Part = 0;
      Timing = false;
      return Fail(step, "after " + Duration(step.Ticks) + ": " + failure);
    }
    if (static_cast<uint32_t>(Part) >= due)
      return std::max(1, static_cast<int>(std::ceil((Part + 1) * 100.0 - elapsed)));
    ++Part;
    Tick();
    if (Outcome.Outcome != TScenarioResult::Passed) return -1;
  }
  Part = 0;
  Timing = false;
  ++Index;
  return -1;  // the wait is its own pause
}

// Each name's value now, one line each; a shown playback puts them in the
// status line.
void TScenarioDriver::Print(const TStep& step) {
  std::string status;
  for (const TExpectation& e : step.Expectations) {
    const std::string line = e.Name + " = " + ValueNow(e, PanelLampLit());
    Outcome.Printed.push_back(Printable(Scenario.File) + ":" + std::to_string(step.Line) + ": " +
                              Printable(line));
    status += (status.empty() ? "" : "; ") + line;
  }
  if (Host) Host->Status("Line " + std::to_string(step.Line) + ": " + Printable(status));
}
