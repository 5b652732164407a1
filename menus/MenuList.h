// Setup lists as item tables, and the one driver that draws them, scrolls
// them, shows their step labels and acts on their browse and edit keys.
#pragma once
#include <cstddef>
#include <cstdint>

#include "core/FieldRanges.h"
#include "core/RunState.h"
#include "pages/Editing.h"

// What an item does with the keys.
enum TItemKind : uint8_t {
  ItemAction,  // plain row: a press opens a page or runs the item's press hook
  ItemSwitch,  // value row of two states: the knob flips it while editing
  ItemNumber,  // the knob steps it in its range by the item's rule while editing
};

// How an item shows its value.
enum TItemShow : uint8_t {
  ShowNothing,  // a plain row
  ShowOffOn,
  ShowManualRemote,
  ShowLowHigh,
  ShowUnit,  // degrees Celsius or Fahrenheit
  ShowManualAuto,
  ShowTenths,        // "%.1f" of tenths
  ShowWhole,         // "%d"
  ShowWholePercent,  // "%d%%"
  ShowCustom,        // written by the item's text hook
};

// The steps the right key cycles through, and the label that shows them.
enum TStepSet : uint8_t {
  StepsNone,         // a fixed step: no label, the right key does nothing
  StepsTenths,       // 1, 10 shown as "X0.1", "X1.0"
  StepsWhole,        // 1, 10 shown as "X1", "X10"
  StepsTenthsCycle,  // 1, 10, 100 shown as "X0.1", "X1.0", "X10.0"
  StepsWholeCycle,   // 1, 10, 100 shown as "X1", "X10", "X100"
  StepsHundreds,     // 100, 1000 shown as "X100", "X1000"
};

// One row of a setup list.
struct TMenuItem {
  const char* Label;
  uint8_t Show = ShowNothing;  // TItemShow
  uint8_t Kind = ItemAction;   // TItemKind
  TFieldRef Value = NoField;
  // ItemNumber: the field's range and step, and how the knob steps it at the
  // ends. One turn changes it by the step times StepMultiplier counted in the
  // first step of the item's set (X100 of a threshold in hundreds is one step).
  TRange Range{};
  uint8_t Rule = StepWrap;    // TStepRule
  uint8_t Steps = StepsNone;  // TStepSet: the right key's steps and their label
  int8_t Turn = 1;            // -1 where turning clockwise lowers the value
  void (*Text)(char* text, std::size_t size) = nullptr;  // ShowCustom
  TPageHandler Opens = nullptr;                          // ItemAction: the page a press opens
  void (*Press)() = nullptr;                             // ItemAction: what a press does besides
  // A range that changes with another setting, taken at the key press.
  TRange (*Limits)() = nullptr;
};

// What sets a list apart from the common pattern.
enum TListOptions : uint8_t {
  ListPlain = 0,
  ListNoScrollBar = 1,        // no scroll indicator at the right edge
  ListStoresCalibration = 2,  // "BACK" stores the calibration record
  // A selection left on a row that has since been hidden stays there (it
  // shows on the last row) instead of moving to the last shown row.
  ListKeepsHiddenSelection = 4,
};

// A setup list page: its title, its items and where it returns.
struct TMenuList {
  TPageHandler Page;  // the page the parent's entry opens to reach this list
  const char* Title;
  const char* Subtitle;
  const TMenuItem* Items;
  uint8_t Count;
  TPageHandler Parent;  // where "BACK" returns, on the entry that opens Page
  // Items from HiddenFrom on are shown only while *ShownWhile is 1.
  uint8_t HiddenFrom = 0;
  const uint8_t* ShownWhile = nullptr;
  uint8_t Options = ListPlain;  // TListOptions
  uint16_t BrowseStep = 1;      // StepMultiplier after each move of the selection
};

template <std::size_t N>
constexpr uint8_t CountOf(const TMenuItem (&)[N]) {
  return static_cast<uint8_t>(N);
}

// The number of items shown now.
uint8_t ShownItems(const TMenuList& list);
// One pass of a list page: draw everything, then act on the key.
void RunMenuList(const TMenuList& list);
// The pieces of RunMenuList, for pages that add their own drawing.
// Brings the selection into the shown items and sets the scroll offset.
void PrepareMenuList(const TMenuList& list, uint8_t count);
// Draws the shown items, each followed by its key handling and step label.
void DrawMenuListItems(const TMenuList& list, uint8_t count);
// The scroll indicator (where the list has one) and the soft keys.
void DrawMenuListFooter(const TMenuList& list, uint8_t count);
// Takes the key: "BACK" returns to the parent, the knob moves the selection
// while nothing is edited. Returns the key.
uint8_t HandleMenuListKey(const TMenuList& list, uint8_t count);

// Page changes in the menu tree.
// Opens a child page on its first item.
void OpenChild(TPageHandler child);
// Returns to the parent with the entry that leads to `via` selected.
void ReturnToParent(TPageHandler parent, TPageHandler via);
// The index of the parent's entry that opens `child`.
uint8_t EntryOf(TPageHandler parent, TPageHandler child);

// The list tables the parents are found in.
extern const TMenuList MainMenuList;
extern const TMenuList MiscList;
extern const TMenuList FlightTimerList;
extern const TMenuList TimeList;
extern const TMenuList SecurityList;
extern const TMenuList GForceList;
extern const TMenuList CurrentList;
extern const TMenuList SlipList;
