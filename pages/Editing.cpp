// Changing edited values within their ranges.
#include "pages/Editing.h"

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

int StepValue(TStepRule rule, int value, int step, int bottom, int top) {
  const int result = value + step;
  if (step >= 0) {
    switch (rule) {
      case StepWrap:
        return result > top ? bottom : result < bottom ? top : result;
      case StepWrapAhead:
        return result > top ? bottom : result;
      case StepWrapAtEnd:
        return value >= top ? bottom : result;
      case StepStopAtEnd:
        return value >= top ? top : result;
      case StepHold:
        return result <= top ? result : value;
    }
  } else {
    switch (rule) {
      case StepWrap:
        return result < bottom ? top : result > top ? bottom : result;
      case StepWrapAhead:
        return result < bottom ? top : result;
      case StepWrapAtEnd:
        return value == bottom ? top : result;
      case StepStopAtEnd:
        return value <= bottom ? bottom : result;
      case StepHold:
        return result >= bottom ? result : value;
    }
  }
  return value;
}

uint8_t Flipped(uint8_t value) { return value == 0 ? 1 : 0; }

uint16_t NextStep(uint16_t step, uint16_t first, uint16_t last) {
  for (unsigned s = first; s < last; s *= 10)
    if (step == s) return static_cast<uint16_t>(s * 10);
  return first;
}
