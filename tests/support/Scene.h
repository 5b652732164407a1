// A named screen of the instrument: the body drives it from power-on into a
// fixed state and leaves that screen in FrameBuffer. The golden tests, the
// screen renderer and the pictures in docs/ all walk the same scenes.
#pragma once
#include <ostream>

namespace test {

struct TScene {
  const char* Name;  // file name of its reference and picture
  void (*Body)();
};

inline void PrintTo(const TScene& scene, std::ostream* out) { *out << scene.Name; }

}  // namespace test
