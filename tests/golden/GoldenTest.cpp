// Every registered scene against its committed reference, byte for byte.
#include <gtest/gtest.h>

#include <string>

#include "golden/GoldenScenes.h"
#include "support/Golden.h"

namespace {

class Golden : public ::testing::TestWithParam<test::TScene> {};

TEST_P(Golden, MatchesReference) {
  GetParam().Body();
  test::ExpectGolden(GetParam().Name);
}

INSTANTIATE_TEST_SUITE_P(Screen, Golden, ::testing::ValuesIn(test::GoldenScenes()),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
