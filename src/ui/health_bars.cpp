// Health bars: a small bar over every living enemy and the summoned
// monster, and a large one with the name of the enemy struck last.
#include "ui/ui.h"

#include "combat/combat.h"
#include "data/assets.h"
#include "data/map_state.h"
#include "data/window_state.h"

namespace {
void SmallBar(int x, int y, float hp, float hpMax) {
    if (hpMax <= 0) return;
    SetColor(0, 0, 0);
    DrawRect(x, y - 43, 50, 5);
    SetColor(200, 0, 0);
    DrawRect(x + 1, y - 42, 48, 3);
    SetColor(0, 200, 0);
    DrawRect(x + 1, y - 42, hp / hpMax * 48, 3);
}

void LargeBar(const TGegner* e) {
    int sw = ScreenWidth(), sh = ScreenHeight();
    int d = HotkeyBarVisible == 1 ? ImageHeightOf(ImgHotkeyleiste) + 50 : 50;
    SetColor(0, 0, 0);
    DrawRect(sw / 2 - 80, sh - d, 160, 20);
    SetColor(200, 0, 0);
    DrawRect(sw / 2 - 78, sh - d + 2, 156, 16);
    SetColor(0, 200, 0);
    DrawRect(sw / 2 - 78, sh - d + 2, e->HP / e->HPMax * 156, 16);
    SetColor(0, 0, 200);
    DrawString(e->Name, sw / 2 - StringWidth(e->Name) / 2, sh - d + 10 - FontHeight() / 2);
}
} // namespace

void DrawHealthBars() {
    SetFont(FontFunke16);
    for (TGegner* e : *EnemyList) {
        // Hidden twins of NPCs have no bar until they turn hostile.
        if (e->MapName != CurrentMapName || e->Exist != 1 || e->HP <= 0 || e->NPC != 0) continue;
        SmallBar(e->ppx - CameraX, e->ppy - CameraY, e->HP, e->HPMax);
        if (e->ID == LastHitEnemyId && e->HPMax > 0) LargeBar(e);
    }
    TGegner* m = SummonedMonster;
    if (m->MapName == CurrentMapName && m->Exist == 1 && m->HP > 0)
        SmallBar(m->ppx - CameraX, m->ppy - CameraY, m->HP, m->HPMax);
    SetColor(255, 255, 255);
}
