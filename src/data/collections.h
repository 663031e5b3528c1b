// The global collections of the game world, the item grids and equipment
// slots, and the current-record variables through which functions receive
// their subject.
//
// Lifetime: per run. Start-up fills them and they live until the process
// ends; ResetGameState makes them anew. Records that are not on a map
// carry the name of their map (MapName) and stay in the lists when the
// map changes. The current-record variables are per step: each pass sets
// the one it works on before it calls into the rules.
#pragma once

#include "data/records.h"

extern TCharakter* Player;
extern TList<TCharakter*>* NpcList;
extern TList<TGegner*>* EnemyList;
extern TGegner* SummonedMonster;
extern TList<TBlut*>* CorpseList;
extern TList<TBlut*>* BloodStainList;
extern TList<TWaffe*>* WeaponList;
extern TList<TZauber*>* SpellList;
extern TList<TBehaelter*>* ContainerList;
extern TList<TQuest*>* QuestBook;
extern TList<TEintrag*>* JournalList;
extern TList<TVerbindung*>* ConnectionList;

constexpr int kInvCols = 6, kInvRows = 5, kShopCols = 4, kShopRows = 5, kHotkeys = 10;
extern TItem* InventoryGrid[kInvCols][kInvRows];
extern TZauberItem* SpellBookGrid[kInvCols][kInvRows];
extern TItem* ShopItems[kShopCols][kShopRows];
extern TZauberItem* ShopSpells[kShopCols][kShopRows];
extern THotkey* Hotkeys[kHotkeys];
extern TList<Str>* SkillDescriptions[16];

extern TItem* EquipBody;
extern TItem* EquipHead;
extern TItem* EquipWeapon;
extern TItem* EquipOffHand;
extern TItem* EquipRing1;
extern TItem* EquipRing2;
// Scratch records of the inventory window (the carried item and spell).
extern TItem* InvScratchItem;
extern TZauberItem* InvScratchSpell;

// Current-record variables.
extern TCharakter* CurrentNpc;
extern TGegner* CurrentEnemy;
extern TBlut* CurrentCorpse;
extern TBlut* CurrentBloodStain;
extern TWaffe* CurrentWeapon;
extern TZauber* CurrentSpell;
extern TBehaelter* CurrentContainer;
extern TQuest* CurrentQuest;
extern TAufgabe* CurrentTask;
extern TEintrag* CurrentEntry;
extern TVerbindung* CurrentConnection;

// Makes every collection, grid, slot and skill record anew and empty (the
// player a blank record), and clears the current-record variables. The
// old records are left alone: nothing is ever freed, since a removed record
// may still be referenced for the rest of the frame.
void ResetCollections();
