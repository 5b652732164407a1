// libFuzzer target: the flight log reader, and playing what it accepts.
#include <cstdlib>

#include "scenario/FlightLog.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TFlightLog log;
  std::string error;
  TLogColumns columns;
  if (!ParseFlightLog(std::string(reinterpret_cast<const char*>(data), size), "fuzz.csv", columns,
                      log, error)) {
    if (log.Rows() != 0 || error.empty()) std::abort();  // nothing half-loaded, always a reason
    return 0;
  }
  for (size_t i = 1; i < log.Rows(); ++i)
    if (log.Ms[i] <= log.Ms[i - 1]) std::abort();
  for (uint8_t input = 0; input < PanelSensorCount; ++input) {
    if (!log.Has[input]) continue;
    const TPanelInputRow& row = PanelInputs[input];
    size_t hint = 0;
    for (uint32_t ms = 0; ms <= log.LengthMs() + 100; ms += 1 + log.LengthMs() / 64) {
      const int32_t count = FlightLogCount(log, input, ms, hint);
      if (count < row.Bottom || count > row.Top) std::abort();
    }
  }
  return 0;
}
