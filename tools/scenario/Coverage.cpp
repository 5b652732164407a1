#include "Coverage.h"

#include "menus/FieldTable.h"
#include "menus/MenuList.h"

namespace {

const TMenuList* const Lists[] = {&MainMenuList, &MiscList,   &FlightTimerList, &TimeList,
                                  &SecurityList, &GForceList, &CurrentList,     &SlipList};

std::string RowName(const TMenuList& list, int row) {
  return std::string(list.Title) + " / " + list.Items[row].Label;
}

std::string CurrentPage() {
  const char* name = PageName(PageHandler);
  return name ? name : "(a page without a name)";
}

std::string Json(const std::string& text) {
  std::string out = "\"";
  for (const unsigned char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\', out += static_cast<char>(c);
    } else if (c < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", c);
      out += escape;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

}  // namespace

TCoverageListener::TCoverageListener(TCoverage& into) : Into(into) { PanelListen(Heard, this); }

TCoverageListener::~TCoverageListener() { PanelUnlisten(Heard, this); }

void TCoverageListener::Heard(const TPanelChange& change, void* context) {
  TCoverage& into = static_cast<TCoverageListener*>(context)->Into;
  if (change.Event == TPanelEvent::Key && change.Value == 1) {
    // The page current when the key is deposited is the one the next pass hands it to.
    into.Keys[CurrentPage()][KeyName(change.Which)] += 1;
  } else if (change.Event == TPanelEvent::Pass) {
    into.Pages[CurrentPage()] += 1;
    static const TField* selection = FindField("MenuState.Selection");
    const int row = selection ? static_cast<int>(ReadField(*selection)) : -1;
    for (const TMenuList* list : Lists)
      if (list->Page == PageHandler && row >= 0 && row < list->Count)
        into.Rows[RowName(*list, row)] += 1;
  }
}

std::vector<std::string> AllSetupRows() {
  std::vector<std::string> rows;
  for (const TMenuList* list : Lists)
    for (int i = 0; i < list->Count; ++i) rows.push_back(RowName(*list, i));
  return rows;
}

std::string CoverageJson(const TCoverage& c, int files) {
  std::string out = "{\n  \"files\": " + std::to_string(files) + ",\n  \"pages\": {";
  // Items of a map or list, a comma before all but the first.
  bool first = true;
  const auto item = [&](const std::string& text) {
    out += first ? "\n    " : ",\n    ";
    out += text;
    first = false;
  };
  for (const auto& [page, passes] : c.Pages) {
    std::string keys;
    const auto taken = c.Keys.find(page);
    if (taken != c.Keys.end())
      for (const auto& [key, count] : taken->second) {
        if (!keys.empty()) keys += ", ";
        keys += Json(key);
        keys += ": ";
        keys += std::to_string(count);
      }
    item(Json(page) + ": { \"passes\": " + std::to_string(passes) + ", \"keys\": { " + keys +
         " } }");
  }
  out += "\n  },\n  \"pagesNotShown\": [";
  first = true;
  for (uint16_t i = 0; i < PageNameCount; ++i)
    if (!c.Pages.count(PageNames[i].Name)) item(Json(PageNames[i].Name));
  out += "\n  ],\n  \"rows\": {";
  first = true;
  for (const auto& [row, passes] : c.Rows) item(Json(row) + ": " + std::to_string(passes));
  out += "\n  },\n  \"rowsNotSelected\": [";
  first = true;
  for (const std::string& row : AllSetupRows())
    if (!c.Rows.count(row)) item(Json(row));
  return out + "\n  ]\n}\n";
}
