// The fuzz targets: the file each one replaces and how the game reads it.
#include "fuzz_targets.h"

#include "data/collections.h"
#include "data/loaders.h"
#include "data/map_format.h"
#include "media/media.h"
#include "replay/script.h"
#include "story/story.h"
#include "story/text.h"
#include "world/world.h"

namespace {
// Each load fills a new list, as a new game would. The records of earlier
// loads are never freed (as in the game), which is why the fuzzer is
// restarted every few thousand inputs.
template <class T> void Fresh(TList<T>*& list) {
    list = new TList<T>;
}

void Map(const std::string& bytes) {
    // Large maps take the same paths as small ones, only slower: inputs
    // announcing more than 128 x 128 cells stop after the header.
    int cols = 0, rows = 0;
    if (!ReadMapHeader(bytes, cols, rows).empty() || (long)cols * rows > 128 * 128) return;
    MapGrid m;
    if (ParseMap(bytes, m).empty()) (void)CheckMapCells(m);
}

// Loads one catalogue of records into a new list after freeing the last
// input's (a record of a few KB, kept over the inputs between two restarts,
// came near the fuzzer's memory limit). A load that stops leaves the record
// it was reading, named by the loader's current-record variable, outside
// the list: it is freed too.
template <class T>
void LoadFreshly(TList<T*>*& list, T*& current, void (*free)(T*), void (*load)()) {
    if (list) {
        for (T* r : *list) free(r);
        delete list;
    }
    list = new TList<T*>;
    current = nullptr;
    try {
        load();
    } catch (const FatalError&) {
        bool listed = false;
        for (T* r : *list) listed = listed || r == current;
        if (current && !listed) free(current);
        current = nullptr;
        throw;
    }
}

void FreeNpc(TCharakter* n) {
    delete n->EffektList;
    delete n;
}

void Npcs(const std::string&) {
    LoadFreshly(NpcList, CurrentNpc, FreeNpc, LoadNpcFile);
}

// An enemy with its attack and spell; their pictures and sounds belong to
// the media layer's caches and stay.
void FreeEnemy(TGegner* e) {
    delete e->Attacke;
    delete e->Zauber;
    delete e;
}

void Enemies(const std::string&) {
    LoadFreshly(EnemyList, CurrentEnemy, FreeEnemy, LoadEnemyFile);
}

void Summon(const std::string&) {
    SummonedMonster = new TGegner;
    LoadSummonedMonster(1);
    LoadSummonWeapon(2);
}

void Weapons(const std::string&) {
    Fresh(WeaponList);
    LoadWeaponFile();
}

void Spells(const std::string&) {
    Fresh(SpellList);
    LoadSpellFile();
    for (uint16_t n = 1; n <= 8; ++n) {
        SpellBookGrid[0][0]->ID = n;
        LoadSpellBookItem(n, 0, 0);
    }
}

void Items(const std::string&) {
    for (uint16_t n = 1; n <= 32; ++n) {
        InventoryGrid[0][0]->ID = n;
        InventoryGrid[0][0]->Anzahl = 0;
        LoadInventoryItem(n, 0, 0);
    }
}

// A container's contents grow with its file, so the harness frees what
// each load made (nothing else refers to it).
void FreeContainers() {
    for (TBehaelter* c : *ContainerList) {
        for (void* p : *c->Inhalt) {
            if (c->NPC == kContainerSpells)
                delete static_cast<TZauberItem*>(p);
            else
                delete static_cast<TItem*>(p);
        }
        delete c->Inhalt;
        delete c;
    }
    delete ContainerList;
    ContainerList = nullptr;
}

void Containers(const std::string&) {
    ContainerList = new TList<TBehaelter*>;
    try {
        LoadContainers();
    } catch (const FatalError&) {
        FreeContainers();
        throw;
    }
    FreeContainers();
}

void Speech(const std::string&) {
    TCharakter npc;
    LoadSpeech(&npc, u"NPC-Sprech/NPC1.1.txt");
}

void Descriptions(const std::string&) {
    SkillDescriptions[1] = new TList<Str>;
    WrapSkillDescription(u"Beschreibungen/1.txt", 200, 1);
}

void ReplayScript(const std::string& bytes) {
    try {
        (void)ParseScriptText("fuzz.replay", bytes);
    } catch (const ScriptError&) {
        // A refused line, named: the driver's clear error.
    }
}

void Connections(const std::string&) {
    Fresh(ConnectionList);
    LoadConnections();
}

// The quests of the last input, freed: a long run loads millions of them.
void FreeQuests() {
    if (!QuestBook) return;
    for (TQuest* q : *QuestBook) {
        for (TAufgabe* a : *q->StartList) delete a;
        for (TAufgabe* a : *q->QuestList) delete a;
        delete q->StartList;
        delete q->QuestList;
        delete q;
    }
    delete QuestBook;
    QuestBook = nullptr;
}

// A quest file, then the checks start-up makes of what it names.
void Quests(const std::string&) {
    FreeQuests();
    QuestBook = new TList<TQuest*>;
    LoadQuests();
}

// A journal text, wrapped as an entry is written.
void Journal(const std::string&) {
    Fresh(JournalList);
    JournalGuard = 0;
    WriteJournalEntry(1, u"Fuzz");
}

// A picture, loaded whole and cut into cells, then drawn the ways the game
// draws: unscaled onto the frame, scaled and lit through textures. The
// last input's pictures are freed first (a decoded one can take 64 MB).
void Pictures(const std::string&) {
    FreePictures(u"Grafik/Gold.png");
    Image* whole = LoadImageFile(u"Grafik/Gold.png");
    Image* cells = LoadAnimImageFile(u"Grafik/Gold.png", 8, 8, 0, 1, 1);
    SetBlend(MASKBLEND);
    DrawImageFrame(whole, 0, 0, 0);
    DrawImageFrame(cells, 40, 0, 0);
    SetScale(2, 2);
    DrawImageFrame(cells, 80, 0, 0);
    SetScale(1, 1);
    SetBlend(LIGHTBLEND);
    DrawImageFrame(whole, 120, 0, 0);
    SetBlend(MASKBLEND);
}

// A font at the size the game loads it, then text through its glyph atlas.
// The font is freed after each input (FreeType keeps the whole file).
void Fonts(const std::string&) {
    Font* f = LoadFontFile(u"Chancery.ttf", 25, 4);
    SetFont(f);
    Str all;
    for (char16_t c = 0x20; c <= 0xFF; ++c) all += c;
    try {
        DrawString(all, 0, 0);
        (void)StringWidth(u"Grüße aus Eschenfeld");
    } catch (const FatalError&) {
        FreeFont(f);
        throw;
    }
    FreeFont(f);
}

// A sound as an attack or spell names it.
void Sounds(const std::string&) {
    (void)LoadSoundFile(u"Sound/Schwert.wav", 0);
}

const FuzzTarget kTargets[] = {
    {"map", "", Map},
    {"npcs", "Data/NPCs/NPC.txt", Npcs},
    {"enemies", "Data/Gegner/Gegner.txt", Enemies},
    {"enemy_types", "Data/Gegner/GegnerTyp.txt", Enemies},
    {"enemy_weapons", "Data/Gegner/Gegner-Waffen.txt", Enemies},
    {"enemy_spells", "Data/Gegner/Gegner-Zauber.txt", Enemies},
    {"summon", "Data/NPCs/BeschworenesMonster.txt", Summon},
    {"weapons", "Data/Items/Waffen.txt", Weapons},
    {"spells", "Data/Items/Zauber.txt", Spells},
    {"items", "Data/Items/Items.txt", Items},
    {"containers", "Data/Behälter/Behälter1.txt", Containers},
    {"speech", "NPC-Sprech/NPC1.1.txt", Speech},
    {"descriptions", "Beschreibungen/1.txt", Descriptions},
    {"script", "", ReplayScript},
    {"connections", "Data/Verbindungen.link", Connections},
    {"quests", "Data/Quests/Quest1.vsq", Quests},
    {"journal", "Data/Tagebuch/1.vst", Journal},
    {"pictures", "Grafik/Gold.png", Pictures},
    {"fonts", "Chancery.ttf", Fonts},
    {"sounds", "Sound/Schwert.wav", Sounds},
};
} // namespace

const FuzzTarget* FindFuzzTarget(const std::string& name) {
    for (const FuzzTarget& t : kTargets)
        if (name == t.name) return &t;
    return nullptr;
}

std::string FuzzTargetNames() {
    std::string all;
    for (const FuzzTarget& t : kTargets) all += (all.empty() ? "" : " ") + std::string(t.name);
    return all;
}
