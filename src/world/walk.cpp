// The player's movement: containers at hand, the walking animation, the
// pixel step, the arrow keys with their probe points, and the camera.
#include "world/world.h"

#include "data/collections.h"
#include "data/clock_state.h"
#include "data/player_state.h"
#include "data/window_state.h"

bool CellFree(int x, int y) {
    return Map.Inside(x, y) && MapTiles(x, y, 2) == 0;
}

bool PlayerFacesCell(int cx, int cy) {
    const TCharakter& p = *Player;
    int px = (int)p.px, py = (int)p.py;
    return (cx == px + 1 && cy == py && p.SFrame == kFaceRight) ||
           (cx == px - 1 && cy == py && p.SFrame == kFaceLeft) ||
           (cx == px && cy == py + 1 && p.SFrame == kFaceDown) ||
           (cx == px && cy == py - 1 && p.SFrame == kFaceUp);
}

void ClampCamera() {
    if (CameraX < 0) CameraX = 0;
    if (CameraX > MapWidth * kCell - ScreenWidth()) CameraX = MapWidth * kCell - ScreenWidth();
    if (CameraY < 0) CameraY = 0;
    if (CameraY > MapHeight * kCell - ScreenHeight()) CameraY = MapHeight * kCell - ScreenHeight();
}

namespace {

// Whether a container stands on the current map: a loot pile only on the
// map it was dropped on; chests on every map (their cells are walls or
// water on the others).
bool OnThisMap(const TBehaelter* c) {
    return c->NPC != kContainerLoot || c->MapName == CurrentMapName;
}

void HandleContainers() {
    for (TBehaelter* c : *ContainerList) {
        CurrentContainer = c;
        bool here = OnThisMap(c);
        if (c->x != 0 && c->y != 0 && c->NPC == kContainerLoot && !c->Inhalt->Empty()) {
            if (here && Map.Inside(c->x, c->y)) MapTiles(c->x, c->y, 2) = 1;
        } else if (c->NPC == kContainerLoot && c->Inhalt->Empty()) {
            if (here && Map.Inside(c->x, c->y)) MapTiles(c->x, c->y, 2) = 0;
            ContainerList->Remove(c);
            continue;
        }
        if (here && KeyIsDown(VK_RETURN) && c->NPC <= kContainerLoot &&
            PlayerFacesCell(c->x, c->y)) {
            MerchantItems = c->Inhalt;
            TradeFromDialogue = 0;
            MerchantName = c->Name;
            TradeOpen = 1;
        }
    }
}

void Animate() {
    UpdateGehen(*Player);
    StepWalkCycle(*Player, Millis());
}

void Step() {
    TCharakter& p = *Player;
    if (p.aa == 0) return;
    float s = p.Geschwindigkeit;
    int sw2 = ScreenWidth() / 2, sh2 = ScreenHeight() / 2;
    switch (p.Move) {
    case kStepDown:
        p.ppy = FloatToInt(p.ppy + s);
        if (p.ppy > sh2 && p.ppy < MapHeight * kCell - sh2 - kCell)
            CameraY = FloatToInt(CameraY + s);
        break;
    case kStepUp:
        p.ppy = FloatToInt(p.ppy - s);
        if (p.ppy > sh2 && p.ppy < MapHeight * kCell - sh2) CameraY = FloatToInt(CameraY - s);
        break;
    case kStepLeft:
        p.ppx = FloatToInt(p.ppx - s);
        if (p.ppx > sw2 && p.ppx < MapWidth * kCell - sw2) CameraX = FloatToInt(CameraX - s);
        break;
    case kStepRight:
        p.ppx = FloatToInt(p.ppx + s);
        if (p.ppx > sw2 && p.ppx < MapWidth * kCell - sw2) CameraX = FloatToInt(CameraX + s);
        break;
    default:
        break;
    }
    p.aa = 0;
    p.px = (float)FloatToInt((p.ppx + s) / (float)kCell + 0.5f);
    p.py = (float)FloatToInt((p.ppy + s) / (float)kCell + 0.5f);
    if ((int)p.px != p.px_alt || (int)p.py != p.py_alt) {
        if (Map.Inside(p.px_alt, p.py_alt)) MapTiles(p.px_alt, p.py_alt, 2) = 0;
        p.px_alt = (int)p.px;
        p.py_alt = (int)p.py;
    }
}

void Face(uint8_t sframe, uint8_t richtung) {
    Player->SFrame = sframe;
    Player->Richtung = richtung;
}

void Keys() {
    TCharakter& p = *Player;
    float s = p.Geschwindigkeit;
    int px = (int)p.px, py = (int)p.py;
    auto own = [&](int x, int y) { return x == px && y == py; };
    int ax, ay, bx, by;
    bool bound;
    uint8_t move, sframe, richtung;
    int nx, ny;
    bool ownA;
    if (KeyIsDown(VK_RIGHT)) {
        p.cpx1 = p.cpx2 = p.ppx + 38;
        p.cpy1 = p.ppy + 16;
        p.cpy2 = p.ppy + 47;
        nx = px + 1, ny = py;
        bound = px < MapWidth - 1;
        ax = FloatToInt((p.cpx1 + s) / (float)kCell), ay = p.cpy1 / kCell;
        bx = FloatToInt((p.cpx2 + s) / (float)kCell), by = p.cpy2 / kCell;
        ownA = own(ax, ay);
        move = kStepRight, sframe = kFaceRight, richtung = kDirRight;
    } else if (KeyIsDown(VK_LEFT)) {
        p.cpx1 = p.ppx + 9;
        p.cpy1 = p.ppy + 47;
        p.cpx2 = p.cpy2 = 0;
        nx = px - 1, ny = py;
        bound = px > 0;
        ax = FloatToInt((p.ppx + 9 - s) / (float)kCell), ay = (p.ppy + 16) / kCell;
        bx = FloatToInt((p.cpx1 - s) / (float)kCell), by = p.cpy1 / kCell;
        ownA = own(ax, ay);
        move = kStepLeft, sframe = kFaceLeft, richtung = kDirLeft;
    } else if (KeyIsDown(VK_UP)) {
        p.cpx1 = p.ppx + 38;
        p.cpy1 = p.ppy + 16;
        p.cpx2 = p.cpy2 = 0;
        nx = px, ny = py - 1;
        bound = py > 0;
        ax = (p.ppx + 9) / kCell, ay = FloatToInt((p.ppy + 16 - s) / (float)kCell);
        bx = p.cpx1 / kCell, by = FloatToInt((p.cpy1 - s) / (float)kCell);
        ownA = own(p.ppx / kCell, ay); // this one test leaves out the 9 pixels
        move = kStepUp, sframe = kFaceUp, richtung = kDirUp;
    } else if (KeyIsDown(VK_DOWN)) {
        p.cpx1 = p.ppx + 9;
        p.cpy1 = p.ppy + 47;
        p.cpx2 = p.ppx + 38;
        p.cpy2 = p.ppy + 47;
        nx = px, ny = py + 1;
        bound = py < MapHeight - 1;
        ax = p.cpx1 / kCell, ay = FloatToInt((p.cpy1 + s) / (float)kCell);
        bx = p.cpx2 / kCell, by = FloatToInt((p.cpy2 + s) / (float)kCell);
        ownA = own(ax, ay);
        move = kStepDown, sframe = kFaceDown, richtung = kDirDown;
    } else {
        return;
    }
    if (!CellFree(nx, ny) && p.aa == 0) Face(sframe, richtung);
    bool allowed = bound && ((CellFree(ax, ay) && CellFree(bx, by)) || ownA || own(bx, by));
    if (allowed && p.aa < 1) {
        p.Move = move;
        p.aa = 1;
        Face(sframe, richtung);
    }
}
} // namespace

void UpdatePlayer() {
    HandleContainers();
    Animate();
    Step();
    Keys();
    CheckMapExit();
    int px = (int)Player->px, py = (int)Player->py;
    if (Map.Inside(px, py)) MapTiles(px, py, 2) = 1;
    ClampCamera();
}

