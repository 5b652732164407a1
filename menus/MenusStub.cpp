// Placeholder definitions until the main menu and its first pages land.
#include "menus/Menus.h"

void GoHome() {}
void ResetMenuState(uint8_t) {}
void MainMenuPage() {}
void MiscSetupPage() {}
void AdcValuesPage() {}
void FlightTimerSetupPage() {}
void FlightLogViewPage() {}
void EraseLogConfirmPage() {}
TTimeEditFields TimeEditFields;
void TimeSetupPage() {}
void SetUtcTimePage() {}
void BacklightPage() {}
void SecuritySetupPage() {}
void VerifyCodePage() {}
void NewCodePage() {}
void ConfirmCodePage() {}
void InfoPage() {}
void LoadDefaultsConfirmPage() {}
