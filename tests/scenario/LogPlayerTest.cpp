// The flight data panels' player and named states: rows stepped, the
// position bar held inside the log, speed and loop, and the inputs that
// follow.
#include <gtest/gtest.h>

#include <fstream>

#include "host/PanelUnits.h"
#include "scenario/LogPlayer.h"
#include "support/TempPath.h"

namespace {

TEST(LogPlayer, StepsSeeksPlaysAndLoops) {
  const std::string path = OwnTempPath("log.csv").string();
  std::ofstream(path) << "time(s),volts(V)\n10,12.0\n11,13.0\n13,14.0\n";
  PanelProgramStart();
  TLogPlayer player;
  std::string error;
  ASSERT_FALSE(player.Open(path + ".missing", {}, error));
  ASSERT_TRUE(player.Open(path, {}, error)) << error;
  const auto volts = [] {
    return PanelCountToUnit(TPanelInput::Volts, PanelInputValue(TPanelInput::Volts),
                            TPanelUnit::Volts);
  };
  EXPECT_EQ(player.Length(), 3000u);
  EXPECT_DOUBLE_EQ(volts(), 12.0);
  const struct {
    int Step;  // rows, when Seek is -1
    int Seek;  // ms
    uint32_t Position;
    double Volts;
  } moves[] = {{1, -1, 1000, 13.0},   {1, -1, 3000, 14.0},  {1, -1, 3000, 14.0},
               {0, 500, 500, 12.5},   {-1, -1, 0, 12.0},    {-1, -1, 0, 12.0},
               {0, 9000, 3000, 14.0}, {0, 2000, 2000, 13.5}};
  for (const auto& m : moves) {
    if (m.Seek < 0)
      player.Step(m.Step);
    else
      player.Seek(static_cast<uint32_t>(m.Seek));
    EXPECT_EQ(player.Position(), m.Position);
    EXPECT_NEAR(volts(), m.Volts, 0.1);
  }
  player.SetSpeed(100);
  EXPECT_EQ(player.Speed(), FastestPlayerSpeed);
  player.Play();
  for (int i = 0; i < 2; ++i) player.Tick();
  EXPECT_EQ(player.Position(), 3000u);
  EXPECT_FALSE(player.Playing()) << "paused at the end";
  player.Loop = true;
  player.Play();  // from the start again
  EXPECT_EQ(player.Position(), 0u);
  for (int i = 0; i < 4; ++i) player.Tick();
  EXPECT_EQ(player.Position(), 0u) << "3.2 s of a 3 s log wrapped to the start";
  EXPECT_EQ(player.PositionText(), "0:00.0 / 0:03.0");
}

TEST(LogPlayer, NamedStatesSetEveryInput) {
  PanelProgramStart();
  for (const TPanelState& state : PanelStates) {
    SCOPED_TRACE(state.Name);
    PanelApplyState(state);
    for (uint8_t i = 0; i < PanelSensorCount; ++i) {
      const auto input = static_cast<TPanelInput>(i);
      const TPanelUnitCount count = PanelUnitToCount(input, state.Value[i], PanelInputUnit(input));
      EXPECT_EQ(PanelInputValue(input), count.Count);
    }
  }
  EXPECT_EQ(PanelInputValue(TPanelInput::Z), PanelRow(TPanelInput::Z).Bottom)
      << "2 g is held at the converter's end";
}

}  // namespace
