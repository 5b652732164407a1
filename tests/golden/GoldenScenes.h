// Every scene with a golden reference: the home area, the menu tree and the
// sensor setup pages, one registry each, in this order.
#pragma once
#include <iterator>
#include <vector>

#include "golden/HomeScenes.h"
#include "golden/SensorScenes.h"
#include "menus/MenuScenes.h"
#include "support/Scene.h"

namespace test {

inline std::vector<TScene> GoldenScenes() {
  std::vector<TScene> scenes(std::begin(homescreens::HomeScenes),
                             std::end(homescreens::HomeScenes));
  for (const menutest::TMenuScene& scene : menutest::MenuScenes)
    scenes.push_back({scene.Name, scene.Body});
  scenes.insert(scenes.end(), std::begin(sensorscreens::SensorScenes),
                std::end(sensorscreens::SensorScenes));
  return scenes;
}

}  // namespace test
