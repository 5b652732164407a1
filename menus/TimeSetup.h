// Time setup list and the UTC time editor.
#pragma once
#include <cstdint>

#include "pages/PageHandlers.h"

struct TTimeEditFields {
  uint16_t Year;
  uint8_t Month;
  uint8_t Day;
  uint8_t Hour;
  uint8_t Minute;
  uint8_t Second;
};
extern TTimeEditFields TimeEditFields;
