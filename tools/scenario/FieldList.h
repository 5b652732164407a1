// Every field a scenario may name, from the one field table, one a line:
// name, type, range and step (or read-only), unit.
#pragma once
#include <string>

std::string FieldListText();
