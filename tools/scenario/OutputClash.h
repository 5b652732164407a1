// Two files of one run that would write the same file are refused before
// anything runs.
#pragma once
#include <string>
#include <vector>

#include "scenario/Scenario.h"

// The sentence naming the two files and what both would write; "" when none do.
std::string OutputClash(const std::vector<std::string>& files, const TScenarioOptions& options);
