// The summoned monster: its lifetime, the search for the nearest enemy in
// its radius, the chase, its blows and its walking.
#include "combat/combat.h"

#include "data/assets.h"
#include "data/map_state.h"
#include "world/world.h"

#include <cstdlib>

namespace {
// Enemies the monster can see: alive, in play, on its own map.
bool InPlay(const TGegner* e) {
    return e->Exist == 1 && e->NPC == 0 && e->MapName == SummonedMonster->MapName;
}

void DropTarget(TGegner& m) {
    m.gID = 0;
    m.Abstand = m.AbstandAlt = m.GegnerGefunden = 0;
}

// A step toward the target, horizontally first, as an enemy chases the
// player; a taken tile drops the request.
void Chase(TGegner& m, const TGegner* e) {
    if (e->px < m.px && m.Bewegen == 0)
        m.Bewegen = CellFree(m.px - 1, m.py) ? kStepLeft : kStepNone;
    else if (e->px > m.px && m.Bewegen == 0)
        m.Bewegen = CellFree(m.px + 1, m.py) ? kStepRight : kStepNone;
    if (e->py < m.py && m.Bewegen == 0)
        m.Bewegen = CellFree(m.px, m.py - 1) ? kStepUp : kStepNone;
    else if (e->py > m.py && m.Bewegen == 0)
        m.Bewegen = CellFree(m.px, m.py + 1) ? kStepDown : kStepNone;
}

// Starts a requested step at once; the monster has no rectangle to keep to.
void StartStep(TGegner& m) {
    static const int dx[5] = {0, 0, 0, -1, 1}, dy[5] = {0, 1, -1, 0, 0};
    static const uint8_t sframe[5] = {0, kFaceDown, kFaceUp, kFaceLeft, kFaceRight};
    static const uint8_t richtung[5] = {kDirNone, kDirDown, kDirUp, kDirLeft, kDirRight};
    int b = m.Bewegen;
    if (b < kStepDown || b > kStepRight || m.aa != 0) return;
    int tx = m.px + dx[b], ty = m.py + dy[b];
    m.Bewegen = 0;
    if (!CellFree(tx, ty)) return;
    m.px = tx;
    m.py = ty;
    m.Move = (uint8_t)b;
    m.aa = 1;
    m.SFrame = sframe[b];
    m.Richtung = richtung[b];
    MapTiles(tx, ty, 2) = 1;
}
// Gone: its tile is free again (once; later frames leave it to whoever
// stands there next). A step under way is cut short, freeing the tile it
// came from too, so that the next summoning finds it standing.
void Vanish(TGegner& m) {
    if (Map.Inside(m.px, m.py)) MapTiles(m.px, m.py, 2) = 0;
    if (m.aa != 0) {
        static const int backX[5] = {0, 0, 0, 1, -1}, backY[5] = {0, -1, 1, 0, 0};
        int b = m.Move <= kStepRight ? m.Move : 0;
        int fx = m.px + backX[b], fy = m.py + backY[b];
        if (b != 0 && Map.Inside(fx, fy) && MapTiles(fx, fy, 2) == 1) MapTiles(fx, fy, 2) = 0;
        m.aa = 0;
        m.xo = 0;
        m.Bewegen = 0;
    }
    m.Angriff = 0;
}
} // namespace

void SummonedMonsterStep() {
    TGegner& m = *SummonedMonster;
    int r = m.AngriffsRadius;
    for (TGegner* e : *EnemyList) {
        if (!InPlay(e)) continue;
        int dx = std::abs(e->px - m.px), dy = std::abs(e->py - m.py);
        if (dx <= r && dy <= r) {
            m.Abstand = (uint8_t)(dx + dy);
            if (m.Abstand < m.AbstandAlt || m.AbstandAlt == 0) {
                m.gID = e->ID;
                m.GegnerGefunden = 1;
                m.AbstandAlt = m.Abstand;
            } else {
                m.Abstand = m.AbstandAlt;
            }
        }
        if (e->ID == m.gID && m.GegnerGefunden == 1) Chase(m, e);
    }
    UpdateGehen(m);
    StepWalkCycle(m, Millis());
    StartStep(m);
    GlideStep(m);
}

void SummonedMonsterAttack(TGegner* e) {
    TGegner& m = *SummonedMonster;
    m.Angriff = 0;
    if (m.aa == 0) {
        if (e->px == m.px + 1 && e->py == m.py)
            m.SFrame = kFaceRight, m.Angriff = 1;
        else if (e->px == m.px - 1 && e->py == m.py)
            m.SFrame = kFaceLeft, m.Angriff = 1;
        else if (e->px == m.px && e->py == m.py - 1)
            m.SFrame = kFaceUp, m.Angriff = 1;
        else if (e->px == m.px && e->py == m.py + 1)
            m.SFrame = kFaceDown, m.Angriff = 1;
    }
    if (m.Angriff == 1) m.Aggro = 0;
    if (m.aa != 0) m.AngriffAnimationVar = 0;
    TWaffe* a = m.Attacke;
    if (!a) return;
    if (m.Angriff == 1 && e->aa == 0 && m.aa == 0) {
        a->Pause = (uint16_t)Roll(a->Pause1, a->Pause2);
        int32_t now = Millis();
        if (now - a->Start >= a->Pause) {
            m.AngriffAnimationVar = m.AngriffAnimationVar ? 0 : 1;
            m.Start = now;
            e->Angegriffen = 1;
            e->EffektVar = 1;
            a->Zeichnen = 1;
            int wP = ImageWidthOf(ImgKoerperGross), hP = ImageHeightOf(ImgKoerperGross);
            AddBloodSplash(e->ppx, e->ppy, wP, hP);
            HitEnemyWithMonsterBlow(e);
            a->AImage = (uint8_t)Roll(0, a->ImageAnzahl);
            a->x = Roll(e->px * kCell - 48, e->px * kCell + wP / 2 - 48);
            a->y = Roll(e->py * kCell - 48, e->py * kCell + hP / 2 - 48);
            if (a->Spielen == 0) {
                a->SoundChannel = PlaySoundOn(a->Sound, a->SoundChannel);
                a->Spielen = 1;
            }
            a->Start = now;
        }
    }
    StepHitPicture(a);
}

void UpdateSummonedMonster() {
    TGegner& m = *SummonedMonster;
    if (m.Exist != 1) return;
    bool inside = Map.Inside(m.px, m.py);
    if (inside) MapTiles(m.px, m.py, 2) = 1;
    int32_t now = Millis();
    if (now - m.ExistStart > m.ExistDauer || m.HP <= 0) {
        m.Exist = 0;
    } else {
        SummonedMonsterStep();
        for (TGegner* e : *EnemyList) {
            if (e->ID != m.gID || m.gID == 0) continue;
            if (InPlay(e)) {
                CurrentEnemy = e;
                SummonedMonsterAttack(e);
            } else if (e->Exist == 0) {
                DropTarget(m);
            }
        }
    }
    if (m.Exist == 0) Vanish(m);
}
