// Random front-panel and sensor events for the soak test and the fuzzer:
// keys, scroll-bar positions (extremes included), the check box, ticks,
// clock jumps, power cycles and passes, decoded from a byte stream.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

namespace test {

// Reads the next values of an event stream; past the end it reads zeros.
struct TByteSource {
  const uint8_t* Data;
  size_t Size;
  size_t Position;
  uint8_t Byte();
  uint16_t Word();
};

// Applies one event from the source. Returns true when the event ran a pass
// (after which the invariants should hold).
bool ApplyEvent(TByteSource& source);

// Checks the state after a pass: a known page is current, the menu state
// and every setting inside its range. Returns an empty text when all hold,
// else a description of the first broken invariant.
std::string CheckInvariants();

}  // namespace test
