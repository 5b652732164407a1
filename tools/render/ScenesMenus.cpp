// Scenes of the main menu and the setup pages of the menu tree.
#include "Scenes.h"
#include "menus/MenuScenes.h"

namespace {

[[maybe_unused]] const bool MenuScenesRegistered = [] {
  for (const menutest::TMenuScene& scene : menutest::MenuScenes)
    render::RegisterScene(scene.Name, scene.Body);
  return true;
}();

}  // namespace
