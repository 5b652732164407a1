// Persistence hooks. This unit keeps its records in memory only and starts
// from the defaults at every power-on, so the hooks store nothing.
#include "core/Clock.h"
#include "core/Settings.h"

void LoadStoredState() {}
void StoreSettings() {}
int StoreCalibration(int value) { return value; }
void StoreMinMax() {}
void StoreFlightRecord() {}
