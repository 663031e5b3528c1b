// Drawing the visible part of the map with everything standing on it.
#include "world/world.h"

#include "data/assets.h"
#include "data/clock_state.h"
#include "data/window_state.h"

uint8_t PlayerDrawPass = 1;
uint8_t SummonDrawPass = 1;

void ResetWorldState() {
    PlayerDrawPass = 1;
    SummonDrawPass = 1;
}

namespace {
int g_col0, g_col1, g_row0, g_row1;

void VisibleCells() {
    int sw = ScreenWidth(), sh = ScreenHeight();
    if (MapWidth >= sw / kCell && MapHeight >= sh / kCell) {
        g_col0 = CameraX / kCell;
        g_col1 = CameraX / kCell + sw / kCell + 1;
        g_row0 = CameraY / kCell;
        g_row1 = CameraY / kCell + sh / kCell + 1;
        if (g_col1 > MapWidth) g_col1 = MapWidth;
        if (g_row1 > MapHeight) g_row1 = MapHeight;
    } else {
        CameraX = 0;
        CameraY = 0;
        g_col0 = 0;
        g_row0 = 0;
        g_col1 = MapWidth - 1;
        g_row1 = MapHeight - 1;
    }
    // A camera left of or above the map (before the first clamp) shows no
    // cells there.
    if (g_col0 < 0) g_col0 = 0;
    if (g_row0 < 0) g_row0 = 0;
}

void DrawCell(int x, int y, int l) {
    DrawImageFrame(Tilesets[MapSheets(x, y, l)], x * kCell - CameraX, y * kCell - CameraY,
                   MapTiles(x, y, l));
}

// The flash of a hit or a heal; otherwise the figure takes the tint.
template <class Figure> void FlashColour(Figure& f, bool isPlayer) {
    if (f.EffektVar == 1) {
        f.EffektVar = 2;
        f.StartEffekt = Millis();
    }
    if (f.EffektVar == 2) {
        SetColor(f.EffektRot, f.EffektGruen, f.EffektBlau);
        if (Millis() - f.StartEffekt >= 180) {
            f.EffektVar = 0;
            if constexpr (requires { f.Heilen; }) {
                if (isPlayer) {
                    f.Angegriffen = 0;
                    f.Heilen = 0;
                }
            }
        }
    } else {
        SetDaylightTint();
        if constexpr (requires { f.Heilen; }) {
            if (isPlayer) {
                f.Angegriffen = 0;
                f.Heilen = 0;
            }
        }
    }
}

bool HasShield() {
    return EquipOffHand->ID != 0 && EquipOffHand->Art == u"Schild";
}

// Draws the player again over or under a figure that stands close to him
// in the same column range. The figure keeps the colour it was drawn with
// (the red of a hit, or the daylight).
template <class Figure> void FrontBehind(Figure& f, Image* img) {
    int fx = (int)f.px, fy = (int)f.py;
    int px = (int)Player->px, py = (int)Player->py;
    if (fx != px && fx != px + 1 && fx != px - 1) return;
    double x = f.ppx - CameraX - kFigureDX, y = f.ppy - CameraY - kFigureDY;
    int frame = f.SFrame + f.Frame;
    int r, g, b;
    GetColor(r, g, b);
    if (fy == py + 1 || fy == py + 2) {
        DrawPlayer();
        SetColor(r, g, b);
        DrawImageFrame(img, x, y, frame);
    } else if (fy == py - 1 || fy == py - 2) {
        DrawImageFrame(img, x, y, frame);
        DrawPlayer();
        SetDaylightTint();
    }
}
} // namespace

void DrawPlayer() {
    TCharakter& p = *Player;
    FlashColour(p, true);
    int f = p.SFrame + p.Frame;
    double x = p.ppx - CameraX - kFigureDX, y = p.ppy - CameraY - kFigureDY;
    if (HasShield() && (p.SFrame == 0 || p.SFrame == 3))
        DrawImageFrame(EquipOffHand->ImageGross, x, y, f);
    DrawImageFrame(ImgKoerperGross, x, y, f);
    DrawImageFrame(ImgGesichtGross, x, y, f);
    if (EquipHead->ID == 0) DrawImageFrame(ImgHaareGross, x, y, f);
    if (EquipBody->ID != 0) {
        DrawImageFrame(EquipBody->ImageGross, x, y, f);
        if (EquipHead->ID != 0) DrawImageFrame(EquipHead->ImageGross, x, y, f);
    }
    if (HasShield() && (p.SFrame == 6 || p.SFrame == 9))
        DrawImageFrame(EquipOffHand->ImageGross, x, y, f);
}

void DrawSummonedMonster() {
    TGegner& m = *SummonedMonster;
    if (m.Exist != 1 || m.MapName != CurrentMapName) return;
    if (m.Angegriffen == 1) {
        m.EffektRot = 255;
        m.EffektGruen = 0;
        m.EffektBlau = 0;
    }
    FlashColour(m, false);
    DrawImageFrame(m.Image, m.ppx - CameraX - kFigureDX, m.ppy - CameraY - kFigureDY, m.SFrame + m.Frame);
    if (m.px == (int)Player->px) {
        if (m.py > (int)Player->py)
            PlayerDrawPass = 1;
        else if (m.py < (int)Player->py)
            PlayerDrawPass = 2;
    }
}

void BeginWorldDrawing() {
    VisibleCells();
}

namespace {
// Whether the ground layer alone covers the screen: the visible cells reach
// every edge and each has an opaque ground tile.
bool GroundCoversScreen() {
    if (g_col0 * kCell - CameraX > 0 || g_row0 * kCell - CameraY > 0 ||
        (g_col1 + 1) * kCell - CameraX < ScreenWidth() ||
        (g_row1 + 1) * kCell - CameraY < ScreenHeight())
        return false;
    for (int x = g_col0; x <= g_col1; ++x)
        for (int y = g_row0; y <= g_row1; ++y) {
            int t = MapTiles(x, y, 0), sheet = MapSheets(x, y, 0);
            if (t == 0 || sheet > 1 || !ImageFrameOpaque(Tilesets[sheet], t)) return false;
        }
    return true;
}
} // namespace

void DrawGround() {
    if (GroundCoversScreen()) DropPendingClear();
    SetDaylightTint();
    // Ground and ground details.
    for (int x = g_col0; x <= g_col1; ++x)
        for (int y = g_row0; y <= g_row1; ++y)
            for (int l = 0; l < 2; ++l)
                if (MapTiles(x, y, l) != 0) DrawCell(x, y, l);
}

void DrawObjectsAndFigures() {
    SetAlpha(1);
    SetBlend(MASKBLEND);
    SetDaylightTint();
    // Objects. Frame 1 of tileset 0 marks an invisible obstacle (and, at
    // run time, a cell an actor stands on): it is never drawn.
    for (int x = g_col0; x <= g_col1; ++x)
        for (int y = g_row0; y <= g_row1; ++y) {
            int t = MapTiles(x, y, 2);
            if (MapSheets(x, y, 2) == 1 ? t > 0 : t > 1) DrawCell(x, y, 2);
        }
    // Loot piles.
    for (TBehaelter* c : *ContainerList)
        if (c->x != 0 && c->y != 0 && c->NPC == kContainerLoot && c->MapName == CurrentMapName)
            DrawImageFrame(ImgGold, c->x * kCell - CameraX, c->y * kCell - CameraY, 0);
    // The player's flash colours.
    if (Player->Angegriffen == 1) {
        Player->EffektRot = 255;
        Player->EffektGruen = 0;
        Player->EffektBlau = 0;
    }
    if (Player->Heilen == 1) {
        Player->EffektRot = 200;
        Player->EffektGruen = 200;
        Player->EffektBlau = 0;
    }
    // Figures, roughly front to back.
    if (PlayerDrawPass == 1) DrawPlayer();
    SetDaylightTint();
    if (SummonDrawPass == 1) DrawSummonedMonster();
    SetDaylightTint();
    for (TGegner* e : *EnemyList) {
        CurrentEnemy = e;
        if (e->Angegriffen == 1) {
            e->EffektRot = 255;
            e->EffektGruen = 0;
            e->EffektBlau = 0;
        }
        if (e->Exist != 1 || e->MapName != CurrentMapName || e->NPC != 0) continue;
        FlashColour(*e, false);
        DrawImageFrame(e->Image, e->ppx - CameraX - kFigureDX, e->ppy - CameraY - kFigureDY,
                       e->SFrame + e->Frame);
        FrontBehind(*e, e->Image);
        if (e->px == SummonedMonster->px) {
            if (e->py == SummonedMonster->py + 1 || e->py == SummonedMonster->py + 2)
                SummonDrawPass = 1;
            else if (e->py == SummonedMonster->py - 1 || e->py == SummonedMonster->py - 2)
                SummonDrawPass = 2;
        }
        SetDaylightTint();
    }
    if (SummonDrawPass == 2) DrawSummonedMonster();
    SetDaylightTint();
    if (PlayerDrawPass == 2) DrawPlayer();
    SetDaylightTint();
    for (TCharakter* n : *NpcList) {
        if (n->MapName != CurrentMapName) continue;
        DrawImageFrame(n->Image, n->ppx - CameraX - kFigureDX, n->ppy - CameraY - kFigureDY,
                       n->SFrame + n->Frame);
        FrontBehind(*n, n->Image);
        SetDaylightTint();
    }
}

void DrawOverhead() {
    // Overhead parts the figures walk behind.
    SetDaylightTint();
    for (int x = g_col0; x <= g_col1; ++x)
        for (int y = g_row0; y <= g_row1; ++y)
            if (MapTiles(x, y, 3) != 0) DrawCell(x, y, 3);
}
