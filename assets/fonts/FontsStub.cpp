// Placeholder font tables until the generated ones land.
#include "graphics/Text.h"

#define PLACEHOLDER_FONT(name, height) \
  const uint8_t name[] = {0, 0, 32, 0, 32, 0, 0, height, 0, 0, 12, 0}
PLACEHOLDER_FONT(Font8, 16);
PLACEHOLDER_FONT(Font9, 19);
PLACEHOLDER_FONT(Font10, 21);
PLACEHOLDER_FONT(Font12, 24);
PLACEHOLDER_FONT(Font16, 33);
PLACEHOLDER_FONT(Font20, 41);
PLACEHOLDER_FONT(Font24, 51);
PLACEHOLDER_FONT(Font30, 62);
PLACEHOLDER_FONT(Font34, 70);
