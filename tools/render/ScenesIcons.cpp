// Scenes of the icons: all thirteen on three screens, six at a time, and one
// drawn where the main menu places it.
#include "Scenes.h"
#include "graphics/Graphics.h"
#include "menus/MainMenu.h"
#include "pages/Pages.h"

namespace {

const uint8_t* const AllIcons[] = {
    IconAttention, IconQuestion, IconTick, IconCross, IconFlightTimer, IconGForce, IconTime,
    IconVolts,     IconCurrent,  IconOat,  IconSlip,  IconMisc,        IconAdc,
};

// Icons first..first+5 in a 3 x 2 grid with one-pixel gaps of grey.
void DrawIconGrid(int first) {
  ClearFrameBuffer();
  FillRect(0, 0, 159, 119, 229);
  for (int i = 0; i < 6 && first + i < 13; ++i)
    DrawImage(static_cast<int16_t>(3 + (i % 3) * 52), static_cast<int16_t>(8 + (i / 3) * 54),
              AllIcons[first + i]);
}

}  // namespace

AXIM_SCENE(icons_grid_0) {
  test::PowerOnAt();
  DrawIconGrid(0);
}

AXIM_SCENE(icons_grid_1) {
  test::PowerOnAt();
  DrawIconGrid(6);
}

AXIM_SCENE(icons_grid_2) {
  test::PowerOnAt();
  DrawIconGrid(12);
}

// Drawn past the right edge: clipped at column 159, nothing wraps.
AXIM_SCENE(icons_clipped_right) {
  test::PowerOnAt();
  ClearFrameBuffer();
  DrawImage(130, 41, IconGForce);
  DrawImage(-20, 41, IconTime);
}

// The main menu with each entry selected, as the pilot sees its icon.
#define ICON_MENU_SCENE(n)          \
  AXIM_SCENE(icons_main_menu_##n) { \
    test::PowerOnAt();              \
    PageHandler = MainMenuPage;     \
    MenuState.Selection = n;        \
    test::Pass();                   \
  }
ICON_MENU_SCENE(0)
ICON_MENU_SCENE(1)
ICON_MENU_SCENE(2)
ICON_MENU_SCENE(3)
ICON_MENU_SCENE(4)
ICON_MENU_SCENE(5)
ICON_MENU_SCENE(6)
ICON_MENU_SCENE(7)
ICON_MENU_SCENE(8)
