// The pictures of the readied spell in the world drawing: the projectile's
// flight, the area's damage while its picture plays, the touch, heal and
// impact pictures.
#include "combat/combat.h"

#include "data/map_state.h"

namespace {
// Steps an effect's frame every Dauer ms; the flag drops on the last
// frame. True when the effect was playing at the start of the step.
bool StepSpellFrames(TZauber* z, uint8_t& flag) {
    if (flag != 1) return false;
    int32_t now = Millis();
    if (now - z->AnimStart >= z->Dauer) {
        z->Frame = z->Frame >= z->FrameAnzahl - 1 ? 0 : (uint8_t)(z->Frame + 1);
        z->AnimStart = now;
    }
    if (z->Frame >= z->FrameAnzahl - 1) flag = 0;
    return true;
}

void DrawOnCells(TZauber* z) {
    int w = ImageWidthOf(z->Image), h = ImageHeightOf(z->Image);
    for (auto& column : z->Flaeche)
        for (TFlaechenschaden* c : column)
            if (c->Zeichnen == 1)
                DrawImageFrame(z->Image, c->x * kCell + 24 - w / 2 - 10 - CameraX,
                               c->y * kCell - h / 2 - CameraY, z->Frame);
}

// Whether the area of the last cast is live this frame.
bool AreaLive(const TZauber* z, SpellKind kind) {
    if (!HasArea(z)) return false;
    return (kind == SpellKind::Projectile && z->ZeichnenExplosion == 1) ||
           (kind == SpellKind::Touch && z->Zeichnen == 1);
}

void TouchOrHealPicture(TZauber* z, SpellKind kind) {
    if (!StepSpellFrames(z, z->Zeichnen) || !z->Image) return;
    int w = ImageWidthOf(z->Image), h = ImageHeightOf(z->Image);
    if (kind == SpellKind::Heal)
        DrawImageFrame(z->Image, Player->ppx + 24 - w / 2 - CameraX, Player->ppy - h / 2 - CameraY,
                       z->Frame);
    else if (HasArea(z))
        DrawOnCells(z);
    else
        DrawImageFrame(z->Image, z->x - CameraX, z->y - CameraY, z->Frame);
}

void ImpactPicture(TZauber* z) {
    for (TGegner* e : *EnemyList)
        if (e->ID == LastHitEnemyId && e->Exist == 1 && e->MapName == CurrentMapName) {
            ImpactX = e->ppx;
            ImpactY = e->ppy;
        }
    if (!StepSpellFrames(z, z->ZeichnenExplosion) || !z->Image) return;
    if (HasArea(z)) {
        DrawOnCells(z);
        return;
    }
    int w = ImageWidthOf(z->Image), h = ImageHeightOf(z->Image);
    DrawImageFrame(z->Image, ImpactX + 24 - w / 2 - 10 - CameraX, ImpactY - h / 2 - CameraY,
                   z->Frame);
}
} // namespace

void DrawSpellEffects() {
    TZauber* z = CurrentSpell;
    SpellKind kind = KindOf(z);
    SetColor(255, 255, 255);
    if (kind == SpellKind::Touch || kind == SpellKind::Heal) TouchOrHealPicture(z, kind);
    if (kind == SpellKind::Projectile) MoveSpellProjectile();
    if (AreaLive(z, kind))
        for (TGegner* e : *EnemyList)
            if (e->Exist == 1 && e->NPC == 0 && e->MapName == CurrentMapName) ApplyAreaDamage(e);
    if (kind == SpellKind::Projectile && z->ZeichnenExplosion == 1) ImpactPicture(z);
    if (!ChannelIsPlaying(z->SoundChannel)) z->Spielen = 0;
}
