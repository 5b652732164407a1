// Placeholder definitions until the operating pages land.
#include "pages/Pages.h"

uint8_t CodeEntryPurpose;
void HomePage() {}
void CodeEntryPage() {}
void DrawLocalTimeBand() {}
void DrawStatusLetters() {}
void DrawUtcBand() {}
void DrawFlightTimeBand() {}
void DrawStopwatchBand() {}
void DrawCountdownBand() {}
void DrawAlarmClockBand() {}
void DrawElectricalBand() {}
void DrawVoltsBarBand() {}
void DrawOatSmall() {}
void DrawOatLarge() {}
void DrawGLarge() {}
void DrawGMedium() {}
TBarGraphParams BarGraphParams;
void BarGraph() {}
void SetTimerPage() {}
void SetAlarmPage() {}
void DrawMinMaxView() {}
void DrawSlipBall(int16_t) {}
void DrawGMinMaxArrows(int16_t) {}
