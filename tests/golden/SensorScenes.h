// The scenes of the G-force and sensor setup pages. Each leaves the page
// drawn in FrameBuffer.
#pragma once
#include <initializer_list>

#include "menus/Menus.h"
#include "support/Instrument.h"
#include "support/Scene.h"

namespace sensorscreens {

// Power on with fixed inputs, open a main-menu entry, apply keys, draw.
inline void OpenEntry(uint8_t entry) {
  test::PowerOnAt();
  test::SetInputs(1500, 2100, 2400);
  test::SettleAxes(3, -4, -296);
  PageHandler = MainMenuPage;
  ResetMenuState(0);
  test::Pass();
  test::PressTimes(KeyKnobPlus, entry);
  test::Press(KeyKnobPress);
}

inline void Keys(std::initializer_list<uint8_t> keys) {
  for (uint8_t key : keys) test::Press(key);
  test::Pass();
}

inline void GForceSetup() {
  OpenEntry(1);
  Keys({});
}
inline void GForceSetupCalSelected() {
  OpenEntry(1);
  Keys({KeyKnobMinus});
}
inline void GForceSetupNoCal() {
  OpenEntry(1);
  test::SetCalibrate(false);
  Keys({KeyKnobMinus, KeyKnobPress, KeyRight, KeyKnobPlus});
}
inline void CalWarning() {
  OpenEntry(1);
  Keys({KeyKnobMinus, KeyKnobPress});
}
inline void CalAxis() {
  OpenEntry(1);
  Keys({KeyKnobMinus, KeyKnobPress, KeyKnobPress, KeyKnobPlus, KeyKnobPlus});
}
inline void CalStepReady() {
  OpenEntry(1);
  Keys({KeyKnobMinus, KeyKnobPress, KeyKnobPress, KeyKnobPress});
}
inline void CalStepNotReady() {
  OpenEntry(1);
  Keys({KeyKnobMinus, KeyKnobPress, KeyKnobPress});
  test::PressTimes(KeyKnobPlus, 4);
  Keys({KeyKnobPress});
}
inline void VoltsSetup() {
  OpenEntry(3);
  Keys({KeyRight});
}
inline void VoltsCal() {
  OpenEntry(3);
  Keys({KeyKnobMinus, KeyKnobPress, KeyKnobPlus});
}
inline void CurrentSetup() {
  OpenEntry(4);
  Keys({KeyKnobPlus, KeyKnobPlus});
}
inline void CurrentGain() {
  OpenEntry(4);
  Keys({KeyKnobMinus, KeyRight, KeyRight});
}
inline void CurrentOff() {
  OpenEntry(4);
  Keys({KeyKnobPress, KeyKnobPlus, KeyKnobPress});
}
inline void ZeroCurrent() {
  OpenEntry(4);
  Keys({KeyKnobMinus, KeyKnobMinus, KeyKnobPress});
}
inline void OatCelsius() {
  OpenEntry(5);
  Keys({KeyKnobPlus, KeyKnobPlus, KeyKnobPlus, KeyRight});
}
inline void OatFahrenheit() {
  OpenEntry(5);
  Keys({KeyKnobPlus, KeyKnobPress, KeyKnobPlus});
}
inline void OatCal() {
  OpenEntry(5);
  Settings.OatUnit = 1;
  Keys({KeyKnobMinus, KeyKnobPress, KeyKnobMinus, KeyKnobMinus});
}
inline void SlipSetup() {
  OpenEntry(6);
  Keys({KeyKnobMinus});
}
inline void SlipOff() {
  OpenEntry(6);
  Keys({KeyKnobPress, KeyKnobPlus});
}
inline void ZeroSlip() {
  OpenEntry(6);
  Keys({KeyKnobMinus, KeyKnobPress});
}

inline constexpr test::TScene SensorScenes[] = {
    {"sensor_gforce_setup", GForceSetup},
    {"sensor_gforce_setup_cal_selected", GForceSetupCalSelected},
    {"sensor_gforce_setup_nocal_edit", GForceSetupNoCal},
    {"sensor_cal_warning", CalWarning},
    {"sensor_cal_axis", CalAxis},
    {"sensor_cal_step_ready", CalStepReady},
    {"sensor_cal_step_not_ready", CalStepNotReady},
    {"sensor_volts_setup", VoltsSetup},
    {"sensor_volts_cal_edit", VoltsCal},
    {"sensor_current_setup", CurrentSetup},
    {"sensor_current_gain", CurrentGain},
    {"sensor_current_display_off", CurrentOff},
    {"sensor_zero_current", ZeroCurrent},
    {"sensor_oat_celsius", OatCelsius},
    {"sensor_oat_fahrenheit_edit", OatFahrenheit},
    {"sensor_oat_cal_edit", OatCal},
    {"sensor_slip_setup", SlipSetup},
    {"sensor_slip_display_off", SlipOff},
    {"sensor_zero_slip", ZeroSlip},
};

}  // namespace sensorscreens
