#include "web/WebReadings.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "core/Sensors.h"
#include "core/Settings.h"

namespace {

// Tenths as a number with one decimal; the sign kept for -0.5.
void Tenths(int tenths, char* text, std::size_t size) {
  std::snprintf(text, size, "%s%d.%d", tenths < 0 ? "-" : "", std::abs(tenths) / 10,
                std::abs(tenths) % 10);
}

}  // namespace

bool ValidInputPosition(int input, int position) {
  if (input < InputVolts || input > InputAxisZ) return false;
  if (input <= InputOat) return position >= 0 && position <= 4096;
  return position >= -300 && position <= 300;
}

void ReadingText(int input, int position, const TCalibration& calibration,
                 const TSettings& settings, char* text, std::size_t size) {
  if (size == 0) return;
  text[0] = '\0';
  if (!ValidInputPosition(input, position)) return;
  const auto count = static_cast<uint16_t>(position);
  char number[16];
  switch (input) {
    case InputVolts:
      Tenths(CountToVolts(count, calibration), number, sizeof number);
      std::snprintf(text, size, "%d counts: %s V", position, number);
      return;
    case InputCurrent:
      Tenths(CountToCurrentTenths(count, calibration, settings), number, sizeof number);
      std::snprintf(text, size, "%d counts: %s A", position, number);
      return;
    case InputOat:
      std::snprintf(text, size, "%d counts: %d %s", position,
                    CelsiusToOat(CountToOatCelsius(count, calibration), settings),
                    settings.OatUnit == 1 ? "\u00B0F" : "\u00B0C");
      return;
    default: {
      const float g =
          CountToAxisG(static_cast<int16_t>(position), calibration.Axis[input - InputAxisX]);
      std::snprintf(text, size, "%d: %.2f g", position, static_cast<double>(g));
    }
  }
}
