// The connections between maps: reading them, the exit check of walking,
// and the map change. Everything tied to a map by name (NPCs, enemies,
// corpses, stains, loot) stays in its list; only the cell grids change.
#include "world/world.h"

#include "data/catalog.h"

#include "data/connection_format.h"

void LoadConnections() {
    const Str path = kConnectionFile;
    std::string bytes;
    if (!ReadDataFile(path, bytes)) FailData(path, "connection file missing or unreadable");
    std::vector<TVerbindung> links;
    int badRecord = 0;
    std::string bad = ParseConnections(bytes, links, badRecord);
    if (!bad.empty()) throw DataError(ToUtf8(path) + ", record " + std::to_string(badRecord), bad);
    for (const TVerbindung& v : links) {
        // A destination the game cannot load or stand on would stop the game
        // (or leave the player outside the grids) only when it is taken.
        std::string where = ToUtf8(path) + ", record " + std::to_string(v.Nr + 1);
        try {
            int cols = 0, rows = 0;
            MapFileSize(v.ZielMap, where, cols, rows);
            if (v.ZielX >= cols || v.ZielY >= rows)
                throw DataError(where, "the destination cell (" + std::to_string(v.ZielX) + ", " +
                                           std::to_string(v.ZielY) + ") lies outside the map \"" +
                                           ToUtf8(v.ZielMap) + "\" of " + std::to_string(cols) +
                                           " x " + std::to_string(rows) + " cells");
        } catch (const DataError& e) {
            // The data checker hears of every bad record; the game stops.
            if (!BadRecordHandler) throw;
            BadRecordHandler(e);
            continue;
        }
        CurrentConnection = new TVerbindung(v);
        ConnectionList->AddLast(CurrentConnection);
    }
}

void PlacePlayer(int x, int y) {
    TCharakter& p = *Player;
    p.px = (float)x;
    p.py = (float)y;
    p.px_alt = x;
    p.py_alt = y;
    p.ppx = x * kCell;
    p.ppy = y * kCell;
    CameraX = p.ppx - ScreenWidth() / 2;
    CameraY = p.ppy - ScreenHeight() / 2;
}

void ChangeMap(Str name, int x, int y) {
    LoadMap(name);
    PlacePlayer(x, y);
    CurrentMapName = name;
}

void CheckMapExit() {
    const TCharakter& p = *Player;
    if (!IsExitCell(Map, (int)p.px, (int)p.py)) return;
    for (TVerbindung* v : *ConnectionList) {
        CurrentConnection = v;
        if (v->X == (int)p.px && v->Y == (int)p.py && p.aa == 0 && v->StartMap == CurrentMapName)
            ChangeMap(v->ZielMap, v->ZielX, v->ZielY);
    }
}
