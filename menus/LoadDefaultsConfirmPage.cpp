// The confirmation before every setting returns to its default.
#include "core/Settings.h"
#include "graphics/Furniture.h"
#include "menus/Menus.h"

void LoadDefaultsConfirmPage() {
  if (!QuestionAnswered("LOAD", "DEFAULT", "SETTINGS?", MiscSetupPage)) return;
  ResetMenuState(MenuState.Selection);
  LoadDefaultSettings();
}
