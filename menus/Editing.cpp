// Changing edited values within their ranges.
#include "menus/Editing.h"

int ReadField(const TFieldRef& field) {
  switch (field.Type) {
    case WidthU8:
      return *static_cast<uint8_t*>(field.Address);
    case WidthI8:
      return *static_cast<int8_t*>(field.Address);
    case WidthU16:
      return *static_cast<uint16_t*>(field.Address);
    case WidthI16:
      return *static_cast<int16_t*>(field.Address);
    default:
      return *static_cast<int32_t*>(field.Address);
  }
}

void WriteField(const TFieldRef& field, int value) {
  switch (field.Type) {
    case WidthU8:
      *static_cast<uint8_t*>(field.Address) = static_cast<uint8_t>(value);
      break;
    case WidthI8:
      *static_cast<int8_t*>(field.Address) = static_cast<int8_t>(value);
      break;
    case WidthU16:
      *static_cast<uint16_t*>(field.Address) = static_cast<uint16_t>(value);
      break;
    case WidthI16:
      *static_cast<int16_t*>(field.Address) = static_cast<int16_t>(value);
      break;
    default:
      *static_cast<int32_t*>(field.Address) = value;
      break;
  }
}

int StepWrap(int value, int delta, int bottom, int top) {
  // Worked in int so that no narrow field wraps before the range test.
  const int result = value + delta;
  if (result > top) return bottom;
  if (result < bottom) return top;
  return result;
}

int StepStop(int value, int delta, int bottom, int top) {
  const int result = value + delta;
  if (result > top) return top;
  if (result < bottom) return bottom;
  return result;
}

uint8_t Flipped(uint8_t value) { return value == 0 ? 1 : 0; }

uint16_t NextStep(uint16_t step, uint16_t first, uint16_t last) {
  for (unsigned s = first; s < last; s *= 10)
    if (step == s) return static_cast<uint16_t>(s * 10);
  return first;
}
