// The confirmation before the flight log is erased.
#include "core/Clock.h"
#include "menus/Menus.h"

void EraseLogConfirmPage() {
  if (QuestionAnswered("ERASE", "FLIGHT", "LOG?", FlightTimerSetupPage)) EraseFlightLog();
}
