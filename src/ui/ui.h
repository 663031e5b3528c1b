// The interface: HUD, inventory, spell book, descriptions, trade and the
// character sheet.
#pragma once

#include "data/collections.h"
#include "media/media.h"


// The main loop's interface steps.
void DrawHealthBars();
void HotkeyKeys();
void DrawHotkeyBar();
void DrawGold();
// The two page tabs of the inventory window, or of the trade window.
void DrawWindowTabs(bool trade);
void DrawHud();
// The player's derived values (maximum life and mana, damage and defence
// bounds) from his attributes and the skills of the moment.
void UpdateDerivedValues();
void InventoryScreen();
void SpellBookScreen();
void CharacterSheet();
void TradeItemsPage();
void TradeSpellsPage();
void TradeSpellStock();

TWaffe* FindWeaponByItemId(uint16_t id);
TZauber* FindSpellById(uint16_t id);
void EquipWeaponById(uint16_t id);
void ClearEquippedMark(const Str& kind);
#include "ui/trade.h"
