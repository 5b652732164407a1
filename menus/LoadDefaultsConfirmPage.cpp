// The confirmation before every setting returns to its default.
#include "core/Settings.h"
#include "menus/Menus.h"

void LoadDefaultsConfirmPage() {
  if (!QuestionAnswered("LOAD", "DEFAULT", "SETTINGS?", MiscSetupPage, 3)) return;
  ResetMenuState(3);
  LoadDefaultSettings();
}
