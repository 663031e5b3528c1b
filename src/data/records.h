// The fifteen record types of the game world and the global collections.
// Records are plain data; all behaviour lives in free functions elsewhere.
// Widths: u8 = uint8_t, u16 = uint16_t, i32 = int32_t, f32 = float.
#pragma once

#include "media/draw.h"
#include "media/list.h"
#include "media/sound.h"
#include "media/clock.h"

#include <cstdint>
#include <vector>

struct TFertigkeit;
struct TWaffe;
struct TZauber;
struct TFlaechenschaden;

// A person: the player and every NPC.
struct TCharakter {
    Str Name;
    uint8_t Level = 0;
    uint16_t HPMax = 0;
    float HP = 0;
    uint16_t MPMax = 0;
    float MP = 0;
    int32_t MPStart = 0;
    uint16_t MPFuellpause = 0, MPFuellpause1 = 0, MPFuellpause2 = 0;
    float Staerke = 0, Intelligenz = 0, Geschicklichkeit = 0, Lebensenergie = 0;
    float Nahkampfschaden = 0, Mana = 0, MagischerSchaden = 0, Fernkampfschaden = 0,
          Verteidigung = 0;
    TFertigkeit* Fertigkeiten[16] = {};
    uint8_t PhysischerSchaden = 0;
    float PhysischerSchaden1 = 0, PhysischerSchaden2 = 0;
    uint8_t MagieSchaden = 0;
    float MagieSchaden1 = 0, MagieSchaden2 = 0;
    uint8_t Fernschaden = 0;
    float Fernschaden1 = 0, Fernschaden2 = 0;
    uint8_t Abwehr = 0;
    float Abwehr1 = 0, Abwehr2 = 0;
    float FeuerResistenz = 0, EisResistenz = 0, BlitzResistenz = 0, ErdResistenz = 0,
          GiftResistenz = 0, TodesResistenz = 0;
    int32_t ppx = 0, ppy = 0;
    float px = 0, py = 0;
    int32_t px_alt = 0, py_alt = 0;
    int32_t cpx1 = 0, cpy1 = 0, cpx2 = 0, cpy2 = 0;
    uint8_t Move = 0;
    uint8_t GeheX = 0, GeheY = 0;
    float Geschwindigkeit = 0;
    uint8_t aa = 0;
    float xo = 0;
    uint8_t Richtung = 0;
    int32_t Start = Millis();
    uint8_t Gehen = 0, Frame = 0, Laufen = 0;
    uint8_t SFrame = 0;
    uint8_t AngriffAnimationVar = 0, AngriffAnimationFrame = 0, Angegriffen = 0, Heilen = 0,
            EffektVar = 0;
    int32_t StartEffekt = Millis();
    uint8_t EffektRot = 0, EffektBlau = 0, EffektGruen = 0;
    uint16_t Pause = 180;
    uint16_t ID = 0;
    uint8_t Typ = 0;
    int32_t x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    int32_t MoveStart = 0;
    Str Sprech[21];
    TList<Str>* EffektList = new TList<Str>;
    uint16_t AnzahlZeilen = 0;
    ::Image* Image = nullptr;
    ::Image* FaceImage = nullptr;
    Str MapName;
    uint16_t Ereignis = 1;
    uint16_t EreignisAlt = 1;
    Str EreignisAnhang;
    uint8_t Geredet = 0;
    uint16_t Gruppe = 0;
    uint8_t Feindlich = 0;
    uint8_t Handeln = 0;
    uint8_t Zufall = 0;
    uint8_t PosMove = 0;
};

// An enemy; also the player's summoned monster.
struct TGegner {
    uint16_t ID = 0;
    Str Name;
    uint8_t NPC = 0;
    ::Image* Image = nullptr;
    uint8_t Typ = 0;
    uint8_t KITyp = 0;
    uint16_t Gruppe = 0;
    uint16_t ExistDauer = 0;
    int32_t ExistStart = 0;
    uint16_t gID = 0;
    uint8_t Abstand = 0, AbstandAlt = 0;
    uint8_t GegnerGefunden = 0;
    Str MapName;
    uint16_t HPMax = 0;
    float HP = 0;
    uint8_t Schaden = 0, Schaden1 = 0, Schaden2 = 0;
    uint8_t MagischerSchaden = 0, MagischerSchaden1 = 0, MagischerSchaden2 = 0;
    uint8_t Ruestung = 0;
    float FeuerResistenz = 0, EisResistenz = 0, BlitzResistenz = 0, ErdResistenz = 0,
          GiftResistenz = 0, TodesResistenz = 0;
    int32_t ppx = 0, ppy = 0;
    int32_t px = 0, py = 0;
    uint8_t Move = 0;
    float Geschwindigkeit = 0;
    uint8_t aa = 0;
    float xo = 0;
    uint8_t Richtung = 0;
    uint8_t PosMove = 0, Bewegen = 0, GeheX = 0, GeheY = 0;
    int32_t Start = Millis();
    uint8_t Gehen = 0, SFrame = 0, Frame = 0, Laufen = 0;
    uint8_t AngriffAnimationVar = 0, AngriffAnimationFrame = 0, Angegriffen = 0, EffektVar = 0;
    int32_t StartEffekt = Millis();
    uint8_t EffektRot = 0, EffektBlau = 0, EffektGruen = 0;
    uint16_t Pause = 180;
    uint8_t Aggro = 0, StoppAggro = 0, SpielerImUmkreis = 0, FernkampfAngriff = 0, Angriff = 0;
    uint8_t Zufall = 0;
    uint8_t AngriffsRadius = 0;
    uint8_t Exist = 0;
    uint16_t GiveExp = 0;
    int32_t x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    int32_t MoveStart = Millis();
    uint16_t AttackeID = 0;
    TWaffe* Attacke = nullptr;
    uint16_t ZauberID = 0;
    TZauber* Zauber = nullptr;
};

// A weapon or attack.
struct TWaffe {
    uint16_t ID = 0;
    uint16_t ItemID = 0;
    Str Fertigkeit;
    Str Name;
    ::Image* Icon = nullptr;
    uint8_t Schaden = 0, Schaden1 = 0, Schaden2 = 0;
    int32_t x = 0, y = 0;
    uint8_t ReichweiteMax = 0;
    float Reichweite = 0;
    float Geschwindigkeit = 0;
    uint8_t Zeichnen = 0, ZeichnenExplosion = 0;
    float ImageAlpha = 0;
    Str ImageTyp;
    Str SchussTyp;
    std::vector<::Image*> Image;
    ::Image* ImageSchuss = nullptr;
    uint8_t ImageAnzahl = 0;
    ::Sound* Sound = nullptr;
    Channel* SoundChannel = nullptr;
    Str SoundTyp;
    uint8_t Spielen = 0;
    int32_t Start = Millis();
    uint16_t Pause = 0, Pause1 = 0, Pause2 = 0;
    uint8_t FrameAnzahl = 0;
    uint8_t Frame = 0;
    uint16_t Dauer = 120;
    int32_t AnimStart = Millis();
    uint8_t AImage = 0;
};

// One cell of a spell's area of effect.
struct TFlaechenschaden {
    uint16_t x = 0, y = 0;
    uint8_t Aktiv = 0;
    uint8_t Zeichnen = 0;
};

// A spell.
struct TZauber {
    uint16_t ID = 0;
    Str Fertigkeit;
    Str Name;
    ::Image* Icon = nullptr;
    Str Typ;
    Str Art;
    uint8_t Schaden = 0, Schaden1 = 0, Schaden2 = 0;
    float x = 0, y = 0;
    uint8_t ReichweiteMax = 0;
    float Reichweite = 0;
    float Geschwindigkeit = 0;
    uint16_t BenoetigteMP = 0;
    uint8_t FlaechenBreite = 0, FlaechenLaenge = 0;
    // Area cells, FlaechenBreite columns of FlaechenLaenge cells.
    std::vector<std::vector<TFlaechenschaden*>> Flaeche;
    float Ladung = 0;
    uint16_t LadungMax = 0;
    uint8_t Aufgeladen = 0;
    uint16_t Wirkungsdauer = 0;
    int32_t WirkungStart = Millis();
    uint8_t WirkungZeit = 0;
    uint8_t Zeichnen = 0, ZeichnenExplosion = 0;
    Str ImageTyp, SchussTyp, SoundTyp;
    ::Image* Image = nullptr;
    ::Image* ImageSchuss = nullptr;
    ::Sound* Sound = nullptr;
    Channel* SoundChannel = nullptr;
    uint8_t Spielen = 0;
    int32_t Start = Millis();
    uint16_t Pause = 0, Pause1 = 0, Pause2 = 0;
    uint8_t FrameAnzahl = 0, Frame = 0;
    uint8_t Dauer = 120;
    int32_t AnimStart = Millis();
};

// A blood stain or a corpse.
struct TBlut {
    int32_t x = 0, y = 0;
    float Alpha = 0;
    Str MapName;
};

// An item: grid cells, equipment slots, container contents.
struct TItem {
    Str Typ;
    uint8_t Schaden1 = 0, Schaden2 = 0;
    uint8_t Ruestung = 0;
    uint8_t Zweihaendig = 0;
    Str Name;
    uint16_t Wert = 0;
    uint16_t ID = 0;
    Str Art;
    ::Image* Image = nullptr;
    ::Image* ImageGross = nullptr;
    uint8_t Aktiv = 0;
    uint8_t Anzahl = 0;
    uint8_t Verkauf = 0, Kauf = 0;
    uint8_t Kaufx = 0, Kaufy = 0;
};

// A spell as an item.
struct TZauberItem {
    Str Typ;
    Str Art;
    uint8_t Wirkung1 = 0, Wirkung2 = 0;
    uint16_t Wirkungsdauer = 0;
    uint8_t FlaechenBreite = 0, FlaechenLaenge = 0;
    uint16_t BenoetigteMP = 0;
    uint8_t Reichweite = 0;
    Str Name;
    uint16_t Wert = 0;
    uint16_t ID = 0;
    ::Image* Image = nullptr;
    ::Image* ImageGross = nullptr;
    uint8_t Aktiv = 0;
    uint8_t Verkauf = 0, Kauf = 0, Kaufx = 0, Kaufy = 0;
};

// A container on a map, a loot pile or a merchant's stock. Kinds 0..2 hold
// TItem records, kind 3 TZauberItem records; both live in the one list as
// untyped references, and the kind says which.
struct TBehaelter {
    uint16_t ID = 0;
    Str Name;
    uint8_t NPC = 0; // kind: see ContainerKind
    uint16_t x = 0, y = 0;
    TList<void*>* Inhalt = new TList<void*>;
    // The map a loot pile was dropped on (empty for the other kinds, which
    // stand on a cell of every map).
    Str MapName;
};

// NPC of a container.
enum ContainerKind : uint8_t {
    kContainerChest = 0,
    kContainerLoot = 1,
    kContainerItems = 2,
    kContainerSpells = 3
};

// Typ of a hotkey slot.
enum HotkeyKind : uint8_t { kHotkeyEmpty = 0, kHotkeyWeapon = 1, kHotkeySpell = 2 };

// One slot of the hotkey bar.
struct THotkey {
    ::Image* Image = nullptr;
    uint8_t Typ = 0;
    uint16_t ID = 0;
};

// One skill of a character.
struct TFertigkeit {
    Str Name;
    uint8_t Level = 0;
    float ActExp = 0;
    uint16_t NextExp = 0;
};

// A journal entry.
struct TEintrag {
    uint16_t ID = 0;
    Str QuestName;
    uint16_t Tag = 0;
    Str UhrZeit;
    Str Inhalt[25];
};

// A connection from a spot on one map to a spot on another.
struct TVerbindung {
    uint16_t Nr = 0;
    Str StartMap;
    uint16_t X = 0, Y = 0;
    Str ZielMap;
    uint16_t ZielX = 0, ZielY = 0;
};

// A quest task.
struct TAufgabe {
    uint8_t Typ = 0;
    Str Art;
    uint16_t ParamX = 0, ParamY = 0;
    uint8_t GeschafftVar = 0;
};

// A quest.
struct TQuest {
    uint16_t ID = 0;
    Str Name;
    Str StartBedingung, StartBedingungParam;
    TList<TAufgabe*>* StartList = new TList<TAufgabe*>;
    TList<TAufgabe*>* QuestList = new TList<TAufgabe*>;
    uint8_t GeschafftVar = 0;
    uint8_t Abgeschlossen = 0;
};
