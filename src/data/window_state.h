// The state of the interface windows, the pointer and the hotkey bar that
// every layer reads.
//
// Lifetime: per run, changed from frame to frame by the main loop and the
// windows. MouseX, MouseY and MouseClicked are per frame: refreshed by the
// main loop only while a window shows the pointer.
#pragma once

#include "media/list.h"
#include "media/strings.h"

#include <cstdint>

// Window flags (0 = closed).
extern uint8_t DialogueOpen;
extern uint8_t InventoryOpen;
extern uint8_t SheetOpen;
extern uint8_t JournalOpen;
extern uint8_t TradeOpen;
// Page of the inventory and trade windows: 0 items, 1 spells.
extern uint8_t InventoryTab;

extern uint8_t PointerShown;
extern uint16_t MouseX, MouseY;
extern uint8_t MouseClicked;

// Hotkey of the weapon or spell in hand (1..10, 0 none), and whether the
// bar is shown.
extern uint8_t SelectedHotkey;
extern uint8_t HotkeyBarVisible;

// The trade window's other side: the contents of the merchant's or the
// container's stock (untyped, as in TBehaelter), the container's name, and
// whether the window was opened from a dialogue.
extern TList<void*>* MerchantItems;
extern TList<void*>* MerchantSpells;
extern Str MerchantName;
extern uint8_t TradeFromDialogue;

// Number of the last F12 screenshot.
extern uint32_t ScreenshotCounter;
constexpr uint32_t kMaxScreenshots = 99999;

// True when no window is open.
inline bool NoWindowOpen() {
    return DialogueOpen == 0 && InventoryOpen == 0 && SheetOpen == 0 && JournalOpen == 0 &&
           TradeOpen == 0;
}

// Every window closed, the pointer hidden, the hotkey bar shown.
void ResetWindowState();
