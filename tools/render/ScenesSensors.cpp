// Scenes of the G-force and sensor setup pages, the calibration pages and the
// two zeroing questions.
#include "Scenes.h"
#include "golden/SensorScreens.h"

namespace {

[[maybe_unused]] const bool SensorScenesRegistered = [] {
  for (const auto& screen : sensorscreens::Screens)
    render::RegisterScene(screen.Name, screen.Setup);
  return true;
}();

}  // namespace
