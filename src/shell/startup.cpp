// Start-up: window, fonts, pictures, the player and every collection, in
// the order later steps rely on.
#include "shell/shell.h"

#include "combat/combat.h"
#include "data/assets.h"
#include "data/catalog.h"
#include "data/loaders.h"
#include "media/picture_batch.h"
#include "story/story.h"
#include "story/text.h"
#include "ui/ui.h"
#include "world/world.h"

namespace {

void LoadInterfaceImages() {
    ImgBlutfleck = LoadImageFile(u"Grafik/Blutfleck.png");
    ImgLeiche = LoadImageFile(u"Grafik/Leiche.png");
    ImgGold = LoadImageFile(u"Grafik/Gold.png");
    ImgMaus = LoadImageFile(u"Grafik/Maus.png");
    ImgEcke = LoadImageFile(u"Grafik/Ecke.png");
    ImgBalkenOben = LoadImageFile(u"Grafik/Balken_oben.png");
    ImgBalkenUnten = LoadImageFile(u"Grafik/Balken_unten.png");
    ImgBalkenLinks = LoadImageFile(u"Grafik/Balken_links.png");
    ImgBalkenRechts = LoadImageFile(u"Grafik/Balken_rechts.png");
    ImgInventarButton1 = LoadImageFile(u"Grafik/InventarButton1.png");
    ImgInventarButton2 = LoadImageFile(u"Grafik/InventarButton2.png");
    ImgInventarButton3 = LoadImageFile(u"Grafik/InventarButton3.png");
    ImgHotkeyleiste = LoadImageFile(u"Grafik/Hotkeyleiste.png");
    ImgPfeil1 = LoadImageFile(u"Grafik/Pfeil1.png");
    ImgPfeil2 = LoadImageFile(u"Grafik/Pfeil2.png");
    ImgRahmen2 = LoadImageFile(u"Grafik/Rahmen2.png");
    ImgRahmen3 = LoadImageFile(u"Grafik/Rahmen3.png");
    ImgRahmen4 = LoadImageFile(u"Grafik/Rahmen4.png");
}

// The pictures of the windows (inventory, trade, spell book, journal,
// dialogue, character sheet): the game starts without them, so they are
// decoded after the others, while it runs.
void LoadWindowImages() {
    BeginLatePictures();
    ImgInventar1 = LoadImageFile(u"Grafik/Inventar1.png");
    ImgInventar2 = LoadImageFile(u"Grafik/Inventar2.png");
    ImgHaendlerInventar = LoadImageFile(u"Grafik/HändlerInventar.png");
    ImgZaubermenue = LoadImageFile(u"Grafik/Zaubermenü.png");
    ImgTagebuch = LoadImageFile(u"Grafik/Tagebuch.png");
    ImgRahmen = LoadImageFile(u"Grafik/Rahmen_" + IntToString(ScreenWidth()) + u".png");
    ImgBox = LoadImageFile(u"Grafik/Box.png");
    EndLatePictures();
}

void LoadFigureStrips() {
    ImgKoerper = LoadAnimImageFile(u"Grafik/Charakter/Körper_Mensch.png", 48, 64, 0, 12);
    ImgGesicht = LoadAnimImageFile(u"Grafik/Charakter/Gesicht1.png", 48, 64, 0, 12);
    ImgHaare = LoadAnimImageFile(u"Grafik/Charakter/Haare3.png", 48, 64, 0, 12);
    ImgStartkleidung = LoadAnimImageFile(u"Grafik/Items/Startkleidung.png", 48, 64, 0, 12);
    ImgKoerperGross = LoadAnimImageFile(u"Grafik/Charakter/Groß/Körper_Mensch.png", 72, 96, 0, 12);
    ImgGesichtGross = LoadAnimImageFile(u"Grafik/Charakter/Groß/Gesicht1.png", 72, 96, 0, 12);
    ImgHaareGross = LoadAnimImageFile(u"Grafik/Charakter/Groß/Haare3.png", 72, 96, 0, 12);
    ImgStartkleidungGross =
        LoadAnimImageFile(u"Grafik/Items/Groß/Startkleidung.png", 72, 96, 0, 12);
}

void CreatePlayer() {
    TCharakter& p = *Player;
    p.Level = 1;
    p.px = 29.0f;
    p.py = 4.0f;
    p.ppx = FloatToInt(p.px * kCell);
    p.ppy = FloatToInt(p.py * kCell);
    p.px_alt = FloatToInt(p.px);
    p.py_alt = FloatToInt(p.py);
    p.SFrame = kFaceDown;
    p.Richtung = kDirDown;
    p.Geschwindigkeit = 3.0f;
    p.Staerke = 40;
    p.Intelligenz = 15;
    p.Geschicklichkeit = 10;
    p.Lebensenergie = p.Staerke;
    p.Nahkampfschaden = p.Staerke;
    p.Mana = p.Intelligenz;
    p.MagischerSchaden = p.Intelligenz;
    p.Fernkampfschaden = p.Geschicklichkeit;
    p.Verteidigung = p.Geschicklichkeit;
    PlayerName = u"Tarvik";
    PlayerRace = u"Mensch";
    PlayerTitle = PlayerName + u" Level";
    CameraX = p.ppx - ScreenWidth() / 2;
    CameraY = p.ppy - ScreenHeight() / 2;
}

int SkillLevel(int slot) {
    return Player->Fertigkeiten[slot]->Level;
}

void CreateSkills() {
    for (int slot = 1; slot <= 15; ++slot) {
        WrapSkillDescription(u"Beschreibungen/" + IntToString(slot) + u".txt", 200, slot);
    }
    static const struct {
        const char16_t* name;
        uint8_t level;
    } skills[16] = {{u"", 0},
                    {u"Lange Klinge", 20},
                    {u"Axtkampf", 25},
                    {u"Speerkampf", 15},
                    {u"Schlagwaffe", 15},
                    {u"Schwere Ruestung", 25},
                    {u"Kampfmagie", 5},
                    {u"Wiederherstellung", 10},
                    {u"Verzaubern", 5},
                    {u"Beschwoeren", 5},
                    {u"Keine Ruestung", 5},
                    {u"Kurze Klinge", 5},
                    {u"Schiessen", 5},
                    {u"Schloesser oeffnen", 5},
                    {u"Handeln", 5},
                    {u"Leichte Ruestung", 5}};
    for (int slot = 1; slot <= 15; ++slot) {
        Player->Fertigkeiten[slot]->Name = skills[slot].name;
        Player->Fertigkeiten[slot]->Level = skills[slot].level;
    }
    const uint8_t major[5] = {6, 1, 12, 11, 5};
    const uint8_t minor[10] = {2, 3, 4, 7, 8, 9, 10, 14, 15, 13};
    for (int i = 0; i < 5; ++i) MajorSkills[i] = major[i];
    for (int i = 0; i < 10; ++i) MinorSkills[i] = minor[i];

    TCharakter& p = *Player;
    p.HPMax = (uint16_t)FloatToInt((p.Lebensenergie + p.Staerke) / 2.0f +
                                   p.Staerke / 10.0f * p.Level + 7.0f);
    p.HP = p.HPMax;
    p.MP = p.Mana + p.Intelligenz + 9.0f;
    p.MPMax = (uint16_t)FloatToInt(p.MP);
    p.MPFuellpause1 = 1700;
    p.MPFuellpause2 = 2000;
    p.PhysischerSchaden1 = p.Nahkampfschaden / 15.0f + (float)(SkillLevel(11) / 20);
    p.PhysischerSchaden2 = p.PhysischerSchaden1 + p.Staerke / 12.0f;
    p.MagieSchaden1 = p.MagischerSchaden / 14.0f + (float)(SkillLevel(6) / 18);
    p.MagieSchaden2 = p.MagieSchaden1 + p.Intelligenz / 12.0f;
    p.Fernschaden1 = p.Fernkampfschaden / 15.0f + (float)(SkillLevel(12) / 22);
    p.Fernschaden2 = p.Fernschaden1 + p.Geschicklichkeit / 14.0f;
    p.Abwehr1 = p.Verteidigung / 20.0f + (float)(SkillLevel(10) / 20);
    p.Abwehr2 = p.Abwehr1 + p.Geschicklichkeit / 15.0f;
}

void PrepareGrids() {
    MouseX = (uint16_t)CursorX();
    MouseY = (uint16_t)CursorY();
    DollFrameTime = Millis();
}

void SetStartingItems() {
    EquipBody->ID = 2;
    EquipBody->Image = ImgStartkleidung;
    EquipBody->ImageGross = ImgStartkleidungGross;
    static const struct {
        int i, j;
        uint16_t id;
        uint8_t count;
    } start[] = {{0, 0, 3, 0},   {0, 1, 4, 0},  {0, 2, 5, 0},  {0, 4, 7, 0},  {1, 0, 8, 0},
                 {2, 0, 9, 0},   {3, 0, 10, 0}, {1, 1, 11, 3}, {1, 2, 12, 3}, {2, 1, 13, 0},
                 {2, 2, 14, 99}, {3, 1, 15, 0}, {3, 2, 16, 0}, {3, 3, 17, 0}};
    for (const auto& s : start) {
        InventoryGrid[s.i][s.j]->ID = s.id;
        if (s.count) InventoryGrid[s.i][s.j]->Anzahl = s.count;
    }
    SpellBookGrid[0][0]->ID = 1;
    SpellBookGrid[0][1]->ID = 2;
    SpellBookGrid[0][2]->ID = 4;
    SpellBookGrid[0][3]->ID = 5;
    // Cell by cell, the item before the spell of the same cell.
    for (int i = 0; i < kInvCols; ++i)
        for (int j = 0; j < kInvRows; ++j) {
            if (InventoryGrid[i][j]->ID != 0)
                LoadInventoryItem(InventoryGrid[i][j]->ID, (uint8_t)i, (uint8_t)j);
            if (SpellBookGrid[i][j]->ID != 0)
                LoadSpellBookItem(SpellBookGrid[i][j]->ID, (uint8_t)i, (uint8_t)j);
        }
    SetMaskColor(255, 255, 255);
    Gold = 10;
}

// The start map must hold the cell the player starts on.
void CheckStartCell() {
    int x = (int)Player->px, y = (int)Player->py;
    if (!Map.Inside(x, y))
        FailData(MapFilePath(CurrentMapName),
                 "the start map of " + std::to_string(Map.w) + " x " + std::to_string(Map.h) +
                     " cells does not hold the player's start cell (" + std::to_string(x) + ", " +
                     std::to_string(y) + ")");
}
} // namespace

void LoadFonts() {
    FontChancery25 = LoadFontFile(u"Chancery.ttf", 25, 4);
    FontFunke16 = LoadFontFile(u"Funke.fon", 16, 4);
    FontChancery20 = LoadFontFile(u"Chancery.ttf", 20, 4);
    FontChancery30 = LoadFontFile(u"Chancery.ttf", 30, 4);
    FontNarrow18 = LoadFontFile(u"Narrow.ttf", 18, 4);
}

void LoadStartUpAssets() {
    // Fonts and interface pictures with their mask colours.
    SetMaskColor(255, 255, 255);
    LoadFonts();
    LoadInterfaceImages();
    LoadWindowImages();
    SetMaskColor(32, 156, 0);
    LoadFigureStrips();
    SetMaskColor(255, 255, 255);
    Tilesets[0] = LoadAnimImageFile(u"Grafik/Tileset1.png", kCell, kCell, 0, kTilesetFrames);
    Tilesets[1] = LoadAnimImageFile(u"Grafik/Tileset2.png", kCell, kCell, 0, kTilesetFrames);
    SetMaskColor(0, 0, 0);
    ImgAuswahlbox = LoadImageFile(u"Grafik/Auswahlbox.png");
    SetMaskColor(255, 255, 255);
    ImgKrieger = LoadImageFile(u"Grafik/Krieger.png");
}

void ClearGameState() {
    ResetDrawingState();
    ResetCollections();
    ResetMapState();
    ResetWindowState();
    ResetPlayerState();
    ResetClockState();
    ResetWorldState();
    ResetCombatState();
    ResetStoryState();
    ResetInventoryWindow();
    ResetCharacterSheet();
    FrameCounter = 0;
}

void ResetGameState() {
    ClearGameState();
    SetMaskColor(255, 255, 255);
    // The first map, then the player on it with his skills. The
    // connections are read once the start map is known to hold him, as
    // they may lead back to it.
    LoadMap(CurrentMapName);
    CreatePlayer();
    CheckStartCell();
    LoadConnections();
    CreateSkills();
    // NPCs, enemies and the summoned monster.
    LoadNpcFile();
    LoadEnemyFile();
    LoadSummonedMonster(1);
    LoadSummonWeapon(2);
    // Inventory, spell book and equipment, then the weapons and spells.
    PrepareGrids();
    SetStartingItems();
    LoadWeaponFile();
    LoadSpellFile();
    PlayerTitle = PlayerName + u" Level";
    // Containers: chests, loot and the merchants' stock; then the quests.
    LoadContainers();
    LoadQuests();
}

void StartUp() {
    SetWindowTitle(u"Vessara-Demo");
    OpenGraphics(1024, 768, 0, 60, 0);
    HideMouse();
    SeedRandom(FreshSeed());
    // Pictures decode on a second thread while fonts, catalogues and maps
    // are read.
    BeginPictureBatch();
    LoadStartUpAssets();
    ResetGameState();
    EndPictureBatch();
}
