// Backlight, security and code change, information and defaults pages.
#pragma once
#include <cstdint>

#include "pages/PageHandlers.h"

constexpr uint16_t FirmwareVersion = 100;  // hundredths: version 1.00
