// The front panel's sensor inputs in the units of the world they measure:
// volts, amperes, degrees and g. A value becomes the converter count the
// sensor would deliver, found through the instrument's own conversion at the
// default calibration (so a calibration the pilot changes shows its effect on
// the reading, as on the real unit); a count reads back as a value the same
// way. Values beyond a converter's range are held at its end and said so.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "host/FrontPanel.h"

enum class TPanelUnit : uint8_t {
  Counts,            // the converter count itself
  Volts,             // V
  Amperes,           // A
  Celsius,           // °C, C, @C
  Fahrenheit,        // °F, F, @F
  G,                 // g
  MetresPerSecond2,  // m/s², m/s2
};

// The unit a text names ("V", "°C", "m/s2", "counts"); false when none.
bool FindPanelUnit(const char* text, TPanelUnit& unit);
// The unit as shown after a number: "V", "°C", "m/s²", "counts".
const char* PanelUnitSymbol(TPanelUnit unit);
// The unit the instrument shows an input in (the OAT in °C); Counts for the box.
TPanelUnit PanelInputUnit(TPanelInput input);
// Whether an input can be given in a unit: counts always, the volts in V, the
// current in A, the OAT in °C or °F, an axis in g or m/s².
bool PanelUnitFits(TPanelInput input, TPanelUnit unit);

// What a value in a unit becomes on a converter.
struct TPanelUnitCount {
  int32_t Count = 0;
  int8_t Beyond = 0;  // -1 below the converter's range, +1 above, held at its end
};
// The count whose reading at the default calibration is nearest the value
// (for a unit that fits the input; a count is rounded and held in range).
TPanelUnitCount PanelUnitToCount(TPanelInput input, double value, TPanelUnit unit);
// What a count reads as in a unit at the default calibration and settings
// (the OAT in °F as the instrument shows it with the unit set to °F).
double PanelCountToUnit(TPanelInput input, int32_t count, TPanelUnit unit);

// A decimal number at the start of text ("-12.5", "+3", "1.2e3"), the same
// in any locale; used is how many characters it took. False when there is
// none, or when it is too large for a double.
bool ReadDecimal(std::string_view text, double& value, size_t& used);

// What a unit field holds when typed: "14.2 V", "-5 °C", "23 F", "1648
// counts", or a bare number in the field's own unit. False when it is no
// value of the input, with the reason in message ("'furlongs' is no unit of
// the Volts input (V or counts)"); true with a value beyond the converter,
// held at its end, and message saying so (PanelBeyondText), else "".
bool PanelParseValue(TPanelInput input, const char* text, TPanelUnit fieldUnit,
                     TPanelUnitCount& count, char* message, size_t size);

// "14.2 V", "-5 °C", "0.99 g", "1648 counts": a value as the unit is shown.
void PanelUnitText(double value, TPanelUnit unit, char* text, size_t size);
// What the conversion says beyond the range, or "" inside it:
// "20 V is beyond the converter: 4096 counts (37.1 V)",
// "-300 °C is below the converter: 0 counts (-273 °C)".
void PanelBeyondText(TPanelInput input, double value, TPanelUnit unit, const TPanelUnitCount& count,
                     char* text, size_t size);

// Named states to start from, in the inputs' own units (V, A, °C, g): the
// window's and the page's flight data panels offer them by name. An axis at
// rest reads 1 g, which its converter holds at its end (0.99 g).
struct TPanelState {
  const char* Name;  // "Parked, engine off"
  double Value[PanelSensorCount];
};
constexpr uint8_t PanelStateCount = 4;
extern const TPanelState PanelStates[PanelStateCount];
// Sets every sensor input to the state, as the user's change.
void PanelApplyState(const TPanelState& state);
