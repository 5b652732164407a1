// Changing edited values: typed references to the fixed-width fields, the
// rules by which the knob steps a number at the ends of its range, a switch
// flipped, and the right key's cycle of edit steps.
#pragma once
#include <cstdint>

enum TFieldWidth : uint8_t { WidthU8, WidthI8, WidthU16, WidthI16, WidthI32 };

// A field of a record or a global, with its width and sign.
struct TFieldRef {
  void* Address;
  uint8_t Type;  // TFieldWidth
};

constexpr TFieldRef Field(uint8_t& field) { return {&field, WidthU8}; }
constexpr TFieldRef Field(int8_t& field) { return {&field, WidthI8}; }
constexpr TFieldRef Field(uint16_t& field) { return {&field, WidthU16}; }
constexpr TFieldRef Field(int16_t& field) { return {&field, WidthI16}; }
constexpr TFieldRef Field(int32_t& field) { return {&field, WidthI32}; }
constexpr TFieldRef NoField{nullptr, WidthU8};

int ReadField(const TFieldRef& field);
void WriteField(const TFieldRef& field, int value);

// How a number steps at the ends of its range bottom..top. Each rule is told
// for a step up (a step down mirrors it); they differ only for a value at an
// end or outside the range.
enum TStepRule : uint8_t {
  // Adds the step; a result above top becomes bottom, and a result below
  // bottom becomes top (also when stepping up from below the range).
  StepWrap,
  // Adds the step; a result above top becomes bottom. Only the end the value
  // moves towards is looked at.
  StepWrapAhead,
  // Becomes bottom when it is top or more, else adds the step. Down: becomes
  // top when it is bottom, else subtracts the step.
  StepWrapAtEnd,
  // Becomes top when it is top or more, else adds the step.
  StepStopAtEnd,
  // Adds the step when the result stays at or below top, else stays as it is.
  StepHold,
};

// value stepped by `step` (negative to step down) under a rule. Worked in
// int, so that no narrow field wraps before the range test.
int StepValue(TStepRule rule, int value, int step, int bottom, int top);
// A switch flipped: 0 becomes 1, anything else 0.
uint8_t Flipped(uint8_t value);
// The next edit step of the right key: first, first x 10, ... up to last and
// round again; a step not in the cycle starts it over at first.
uint16_t NextStep(uint16_t step, uint16_t first, uint16_t last);
