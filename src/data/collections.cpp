// The global collections and current-record variables, and their reset.
#include "data/collections.h"

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

void ResetCollections() {
    Player = new TCharakter;
    for (int slot = 1; slot < 16; ++slot) Player->Fertigkeiten[slot] = new TFertigkeit;
    NpcList = new TList<TCharakter*>;
    EnemyList = new TList<TGegner*>;
    SummonedMonster = new TGegner;
    CorpseList = new TList<TBlut*>;
    BloodStainList = new TList<TBlut*>;
    WeaponList = new TList<TWaffe*>;
    SpellList = new TList<TZauber*>;
    ContainerList = new TList<TBehaelter*>;
    QuestBook = new TList<TQuest*>;
    JournalList = new TList<TEintrag*>;
    ConnectionList = new TList<TVerbindung*>;
    for (int i = 0; i < kInvCols; ++i)
        for (int j = 0; j < kInvRows; ++j) {
            InventoryGrid[i][j] = new TItem;
            SpellBookGrid[i][j] = new TZauberItem;
        }
    for (int i = 0; i < kShopCols; ++i)
        for (int j = 0; j < kShopRows; ++j) {
            ShopItems[i][j] = new TItem;
            ShopSpells[i][j] = new TZauberItem;
        }
    for (auto& h : Hotkeys) h = new THotkey;
    SkillDescriptions[0] = nullptr; // skills count from slot 1
    for (int slot = 1; slot < 16; ++slot) SkillDescriptions[slot] = new TList<Str>;
    EquipBody = new TItem;
    EquipHead = new TItem;
    EquipWeapon = new TItem;
    EquipOffHand = new TItem;
    EquipRing1 = new TItem;
    EquipRing2 = new TItem;
    InvScratchItem = new TItem;
    InvScratchSpell = new TZauberItem;
    CurrentNpc = nullptr;
    CurrentEnemy = nullptr;
    CurrentCorpse = nullptr;
    CurrentBloodStain = nullptr;
    CurrentWeapon = nullptr;
    CurrentSpell = nullptr;
    CurrentContainer = nullptr;
    CurrentQuest = nullptr;
    CurrentTask = nullptr;
    CurrentEntry = nullptr;
    CurrentConnection = nullptr;
}
