#include "core/FieldRanges.h"

const char* const OffOnTexts[2] = {"OFF", "ON"};
const char* const ManualAutoTexts[2] = {"MANUAL", "AUTO"};
const char* const ManualRemoteTexts[2] = {"MANUAL", "REMOTE"};
const char* const LowHighTexts[2] = {"LOW", "HIGH"};
const char* const OatUnitTexts[2] = {"°C", "°F"};
