#include "graphics/ShownTexts.h"

#include "graphics/FrameBuffer.h"
#include "graphics/Text.h"

TShownTexts ShownTexts;

void ClearShownTexts() {
  ShownTexts.Count = 0;
  ShownTexts.Dropped = 0;
}

namespace {

uint8_t SizeOf(const uint8_t* font) {
  const uint8_t sizes[] = {8, 9, 10, 12, 16, 20, 24, 30, 34};
  for (uint8_t size : sizes)
    if (SelectFont(size) == font) return size;
  return 0;
}

}  // namespace

void NoteShownText(int16_t x, int16_t y, const char* text, const uint8_t* font, uint16_t width,
                   uint8_t colour) {
  const uint8_t height = font[7];
  if (width == 0 || x >= ScreenWidth || x + width <= 0 || y >= ScreenHeight || y + height <= 0)
    return;
  if (ShownTexts.Count == ShownTextSlots) {
    if (ShownTexts.Dropped != 0xFFFF) ++ShownTexts.Dropped;
    return;
  }
  TShownText& shown = ShownTexts.Texts[ShownTexts.Count++];
  shown.X = x;
  shown.Y = y;
  shown.Width = static_cast<int16_t>(width);
  shown.Size = SizeOf(font);
  shown.Height = height;
  shown.Colour = colour;
  uint8_t length = 0;
  for (; text[length] != 0 && length + 1 < ShownTextLength; ++length)
    shown.Text[length] = text[length];
  shown.Text[length] = 0;
  shown.Cut = text[length] != 0 ? 1 : 0;
}
