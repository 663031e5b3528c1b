// The interface: HUD, inventory, spell book, descriptions, trade and the
// character sheet.
#pragma once

#include "data/records.h"

extern TList<void*>* MerchantItems;
extern TList<void*>* MerchantSpells;
extern Str MerchantName;
extern uint8_t TradeFromDialogue;

void DrawHud();
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
