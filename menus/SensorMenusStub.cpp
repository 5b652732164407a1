// Placeholder definitions until the G-force and sensor setup pages land.
#include "menus/Menus.h"

uint8_t CalTargetStep;
void GForceSetupPage() {}
void EditGForceItem(uint8_t, uint8_t) {}
void CalWarningPage() {}
void CalAxisPage() {}
void CalStepPage() {}
void VoltsSetupPage() {}
void EditVoltsItem(uint8_t, uint8_t) {}
void CurrentSetupPage() {}
void EditCurrentItem(uint8_t, uint8_t) {}
void ZeroCurrentPage() {}
void OatSetupPage() {}
void EditOatItem(uint8_t, uint8_t) {}
void SlipSetupPage() {}
void ZeroSlipPage() {}
