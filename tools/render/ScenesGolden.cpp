// The scenes with golden references: home, menus and sensor setup pages.
#include "Scenes.h"
#include "golden/GoldenScenes.h"

namespace {

[[maybe_unused]] const bool GoldenScenesRegistered = [] {
  for (const test::TScene& scene : test::GoldenScenes())
    render::RegisterScene(scene.Name, scene.Body);
  return true;
}();

}  // namespace
