// Flight timer setup, flight log viewer and erase confirmation.
#pragma once

void FlightTimerSetupPage();
void FlightLogViewPage();
void EraseLogConfirmPage();
