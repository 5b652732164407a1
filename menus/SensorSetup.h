// Volts, current, OAT and slip setup with current and slip zeroing.
#pragma once

void VoltsSetupPage();
void CurrentSetupPage();
void ZeroCurrentPage();
void OatSetupPage();
void SlipSetupPage();
void ZeroSlipPage();
