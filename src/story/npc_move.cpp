// NPCs wandering one tile at a time inside their rectangle.
#include "story/story.h"

#include "world/world.h"

void MoveNpc(TCharakter* n) {
    CurrentNpc = n;
    int32_t now = Millis();
    if (n->Move > 0) n->Gehen = 1;
    if (n->aa == 0) n->Gehen = 0;
    // A step in progress.
    if (n->aa > 0) {
        float s = n->Geschwindigkeit;
        int fromX = (int)n->px, fromY = (int)n->py;
        switch (n->Move) {
        case 1:
            n->ppy = FloatToInt(n->ppy + s), fromY -= 1;
            break;
        case 2:
            n->ppy = FloatToInt(n->ppy - s), fromY += 1;
            break;
        case 3:
            n->ppx = FloatToInt(n->ppx - s), fromX += 1;
            break;
        case 4:
            n->ppx = FloatToInt(n->ppx + s), fromX -= 1;
            break;
        default:
            break;
        }
        n->xo += s;
        if (n->xo == 48.0f) {
            if (Map.Inside(fromX, fromY)) MapTiles(fromX, fromY, 2) = 0;
            n->aa = 0;
            n->xo = 0;
        }
    }
    // The walk animation: cells 1, 0, 1, 2 of the facing row.
    if (n->Gehen == 1 && now - n->Start >= n->Pause) {
        n->Start = now;
        n->Laufen = (uint8_t)(n->Laufen + 1);
    }
    if (n->Gehen == 0) {
        n->Laufen = 0;
        n->Frame = 1;
    }
    if (n->Laufen == 0 || n->Laufen == 2)
        n->Frame = 1;
    else if (n->Laufen == 1)
        n->Frame = 0;
    else if (n->Laufen == 3)
        n->Frame = 2;
    if (n->Laufen > 3) n->Laufen = 0;
    // A new step every 1.5 to 2 seconds, in a random direction.
    if (n->Zufall == 1 && now - n->MoveStart >= RandomRange(1500, 2000)) {
        if (n->aa < 1) {
            n->PosMove = (uint8_t)RandomRange(1, 4);
            int px = (int)n->px, py = (int)n->py;
            int tx = px, ty = py;
            bool bounds = false;
            uint8_t sframe = 0;
            switch (n->PosMove) {
            case 1:
                ty = py + 1, bounds = ty <= n->y2 && ty < MapHeight, sframe = 6;
                break;
            case 2:
                ty = py - 1, bounds = ty >= n->y1 && ty >= 0, sframe = 0;
                break;
            case 3:
                tx = px - 1, bounds = tx >= n->x1 && tx >= 0, sframe = 9;
                break;
            case 4:
                tx = px + 1, bounds = tx <= n->x2 && tx < MapWidth, sframe = 3;
                break;
            default:
                break;
            }
            int plx = (int)Player->px, ply = (int)Player->py;
            if (bounds && CellFree(tx, ty) && plx != tx && ply != ty) {
                n->Move = n->PosMove;
                n->SFrame = sframe;
                n->aa = 1;
                n->px = (float)tx;
                n->py = (float)ty;
            }
        }
        n->MoveStart = now;
    }
}
