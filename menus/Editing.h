// Changing edited values: typed references to the fixed-width fields, the
// knob's steps that wrap or stop at the ends of a range, a switch flipped,
// and the right key's cycle of edit steps.
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

// value + delta within bottom..top: a result past the top becomes the bottom
// and one past the bottom the top, exactly, without carrying the remainder.
int StepWrap(int value, int delta, int bottom, int top);
// value + delta within bottom..top: a result past an end stops at that end.
int StepStop(int value, int delta, int bottom, int top);
// A switch flipped: 0 becomes 1, anything else 0.
uint8_t Flipped(uint8_t value);
// The next edit step of the right key: first, first x 10, ... up to last and
// round again; a step not in the cycle starts it over at first.
uint16_t NextStep(uint16_t step, uint16_t first, uint16_t last);
