// axim7-render OUTDIR [NAME-PREFIX]: renders the registered scenes to PNG.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "Scenes.h"
#include "graphics/FrameBuffer.h"
#include "pictures/Pictures.h"

namespace render {
namespace {

struct TScene {
  std::string Name;
  TSceneBody Body;
};

// Constructed on first use, so registration order across files is safe.
std::vector<TScene>& SceneList() {
  static std::vector<TScene> scenes;
  return scenes;
}

}  // namespace

bool RegisterScene(const char* name, TSceneBody body) {
  SceneList().push_back({name, body});
  return true;
}

}  // namespace render

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: %s OUTDIR [NAME-PREFIX]\n", argv[0]);
    return 2;
  }
  const std::filesystem::path outDir = argv[1];
  const std::string prefix = argc == 3 ? argv[2] : "";
  std::error_code error;
  std::filesystem::create_directories(outDir, error);
  if (error) {
    std::fprintf(stderr, "cannot create %s: %s\n", outDir.c_str(), error.message().c_str());
    return 1;
  }

  auto scenes = render::SceneList();
  std::sort(scenes.begin(), scenes.end(),
            [](const auto& a, const auto& b) { return a.Name < b.Name; });
  int written = 0, failed = 0;
  for (const auto& scene : scenes) {
    if (scene.Name.compare(0, prefix.size(), prefix) != 0) continue;
    scene.Body();
    const std::filesystem::path file = outDir / (scene.Name + ".png");
    std::string message;
    if (WriteDisplayPng(file.string(), FrameBuffer, 4, message)) {
      std::printf("%s\n", file.c_str());
      ++written;
    } else {
      std::fprintf(stderr, "%s\n", message.c_str());
      ++failed;
    }
  }
  if (written == 0 && failed == 0)
    std::fprintf(stderr, "no scene matches \"%s\"\n", prefix.c_str());
  return failed == 0 ? 0 : 1;
}
