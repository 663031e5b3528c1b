// The item and spell-item readers: a grid cell that receives an item or a
// spell has its ID set first; the reader fills the rest of the cell from the
// catalogue and loads its pictures. The readers never touch ID, Aktiv or the
// trade marks.
#include "data/loaders.h"

#include "data/catalog.h"

namespace {
const Str kItems = u"Data/Items/Items.txt";
const Str kSpells = u"Data/Items/Zauber.txt";
// Items.txt: blocks of 10 lines (heading, 8 data lines, separator).
constexpr int kItemBlock = 10, kItemData = 8;
// Zauber.txt read as blocks of its 21-line spell records.
constexpr int kSpellBlock = 21, kSpellData = 19;

std::string BlockWhere(const Str& path, uint16_t n) {
    return ToUtf8(path) + ", block " + std::to_string(n);
}

// Lines 2 to 9 of item block n into an item record.
void ReadItemBlock(uint16_t n, TItem* it) {
    std::vector<Str> l = ReadBlock(kItems, n, kItemBlock, kItemData);
    if (n == 0 || l[0].empty())
        throw DataError(BlockWhere(kItems, n), "no item " + std::to_string(n) + " in the catalogue");
    it->Name = l[0];
    it->Art = l[1];
    it->Typ = l[2];
    it->Schaden1 = ToU8(l[3]);
    it->Schaden2 = ToU8(l[4]);
    it->Ruestung = ToU8(l[5]);
    it->Zweihaendig = ToU8(l[6]);
    it->Wert = ToU16(l[7]);
}

bool IsSingleImageArt(const Str& art) {
    return art == u"Waffe" || art == u"Trank" || art == u"Ring" || art.empty();
}

// A 12-cell armour strip on the green mask.
Image* ArmourStrip(const Str& path, bool large) {
    return large ? LoadAnimImageFile(path, 72, 96, 0, 12) : LoadAnimImageFile(path, 48, 64, 0, 12);
}

// Record n of the spell file into a spell item; returns the picture base name.
Str ReadSpellItem(uint16_t n, TZauberItem* z) {
    std::vector<Str> l = ReadBlock(kSpells, n, kSpellBlock, kSpellData);
    if (n == 0 || l[0].empty())
        throw DataError(BlockWhere(kSpells, n), "no spell " + std::to_string(n) + " in the catalogue");
    // l[k] is line k + 2 of the record.
    z->Name = l[0];
    z->Art = l[1];
    z->Typ = l[3];
    z->FlaechenBreite = ToU8(l[4]);
    z->FlaechenLaenge = ToU8(l[5]);
    z->Wirkung1 = ToU8(l[6]);
    z->Wirkung2 = ToU8(l[7]);
    z->Wirkungsdauer = ToU16(l[8]);
    z->BenoetigteMP = ToU16(l[9]);
    z->Reichweite = ToU8(l[11]); // the whole-number part of the speed line
    z->Wert = ToU16(l[18]);
    return l[15];
}
} // namespace

void LoadInventoryItem(uint16_t n, uint8_t x, uint8_t y) {
    TItem* it = InventoryGrid[x][y];
    ReadItemBlock(n, it);
    if (it->Anzahl == 0) it->Anzahl = 1;
    if (IsSingleImageArt(it->Art)) {
        SetMaskColor(255, 255, 255);
        it->Image = LoadImageFile(u"Grafik/Items/" + it->Name + u".png");
        if (it->Art == u"Waffe" && it->Typ != u"Pfeil")
            it->ImageGross = LoadImageFile(u"Grafik/Icons/" + it->Name + u".png");
    } else if (it->Art == u"Ruestung" || it->Art == u"Helm" || it->Art == u"Schild") {
        // The green mask stays set afterwards.
        SetMaskColor(32, 156, 0);
        it->Image = ArmourStrip(u"Grafik/Items/" + it->Name + u".png", false);
        it->ImageGross = ArmourStrip(u"Grafik/Items/Groß/" + it->Name + u".png", true);
    }
}

void LoadShopItem(uint16_t n, uint8_t x, uint8_t y) {
    TItem* it = ShopItems[x][y];
    ReadItemBlock(n, it);
    if (IsSingleImageArt(it->Art)) {
        SetMaskColor(255, 255, 255);
        it->Image = LoadImageFile(u"Grafik/Items/" + it->Name + u".png");
    } else if (it->Art == u"Ruestung" || it->Art == u"Helm" || it->Art == u"Schild") {
        // A shield gets its strip like armour, so that the trade window has
        // a picture to draw for it.
        SetMaskColor(32, 156, 0);
        it->Image = ArmourStrip(u"Grafik/Items/" + it->Name + u".png", false);
    }
}

void LoadSpellBookItem(uint16_t n, uint8_t x, uint8_t y) {
    TZauberItem* z = SpellBookGrid[x][y];
    Str base = ReadSpellItem(n, z);
    z->Image = LoadImageFile(u"Grafik/Zauber/" + base + u".png");
    z->ImageGross = LoadImageFile(u"Grafik/Icons/" + base + u".png");
}

void LoadShopSpell(uint16_t n, uint8_t x, uint8_t y) {
    TZauberItem* z = ShopSpells[x][y];
    Str base = ReadSpellItem(n, z);
    z->Image = LoadImageFile(u"Grafik/Zauber/" + base + u".png");
}
