// Scenes for the screen renderer axim7-render.
//
// Usage: add a file tools/render/ScenesSomething.cpp (it is picked up by the
// build automatically) and register scenes in it:
//
//   #include "Scenes.h"
//   AXIM_SCENE(home_view0) {
//     test::PowerOnAt();
//     test::Pass();
//   }
//
// Each body drives the instrument (tests/support/Instrument.h) into a state
// and leaves the screen in FrameBuffer. Build and run:
//
//   ninja -C build-NAME axim7-render
//   build-NAME/tools/render/axim7-render OUTDIR [NAME-PREFIX]
//
// writes OUTDIR/NAME.png at four times the display size for every scene, or
// only for the scenes whose names start with NAME-PREFIX. Scene names must be
// unique across all files; they become file names, so keep them to
// lower-case letters, digits and underscores.
#pragma once

#include "support/Instrument.h"

namespace render {

using TSceneBody = void (*)();

// Adds a scene to the list the renderer walks; returns true so that it can
// initialise a static at namespace scope.
bool RegisterScene(const char* name, TSceneBody body);

}  // namespace render

#define AXIM_SCENE(name)                                          \
  static void AximScene_##name();                                 \
  [[maybe_unused]] static const bool AximSceneRegistered_##name = \
      render::RegisterScene(#name, AximScene_##name);             \
  static void AximScene_##name()
