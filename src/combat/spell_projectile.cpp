// Projectile spells: the launch from the tile in front of the player, the
// flight over the tile grid, the hit on an enemy and the impact with its
// area of effect.
#include "combat/combat.h"

#include "data/map_state.h"
#include "world/world.h"

namespace {
const int kAttackKey = VK_LCONTROL;

bool Flying(const TZauber* z) {
    return z->Zeichnen >= kDirUp && z->Zeichnen <= kDirLeft;
}

// A projectile meets an enemy on its tile, or half a tile before it along
// either axis.
bool Meets(const TZauber* z, const TGegner* e) {
    float ex = (float)e->px, ey = (float)e->py;
    return (z->x == ex && (z->y == ey || z->y == ey - 0.5f || z->y == ey + 0.5f)) ||
           (z->y == ey && (z->x == ex - 0.5f || z->x == ex + 0.5f));
}

void Rest(TZauber* z) {
    z->Zeichnen = 0;
    z->Reichweite = 0;
    z->x = z->y = 0;
}
} // namespace

void LaunchSpellProjectile(TZauber* z) {
    if (z->Aufgeladen != 1) return;
    TCharakter& p = *Player;
    if (z->Zeichnen == 0 && p.MP >= z->BenoetigteMP && p.aa == 0 && KeyIsDown(kAttackKey)) {
        int d = p.Richtung;
        bool heading = d >= kDirUp && d <= kDirLeft;
        if (heading && CellFree(FloatToInt(p.px + kDirDx[d]), FloatToInt(p.py + kDirDy[d]))) {
            p.AngriffAnimationVar = p.AngriffAnimationVar ? 0 : 1;
            p.Start = Millis();
            z->x = p.px + (float)kDirDx[d];
            z->y = p.py + (float)kDirDy[d];
            z->Reichweite = 0;
            p.MP -= z->BenoetigteMP;
            z->Ladung = 0;
        } else {
            p.Richtung = 0;
        }
        z->Zeichnen = p.Richtung;
    }
    z->Start = Millis();
}

void SpellProjectileHit(TZauber* z, TGegner* e) {
    // At rest the projectile lies at (0, 0) and meets nothing.
    if (!Flying(z) || e->Exist != 1 || !Meets(z, e)) return;
    SpellImpact = kImpactEnemy;
    CompleteSpellImpact(z, e, z->Zeichnen);
}

void CompleteSpellImpact(TZauber* z, TGegner* e, int dir) {
    // The spell's own damage counts at every impact, as a touch spell's does.
    z->Schaden = (uint8_t)Roll(z->Schaden1, z->Schaden2);
    z->ZeichnenExplosion = 1;
    bool onEnemy = SpellImpact == kImpactEnemy;
    if (onEnemy) {
        HitEnemyWithSpell(e);
        e->Angegriffen = 1;
        e->EffektVar = 1;
        e->Zufall = 0;
        e->Aggro = 1;
        LastHitEnemyId = e->ID;
    }
    if (HasArea(z)) {
        if (onEnemy)
            LayArea(z, dir, (float)e->px, (float)e->py, true, true);
        else
            LayArea(z, dir, z->x, z->y, true, false);
    }
    if (onEnemy) {
        ImpactX = HasArea(z) ? e->px * kCell : e->ppx;
        ImpactY = HasArea(z) ? e->py * kCell : e->ppy;
    } else {
        ImpactX = FloatToInt(z->x) * kCell;
        ImpactY = FloatToInt(z->y) * kCell;
    }
    Rest(z);
    SpellImpact = kNoImpact;
    z->SoundChannel = PlaySoundOn(z->Sound, z->SoundChannel);
    z->Spielen = 1;
}

void MoveSpellProjectile() {
    TZauber* z = CurrentSpell;
    if (!Flying(z)) return;
    if (z->Reichweite >= z->ReichweiteMax) {
        Rest(z);
        return;
    }
    int d = z->Zeichnen;
    static const int ox[5] = {0, 3, 0, 3, 0}, oy[5] = {0, 1, 0, -1, 0};
    if (z->ImageSchuss)
        DrawImageFrame(z->ImageSchuss, z->x * kCell + ox[d] - CameraX,
                       z->y * kCell + oy[d] - CameraY, 0);
    if (!ProjectileMayMove(d, z->x, z->y)) {
        if (HasArea(z)) {
            // An area projectile bursts where it stopped, in this frame.
            SpellImpact = kImpactWall;
            CompleteSpellImpact(z, nullptr, d);
        } else {
            Rest(z);
        }
        return;
    }
    float s = z->Geschwindigkeit;
    switch (d) {
    case kDirUp:
        z->y -= s;
        break;
    case kDirRight:
        z->x += s;
        break;
    case kDirDown:
        z->y += s;
        break;
    default:
        z->x -= s;
        break;
    }
    z->Reichweite += s;
}
