// The fixed screens of every menu page that the golden test freezes and the
// renderer draws.
#pragma once
#include "support/Pilot.h"

namespace menutest {

using test::EnterCode;
using test::OpenAutoBacklight;
using test::OpenChangeCodeRow;
using test::OpenMainEntry;
using test::OpenMainMenu;
using test::OpenMiscEntry;
using test::WriteLogSlot;

struct TMenuScene {
  const char* Name;
  void (*Body)();
};

// Each body leaves its page's screen in the frame buffer.
inline const TMenuScene MenuScenes[] = {
    {"menu_main_flight_timer", [] { OpenMainMenu(); }},
    {"menu_main_gforce", [] { OpenMainMenu(), test::PressTimes(KeyKnobPlus, 1), test::Pass(); }},
    {"menu_main_time", [] { OpenMainMenu(), test::PressTimes(KeyKnobPlus, 2), test::Pass(); }},
    {"menu_main_volts", [] { OpenMainMenu(), test::PressTimes(KeyKnobPlus, 3), test::Pass(); }},
    {"menu_main_current", [] { OpenMainMenu(), test::PressTimes(KeyKnobPlus, 4), test::Pass(); }},
    {"menu_main_oat", [] { OpenMainMenu(), test::PressTimes(KeyKnobPlus, 5), test::Pass(); }},
    {"menu_main_slip", [] { OpenMainMenu(), test::PressTimes(KeyKnobPlus, 6), test::Pass(); }},
    {"menu_main_misc", [] { OpenMainMenu(), test::PressTimes(KeyKnobPlus, 7), test::Pass(); }},
    {"menu_main_adc", [] { OpenMainMenu(), test::PressTimes(KeyKnobMinus, 1), test::Pass(); }},
    {"menu_misc", [] { OpenMainEntry(7), test::PressTimes(KeyKnobPlus, 2), test::Pass(); }},
    {"menu_adc_values",
     [] {
       OpenMainEntry(8);
       test::SetInputs(2500, 2048, 1234);
       test::SettleAxes(120, -45, 300);
     }},
    {"menu_adc_values_scrolled",
     [] {
       OpenMainEntry(8);
       test::SetInputs(2500, 2048, 1234);
       test::SettleAxes(120, -45, 300);
       test::PressTimes(KeyKnobMinus, 1);
       test::Pass();
     }},
    {"menu_flight_timer", [] { OpenMainEntry(0); }},
    {"menu_flight_timer_display_off",
     [] {
       OpenMainEntry(0);
       test::PressTimes(KeyKnobPlus, 2);
       test::Press(KeyKnobPress);
       test::Press(KeyKnobPlus);
       test::Pass();
     }},
    {"menu_flight_log_empty", [] { OpenMainEntry(0), test::Press(KeyKnobPress), test::Pass(); }},
    {"menu_flight_log_record",
     [] {
       OpenMainEntry(0);
       WriteLogSlot(1, test::DefaultUtc - 7 * 86400, 2 * 36000 + 35 * 600 + 9 * 10);
       FlightLogHead = 2;
       test::Press(KeyKnobPress);
       test::Press(KeyKnobPlus);
       test::Pass();
     }},
    {"menu_erase_log_confirm",
     [] { OpenMainEntry(0), test::Press(KeyKnobPlus), test::Press(KeyKnobPress), test::Pass(); }},
    {"menu_time_setup", [] { OpenMainEntry(2); }},
    {"menu_time_setup_scrolled",
     [] {
       OpenMainEntry(2);
       test::PressTimes(KeyKnobMinus, 1);
       test::Press(KeyKnobPress);
       test::Pass();
     }},
    {"menu_time_setup_offset_edit",
     [] {
       OpenMainEntry(2);
       test::Press(KeyKnobPlus);
       test::Press(KeyKnobPress);
       test::PressTimes(KeyKnobMinus, 11);
       test::Pass();
     }},
    {"menu_set_utc_time", [] { OpenMainEntry(2), test::Press(KeyKnobPress), test::Pass(); }},
    {"menu_set_utc_time_minute",
     [] {
       OpenMainEntry(2);
       test::Press(KeyKnobPress);
       test::PressTimes(KeyKnobPress, 4);
       test::Pass();
     }},
    {"menu_backlight_manual",
     [] { OpenMiscEntry(0), test::PressTimes(KeyKnobMinus, 4), test::Pass(); }},
    {"menu_backlight_auto", [] { OpenAutoBacklight(1); }},
    {"menu_backlight_auto_x1000",
     [] {
       OpenAutoBacklight(1);
       test::Press(KeyKnobPress);
       test::Press(KeyRight);
       test::Press(KeyKnobPlus);
       test::Pass();
     }},
    {"menu_security_off", [] { OpenMiscEntry(1); }},
    {"menu_security_on", [] { OpenChangeCodeRow(); }},
    {"menu_code_verify", [] { OpenChangeCodeRow(), test::Press(KeyKnobPress), test::Pass(); }},
    {"menu_code_new",
     [] {
       OpenChangeCodeRow();
       test::Press(KeyKnobPress);
       EnterCode(6283);
       test::PressTimes(KeyKnobPlus, 4);
       test::Press(KeyKnobPress);
       test::PressTimes(KeyKnobMinus, 2);
       test::Pass();
     }},
    {"menu_code_confirm",
     [] {
       OpenChangeCodeRow();
       test::Press(KeyKnobPress);
       EnterCode(6283);
       EnterCode(4812);
       EnterCode(4812, false);
     }},
    {"menu_code_changed",
     [] {
       OpenChangeCodeRow();
       test::Press(KeyKnobPress);
       EnterCode(6283);
       EnterCode(4812);
       EnterCode(4812);
     }},
    {"menu_info", [] { OpenMiscEntry(2); }},
    {"menu_load_defaults_confirm", [] { OpenMiscEntry(3); }},
};

}  // namespace menutest
