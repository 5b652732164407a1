// Golden screens of the G-force and sensor setup pages in fixed states.
#include <gtest/gtest.h>

#include "SensorScreens.h"
#include "support/Golden.h"

namespace {

class SensorGolden : public testing::TestWithParam<sensorscreens::TScreen> {};

TEST_P(SensorGolden, MatchesReference) {
  GetParam().Setup();
  test::ExpectGolden(GetParam().Name);
}

INSTANTIATE_TEST_SUITE_P(Screens, SensorGolden, testing::ValuesIn(sensorscreens::Screens),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
