// Moving the player by hand, for scripts and the soak.
#include "replay/warp.h"

#include "data/collections.h"
#include "data/map_state.h"
#include "media/media.h"
#include "world/world.h"

void Warp(int x, int y) {
    TCharakter& p = *Player;
    if (Map.Inside(p.px_alt, p.py_alt)) MapTiles(p.px_alt, p.py_alt, 2) = 0;
    PlacePlayer(x, y);
    p.aa = 0;
}

// Puts enemy id on cell (x, y) of the current map, standing, its next
// wandering step a while away. False when there is no such enemy.
bool PlaceEnemy(int id, int x, int y) {
    for (TGegner* e : *EnemyList) {
        if (e->ID != id) continue;
        if (e->MapName == CurrentMapName && Map.Inside(e->px, e->py)) MapTiles(e->px, e->py, 2) = 0;
        e->MapName = CurrentMapName;
        e->px = x;
        e->py = y;
        e->ppx = x * kCell;
        e->ppy = y * kCell;
        e->aa = 0;
        e->xo = 0;
        e->Move = e->Bewegen = 0;
        e->MoveStart = Millis();
        MapTiles(x, y, 2) = 1;
        return true;
    }
    return false;
}
