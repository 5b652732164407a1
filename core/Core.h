// Instrument core: records, sensor conversion and alarms, clocks and timers.
#pragma once
#include "core/Clock.h"
#include "core/RunState.h"
#include "core/Sensors.h"
#include "core/Settings.h"
