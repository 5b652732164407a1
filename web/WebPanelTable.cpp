// The front panel's tables for the page's script, as JSON: the inputs (name,
// label, title, range, start) and the keys (code, name, label). The page
// draws its controls from them and keeps no copy of its own.
#include <emscripten/emscripten.h>

#include <string>

#include "host/FrontPanel.h"
#include "web/WebJson.h"

namespace {

std::string Table() {
  std::string json = "{\"inputs\":[";
  for (uint8_t i = 0; i < PanelInputCount; ++i) {
    const TPanelInputRow& row = PanelInputs[i];
    json += std::string(i ? "," : "") + "{\"name\":" + JsonString(row.Name) +
            ",\"label\":" + JsonString(row.Label) + ",\"title\":" + JsonString(row.Title) +
            ",\"bottom\":" + std::to_string(row.Bottom) + ",\"top\":" + std::to_string(row.Top) +
            ",\"start\":" + std::to_string(row.Start) + "}";
  }
  json += "],\"keys\":[";
  for (uint8_t i = 0; i < PanelKeyCount; ++i) {
    const TPanelKeyRow& row = PanelKeys[i];
    json += std::string(i ? "," : "") + "{\"code\":" + std::to_string(row.Code) +
            ",\"name\":" + JsonString(row.Name) + ",\"label\":" + JsonString(row.Label) + "}";
  }
  return json + "]}";
}

}  // namespace

extern "C" EMSCRIPTEN_KEEPALIVE const char* axim_panel_table() {
  static const std::string Text = Table();
  return Text.c_str();
}
