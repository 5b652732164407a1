// Scenes of the home views, the timer and alarm pages, the code entry and
// the min/max view, in the fixed states of the golden screens.
#include "Scenes.h"
#include "golden/HomeScreens.h"

AXIM_SCENE(home_view0) { homescreens::View(0); }
AXIM_SCENE(home_view1_manual) { homescreens::View(1); }
AXIM_SCENE(home_view1_remote) { homescreens::View1Remote(); }
AXIM_SCENE(home_view2) { homescreens::View(2); }
AXIM_SCENE(home_view3) { homescreens::View(3); }
AXIM_SCENE(home_view4) { homescreens::View(4); }
AXIM_SCENE(home_view5) { homescreens::View(5); }
AXIM_SCENE(home_view5_volts_only) { homescreens::View5VoltsOnly(); }
AXIM_SCENE(home_view6) { homescreens::View(6); }
AXIM_SCENE(home_view7) { homescreens::View(7); }
AXIM_SCENE(home_view0_slip_off) { homescreens::View0SlipOff(); }
AXIM_SCENE(home_view2_slip_off) { homescreens::View2SlipOff(); }
AXIM_SCENE(home_view5_alarm) { homescreens::View5Alarm(); }
AXIM_SCENE(home_view5_volts_only_alarm) { homescreens::View5VoltsOnlyAlarm(); }
AXIM_SCENE(home_view7_marked) { homescreens::View7Marked(); }
AXIM_SCENE(home_set_timer) { homescreens::SetTimer(); }
AXIM_SCENE(home_set_alarm) { homescreens::SetAlarm(); }
AXIM_SCENE(home_code_entry) { homescreens::CodeEntry(); }
