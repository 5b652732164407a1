// The one place values are stepped: the far end exactly on a wrap, the end
// itself on a stop, and the right key's step cycles.
#include <gtest/gtest.h>

#include "menus/Editing.h"

namespace {

TEST(Editing, StepsWrapOrStopAtTheEnds) {
  const struct {
    int Value, Delta, Bottom, Top, Wrapped, Stopped;
  } cases[] = {
      {290, 10, 5, 300, 300, 300},    // reaching the top is no wrap
      {298, 10, 5, 300, 5, 300},      // past it: the bottom exactly, no remainder
      {14, -10, 5, 300, 300, 5},      // past the bottom: the top
      {-5, 10, -300, -1, -300, -1},   // negative range, past its top
      {251, -1, -50, 150, -50, 150},  // left above the range, stepped down
      {-58, 1, -50, 150, 150, -50},   // left below the range, stepped up
      {65000, 100, 100, 4000, 100, 4000},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(StepWrap(c.Value, c.Delta, c.Bottom, c.Top), c.Wrapped) << c.Value << c.Delta;
    EXPECT_EQ(StepStop(c.Value, c.Delta, c.Bottom, c.Top), c.Stopped) << c.Value << c.Delta;
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
