// The page's inspector: every field of the firmware's one field table by
// name, in the groups the desktop inspector shows, with the texts of
// menus/FieldText (the stored value, the value as the instrument shows it)
// and edits written through the front panel, within the one list of ranges;
// and the texts the last pass drew.
#include <emscripten/emscripten.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "graphics/ShownTexts.h"
#include "host/FrontPanel.h"
#include "menus/FieldText.h"
#include "scenario/DisplayTexts.h"
#include "web/WebJson.h"

namespace {

std::string InspectorText;
char EditMessage[512];

}  // namespace

extern "C" {

// The groups in their order, and one row per field of the table:
// {"groups":["Page",...],"fields":[{"name":"Settings.VoltsHighAlarm",
// "group":5,"settable":1},...]}; a field's row is its index in the table.
EMSCRIPTEN_KEEPALIVE const char* axim_inspector_table() {
  InspectorText = "{\"groups\":[";
  for (int g = GroupPage; g <= GroupFlightLog; ++g) {
    if (g != GroupPage) InspectorText += ',';
    InspectorText += JsonString(FieldGroupName(static_cast<TFieldGroup>(g)));
  }
  InspectorText += "],\"fields\":[";
  for (uint16_t i = 0; i < FieldCount; ++i) {
    InspectorText += i == 0 ? "{\"name\":" : ",{\"name\":";
    InspectorText += JsonString(Fields[i].Name);
    InspectorText += ",\"group\":" + std::to_string(Fields[i].Group) +
                     ",\"settable\":" + std::to_string(Fields[i].Settable) + '}';
  }
  InspectorText += "]}";
  return InspectorText.c_str();
}

// Every field now, one line each in the table's order: the stored value, a
// tab, the value as the instrument shows it (empty where it shows none).
EMSCRIPTEN_KEEPALIVE const char* axim_inspector_values() {
  InspectorText.clear();
  char text[64];
  for (uint16_t i = 0; i < FieldCount; ++i) {
    FieldValueText(Fields[i], text, sizeof text);
    InspectorText += text;
    InspectorText += '\t';
    if (FieldHasShown(Fields[i])) {
      FieldShownText(Fields[i], text, sizeof text);
      InspectorText += text;
    }
    InspectorText += '\n';
  }
  return InspectorText.c_str();
}

// What the user typed for a field, written through the front panel: 1 when
// written, 0 with the reason in axim_inspector_message (nothing written).
EMSCRIPTEN_KEEPALIVE int axim_inspector_edit(int field, const char* typed) {
  if (field < 0 || field >= FieldCount) {
    std::snprintf(EditMessage, sizeof EditMessage, "No such field.");
    return 0;
  }
  return EditField(Fields[field], typed, PanelSetField, EditMessage, sizeof EditMessage) ? 1 : 0;
}
EMSCRIPTEN_KEEPALIVE const char* axim_inspector_message() { return EditMessage; }

// The texts the last pass drew, in the order drawn, one a line: the text, a
// tab, where its character cells begin ("at (x, y)"); read again only when
// the record of them changed. The first line counts them.
EMSCRIPTEN_KEEPALIVE const char* axim_inspector_display() {
  static TShownTexts seen{};
  static std::string said = "0\n";
  if (std::memcmp(&seen, &ShownTexts, sizeof seen) == 0) return said.c_str();
  std::memcpy(&seen, &ShownTexts, sizeof seen);
  const std::vector<TDisplayText> texts = DisplayTexts();
  said = std::to_string(texts.size());
  if (ShownTexts.Dropped > 0) said += ", " + std::to_string(ShownTexts.Dropped) + " more not kept";
  said += '\n';
  for (const TDisplayText& t : texts)
    said += "\"" + t.Text + "\"\tat (" + std::to_string(t.X) + ", " + std::to_string(t.Y) + ")\n";
  return said.c_str();
}

}  // extern "C"
