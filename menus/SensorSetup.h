// Volts, current, OAT and slip setup with current and slip zeroing.
#pragma once
#include <cstdint>

void VoltsSetupPage();
void EditVoltsItem(uint8_t kind, uint8_t index);
void CurrentSetupPage();
void EditCurrentItem(uint8_t kind, uint8_t index);
void ZeroCurrentPage();
void OatSetupPage();
void EditOatItem(uint8_t kind, uint8_t index);
void SlipSetupPage();
void ZeroSlipPage();

// Shared by the sensor setup lists.
// The menu row of an item under the present scroll offset.
int8_t ItemRow(uint8_t index);
// The scroll thumb and the soft keys after the items of a count-item list;
// a selection beyond the list shows on its last item.
void DrawListFooter(uint8_t count);
// The keys the lists handle themselves once the edit routines have run:
// left back to the main menu on entry, the knob moving through count items
// while nothing is edited. Returns the key, taken from the slot.
uint8_t HandleListKeys(uint8_t entry, uint8_t count);
