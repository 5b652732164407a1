// A flight log played into the front panel by the user: what the window's
// and the page's flight data panels drive from their 100 ms tick. Its
// changes are the user's (a scenario playing hands over to it).
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "scenario/FlightLog.h"

class TLogPlayer {
 public:
  // Reads and checks the file the user chose (its folder as the root); the
  // log played before stays on failure. The position goes to the start.
  bool Open(const std::string& path, const TLogColumns& columns, std::string& error);
  void Close();
  bool IsOpen() const { return Log != nullptr; }
  const TFlightLog* Current() const { return Log.get(); }

  void Play();
  void Pause() { Running = false; }
  bool Playing() const { return Running; }
  // A row back (-1) or forward (1) from the position, paused, the inputs set.
  void Step(int rows);
  // The position bar: a time of the log, held inside it; the inputs set.
  void Seek(uint32_t ms);
  uint32_t Position() const { return PositionMs; }
  uint32_t Length() const { return Log ? Log->LengthMs() : 0; }
  // 0.25x to 8x; a speed outside is held at the nearer end.
  void SetSpeed(double speed);
  double Speed() const { return Rate; }
  bool Loop = false;  // from the start again at the end, else paused there

  // The host's 100 ms tick: while playing, 100 ms of the log times the speed.
  void Tick();
  // "3:20.0 / 12:12.9"
  std::string PositionText() const;

 private:
  void Apply();

  std::shared_ptr<const TFlightLog> Log;
  uint32_t PositionMs = 0;
  double Exact = 0;  // the position with its fraction of a millisecond
  double Rate = 1;
  bool Running = false;
  size_t Rows[PanelSensorCount] = {};
};

constexpr double SlowestPlayerSpeed = 0.25;
constexpr double FastestPlayerSpeed = 8;
