// Whole-degree sine and cosine tables, built at power-on.
#include <cmath>

#include "graphics/FrameBuffer.h"

namespace {

constexpr int16_t TableSize = 361;
constexpr double RadiansPerDegree = 0.017453292519943295;

// Indexed by the angle 0..360 and by |angle| for 0..-360.
float SinTable[TableSize];
float CosTable[TableSize];
float SinNegTable[TableSize];
float CosNegTable[TableSize];

// Angles beyond one turn are brought back into -360..360 keeping their
// sign, so every look-up stays inside the tables.
int16_t WithinOneTurn(int16_t angle) {
  return angle < -360 || angle > 360 ? static_cast<int16_t>(angle % 360) : angle;
}

}  // namespace

void BuildTrigTables() {
  for (int16_t a = 0; a < TableSize; ++a) {
    SinTable[a] = static_cast<float>(std::sin(a * RadiansPerDegree));
    CosTable[a] = static_cast<float>(std::cos(a * RadiansPerDegree));
    SinNegTable[a] = static_cast<float>(std::sin(-a * RadiansPerDegree));
    CosNegTable[a] = static_cast<float>(std::cos(-a * RadiansPerDegree));
  }
}

void ClearTrigTables() {
  for (int16_t a = 0; a < TableSize; ++a)
    SinTable[a] = CosTable[a] = SinNegTable[a] = CosNegTable[a] = 0.0f;
}

float SinDeg(int16_t angle) {
  angle = WithinOneTurn(angle);
  return angle < 0 ? SinNegTable[-angle] : SinTable[angle];
}

float CosDeg(int16_t angle) {
  angle = WithinOneTurn(angle);
  return angle < 0 ? CosNegTable[-angle] : CosTable[angle];
}
