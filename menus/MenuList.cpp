// The list driver of the setup pages: item i on menu row i - ScrollOffset,
// the selected item's keys acted on right after it is drawn, its step label
// after that, then the scroll thumb, the soft keys, and the keys of the list.
#include "menus/MenuList.h"

#include <cstdio>

#include "core/Settings.h"
#include "graphics/Furniture.h"
#include "graphics/Graphics.h"
#include "menus/MainMenu.h"

namespace {

// The two texts of each two-state value, for 0 and for anything else, in
// the order of TItemShow.
const char* const* const StateTexts[] = {
    OffOnTexts, ManualRemoteTexts, LowHighTexts, OatUnitTexts, ManualAutoTexts,
};

// A text kept in UTF-8 as the fonts draw it: the degree sign is the one byte
// 0xB0 there.
void CopyForFonts(char* text, std::size_t size, const char* utf8) {
  std::size_t length = 0;
  for (; *utf8 != '\0' && length + 1 < size; ++utf8) {
    if (utf8[0] == '\xC2' && utf8[1] == '\xB0') ++utf8;
    text[length++] = *utf8;
  }
  if (size > 0) text[length] = '\0';
}

// The first and the last step of each step set.
struct TStepRange {
  uint16_t First;
  uint16_t Last;
};
const TStepRange StepRanges[] = {
    {1, 1}, {1, 10}, {1, 10}, {1, 100}, {1, 100}, {100, 1000},
};

void FormatValue(const TMenuItem& item, char* text, std::size_t size) {
  const int value = item.Value.Address ? ReadField(item.Value) : 0;
  switch (item.Show) {
    case ShowTenths:
      std::snprintf(text, size, "%.1f", value / 10.0);
      break;
    case ShowWhole:
      std::snprintf(text, size, "%d", value);
      break;
    case ShowWholePercent:
      std::snprintf(text, size, "%d%%", value);
      break;
    case ShowCustom:
      item.Text(text, size);
      break;
    default:
      CopyForFonts(text, size, StateTexts[item.Show - ShowOffOn][value != 0]);
      break;
  }
}

void DrawItem(const TMenuItem& item, uint8_t index) {
  const int8_t row = static_cast<int8_t>(index - MenuState.ScrollOffset);
  char text[32];
  if (item.Show == ShowNothing) {
    DrawMenuRow(row, item.Label, index == MenuState.Selection ? ColourRed : ColourWhite);
  } else if (item.Kind == ItemAction) {
    // A plain row whose whole text is written anew every pass.
    FormatValue(item, text, sizeof text);
    DrawMenuRow(row, text, index == MenuState.Selection ? ColourRed : ColourWhite);
  } else {
    FormatValue(item, text, sizeof text);
    DrawMenuItem(row, item.Label, text);
  }
}

void StepItem(const TMenuItem& item, uint8_t key) {
  if (item.Kind == ItemSwitch) {
    WriteField(item.Value, Flipped(static_cast<uint8_t>(ReadField(item.Value))));
    return;
  }
  const TRange range = item.Limits ? item.Limits() : item.Range;
  const int multiplier = item.Steps == StepsNone ? 1 : MenuState.StepMultiplier;
  const int step = range.Step * multiplier / StepRanges[item.Steps].First * item.Turn;
  WriteField(item.Value, StepValue(static_cast<TStepRule>(item.Rule), ReadField(item.Value),
                                   key == KeyKnobPlus ? step : -step, range.Bottom, range.Top));
}

// The selected item's own keys; the key stays in the slot for the list.
void HandleItemKey(const TMenuItem& item) {
  const uint8_t key = KeySlot;
  if (key == KeyRight && item.Steps != StepsNone) {
    const TStepRange& range = StepRanges[item.Steps];
    MenuState.StepMultiplier = NextStep(MenuState.StepMultiplier, range.First, range.Last);
  } else if (key == KeyKnobPress && item.Kind == ItemAction) {
    if (item.Opens) OpenChild(item.Opens);
    if (item.Press) item.Press();
  } else if (key == KeyKnobPress) {
    MenuState.EditMode = Flipped(MenuState.EditMode);
  } else if ((key == KeyKnobPlus || key == KeyKnobMinus) && MenuState.EditMode == 1 &&
             item.Kind != ItemAction) {
    StepItem(item, key);
  }
}

void DrawStepLabelOf(const TMenuItem& item, uint8_t index) {
  switch (item.Steps) {
    case StepsTenths:
    case StepsTenthsCycle:
      DrawDecimalStepLabel(index);
      break;
    case StepsWhole:
    case StepsWholeCycle:
      DrawStepLabel(index);
      break;
    case StepsHundreds:
      if (index == MenuState.Selection)
        DrawString(134, 104, MenuState.StepMultiplier == 100 ? "X100" : "X1000", 8, AlignCentre,
                   ColourWhite);
      break;
    default:
      break;
  }
}

}  // namespace

uint8_t ShownItems(const TMenuList& list) {
  if (list.ShownWhile && *list.ShownWhile != 1) return list.HiddenFrom;
  return list.Count;
}

void PrepareMenuList(const TMenuList& list, uint8_t count) {
  if (MenuState.Selection >= count && (list.Options & ListKeepsHiddenSelection) == 0) {
    MenuState.Selection = count - 1;
    MenuState.EditMode = 0;
  }
  MenuState.ScrollOffset = MenuState.Selection >= 5 ? MenuState.Selection - 4 : 0;
}

void DrawMenuListItems(const TMenuList& list, uint8_t count) {
  for (uint8_t index = 0; index < count; ++index) {
    const TMenuItem& item = list.Items[index];
    DrawItem(item, index);
    if (KeySlot != KeyNone && index == MenuState.Selection) HandleItemKey(item);
    DrawStepLabelOf(item, index);
  }
}

void DrawMenuListFooter(const TMenuList& list, uint8_t count) {
  // A selection kept on a hidden row shows on the last row.
  if ((list.Options & ListNoScrollBar) == 0)
    DrawScrollIndicator(MenuState.Selection < count ? MenuState.Selection : count - 1, count);
  DrawSoftKeys(SoftKeysBack);
}

uint8_t HandleMenuListKey(const TMenuList& list, uint8_t count) {
  const uint8_t key = TakeKey();
  if (key == KeyLeft) {
    ReturnToParent(list.Parent, list.Page);
    if (list.Options & ListStoresCalibration) StoreCalibration(0);
  } else if ((key == KeyKnobPlus || key == KeyKnobMinus) && MenuState.EditMode == 0) {
    MoveSelection(key, count);
    MenuState.StepMultiplier = list.BrowseStep;
  }
  return key;
}

void RunMenuList(const TMenuList& list) {
  // Taken once so that the whole screen and the keys see one layout.
  const uint8_t count = ShownItems(list);
  PrepareMenuList(list, count);
  DrawTitleBar(list.Title, list.Subtitle);
  DrawMenuListItems(list, count);
  DrawMenuListFooter(list, count);
  HandleMenuListKey(list, count);
}
