#include "scenario/LogPlayer.h"

#include <algorithm>

bool TLogPlayer::Open(const std::string& path, const TLogColumns& columns, std::string& error) {
  auto log = std::make_shared<TFlightLog>();
  if (!LoadFlightLog(ChosenPath(path), columns, *log, error)) return false;
  Log = std::move(log);
  Running = false;
  Seek(0);
  return true;
}

void TLogPlayer::Close() {
  Log.reset();
  Running = false;
  PositionMs = 0;
  Exact = 0;
}

void TLogPlayer::Play() {
  if (!Log) return;
  if (PositionMs >= Log->LengthMs()) Seek(0);
  Running = true;
}

void TLogPlayer::Step(int rows) {
  if (!Log) return;
  Running = false;
  const std::vector<uint32_t>& ms = Log->Ms;
  // The row at or before the position, then rows on from it.
  const auto at = std::upper_bound(ms.begin(), ms.end(), PositionMs) - ms.begin() - 1;
  const bool between = at >= 0 && ms[at] != PositionMs;
  const auto row = std::clamp<int64_t>(at + rows + (between && rows < 0 ? 1 : 0), 0,
                                       static_cast<int64_t>(ms.size()) - 1);
  Seek(ms[row]);
}

void TLogPlayer::Seek(uint32_t ms) {
  if (!Log) return;
  PositionMs = std::min(ms, Log->LengthMs());
  Exact = PositionMs;
  Apply();
}

void TLogPlayer::SetSpeed(double speed) {
  Rate = std::clamp(speed, SlowestPlayerSpeed, FastestPlayerSpeed);
}

void TLogPlayer::Tick() {
  if (!Log || !Running) return;
  Exact += 100.0 * Rate;
  if (Exact >= Log->LengthMs()) {
    if (Loop && Log->LengthMs() > 0) {
      Exact = 0;
    } else {
      Exact = Log->LengthMs();
      Running = false;
    }
  }
  PositionMs = static_cast<uint32_t>(Exact);
  Apply();
}

std::string TLogPlayer::PositionText() const {
  return LogTimeText(PositionMs) + " / " + LogTimeText(Length());
}

void TLogPlayer::Apply() {
  for (uint8_t i = 0; i < PanelSensorCount; ++i)
    if (Log->Has[i]) {
      const auto input = static_cast<TPanelInput>(i);
      const int32_t count = FlightLogCount(*Log, i, PositionMs, Rows[i]);
      if (count != PanelInputValue(input)) PanelSetInput(input, count);
    }
}
