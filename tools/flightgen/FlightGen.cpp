// axim7-flightgen PROFILE CSV: the demonstration flight's log from its
// profile (phases with durations and targets; see the profile's comments),
// ten rows a second, the same bytes every time.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "pictures/ConfinedFiles.h"

namespace {

constexpr int Values = 6;  // volts, current, oat, x, y, z
constexpr int RowsPerSecond = 10;

struct TPhase {
  std::string Name;
  double Seconds = 0;
  double Ramp = 0;
  double Target[Values] = {};
  double Rough = 0;
};

// A smooth random swing: xorshift noise through a low-pass filter.
class TTurbulence {
 public:
  double Next(double amplitude) {
    State ^= State << 13;
    State ^= State >> 17;
    State ^= State << 5;
    const double white = static_cast<double>(State) / 4294967296.0 * 2 - 1;
    Smooth += (white - Smooth) * 0.25;
    return Smooth * amplitude * 2;
  }

 private:
  uint32_t State = 2463534242u;
  double Smooth = 0;
};

bool ReadProfile(const char* path, std::vector<TPhase>& phases) {
  std::ifstream in(path);
  if (!in) return false;
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    TPhase phase;
    fields >> phase.Name >> phase.Seconds >> phase.Ramp;
    for (double& target : phase.Target) fields >> target;
    fields >> phase.Rough;
    if (!fields || phase.Seconds <= 0 || phase.Ramp < 0 || phase.Ramp > phase.Seconds) {
      std::fprintf(stderr, "%s:%d: a phase is NAME SECONDS RAMP VOLTS CURRENT OAT X Y Z ROUGH\n",
                   path, number);
      return false;
    }
    phases.push_back(phase);
  }
  return !phases.empty();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: axim7-flightgen PROFILE CSV\n");
    return 2;
  }
  std::vector<TPhase> phases;
  if (!ReadProfile(argv[1], phases)) {
    std::fprintf(stderr, "axim7-flightgen: cannot read the profile %s\n", argv[1]);
    return 1;
  }
  std::string csv = "time(s),volts(V),current(A),oat(C),accel_x(g),accel_y(g),accel_z(g)\n";
  double value[Values];
  for (int i = 0; i < Values; ++i) value[i] = phases[0].Target[i];
  TTurbulence rough[3];
  long row = 0;
  for (const TPhase& phase : phases) {
    double from[Values];
    for (int i = 0; i < Values; ++i) from[i] = value[i];
    const long rows = std::lround(phase.Seconds * RowsPerSecond);
    for (long k = 0; k < rows; ++k, ++row) {
      const double t = (k + 1) / static_cast<double>(RowsPerSecond);
      const double share = phase.Ramp <= 0 ? 1 : std::fmin(1, t / phase.Ramp);
      for (int i = 0; i < Values; ++i) value[i] = from[i] + (phase.Target[i] - from[i]) * share;
      const double x = value[3] + rough[0].Next(phase.Rough / 3);
      const double y = value[4] + rough[1].Next(phase.Rough / 3);
      const double z = value[5] + rough[2].Next(phase.Rough);
      char line[160];
      std::snprintf(line, sizeof line, "%ld.%ld,%.2f,%.2f,%.1f,%.3f,%.3f,%.3f\n",
                    row / RowsPerSecond, row % RowsPerSecond, value[0], value[1], value[2], x, y,
                    z);
      csv += line;
    }
  }
  std::string reason;
  if (!WriteConfinedFile(ChosenPath(argv[2]), csv.data(), csv.size(), reason)) {
    std::fprintf(stderr, "axim7-flightgen: cannot write %s: %s\n", argv[2], reason.c_str());
    return 1;
  }
  return 0;
}
