// Reading a map file.
#include "world/world.h"

#include "data/catalog.h"

void LoadMap(const Str& name) {
    Str path = u"Data/Maps/" + name + u".Map";
    Stream* s = OpenRequired(path);
    uint16_t w = (uint16_t)ReadU16(s);
    uint16_t h = (uint16_t)ReadU16(s);
    CreateMap(w, h);
    // A file shorter than its header announces reads zeros for the rest.
    for (int x = 0; x <= w; ++x)
        for (int y = 0; y <= h; ++y)
            for (int l = 0; l < 4; ++l) {
                MapTiles(x, y, l) = (uint16_t)ReadU16(s);
                MapSheets(x, y, l) = (uint8_t)ReadU8(s);
            }
    CloseFile(s);
    std::string bad = CheckMapCells();
    if (!bad.empty()) FailAsset(path, bad);
}

std::string CheckMapCells() {
    for (int x = 0; x <= MapWidth; ++x)
        for (int y = 0; y <= MapHeight; ++y)
            for (int l = 0; l < 4; ++l) {
                int t = MapTiles(x, y, l), sh = MapSheets(x, y, l);
                if (sh > 1 || t > 767)
                    return "cell (" + std::to_string(x) + ", " + std::to_string(y) + ") layer " +
                           std::to_string(l) + " names frame " + std::to_string(t) +
                           " of tileset " + std::to_string(sh) +
                           "; tilesets are 0 and 1 with frames 0 to 767";
            }
    return std::string();
}
