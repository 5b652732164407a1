// The slip ball and the G-force memory arrows.
#pragma once
#include <cstdint>

void DrawSlipBall(int16_t top);
void DrawGMinMaxArrows(int16_t top);
