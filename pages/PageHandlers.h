// Every screen of the instrument as its page handler, so that the pages and
// the menus that lead into each other see one header.
#pragma once
#include <cstdint>

#include "core/RunState.h"
#include "graphics/Furniture.h"  // MessagePage, CodeMessagePage

// Operating pages.
void HomePage();
void CodeEntryPage();
void SetTimerPage();
void SetAlarmPage();

// The main menu and the setup pages.
void MainMenuPage();
void FlightTimerSetupPage();
void FlightLogViewPage();
void EraseLogConfirmPage();
void TimeSetupPage();
void SetUtcTimePage();
void BacklightPage();
void SecuritySetupPage();
void VerifyCodePage();
void NewCodePage();
void ConfirmCodePage();
void InfoPage();
void LoadDefaultsConfirmPage();
void MiscSetupPage();
void AdcValuesPage();
void GForceSetupPage();
void CalWarningPage();
void CalAxisPage();
void CalStepPage();
void VoltsSetupPage();
void CurrentSetupPage();
void ZeroCurrentPage();
void OatSetupPage();
void SlipSetupPage();
void ZeroSlipPage();

// Program start: the setup pages clear the editing state they keep between
// passes (the calibration step run, the date and time being edited).
void ResetSetupPages();
