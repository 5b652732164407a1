// What a playing step is doing, in words for the status line.
#pragma once
#include <string>

#include "scenario/Scenario.h"

// "Pressing the knob", "Waiting 1 s", "Checking the screen"; a say step's
// and a do step's own words.
std::string StepSentence(const TStep& step);
