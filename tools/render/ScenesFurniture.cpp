// Scenes of the screen furniture and the two message pages.
#include "Scenes.h"
#include "graphics/Graphics.h"
#include "pages/HomePage.h"

namespace {

// A setup-page-like screen built only from furniture pieces.
void DrawMenuScreen(uint8_t selection, uint8_t editMode) {
  ClearFrameBuffer();
  MenuState.Selection = selection;
  MenuState.ScrollOffset = 0;
  MenuState.EditMode = editMode;
  DrawTitleBar("SETUP", "VOLTS");
  DrawMenuItem(0, "HIGH ALARM ", "15.0");
  DrawMenuItem(1, "LOW ALARM ", "11.0");
  DrawMenuItem(2, "ALARM ", "ON");
  DrawMenuRow(3, "RESET", ColourWhite);
  DrawMenuRow(4, "GREY ROW", ColourGrey);
  DrawScrollIndicator(selection, 8);
  DrawSoftKeys(2);
  DrawDecimalStepLabel(0);
}

}  // namespace

AXIM_SCENE(furniture_menu_browse) {
  test::PowerOnAt();
  DrawMenuScreen(0, 0);
}

AXIM_SCENE(furniture_menu_edit) {
  test::PowerOnAt();
  MenuState.StepMultiplier = 10;
  DrawMenuScreen(0, 1);
}

AXIM_SCENE(furniture_softkeys_kinds) {
  test::PowerOnAt();
  ClearFrameBuffer();
  DrawTitleBar("SOFT KEYS", "KIND 4");
  DrawSoftKeys(4);
}

AXIM_SCENE(furniture_softkeys_none) {
  test::PowerOnAt();
  ClearFrameBuffer();
  DrawTitleBar("SOFT KEYS", "KIND 0");
  DrawSoftKeys(0);
}

AXIM_SCENE(furniture_noyes) {
  test::PowerOnAt();
  ClearFrameBuffer();
  DrawTitleBar("CONFIRM", "");
  DrawImage(10, 45, IconQuestion);
  DrawString(110, 55, "SURE?", 16, AlignCentre, ColourWhite);
  DrawNoYesKeys();
}

AXIM_SCENE(furniture_step_labels) {
  test::PowerOnAt();
  ClearFrameBuffer();
  DrawTitleBar("STEP", "X100");
  MenuState.Selection = 0;
  MenuState.StepMultiplier = 100;
  DrawMenuItem(0, "VALUE ", "1234");
  DrawScrollIndicator(0, 1);
  DrawSoftKeys(1);
  DrawStepLabel(0);
}

AXIM_SCENE(furniture_scroll_last_of_many) {
  test::PowerOnAt();
  ClearFrameBuffer();
  DrawTitleBar("LIST", "20 ITEMS");
  MenuState.Selection = 19;
  MenuState.ScrollOffset = 15;
  for (int8_t row = 0; row < 5; ++row) DrawMenuRow(row, "FLIGHT 12:34", ColourWhite);
  DrawMenuRow(4, "FLIGHT 12:34", ColourRed);
  DrawScrollIndicator(19, 20);
  DrawSoftKeys(2);
}

AXIM_SCENE(message_done) {
  test::PowerOnAt();
  MenuState.ReturnPage = HomePage;
  PageHandler = MessagePage;
  test::Pass();
}

AXIM_SCENE(message_code_changed) {
  test::PowerOnAt();
  MenuState.ReturnPage = HomePage;
  MenuState.PendingCode = 1;
  PageHandler = CodeMessagePage;
  test::Pass();
}

AXIM_SCENE(message_code_error) {
  test::PowerOnAt();
  MenuState.ReturnPage = HomePage;
  MenuState.PendingCode = 0;
  PageHandler = CodeMessagePage;
  test::Pass();
}
