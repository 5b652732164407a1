// The "SET TIMER" and "SET ALARM" pages and the "MIN / MAX" view.
#pragma once

void SetTimerPage();
void SetAlarmPage();
void DrawMinMaxView();
