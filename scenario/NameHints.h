// Hints for names a scenario file gets wrong: the nearest field names to an
// unknown one, and the quoting a name with [ ] needs inside { }.
#pragma once
#include <string>

// "; the nearest names are 'A', 'B' and 'C'" (by edit distance, case aside).
std::string NearestFieldNames(const std::string& name);

// For a YAML error on line (from 1) of text: when an unquoted name holding
// [ ] stands before a colon there, " (quote a name holding [ ] inside { }:
// { "NAME": ... })"; otherwise "".
std::string FlowMapHint(const std::string& text, int line);
