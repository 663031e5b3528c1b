// The game state as JSON, for dumps and expectations.
#pragma once

#include "replay/json.h"

Json DumpState();
// Adds the grids, equipment, containers, stains, corpses and skills.
void DumpItems(Json& s);
// Adds the trade window: balance, message, stock grids and lists.
void DumpTrade(Json& s);
// Adds the hotkey slots, the drag state and the description box.
void DumpInventoryWindow(Json& s);
// Adds the quests and the journal.
void DumpQuests(Json& s);

// Adds the readied spell (charge, projectile, area, damage over time) and
// the summoned monster.
void DumpSpells(Json& s);
// Set by the driver once the game asked to end (Escape or the close box).
extern bool GameEnded;
