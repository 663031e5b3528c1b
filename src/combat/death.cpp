// Death of enemies, blood stains and corpses.
#include "combat/combat.h"

#include "data/assets.h"
#include "data/clock_state.h"
#include "data/player_state.h"
#include "data/window_state.h"
#include "world/world.h"

void EnemyDeathCheck() {
    TGegner* e = CurrentEnemy;
    if (e->HP > 0 || e->Exist != 1 || e->aa != 0) return;
    GainExperience(ActiveSkill, e->GiveExp);
    e->Exist = 0;
    if (Map.Inside(e->px, e->py)) MapTiles(e->px, e->py, 2) = 0;
    auto* corpse = new TBlut;
    corpse->x = e->ppx;
    corpse->y = e->ppy;
    corpse->MapName = CurrentMapName;
    CorpseList->AddLast(corpse);
    for (TBehaelter* c : *ContainerList) {
        if (c->NPC == kContainerLoot && c->Name == e->Name && c->x == 0 && c->y == 0) {
            c->x = (uint16_t)e->px;
            c->y = (uint16_t)e->py;
            c->MapName = CurrentMapName; // the pile lies on this map only
        }
    }
}

void AddBloodSplash(int32_t x, int32_t y, int w, int h) {
    auto* b = new TBlut;
    int ws = ImageWidthOf(ImgBlutfleck), hs = ImageHeightOf(ImgBlutfleck);
    b->x = Roll(x - 10, x + w + 10 - ws);
    b->y = Roll(y - 10, y + h + 10 - hs);
    b->MapName = CurrentMapName;
    BloodStainList->AddLast(b);
}

void DrawBloodAndCorpses() {
    SetBlend(ALPHABLEND);
    for (TBlut* b : *BloodStainList) {
        CurrentBloodStain = b;
        if (b->MapName == CurrentMapName) {
            SetAlpha(1.0 - b->Alpha);
            DrawImageFrame(ImgBlutfleck, b->x - CameraX, b->y - CameraY, 0);
        }
        b->Alpha += 0.00015f;
        if (b->Alpha >= 1.0f) BloodStainList->Remove(b);
    }
    for (TBlut* c : *CorpseList) {
        CurrentCorpse = c;
        if (c->MapName != CurrentMapName) continue;
        SetAlpha(1.0 - c->Alpha);
        DrawImageFrame(ImgLeiche, c->x - CameraX, c->y - CameraY, 0);
        c->Alpha += 0.0001f;
        if (c->Alpha >= 1.0f) CorpseList->Remove(c);
    }
    SetAlpha(1.0);
}
