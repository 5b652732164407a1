// Millions of random events (keys, scroll bars, the check box, ticks, clock
// jumps, power cycles, passes); after every pass the invariants must hold.
// The seed is printed; AXIM_SOAK_SEED replays a run, AXIM_SOAK_EVENTS sets
// its length.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <vector>

#include "support/EventStream.h"
#include "support/Instrument.h"

namespace {

uint64_t EnvNumber(const char* name, uint64_t fallback) {
  const char* text = std::getenv(name);
  return text && *text ? std::strtoull(text, nullptr, 10) : fallback;
}

TEST(Soak, RandomEventsKeepEveryInvariant) {
  const uint64_t seed = EnvNumber("AXIM_SOAK_SEED", std::random_device{}());
  const uint64_t events = EnvNumber("AXIM_SOAK_EVENTS", 2000000);
  std::printf("soak seed %llu, %llu events (AXIM_SOAK_SEED=%llu replays it)\n",
              static_cast<unsigned long long>(seed), static_cast<unsigned long long>(events),
              static_cast<unsigned long long>(seed));
  RecordProperty("seed", std::to_string(seed));

  std::mt19937_64 random(seed);
  std::vector<uint8_t> bytes(1 << 16);
  test::PowerOnAt();
  uint64_t done = 0, passes = 0;
  while (done < events) {
    for (uint8_t& b : bytes) b = static_cast<uint8_t>(random());
    test::TByteSource source{bytes.data(), bytes.size(), 0};
    while (source.Position + 8 < source.Size && done < events) {
      ++done;
      if (!test::ApplyEvent(source)) continue;
      ++passes;
      const std::string broken = test::CheckInvariants();
      ASSERT_TRUE(broken.empty()) << broken << " after event " << done << " (seed " << seed << ")";
    }
  }
  std::printf("%llu passes checked\n", static_cast<unsigned long long>(passes));
}

}  // namespace
