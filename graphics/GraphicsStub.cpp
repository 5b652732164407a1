// Placeholder definitions until the drawing library lands.
#include "graphics/Graphics.h"

uint8_t FrameBuffer[FrameBufferSize];
TMenuState MenuState;
int16_t TextStartX;
int16_t TextEndX;
void ClearFrameBuffer() {}
void PutPixel(int16_t, int16_t, uint8_t) {}
void DrawLine(int16_t, int16_t, int16_t, int16_t, uint8_t) {}
void DrawThickLine(int16_t, int16_t, int16_t, int16_t, uint8_t) {}
void DrawHLine(int16_t, int16_t, int16_t, uint8_t) {}
void DrawVLine(int16_t, int16_t, int16_t, uint8_t) {}
void DrawFrame(int16_t, int16_t, int16_t, int16_t, uint8_t) {}
void FillRect(int16_t, int16_t, int16_t, int16_t, uint8_t) {}
void DrawCircle(int16_t, int16_t, int16_t, uint8_t) {}
void DrawArc(int16_t, int16_t, int16_t, int16_t, int16_t, uint8_t) {}
void BuildTrigTables() {}
float SinDeg(int16_t) { return 0; }
float CosDeg(int16_t) { return 0; }
const uint8_t* SelectFont(uint8_t) { return Font8; }
int16_t DrawString(int16_t x, int16_t, const char*, uint8_t, uint8_t, uint8_t) { return x; }
void DrawImage(int16_t, int16_t, const uint8_t*) {}
void DrawTitleBar(const char*, const char*) {}
void DrawSoftKeys(uint8_t) {}
void DrawNoYesKeys() {}
void DrawKnobIcon() {}
void DrawMenuItem(int8_t, const char*, const char*) {}
void DrawMenuRow(int8_t, const char*, uint8_t) {}
void DrawScrollIndicator(uint16_t, uint16_t) {}
void DrawStepLabel(uint8_t) {}
void DrawDecimalStepLabel(uint8_t) {}
void MessagePage() {}
void CodeMessagePage() {}
