// Placeholder icons until the packed ones land: 1 x 1, black.
#include "graphics/Image.h"

#define PLACEHOLDER_ICON(name) const uint8_t name[] = {1, 0, 1, 0, 0x81, 0}
PLACEHOLDER_ICON(IconAttention);
PLACEHOLDER_ICON(IconQuestion);
PLACEHOLDER_ICON(IconTick);
PLACEHOLDER_ICON(IconCross);
PLACEHOLDER_ICON(IconFlightTimer);
PLACEHOLDER_ICON(IconGForce);
PLACEHOLDER_ICON(IconTime);
PLACEHOLDER_ICON(IconVolts);
PLACEHOLDER_ICON(IconCurrent);
PLACEHOLDER_ICON(IconOat);
PLACEHOLDER_ICON(IconSlip);
PLACEHOLDER_ICON(IconMisc);
PLACEHOLDER_ICON(IconAdc);
