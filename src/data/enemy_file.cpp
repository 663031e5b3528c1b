// Enemies, their types, attacks and spells, and the summoned monster.
#include "data/loaders.h"

#include "data/catalog.h"
#include "data/geometry.h"
#include "data/map_format.h"

void PrepareSound(const Str& name, ::Sound*& sound, Channel*& channel, uint8_t& playing) {
    sound = LoadSoundFile(u"Sound/" + name + u".wav", 0);
    channel = PlaySoundOn(sound, nullptr);
    PauseChannel(channel);
    SetChannelVolume(channel, 1.0);
    playing = 0;
}

namespace {
const Str kTypes = u"Data/Gegner/GegnerTyp.txt";
const Str kAttacks = u"Data/Gegner/Gegner-Waffen.txt";
const Str kSpells = u"Data/Gegner/Gegner-Zauber.txt";
const Str kMonsters = u"Data/NPCs/BeschworenesMonster.txt";

// A speed the step logic can finish: a whole number that divides 48.
void CheckSpeed(float speed, const std::string& where) {
    // Out of the range 1..48 (or not a number) it cannot divide a tile; the
    // test comes first so that no huge value is turned into an int.
    bool inRange = speed >= 1 && speed <= kCell;
    int s = inRange ? (int)speed : 0;
    if (!inRange || speed != (float)s || kCell % s != 0)
        throw DataError(where, "speed " + std::to_string(speed) +
                                   " does not divide the 48 pixels of a tile");
}

void ReadType(TGegner* e, const std::string& where) {
    std::vector<Str> b = ReadBlock(kTypes, e->Typ, 20, 19);
    e->Name = b[0];
    e->HPMax = ToU16(b[1]);
    e->GiveExp = ToU16(b[2]);
    e->Schaden1 = ToU8(b[3]);
    e->Schaden2 = ToU8(b[4]);
    e->MagischerSchaden1 = ToU8(b[5]);
    e->MagischerSchaden2 = ToU8(b[6]);
    e->Ruestung = ToU8(b[7]);
    e->AngriffsRadius = ToU8(b[8]);
    e->Geschwindigkeit = (float)ToU8(b[9]);
    e->FeuerResistenz = ToDecimal(b[10]);
    e->BlitzResistenz = ToDecimal(b[11]);
    e->EisResistenz = ToDecimal(b[12]);
    e->ErdResistenz = ToDecimal(b[13]);
    e->GiftResistenz = ToDecimal(b[14]);
    e->TodesResistenz = ToDecimal(b[15]);
    e->AttackeID = ToU16(b[16]);
    e->ZauberID = ToU16(b[17]);
    // The block's last line may name the behaviour: 2 makes a ranged
    // fighter. An absent or non-numeric line leaves a melee fighter.
    e->KITyp = ToU8(b[18]);
    if (e->Name.empty())
        throw DataError(where, "enemy type " + std::to_string(e->Typ) + " has no block in " +
                                   ToUtf8(kTypes));
    CheckSpeed(e->Geschwindigkeit, ToUtf8(kTypes) + ", type " + std::to_string(e->Typ));
}
} // namespace

TWaffe* LoadEnemyWeapon(uint16_t block) {
    std::vector<Str> b = ReadBlock(kAttacks, block, 7, 5);
    auto* w = new TWaffe;
    w->Name = b[0];
    w->Pause1 = ToU16(b[1]);
    w->Pause2 = ToU16(b[2]);
    w->FrameAnzahl = ToU8(b[3]);
    w->ImageAnzahl = ToU8(b[4]);
    if (w->Name.empty() || w->FrameAnzahl == 0)
        throw DataError(ToUtf8(kAttacks) + ", block " + std::to_string(block),
                        "attack without name or frames");
    SetMaskColor(255, 255, 255);
    for (int i = 0; i <= w->ImageAnzahl; ++i)
        w->Image.push_back(LoadAnimImageFile(u"Grafik/Kampfanimationen/" + w->Name + u"_anim" +
                                                 IntToString(i + 1) + u".png",
                                             96, 96, 0, w->FrameAnzahl));
    PrepareSound(w->Name, w->Sound, w->SoundChannel, w->Spielen);
    return w;
}

TZauber* LoadEnemySpell(uint16_t block) {
    std::vector<Str> b = ReadBlock(kSpells, block, 8, 6);
    auto* z = new TZauber;
    z->Typ = IntToString(ToU8(b[0]));
    z->Name = b[1];
    z->LadungMax = ToU16(b[2]);
    z->Pause1 = ToU16(b[3]);
    z->Pause2 = ToU16(b[4]);
    z->FrameAnzahl = ToU8(b[5]);
    std::string where = ToUtf8(kSpells) + ", block " + std::to_string(block);
    // The charge step divides by LadungMax.
    if (z->LadungMax == 0)
        throw DataError(where, "an enemy spell needs a full charge (line 4) of at least 1");
    if (z->Name.empty() || z->FrameAnzahl == 0)
        throw DataError(where, "spell without name or frames");
    SetMaskColor(255, 255, 255);
    z->Image = LoadAnimImageFile(u"Grafik/Kampfanimationen/" + z->Name + u"_anim.png", 96, 96, 0,
                                 z->FrameAnzahl);
    if (z->Typ == u"1")
        z->ImageSchuss = LoadImageFile(u"Grafik/Kampfanimationen/" + z->Name + u"_schuss.png");
    PrepareSound(z->Name, z->Sound, z->SoundChannel, z->Spielen);
    return z;
}

void LoadEnemyFile() {
    ReadRecordList(u"Data/Gegner/Gegner.txt", 12, [](RecordReader& r) {
        auto* e = new TGegner;
        CurrentEnemy = e;
        e->ID = ToU16(r.Next());
        e->Typ = ToU8(r.Next());
        e->NPC = ToU8(r.Next());
        e->x1 = ToU16AsI32(r.Next());
        e->x2 = ToU16AsI32(r.Next());
        e->y1 = ToU16AsI32(r.Next());
        e->y2 = ToU16AsI32(r.Next());
        e->px = ToU16AsI32(r.Next());
        e->py = ToU16AsI32(r.Next());
        e->Gruppe = ToU16(r.Next());
        e->MapName = r.Next();
        r.Next();
        std::string where = r.Where();
        // Types are the numbered blocks of the type file, counted from 1.
        if (e->Typ == 0)
            throw DataError(where, "enemy type 0 does not exist; types count from 1 (blocks of " +
                                       ToUtf8(kTypes) + ")");
        int cols = 0, rows = 0;
        MapFileSize(e->MapName, where, cols, rows);
        if (e->px >= cols || e->py >= rows)
            throw DataError(where, "enemy " + std::to_string(e->ID) + " stands at (" +
                                       std::to_string(e->px) + ", " + std::to_string(e->py) +
                                       "), outside its map of " + std::to_string(cols) + " x " +
                                       std::to_string(rows) + " cells");
        ReadType(e, where);
        if (e->AttackeID != 0) e->Attacke = LoadEnemyWeapon(e->AttackeID);
        if (e->ZauberID != 0) e->Zauber = LoadEnemySpell(e->ZauberID);
        e->Exist = 1;
        e->Zufall = 1;
        e->HP = e->HPMax;
        // The file gives the tile; the figure stands on it.
        e->ppx = e->px * kCell;
        e->ppy = e->py * kCell;
        if (e->NPC == 0) {
            SetMaskColor(255, 255, 255);
            e->Image = LoadAnimImageFile(u"Grafik/Gegner/Gegner" + IntToString(e->Typ) + u".png",
                                         72, 96, 0, 12);
        }
        EnemyList->AddLast(e);
    });
}

void LoadSummonedMonster(uint16_t block) {
    std::vector<Str> b = ReadBlock(kMonsters, block, 11, 10);
    TGegner* m = SummonedMonster;
    m->Typ = ToU8(b[0]);
    m->KITyp = ToU8(b[1]);
    m->Name = b[2];
    m->HPMax = ToU16(b[3]);
    m->HP = m->HPMax;
    m->Schaden1 = ToU8(b[4]);
    m->Schaden2 = ToU8(b[5]);
    m->Ruestung = ToU8(b[6]);
    m->AngriffsRadius = ToU8(b[7]);
    m->Geschwindigkeit = ToDecimal(b[8]);
    m->ExistDauer = ToU16(b[9]);
    CheckSpeed(m->Geschwindigkeit, ToUtf8(kMonsters) + ", block " + std::to_string(block));
    SetMaskColor(255, 255, 255);
    m->Image =
        LoadAnimImageFile(u"Grafik/Gegner/Gegner" + IntToString(m->Typ) + u".png", 72, 96, 0, 12);
}

void LoadSummonWeapon(uint16_t block) {
    SummonedMonster->Attacke = LoadEnemyWeapon(block);
}
