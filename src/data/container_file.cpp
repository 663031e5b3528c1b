// The containers: "Data/Behälter/Behälter" + n + ".txt", n = 1, 2, ... up to
// the first missing number. Five header lines (ID, Name, kind, x, y), then
// the contents to the end of the file: item ID and count pairs for kinds 0
// to 2, one spell ID a line for kind 3.
#include "data/loaders.h"

#include "data/catalog.h"

void LoadContainers() {
    ForEachNumberedFile(u"Data/Behälter/Behälter", u".txt", [](int, const Str& path) {
        Stream* s = OpenRequired(path);
        auto* c = new TBehaelter;
        CurrentContainer = c;
        c->ID = ToU16(ReadTextLine(s));
        c->Name = ReadTextLine(s);
        c->NPC = ToU8(ReadTextLine(s));
        c->x = ToU16(ReadTextLine(s));
        c->y = ToU16(ReadTextLine(s));
        if (c->NPC > kContainerSpells) {
            CloseFile(s);
            FailData(path, "container kind " + std::to_string(c->NPC) +
                               " (line 3) is none of 0 chest, 1 loot, 2 merchant items, "
                               "3 merchant spells");
        }
        while (!EndOfFile(s)) {
            Str id = ReadTextLine(s);
            // Blank lines (at the end of a file) are no item.
            if (TrimOf(id).empty()) continue;
            if (c->NPC == kContainerSpells) {
                auto* z = new TZauberItem;
                z->ID = ToU16(id);
                c->Inhalt->AddLast(z);
            } else {
                auto* it = new TItem;
                it->ID = ToU16(id);
                it->Anzahl = ToU8(ReadTextLine(s));
                c->Inhalt->AddLast(it);
            }
        }
        CloseFile(s);
        ContainerList->AddLast(c);
    });
}
