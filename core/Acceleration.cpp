// Accelerometer axes: four-sample averages, g per axis, total G with the
// sign of X, slip, G minima and maxima and G cycle counts.
#include <algorithm>
#include <cmath>
#include <iterator>

#include "core/Sensors.h"
#include "core/Settings.h"

int32_t AxisHistory[3][4];
int16_t AxisCount[3];
float AxisG[3];
float GForce;
int16_t SlipCount;
uint8_t GNegCycleLatch;
uint8_t GPosCycleLatch;

void ResetAcceleration() {
  for (auto& history : AxisHistory) std::fill(std::begin(history), std::end(history), 0);
  std::fill(std::begin(AxisCount), std::end(AxisCount), 0);
  std::fill(std::begin(AxisG), std::end(AxisG), 0.0f);
  GForce = 0.0f;
  SlipCount = 0;
  GNegCycleLatch = GPosCycleLatch = 0;
}

namespace {

void ConvertAxis(uint8_t axis) {
  const uint16_t bits =
      static_cast<uint16_t>(AccelRegisters[axis * 2 + 1] << 8 | AccelRegisters[axis * 2]);
  const int16_t raw = static_cast<int16_t>(bits);
  int32_t* history = AxisHistory[axis];
  history[0] = history[1];
  history[1] = history[2];
  history[2] = history[3];
  history[3] = raw;
  AxisCount[axis] = static_cast<int16_t>((history[0] + history[1] + history[2] + history[3]) / 4);
  if (axis == 1) SlipCount = static_cast<int16_t>(AxisCount[axis] / 2);

  AxisG[axis] = CountToAxisG(AxisCount[axis], Calibration.Axis[axis]);
}

// Counts one cycle per crossing; the latch re-arms once back inside.
void CountCycle(bool beyond, uint8_t& latch, uint16_t& cycles) {
  if (!beyond) {
    latch = 0;
    return;
  }
  if (latch != 0) return;
  latch = 1;
  if (cycles < 0xFFFF) ++cycles;  // held at the top rather than wrapping to 0
  StoreMinMax();
}

}  // namespace

float CountToAxisG(int16_t count, const TAxisCalibration& axis) {
  const float offset = static_cast<float>(int32_t{count} - axis.AxisZero);
  // The branch follows the sign of the averaged count, not of the offset.
  return count >= 0 ? offset * axis.AxisPosScale : offset * -axis.AxisNegScale;
}

void ConvertAcceleration() {
  for (uint8_t axis = 0; axis < 3; ++axis) ConvertAxis(axis);

  const double x = AxisG[0], y = AxisG[1], z = AxisG[2];
  GForce = static_cast<float>(std::sqrt(x * x + y * y + z * z));
  if (AxisG[0] < 0) GForce = -GForce;

  if (GForce < MinMax.GMin) {
    MinMax.GMin = GForce;
    StoreMinMax();
  }
  if (GForce > MinMax.GMax) {
    MinMax.GMax = GForce;
    StoreMinMax();
  }

  // Tenths of g, unrounded, as the readouts compare them with their limits.
  const double tenths = static_cast<double>(GForce) * 10.0;
  CountCycle(Settings.GNegCycle > tenths, GNegCycleLatch, MinMax.GNegCycles);
  CountCycle(tenths > Settings.GPosCycle, GPosCycleLatch, MinMax.GPosCycles);
}

int16_t SlipDeflection() {
  int32_t deflection = int32_t{SlipCount} - Settings.SlipZero;
  if (Settings.SlipSense == 1) deflection *= 2;
  return static_cast<int16_t>(std::clamp<int32_t>(deflection, -50, 50));
}
