// The NPC catalogue.
#include "story/story.h"

#include "data/catalog.h"
#include "data/geometry.h"
#include "data/map_state.h"

void LoadNpcFile() {
    const Str path = u"Data/NPCs/NPC.txt";
    ReadRecordList(path, 15, [&](RecordReader& r) {
        auto* n = new TCharakter;
        CurrentNpc = n;
        n->ID = ToU16(r.Next());
        n->Typ = ToU8(r.Next());
        n->Name = r.Next();
        n->Gruppe = ToU16(r.Next());
        n->Handeln = ToU8(r.Next());
        n->px = ToU16AsFloat(r.Next());
        n->py = ToU16AsFloat(r.Next());
        n->x1 = ToU16AsI32(r.Next());
        n->x2 = ToU16AsI32(r.Next());
        n->y1 = ToU16AsI32(r.Next());
        n->y2 = ToU16AsI32(r.Next());
        n->SFrame = ToU8(r.Next());
        n->Geschwindigkeit = ToU16AsFloat(r.Next());
        n->MapName = r.Next();
        std::string where = r.Where();
        // Sound data only: a tile off its map, or a step that never ends.
        int cols = 0, rows = 0;
        MapFileSize(n->MapName, where, cols, rows);
        if (n->px >= cols || n->py >= rows)
            throw DataError(where,
                            "NPC " + ToUtf8(n->Name) + " stands at (" + std::to_string((int)n->px) +
                                ", " + std::to_string((int)n->py) + "), outside its map of " +
                                std::to_string(cols) + " x " + std::to_string(rows) + " cells");
        if (!IsFacing(n->SFrame))
            throw DataError(where, "NPC " + ToUtf8(n->Name) + " faces " +
                                       std::to_string(n->SFrame) +
                                       " (line 12); a facing is 0 (up), 3 (right), 6 (down) or "
                                       "9 (left)");
        int speed = (int)n->Geschwindigkeit;
        if (n->Typ == 1 && (speed == 0 || kCell % speed != 0))
            throw DataError(
                where, "walking speed " + std::to_string(speed) +
                           " does not divide the 48 pixels of a tile, so a step would never end");
        n->ppx = FloatToInt(n->px * kCell);
        n->ppy = FloatToInt(n->py * kCell);
        // Only NPCs of the loaded map mark their tiles on it; the others mark
        // theirs when their map is shown.
        if (n->MapName == CurrentMapName && Map.Inside((int)n->px, (int)n->py))
            MapTiles((int)n->px, (int)n->py, 2) = 1;
        n->Image = LoadAnimImageFile(u"Grafik/NPCs/Charaktere/NPC" + IntToString(n->ID) + u".png",
                                     72, 96, 0, 12);
        n->FaceImage = LoadImageFile(u"Grafik/NPCs/Faces/Face" + IntToString(n->ID) + u".png");
        if (n->Typ == 1) n->Zufall = 1;
        LoadSpeech(n, u"NPC-Sprech/NPC" + IntToString(n->ID) + u".1.txt");
        CheckFollowUpSpeech(n->ID);
        n->AnzahlZeilen = (uint16_t)(n->AnzahlZeilen + 5 - n->AnzahlZeilen % 5);
        r.Next(); // separator
        NpcList->AddLast(n);
    });
}
