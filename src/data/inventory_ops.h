// Putting items into the player's grid and the merchant's stock grid,
// asking whether the inventory holds an item and taking units out of it.
// The trade window moves units with these; quests give and take items
// with them.
#pragma once

#include <cstdint>

struct TItem;

// Gold in item form carries this ID; its units become Gold on closing.
constexpr uint16_t kGoldItemId = 1;
// Counts are 8-bit: no cell ever holds more units than this.
constexpr int kMaxStack = 255;

// The grid cell a click found last (inventory, spell book or trade window);
// the source of a transfer. Lifetime: per run.
extern int ClickCellX, ClickCellY;

// Makes a grid cell empty: no item, no units, no trade marks.
void EmptyItemCell(TItem* c);
// Moves or lays out units of item `id`. target 1 = the player's grid, 2 =
// ShopItems; transfer 1 = taken from the other grid's cell (ClickCellX,
// ClickCellY), 0 = laying out stock or giving the player items. Fills the
// first fitting cells in row order, never past kMaxStack units a cell.
// Returns how many units found a place; on a transfer the source cell
// loses exactly those.
int PlaceItem(uint16_t id, int count, int target, int transfer);
// 1 if some inventory cell, in row order, holds `id` with at least `count`
// units, else 0. `flag` has no effect.
int InventoryHasItem(uint16_t id, int count, int flag);
// Takes `count` units of item `id` out of the first inventory cell, in row
// order, that holds at least that many. A cell left without units becomes
// empty; if it was equipped, its equipment slot is cleared too (body armour
// falls back to the starting clothes). Returns whether units were taken.
bool RemoveInventoryItem(uint16_t id, int count);
