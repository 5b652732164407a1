// libFuzzer target: the instrument driven by an arbitrary event stream; a
// broken invariant after any pass aborts.
#include <cstdio>
#include <cstdlib>

#include "support/EventStream.h"
#include "support/Instrument.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  test::PowerOnAt();
  test::TByteSource source{data, size, 0};
  while (source.Position < source.Size) {
    if (!test::ApplyEvent(source)) continue;
    const std::string broken = test::CheckInvariants();
    if (!broken.empty()) {
      std::fprintf(stderr, "invariant broken: %s\n", broken.c_str());
      std::abort();
    }
  }
  return 0;
}
