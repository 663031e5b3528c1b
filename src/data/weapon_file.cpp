// The player's weapon and spell catalogues.
#include "data/loaders.h"

#include "data/catalog.h"

namespace {
// An arrow moves on the tile grid by its bow's speed in whole tiles a frame
// (the position is an integer and the step is cut toward zero), and before
// each step it tests only the next tile for a wall; it hits only an enemy
// on the tile where it lands. So one tile a frame is the only speed that
// flies: less never leaves the bowman's tile, more jumps over walls and
// enemies (and an absurd value runs the pixel position out of range).
constexpr float kArrowTilesPerFrame = 1;
} // namespace

void LoadWeaponFile() {
    ReadRecordList(u"Data/Items/Waffen.txt", 13, [](RecordReader& r) {
        auto* w = new TWaffe;
        CurrentWeapon = w;
        w->ID = ToU16(r.Next());
        w->ItemID = ToU16(r.Next());
        w->Name = r.Next();
        w->Fertigkeit = r.Next();
        w->Schaden1 = ToU8(r.Next());
        w->Schaden2 = ToU8(r.Next());
        w->ReichweiteMax = ToU8(r.Next());
        Str speed = r.Next();
        w->Geschwindigkeit = ToDecimal(speed);
        w->Pause1 = ToU16(r.Next());
        w->Pause2 = ToU16(r.Next());
        w->ImageTyp = r.Next();
        w->SoundTyp = r.Next();
        r.Next();
        if (w->Fertigkeit == u"Schiessen" && w->Geschwindigkeit != kArrowTilesPerFrame)
            throw DataError(r.Where(), "bow " + ToUtf8(w->Name) + " has speed " + "\"" +
                                           ToUtf8(speed) + "\"" +
                                           " (line 8); an arrow flies 1 tile a frame");
        SetMaskColor(255, 255, 255);
        if (w->Fertigkeit != u"Schiessen") {
            // The strips _anim1, _anim2, ... as far as they go.
            Str base = u"Grafik/Kampfanimationen/" + w->ImageTyp + u"_anim";
            while (FileExists(base + IntToString(w->ImageAnzahl + 1) + u".png")) ++w->ImageAnzahl;
            if (w->ImageAnzahl == 0)
                throw DataError(r.Where(), "melee weapon " + ToUtf8(w->Name) +
                                               " has no hit picture " + ToUtf8(base) + "1.png");
            Image* whole = LoadImageFile(base + u"1.png");
            w->FrameAnzahl = (uint8_t)(ImageWidthOf(whole) / 96);
            for (int i = 0; i < w->ImageAnzahl; ++i)
                w->Image.push_back(LoadAnimImageFile(base + IntToString(i + 1) + u".png", 96, 96, 0,
                                                     w->FrameAnzahl));
        }
        w->Icon = LoadImageFile(u"Grafik/Icons/" + w->Name + u".png");
        PrepareSound(w->SoundTyp, w->Sound, w->SoundChannel, w->Spielen);
        WeaponList->AddLast(w);
    });
    CurrentWeapon = nullptr;
}

void LoadSpellFile() {
    ReadRecordList(u"Data/Items/Zauber.txt", 21, [](RecordReader& r) {
        auto* z = new TZauber;
        CurrentSpell = z;
        z->ID = ToU16(r.Next());
        z->Name = r.Next();
        z->Fertigkeit = r.Next();
        z->Art = r.Next();
        z->Typ = r.Next();
        z->FlaechenBreite = ToU8(r.Next());
        z->FlaechenLaenge = ToU8(r.Next());
        z->Schaden1 = ToU8(r.Next());
        z->Schaden2 = ToU8(r.Next());
        z->Wirkungsdauer = ToU16(r.Next());
        z->BenoetigteMP = ToU8(r.Next());
        z->ReichweiteMax = ToU8(r.Next());
        z->Geschwindigkeit = ToDecimal(r.Next());
        z->LadungMax = ToU16(r.Next());
        z->Pause1 = ToU16(r.Next());
        z->Pause2 = ToU16(r.Next());
        z->ImageTyp = r.Next();
        z->SchussTyp = r.Next();
        z->SoundTyp = r.Next();
        r.Next();
        r.Next();
        // The charge step divides by the full charge.
        if (z->LadungMax == 0)
            throw DataError(r.Where(),
                            "spell " + ToUtf8(z->Name) + " needs a full charge of at least 1");
        SetMaskColor(255, 255, 255);
        if (z->Fertigkeit != u"Beschwoeren") {
            Str strip = u"Grafik/Kampfanimationen/" + z->ImageTyp + u"_anim.png";
            Image* whole = LoadImageFile(strip);
            z->FrameAnzahl = (uint8_t)(ImageWidthOf(whole) / 96);
            z->Image = LoadAnimImageFile(strip, 96, 96, 0, z->FrameAnzahl);
        }
        z->Icon = LoadImageFile(u"Grafik/Icons/" + z->ImageTyp + u".png");
        if (z->Typ == u"Fernkampf")
            z->ImageSchuss =
                LoadImageFile(u"Grafik/Kampfanimationen/" + z->SchussTyp + u"_schuss.png");
        PrepareSound(z->SoundTyp, z->Sound, z->SoundChannel, z->Spielen);
        z->Ladung = z->LadungMax;
        SpellList->AddLast(z);
    });
    CurrentSpell = nullptr;
}
