// The fields of the field table as text, for the tools that show and edit
// them by name (the desktop inspector, the page's): the stored value, the
// value as the instrument shows it, and a typed value written through the
// field's range check with the reason for a refusal.
#pragma once
#include <cstdint>

#include "menus/FieldTable.h"

// A float with the fewest significant digits that read back as it: 0.0033f
// is "0.0033", not 0.00329999998.
void FieldFloatText(float value, char* text, uint16_t size);
// The inspector's name of a group: "Settings", "Flight log".
const char* FieldGroupName(TFieldGroup group);
// The field's stored value: whole numbers in full, floats with the fewest
// digits that still tell them apart (0.0033), page handlers by name; a field
// of an empty flight-log record is "empty".
void FieldValueText(const TField& field, char* text, uint16_t size);
// Whether the instrument shows the field other than as its stored number.
bool FieldHasShown(const TField& field);
// The value now as the instrument shows it ("EMPTY" for the flight time of an
// empty record, as the log viewer; empty for its other fields).
void FieldShownText(const TField& field, char* text, uint16_t size);
// A typed number, or one of a choice field's texts ("ON", "°F").
bool ParseFieldText(const TField& field, const char* text, double& value);

using TFieldWriter = TFieldWrite (*)(const TField& field, double value);
// Writes what was typed (spaces around it ignored) by the writer (the front
// panel's PanelSetField); true when written. Otherwise nothing is written
// and the message names the field and says why.
bool EditField(const TField& field, const char* typed, TFieldWriter write, char* message,
               uint16_t size);
