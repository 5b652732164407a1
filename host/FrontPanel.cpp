#include "host/FrontPanel.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/Core.h"
#include "core/FieldRanges.h"
#include "host/RunLoop.h"
#include "pages/Pages.h"
#include "pages/ProgramState.h"

namespace {
constexpr int16_t Converter[2] = {ConverterRange.Bottom, ConverterRange.Top};
constexpr int16_t Axis[2] = {AxisCountRange.Bottom, AxisCountRange.Top};
}  // namespace

// clang-format off
const TPanelInputRow PanelInputs[PanelInputCount] = {
  //  name         label        title        bottom        top           start  field
    {"volts",     "Volts:",    "Volts",     Converter[0], Converter[1],    0, "VoltsInput"},
    {"current",   "Current:",  "Current",   Converter[0], Converter[1], 2048, "CurrentInput"},
    {"oat",       "OAT:",      "OAT",       Converter[0], Converter[1],    0, "OatInput"},
    {"x",         "X- Axis:",  "X-axis",    Axis[0],      Axis[1],         0, "AccelRegisters[0]"},
    {"y",         "Y-Axis:",   "Y-axis",    Axis[0],      Axis[1],         0, "AccelRegisters[2]"},
    {"z",         "Z-Axis:",   "Z-axis",    Axis[0],      Axis[1],         0, "AccelRegisters[4]"},
    {"calibrate", "Calibrate", "Calibrate", 0,            1,               1, "CalibrateSwitch"},
};

const TPanelKeyRow PanelKeys[PanelKeyCount] = {
    {KeyLeft,      "left",  "F1"},
    {KeyRight,     "right", "F2"},
    {KeyKnobPress, "knob",  "Knob"},
    {KeyKnobPlus,  "plus",  "+"},
    {KeyKnobMinus, "minus", "-"},
};
// clang-format on

TPanelClock PanelClock;
TFrontPanel FrontPanel;

namespace {

void Tell(TPanelEvent event, uint8_t which, int32_t value, const TField* field = nullptr,
          double fieldValue = 0) {
  const TPanelChange change{
      event, FrontPanel.Acting > 0 ? TPanelActor::Scenario : TPanelActor::User,
      which, value,
      field, fieldValue};
  // A listener may leave while it is told: the slots are read one by one.
  for (uint8_t i = 0; i < PanelListenerCount; ++i)
    if (FrontPanel.Listeners[i] != nullptr) FrontPanel.Listeners[i](change, FrontPanel.Contexts[i]);
}

// Tenths as a number with one decimal; the sign kept for -0.5.
void Tenths(int tenths, char* text, size_t size) {
  std::snprintf(text, size, "%s%d.%d", tenths < 0 ? "-" : "", std::abs(tenths) / 10,
                std::abs(tenths) % 10);
}

}  // namespace

const TPanelKeyRow* PanelKey(uint8_t code) {
  for (const TPanelKeyRow& row : PanelKeys)
    if (row.Code == code) return &row;
  return nullptr;
}

bool FindPanelInput(const char* name, TPanelInput& input) {
  for (uint8_t i = 0; i < PanelInputCount; ++i)
    if (std::strcmp(PanelInputs[i].Name, name) == 0) {
      input = static_cast<TPanelInput>(i);
      return true;
    }
  return false;
}

int64_t PanelClockNow() {
  switch (PanelClock.Mode) {
    case TClockMode::Fixed:
      return PanelClock.Start;
    case TClockMode::Ticking:
      return PanelClock.Start + static_cast<int64_t>(PanelClock.Ticks / 10);
    case TClockMode::System:
      break;
  }
  return SystemClock();
}

void PanelProgramStart() {
  ResetProgramState();
  HostClock = PanelClockNow;
  PageHandler = HomePage;
  for (uint8_t i = 0; i < PanelInputCount; ++i) FrontPanel.Position[i] = PanelInputs[i].Start;
  FrontPanel.Running = 0;
  FrontPanel.Lamp = 128;
  FrontPanel.PassDue = 0;
  FrontPanel.Passes = 0;
}

bool PanelSetInput(TPanelInput input, int32_t position) {
  if (static_cast<uint8_t>(input) >= PanelInputCount) return false;
  const TPanelInputRow& row = PanelRow(input);
  if (position < row.Bottom || position > row.Top) return false;
  FrontPanel.Position[static_cast<uint8_t>(input)] = static_cast<int16_t>(position);
  switch (input) {
    case TPanelInput::Volts:
      VoltsInput = static_cast<uint16_t>(position);
      break;
    case TPanelInput::Current:
      CurrentInput = static_cast<uint16_t>(position);
      break;
    case TPanelInput::Oat:
      OatInput = static_cast<uint16_t>(position);
      break;
    case TPanelInput::X:
    case TPanelInput::Y:
    case TPanelInput::Z:
      WriteAxisInput(static_cast<uint8_t>(static_cast<uint8_t>(input) - 3),
                     static_cast<int16_t>(position));
      break;
    case TPanelInput::Calibrate:
      break;  // sampled by the next pass
  }
  // No pass of its own: the tick's next pass shows it, so that the passes a
  // recording replays are those the instrument ran, however the control moved.
  Tell(TPanelEvent::Input, static_cast<uint8_t>(input), position);
  return true;
}

int32_t PanelInputValue(TPanelInput input) {
  switch (input) {
    case TPanelInput::Volts:
      return VoltsInput;
    case TPanelInput::Current:
      return CurrentInput;
    case TPanelInput::Oat:
      return OatInput;
    case TPanelInput::X:
    case TPanelInput::Y:
    case TPanelInput::Z: {
      const uint8_t axis = static_cast<uint8_t>(input) - 3;
      return static_cast<int16_t>(AccelRegisters[axis * 2] | AccelRegisters[axis * 2 + 1] << 8);
    }
    case TPanelInput::Calibrate:
      break;
  }
  return FrontPanel.Position[static_cast<uint8_t>(TPanelInput::Calibrate)];
}

void PanelReading(TPanelInput input, int32_t count, char* text, size_t size) {
  if (size == 0) return;
  text[0] = '\0';
  if (input == TPanelInput::Calibrate || count < PanelRow(input).Bottom ||
      count > PanelRow(input).Top)
    return;
  const bool running = PanelRunning();
  const TCalibration& calibration = running ? Calibration : GetDefaultCalibration();
  const TSettings& settings = running ? Settings : GetDefaultSettings();
  const auto converter = static_cast<uint16_t>(count);
  const int shown = static_cast<int>(count);
  char number[16];
  switch (input) {
    case TPanelInput::Volts:
      Tenths(CountToVolts(converter, calibration), number, sizeof number);
      std::snprintf(text, size, "%d counts: %s V", shown, number);
      return;
    case TPanelInput::Current:
      Tenths(CountToCurrentTenths(converter, calibration, settings), number, sizeof number);
      std::snprintf(text, size, "%d counts: %s A", shown, number);
      return;
    case TPanelInput::Oat:
      std::snprintf(text, size, "%d counts: %d %s", shown,
                    CelsiusToOat(CountToOatCelsius(converter, calibration), settings),
                    settings.OatUnit == 1 ? "\u00B0F" : "\u00B0C");
      return;
    default: {
      const uint8_t axis = static_cast<uint8_t>(input) - 3;
      const float g = CountToAxisG(static_cast<int16_t>(count), calibration.Axis[axis]);
      std::snprintf(text, size, "%d: %.2f g", shown, static_cast<double>(g));
    }
  }
}

bool PanelPress(uint8_t key) {
  if (PanelKey(key) == nullptr) return false;
  const bool taken = KeySlot == 0;
  DepositKey(key);
  if (taken) FrontPanel.PassDue = 1;
  Tell(TPanelEvent::Key, key, taken ? 1 : 0);
  return taken;
}

void PanelOn() {
  PowerOn();
  FrontPanel.Running = 1;
  FrontPanel.PassDue = 1;
  Tell(TPanelEvent::Power, 0, 1);
}

void PanelOff() {
  RequestStop();
  FrontPanel.PassDue = 1;
  Tell(TPanelEvent::Power, 0, 0);
}

TFieldWrite PanelSetField(const TField& field, double value) {
  const TFieldWrite written = WriteField(field, value);
  if (written != FieldWritten) return written;
  // An input written by name: its control stands where the instrument is.
  TPanelInput input;
  if (PanelFieldInput(field, input))
    FrontPanel.Position[static_cast<uint8_t>(input)] = static_cast<int16_t>(PanelInputValue(input));
  Tell(TPanelEvent::Field, 0, 0, &field, value);
  return written;
}

bool PanelPass() {
  FrontPanel.PassDue = 0;
  if (FrontPanel.Running == 0) return false;
  if (StopRequested != 0) {
    FrontPanel.Running = 0;
    return false;
  }
  CalibrateSwitch = FrontPanel.Position[static_cast<uint8_t>(TPanelInput::Calibrate)] ? 1 : 0;
  FrontPanel.Lamp = AlarmLampRed() ? 255 : 128;
  const TPageHandler page = PageHandler;
  const uint8_t key = KeySlot;
  RunFirmwarePass();
  ++FrontPanel.Passes;
  // A key taken or a page changed shows its effect on the next pass.
  if ((key != 0 && KeySlot == 0) || PageHandler != page) FrontPanel.PassDue = 1;
  Tell(TPanelEvent::Pass, 0, 0);
  return true;
}

void PanelTick() {
  AdvanceTick();
  ++PanelClock.Ticks;
  FrontPanel.PassDue = 1;
  Tell(TPanelEvent::Tick, 0, 0);
}

bool PanelWantsPass() {
  return FrontPanel.Driven == 0 && FrontPanel.Running == 1 &&
         (FrontPanel.PassDue == 1 || StopRequested != 0);
}

bool PanelFieldInput(const TField& field, TPanelInput& input) {
  // An axis has its low and high register in rows one after the other.
  for (uint8_t i = 0; i < PanelSensorCount; ++i) {
    const TField* low = FindField(PanelInputs[i].Field);
    if (low == &field || (i >= 3 && low + 1 == &field)) {
      input = static_cast<TPanelInput>(i);
      return true;
    }
  }
  return false;
}

bool PanelListen(TPanelListener listener, void* context) {
  for (uint8_t i = 0; i < PanelListenerCount; ++i)
    if (FrontPanel.Listeners[i] == nullptr) {
      FrontPanel.Listeners[i] = listener;
      FrontPanel.Contexts[i] = context;
      return true;
    }
  return false;
}

void PanelUnlisten(TPanelListener listener, void* context) {
  for (uint8_t i = 0; i < PanelListenerCount; ++i)
    if (FrontPanel.Listeners[i] == listener && FrontPanel.Contexts[i] == context) {
      FrontPanel.Listeners[i] = nullptr;
      FrontPanel.Contexts[i] = nullptr;
    }
}
