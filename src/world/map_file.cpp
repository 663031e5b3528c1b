// Loading a map into the map globals.
#include "world/world.h"

void LoadMap(const Str& name) {
    Str path = MapFilePath(name);
    std::string bytes;
    if (!ReadDataFile(path, bytes)) FailData(path, "map file missing or unreadable");
    MapGrid grid;
    std::string bad = ParseMap(bytes, grid);
    if (!bad.empty()) FailData(path, bad);
    Map = std::move(grid);
    MapWidth = (uint16_t)(Map.w - 1);
    MapHeight = (uint16_t)(Map.h - 1);
}
