// The one place values are stepped: each rule inside its range, at its ends
// and from values outside it that no key reaches, and the right key's step
// cycles.
#include <gtest/gtest.h>

#include "pages/Editing.h"

namespace {

TEST(Editing, EachRuleAtAndBeyondTheEnds) {
  const struct {
    int Value, Step, Bottom, Top, Wrap, WrapAhead, WrapAtEnd, StopAtEnd, Hold;
  } cases[] = {
      // Inside: every rule adds the step.
      {100, 10, 5, 300, 110, 110, 110, 110, 110},
      {100, -10, 5, 300, 90, 90, 90, 90, 90},
      // Reaching an end is no wrap.
      {290, 10, 5, 300, 300, 300, 300, 300, 300},
      {15, -10, 5, 300, 5, 5, 5, 5, 5},
      // Past the top from inside: the bottom exactly, or the top, or unchanged.
      {298, 10, 5, 300, 5, 5, 308, 308, 298},
      {14, -10, 5, 300, 300, 300, 4, 4, 14},
      // At an end.
      {300, 10, 5, 300, 5, 5, 5, 300, 300},
      {5, -10, 5, 300, 300, 300, 300, 5, 5},
      // Negative range, past its top.
      {-5, 10, -300, -1, -300, -300, 5, 5, -5},
      {765, 30, -780, 780, -780, -780, 795, 795, 765},
      // Above the range: stepping up.
      {200, 1, 0, 127, 0, 0, 0, 127, 200},
      // Above the range: stepping down looks at the bottom only, except the
      // rule that wraps past either end.
      {200, -1, 0, 127, 0, 199, 199, 199, 199},
      {251, -1, -50, 150, -50, 250, 250, 250, 250},
      {65000, -100, 100, 4000, 100, 64900, 64900, 64900, 64900},
      // Below the range: stepping up looks at the top only.
      {-58, 1, -50, 150, 150, -57, -57, -57, -57},
      {0, 1, 5, 300, 300, 1, 1, 1, 1},
      // Below the range: stepping down.
      {-5, -1, 0, 127, 127, 127, -6, 0, -5},
      {50, -100, 100, 4000, 4000, 4000, -50, 100, 50},
  };
  for (const auto& c : cases) {
    const auto step = [&](TStepRule rule) {
      return StepValue(rule, c.Value, c.Step, c.Bottom, c.Top);
    };
    EXPECT_EQ(step(StepWrap), c.Wrap) << c.Value << " by " << c.Step;
    EXPECT_EQ(step(StepWrapAhead), c.WrapAhead) << c.Value << " by " << c.Step;
    EXPECT_EQ(step(StepWrapAtEnd), c.WrapAtEnd) << c.Value << " by " << c.Step;
    EXPECT_EQ(step(StepStopAtEnd), c.StopAtEnd) << c.Value << " by " << c.Step;
    EXPECT_EQ(step(StepHold), c.Hold) << c.Value << " by " << c.Step;
  }
}

TEST(Editing, StepCyclesStartOverFromAStrayStep) {
  const struct {
    uint16_t Step, First, Last, Next;
  } cases[] = {{1, 1, 10, 10},     {10, 1, 10, 1},         {100, 1, 10, 1},
               {7, 1, 10, 1},      {10, 1, 100, 100},      {100, 1, 100, 1},
               {1000, 1, 100, 1},  {100, 100, 1000, 1000}, {1000, 100, 1000, 100},
               {1, 100, 1000, 100}};
  for (const auto& c : cases) EXPECT_EQ(NextStep(c.Step, c.First, c.Last), c.Next) << c.Step;
}

TEST(Editing, FieldsKeepTheirWidthAndSign) {
  int8_t offset = 0;
  uint16_t threshold = 0;
  int32_t trim = 0;
  WriteField(Field(offset), -20);
  WriteField(Field(threshold), 4000);
  WriteField(Field(trim), -5);
  EXPECT_EQ(ReadField(Field(offset)), -20);
  EXPECT_EQ(ReadField(Field(threshold)), 4000);
  EXPECT_EQ(ReadField(Field(trim)), -5);
  EXPECT_EQ(Flipped(0), 1);
  EXPECT_EQ(Flipped(7), 0);
}

}  // namespace
