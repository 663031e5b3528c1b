// Enemy behaviour: wandering, noticing the player, group alerts, the chase
// and the line-up of ranged fighters.
#include "combat/combat.h"

#include "world/world.h"

uint16_t AlertedGroup = 0;

namespace {
bool Free(int x, int y) {
    return CellFree(x, y);
}

void StartStep(TGegner* e) {
    struct Dir {
        int dx, dy;
        uint8_t sframe, richtung;
    };
    // Indexed by the step code.
    static const Dir dirs[5] = {{0, 0, 0, kDirNone},
                                {0, 1, kFaceDown, kDirDown},
                                {0, -1, kFaceUp, kDirUp},
                                {-1, 0, kFaceLeft, kDirLeft},
                                {1, 0, kFaceRight, kDirRight}};
    if (e->Bewegen < kStepDown || e->Bewegen > kStepRight) return;
    const Dir& d = dirs[e->Bewegen];
    int tx = e->px + d.dx, ty = e->py + d.dy;
    bool inside = (d.dy > 0 && ty <= e->y2) || (d.dy < 0 && ty >= e->y1) ||
                  (d.dx < 0 && tx >= e->x1) || (d.dx > 0 && tx <= e->x2);
    if (!inside) return; // a request outside the rectangle stays pending
    if (!Free(tx, ty)) {
        e->Bewegen = 0;
        return;
    }
    if (e->aa != 0) return;
    e->px = tx;
    e->py = ty;
    e->Move = e->Bewegen;
    e->aa = 1;
    e->SFrame = d.sframe;
    e->Richtung = d.richtung;
}

void Wander(TGegner* e, int32_t now) {
    if (e->Zufall != 1 || now - e->MoveStart < Roll(1200, 2500)) return;
    e->PosMove = (uint8_t)Roll(1, 4);
    float plx = Player->px, ply = Player->py;
    bool ok = false;
    switch (e->PosMove) {
    case kStepDown:
        ok = e->py + 1 <= e->y2 && plx != e->px && ply != e->py + 1;
        break;
    case kStepUp:
        ok = e->py - 1 >= e->y1 && plx != e->px && ply != e->py - 1;
        break;
    case kStepLeft:
        ok = e->px - 1 >= e->x1 && plx != e->px - 1 && ply != e->py;
        break;
    case kStepRight:
        ok = e->px + 1 <= e->x2 && plx != e->px + 1 && ply != e->py;
        break;
    default:
        break;
    }
    if (ok) e->Bewegen = e->PosMove;
    e->MoveStart = now;
}

void Chase(TGegner* e) {
    float plx = Player->px, ply = Player->py;
    if (e->px > plx && e->Bewegen == 0)
        e->Bewegen = Free(e->px - 1, e->py) ? kStepLeft : kStepNone;
    else if (e->px < plx && e->Bewegen == 0)
        e->Bewegen = Free(e->px + 1, e->py) ? kStepRight : kStepNone;
    if (e->py > ply && e->Bewegen == 0)
        e->Bewegen = Free(e->px, e->py - 1) ? kStepUp : kStepNone;
    else if (e->py < ply && e->Bewegen == 0)
        e->Bewegen = Free(e->px, e->py + 1) ? kStepDown : kStepNone;
}

void LineUp(TGegner* e) {
    float dx = Player->px - e->px, dy = Player->py - e->py;
    float ax = dx < 0 ? -dx : dx, ay = dy < 0 ? -dy : dy;
    if (ax != ay && dx != 0 && dy != 0) {
        bool vertical = ax > ay; // step along the axis with the smaller distance
        if (vertical)
            e->Bewegen = dy > 0 ? 1 : 2;
        else
            e->Bewegen = dx > 0 ? 4 : 3;
    }
    if ((e->px == Player->px || e->py == Player->py) && e->aa == 0) {
        e->Bewegen = 0;
        e->FernkampfAngriff = 1;
        if (e->px == Player->px) {
            if (Player->py < e->py)
                e->Richtung = 1, e->SFrame = 0;
            else
                e->Richtung = 3, e->SFrame = 6;
        } else {
            if (Player->px < e->px)
                e->Richtung = 4, e->SFrame = 9;
            else
                e->Richtung = 2, e->SFrame = 3;
        }
    } else {
        e->FernkampfAngriff = 0;
    }
}
} // namespace

void UpdateEnemy() {
    TGegner* e = CurrentEnemy;
    int32_t now = Millis();
    UpdateGehen(*e);
    StepWalkCycle(*e, now);
    if (e->x2 == 0) e->x2 = MapWidth;
    if (e->y2 == 0) e->y2 = MapHeight;
    StartStep(e);
    if (GlideStep(*e)) e->Bewegen = 0;
    Wander(e, now);
    if (Map.Inside(e->px, e->py)) MapTiles(e->px, e->py, 2) = e->Exist == 1 ? 1 : 0;
    // Detection: a square of AngriffsRadius tiles round the enemy, or its
    // group already alerted (group 0 is no group: AlertedGroup 0 alerts none).
    float plx = Player->px, ply = Player->py;
    int r = e->AngriffsRadius;
    bool inRange = e->px - r <= plx && plx <= e->px + r && e->py - r <= ply && ply <= e->py + r;
    if (inRange || (AlertedGroup != 0 && AlertedGroup == e->Gruppe)) {
        e->SpielerImUmkreis = 1;
        e->Zufall = 0;
        AlertedGroup = e->Gruppe;
    } else {
        e->SpielerImUmkreis = 0;
        e->Zufall = 1;
    }
    if (e->Aggro == 0 && e->Angriff == 0 && e->SpielerImUmkreis == 1) {
        e->Aggro = 1;
        e->Zufall = 0;
    }
    if (e->Aggro == 1 && e->KITyp == 2 && e->SpielerImUmkreis == 1) e->StoppAggro = 1;
    if (e->Aggro == 1 && e->Angriff == 0) Chase(e);
    if (e->StoppAggro == 1) e->Aggro = 0;
    if (e->StoppAggro == 1 && e->KITyp == 2) LineUp(e);
}

void TurnNpcHostile(TCharakter* npc) {
    // An NPC without an enemy twin stays an NPC: removing it would make it
    // vanish from the world.
    bool twin = false;
    for (TGegner* e : *EnemyList) {
        if (e->Name != npc->Name || e->NPC != 1) continue;
        e->Image = npc->Image;
        e->px = FloatToInt(npc->px);
        e->py = FloatToInt(npc->py);
        e->ppx = e->px * kCell;
        e->ppy = e->py * kCell;
        e->MapName = npc->MapName;
        e->NPC = 0;
        twin = true;
    }
    if (twin) NpcList->Remove(npc);
}
