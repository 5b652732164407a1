// Program start for the whole firmware.
#pragma once

// Puts every firmware global back as the program finds it at start: records
// and readings zero, no page, the store erased, the menu and editing state
// cleared, a black screen.
void ResetProgramState();
