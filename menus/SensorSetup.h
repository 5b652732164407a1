// Volts, current, OAT and slip setup with current and slip zeroing.
#pragma once
#include <cstdint>

void VoltsSetupPage();
void EditVoltsItem(uint8_t kind, uint8_t index);
void CurrentSetupPage();
void EditCurrentItem(uint8_t kind, uint8_t index);
void ZeroCurrentPage();
void OatSetupPage();
void EditOatItem(uint8_t kind, uint8_t index);
void SlipSetupPage();
void ZeroSlipPage();
