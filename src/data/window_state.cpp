// The window, pointer and hotkey globals.
#include "data/window_state.h"

uint8_t DialogueOpen, InventoryOpen, SheetOpen, JournalOpen, TradeOpen, InventoryTab;
uint8_t PointerShown;
uint16_t MouseX, MouseY;
uint8_t MouseClicked;
uint8_t SelectedHotkey;
uint8_t HotkeyBarVisible = 1;
TList<void*>* MerchantItems;
TList<void*>* MerchantSpells;
Str MerchantName;
uint8_t TradeFromDialogue;
uint32_t ScreenshotCounter;

void ResetWindowState() {
    DialogueOpen = InventoryOpen = SheetOpen = JournalOpen = TradeOpen = InventoryTab = 0;
    PointerShown = 0;
    MouseX = MouseY = 0;
    MouseClicked = 0;
    SelectedHotkey = 0;
    HotkeyBarVisible = 1;
    MerchantItems = MerchantSpells = nullptr;
    MerchantName.clear();
    TradeFromDialogue = 0;
    ScreenshotCounter = 0;
}
