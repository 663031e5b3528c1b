// The global collections and current-record variables.
#include "data/records.h"

TCharakter* Player = nullptr;
TList<TCharakter*>* NpcList = nullptr;
TList<TGegner*>* EnemyList = nullptr;
TGegner* SummonedMonster = nullptr;
TList<TBlut*>* CorpseList = nullptr;
TList<TBlut*>* BloodStainList = nullptr;
TList<TWaffe*>* WeaponList = nullptr;
TList<TZauber*>* SpellList = nullptr;
TList<TBehaelter*>* ContainerList = nullptr;
TList<TQuest*>* QuestBook = nullptr;
TList<TEintrag*>* JournalList = nullptr;
TList<TVerbindung*>* ConnectionList = nullptr;

TItem* InventoryGrid[kInvCols][kInvRows] = {};
TZauberItem* SpellBookGrid[kInvCols][kInvRows] = {};
TItem* ShopItems[kShopCols][kShopRows] = {};
TZauberItem* ShopSpells[kShopCols][kShopRows] = {};
THotkey* Hotkeys[kHotkeys] = {};
TList<Str>* SkillDescriptions[16] = {};

TItem* EquipBody = nullptr;
TItem* EquipHead = nullptr;
TItem* EquipWeapon = nullptr;
TItem* EquipOffHand = nullptr;
TItem* EquipRing1 = nullptr;
TItem* EquipRing2 = nullptr;
TItem* InvScratchItem = nullptr;
TZauberItem* InvScratchSpell = nullptr;

TCharakter* CurrentNpc = nullptr;
TGegner* CurrentEnemy = nullptr;
TBlut* CurrentCorpse = nullptr;
TBlut* CurrentBloodStain = nullptr;
TWaffe* CurrentWeapon = nullptr;
TZauber* CurrentSpell = nullptr;
TBehaelter* CurrentContainer = nullptr;
TQuest* CurrentQuest = nullptr;
TAufgabe* CurrentTask = nullptr;
TEintrag* CurrentEntry = nullptr;
TVerbindung* CurrentConnection = nullptr;
