// The player's spells: casting with the attack key, touch spells, healing,
// summoning and damage over time. Projectiles are in spell_projectile.cpp,
// areas in area_damage.cpp, the pictures in spell_effects.cpp.
#include "combat/combat.h"

#include "data/map_state.h"
#include "data/player_state.h"
#include "world/world.h"

SpellKind KindOf(const TZauber* z) {
    if (z->Typ == u"Nahkampf") return SpellKind::Touch;
    if (z->Typ == u"Fernkampf" && z->Fertigkeit == u"Kampfmagie") return SpellKind::Projectile;
    if (z->Typ != u"Selbst") return SpellKind::None;
    if (z->Fertigkeit == u"Wiederherstellung" && z->Art == u"Leben wiederherstellen")
        return SpellKind::Heal;
    if (z->Fertigkeit == u"Beschwoeren" && z->Art == u"Monster beschwoeren")
        return SpellKind::Summon;
    return SpellKind::None;
}

namespace {
const int kAttackKey = VK_LCONTROL;
// Skill slots the self spells train, and by how much a cast.
constexpr uint8_t kHealingSkill = 7, kSummoningSkill = 9;
constexpr float kHealingExp = 60.0f, kSummoningExp = 100.0f;

// Key held, fully charged, mana enough.
bool Ready(const TZauber* z) {
    return KeyIsDown(kAttackKey) && z->Aufgeladen == 1 && Player->MP >= z->BenoetigteMP;
}

void Spend(TZauber* z) {
    Player->MP -= z->BenoetigteMP;
    z->Ladung = 0;
}

void StartSound(TZauber* z) {
    if (z->Spielen != 0) return;
    z->SoundChannel = PlaySoundOn(z->Sound, z->SoundChannel);
    z->Spielen = 1;
}

// The heading a touch spell's area reaches along: the player's heading, or
// where he faces when he has none (a cancelled shot clears it).
int TouchHeading() {
    const TCharakter& p = *Player;
    if (p.Richtung >= kDirUp && p.Richtung <= kDirLeft) return p.Richtung;
    switch (p.SFrame) {
    case kFaceUp:
        return kDirUp;
    case kFaceRight:
        return kDirRight;
    case kFaceDown:
        return kDirDown;
    default:
        return kDirLeft;
    }
}

void TouchSpell(TZauber* z, TGegner* e) {
    TCharakter& p = *Player;
    if (p.MP < z->BenoetigteMP) return;
    if (!PlayerFacesCell(e->px, e->py) || !KeyIsDown(kAttackKey) || e->aa != 0 || p.aa != 0 ||
        z->Aufgeladen != 1)
        return;
    Spend(z);
    p.AngriffAnimationVar = p.AngriffAnimationVar ? 0 : 1;
    p.Start = Millis();
    e->Angegriffen = 1;
    e->EffektVar = 1;
    LastHitEnemyId = e->ID;
    z->Zeichnen = 1;
    z->SoundChannel = PlaySoundOn(z->Sound, z->SoundChannel);
    z->Spielen = 1;
    z->x = (float)e->ppx;
    z->y = (float)e->ppy;
    if (z->Wirkungsdauer == 0) {
        z->Schaden = (uint8_t)Roll(z->Schaden1, z->Schaden2);
        HitEnemyWithSpell(e);
    }
    if (HasArea(z)) LayArea(z, TouchHeading(), (float)e->px, (float)e->py, false, true);
}

void Heal(TZauber* z) {
    if (!Ready(z)) return;
    TCharakter& p = *Player;
    z->Schaden = (uint8_t)Roll(z->Schaden1, z->Schaden2);
    p.HP += z->Schaden;
    p.MP -= z->BenoetigteMP;
    p.Heilen = 1;
    p.EffektVar = 1;
    z->Ladung = 0;
    z->Aufgeladen = 0;
    z->Zeichnen = 1;
    GainExperience(kHealingSkill, kHealingExp);
    StartSound(z);
}

// The tile in front of the player: along his heading, or where he faces
// when he has none (a shot cancelled against an adjacent enemy clears the
// heading, and a player who only turned has none to speak of).
void FrontTile(int& tx, int& ty) {
    const TCharakter& p = *Player;
    int d = TouchHeading();
    tx = FloatToInt(p.px + (float)kDirDx[d]);
    ty = FloatToInt(p.py + (float)kDirDy[d]);
}

void Summon(TZauber* z) {
    TGegner& m = *SummonedMonster;
    if (!Ready(z) || m.aa != 0) return;
    // A monster living on another map (or none at all) cannot be renewed
    // where it stands: that tile belongs to another map.
    bool hereAndAlive = m.Exist == 1 && m.MapName == CurrentMapName;
    if (!hereAndAlive) z->Zeichnen = 0;
    int tx, ty;
    FrontTile(tx, ty);
    if (CellFree(tx, ty)) {
        if (hereAndAlive && Map.Inside(m.px, m.py)) MapTiles(m.px, m.py, 2) = 0;
        m.px = tx;
        m.py = ty;
        z->Zeichnen = 1;
    }
    if (z->Zeichnen != 1) return;
    m.ppx = m.px * kCell;
    m.ppy = m.py * kCell;
    m.Exist = 1;
    m.HP = m.HPMax;
    m.ExistStart = Millis();
    m.MapName = CurrentMapName;
    m.Aggro = 1;
    m.Abstand = m.AbstandAlt = m.GegnerGefunden = 0;
    m.EffektVar = 0;
    MapTiles(m.px, m.py, 2) = 1;
    StartSound(z);
    Player->MP -= z->BenoetigteMP;
    z->Ladung = 0;
    z->Aufgeladen = 0;
    GainExperience(kSummoningSkill, kSummoningExp);
}

// Ticks of one second on the enemy struck last, each a fresh roll.
void DamageOverTime(TZauber* z, TGegner* e) {
    if (z->Wirkungsdauer == 0) return;
    int32_t now = Millis();
    if (z->WirkungZeit < z->Wirkungsdauer && now - z->WirkungStart >= 1000 &&
        e->ID == LastHitEnemyId) {
        z->Schaden = (uint8_t)Roll(z->Schaden1, z->Schaden2);
        HitEnemyWithSpell(e);
        z->WirkungZeit = (uint8_t)(z->WirkungZeit + 1);
        z->WirkungStart = now;
    }
    if (z->WirkungZeit >= z->Wirkungsdauer) {
        z->WirkungZeit = 0;
        LastHitEnemyId = 0;
    }
}
} // namespace

void UpdateSpellCombat(TGegner* e) {
    TZauber* z = CurrentSpell;
    switch (KindOf(z)) {
    case SpellKind::Touch:
        if (e) TouchSpell(z, e);
        break;
    case SpellKind::Projectile:
        LaunchSpellProjectile(z);
        if (e) SpellProjectileHit(z, e);
        break;
    case SpellKind::Heal:
        Heal(z);
        break;
    case SpellKind::Summon:
        Summon(z);
        break;
    case SpellKind::None:
        break;
    }
    if (e) DamageOverTime(z, e);
}
