// Moving the player by hand, for scripts and the soak.
#include "replay/warp.h"

#include "data/collections.h"
#include "data/map_state.h"
#include "media/media.h"

void Warp(int x, int y) {
    TCharakter& p = *Player;
    if (Map.Inside(p.px_alt, p.py_alt)) MapTiles(p.px_alt, p.py_alt, 2) = 0;
    p.px = (float)x;
    p.py = (float)y;
    p.px_alt = x;
    p.py_alt = y;
    p.ppx = x * kCell;
    p.ppy = y * kCell;
    p.aa = 0;
    CameraX = p.ppx - ScreenWidth() / 2;
    CameraY = p.ppy - ScreenHeight() / 2;
}
