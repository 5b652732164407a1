// Backlight, security and code change, information and defaults pages.
#pragma once
#include <cstdint>

constexpr uint16_t FirmwareVersion = 100;  // hundredths: version 1.00

void BacklightPage();
void SecuritySetupPage();
void VerifyCodePage();
void NewCodePage();
void ConfirmCodePage();
void InfoPage();
void LoadDefaultsConfirmPage();
