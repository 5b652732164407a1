// The main menu, the navigation operations and the misc and ADC pages.
#pragma once
#include <cstdint>

void GoHome();
void ResetMenuState(uint8_t index);
void MainMenuPage();
void MiscSetupPage();
void AdcValuesPage();
