// Every menu page frozen in a fixed state.
#include <gtest/gtest.h>

#include <string>

#include "menus/MenuScenes.h"
#include "support/Golden.h"

namespace {

class MenuGolden : public ::testing::TestWithParam<menutest::TMenuScene> {};

TEST_P(MenuGolden, MatchesReference) {
  GetParam().Body();
  test::ExpectGolden(GetParam().Name);
}

INSTANTIATE_TEST_SUITE_P(Screens, MenuGolden, ::testing::ValuesIn(menutest::MenuScenes),
                         [](const ::testing::TestParamInfo<menutest::TMenuScene>& info) {
                           return std::string(info.param.Name);
                         });

}  // namespace
