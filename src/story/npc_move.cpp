// NPCs wandering one tile at a time inside their rectangle.
#include "story/story.h"

#include "world/world.h"

void MoveNpc(TCharakter* n) {
    CurrentNpc = n;
    int32_t now = Millis();
    UpdateGehen(*n);
    GlideStep(*n);
    StepWalkCycle(*n, now);
    // A new step every 1.5 to 2 seconds, in a random direction.
    if (n->Zufall == 1 && now - n->MoveStart >= RandomRange(1500, 2000)) {
        if (n->aa < 1) {
            n->PosMove = (uint8_t)RandomRange(1, 4);
            int px = (int)n->px, py = (int)n->py;
            int tx = px, ty = py;
            bool bounds = false;
            uint8_t sframe = 0;
            switch (n->PosMove) {
            case kStepDown:
                ty = py + 1, bounds = ty <= n->y2 && ty < MapHeight, sframe = kFaceDown;
                break;
            case kStepUp:
                ty = py - 1, bounds = ty >= n->y1 && ty >= 0, sframe = kFaceUp;
                break;
            case kStepLeft:
                tx = px - 1, bounds = tx >= n->x1 && tx >= 0, sframe = kFaceLeft;
                break;
            case kStepRight:
                tx = px + 1, bounds = tx <= n->x2 && tx < MapWidth, sframe = kFaceRight;
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
