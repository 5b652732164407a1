// Program start: each module resets what it defines; the pages and setup
// pages that keep editing state between passes are cleared here.
#include "pages/ProgramState.h"

#include "core/Core.h"
#include "graphics/Graphics.h"
#include "pages/Bands.h"
#include "pages/HomePage.h"
#include "pages/PageHandlers.h"

void ResetProgramState() {
  ResetRunState();
  ResetRecords();
  ResetSensors();
  ResetClocks();
  ResetFlightLog();
  ClearFrameBuffer();
  ClearTrigTables();
  ResetTextMarks();
  ResetFurniture();
  BarGraphParams = TBarGraphParams{};
  CodeEntryPurpose = 0;
  ResetSetupPages();
}
