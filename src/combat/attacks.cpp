// The player's blows and bow shots, the enemies' blows and spell shots,
// arrows and enemy spells in flight, hit pictures and sounds.
#include "combat/combat.h"

#include "data/assets.h"
#include "data/clock_state.h"
#include "data/player_state.h"
#include "data/window_state.h"
#include "world/world.h"

uint16_t LastHitEnemyId = 0;
uint8_t ArrowHit = 0;
int32_t ImpactX = 0, ImpactY = 0;
uint16_t PlayerHitTileX = 0, PlayerHitTileY = 0;

namespace {
const int kAttackKey = VK_LCONTROL;

bool IsBow(const TWaffe* w) {
    return w && w->Fertigkeit == u"Schiessen";
}

// Steps a hit picture's frame every Dauer ms; returns whether it was
// playing at the start of the step.
template <class Effect> bool StepFrames(Effect* w, uint8_t& flag) {
    bool was = flag != 0;
    int32_t now = Millis();
    if (now - w->AnimStart >= w->Dauer) {
        w->Frame = w->Frame >= w->FrameAnzahl - 1 ? 0 : (uint8_t)(w->Frame + 1);
        w->AnimStart = now;
    }
    if (w->Frame >= w->FrameAnzahl - 1) flag = 0;
    return was;
}

} // namespace

void StepHitPicture(TWaffe* w) {
    if (w->Zeichnen == 1) {
        if (StepFrames(w, w->Zeichnen) && w->AImage < w->Image.size())
            DrawImageFrame(w->Image[w->AImage], w->x - CameraX, w->y - CameraY, w->Frame);
    }
    if (!ChannelIsPlaying(w->SoundChannel)) w->Spielen = 0;
}

namespace {
bool PlayerFaces(const TGegner* e) {
    const TCharakter& p = *Player;
    return (e->px == p.px + 1 && e->py == p.py && p.SFrame == 3) ||
           (e->px == p.px - 1 && e->py == p.py && p.SFrame == 9) ||
           (e->px == p.px && e->py == p.py + 1 && p.SFrame == 6) ||
           (e->px == p.px && e->py == p.py - 1 && p.SFrame == 0);
}

void MeleeBlow(TWaffe* w, TGegner* e) {
    TCharakter& p = *Player;
    if (!PlayerFaces(e) || !KeyIsDown(kAttackKey) || e->aa != 0 || p.aa != 0) return;
    w->Pause = (uint16_t)Roll(w->Pause1, w->Pause2);
    int32_t now = Millis();
    if (now - w->Start < w->Pause) return;
    p.AngriffAnimationVar = p.AngriffAnimationVar ? 0 : 1;
    p.Start = now;
    e->Angegriffen = 1;
    e->EffektVar = 1;
    LastHitEnemyId = e->ID;
    w->Zeichnen = 1;
    int iw = ImageWidthOf(e->Image), ih = ImageHeightOf(e->Image);
    AddBloodSplash(e->ppx, e->ppy, iw, ih);
    w->SoundChannel = PlaySoundOn(w->Sound, w->SoundChannel);
    w->Spielen = 1;
    w->AImage = (uint8_t)Roll(0, w->ImageAnzahl - 1);
    w->x = Roll(e->px * kCell - 24, e->px * kCell + iw / 4 - 24);
    w->y = Roll(e->py * kCell - 48, e->py * kCell + ih / 4 - 48);
    HitEnemyWithWeapon(e);
    w->Start = now;
}

void BowShot(TWaffe* w) {
    TCharakter& p = *Player;
    if (w->Zeichnen != 0 || EquipOffHand->ID == 0 || EquipOffHand->Typ != u"Pfeil" ||
        EquipOffHand->Anzahl == 0 || p.aa != 0)
        return;
    w->Pause = (uint16_t)Roll(w->Pause1, w->Pause2);
    int32_t now = Millis();
    if (!KeyIsDown(kAttackKey) || now - w->Start < w->Pause) return;
    int d = p.Richtung <= kDirLeft ? (int)p.Richtung : 0;
    int tx = FloatToInt(p.px + (float)kDirDx[d]), ty = FloatToInt(p.py + (float)kDirDy[d]);
    if (p.Richtung >= 1 && p.Richtung <= 4 && Map.Inside(tx, ty) && MapTiles(tx, ty, 2) == 0) {
        p.AngriffAnimationVar = p.AngriffAnimationVar ? 0 : 1;
        p.Start = now;
        EquipOffHand->Anzahl = (uint8_t)(EquipOffHand->Anzahl - 1);
        // The arrows in the inventory are the same stack as in the hand.
        for (int i = 0; i < kInvCols; ++i)
            for (int j = 0; j < kInvRows; ++j)
                if (InventoryGrid[i][j]->ID == EquipOffHand->ID && InventoryGrid[i][j]->Aktiv == 1)
                    InventoryGrid[i][j]->Anzahl = EquipOffHand->Anzahl;
        w->x = tx;
        w->y = ty;
        PlaySoundOn(w->Sound, nullptr);
    } else {
        p.Richtung = 0;
    }
    w->Zeichnen = p.Richtung;
    w->Start = now;
}

void ArrowHitTest(TWaffe* w, TGegner* e) {
    if (w->Zeichnen == 0) return; // an arrow at rest hits nothing
    if (w->x == e->px && w->y == e->py) ArrowHit = 1;
    if (ArrowHit != 1) return;
    w->ZeichnenExplosion = w->Zeichnen;
    w->Zeichnen = 0;
    w->ImageAlpha = 0;
    HitEnemyWithArrow(e);
    e->Angegriffen = 1;
    e->EffektVar = 1;
    e->Zufall = 0;
    e->Aggro = 1;
    LastHitEnemyId = e->ID;
    AddBloodSplash(e->ppx, e->ppy, ImageWidthOf(e->Image), ImageHeightOf(e->Image));
    w->x = w->y = 0;
    w->Reichweite = 0;
    ArrowHit = 0;
}

void ArrowImpact(TWaffe* w, TGegner* e) {
    if (w->ZeichnenExplosion == 0) return;
    if (e->ID == LastHitEnemyId && e->Exist == 1) {
        ImpactX = e->ppx;
        ImpactY = e->ppy;
    } else {
        ImpactX = ImpactY = 0;
    }
    if (ImpactX == 0 || ImpactY == 0 || w->Image.empty() || !w->Image[0]) return;
    static const int offsets[5] = {0, 24, 16, 16, 16};
    int d = w->ZeichnenExplosion;
    if (d >= 1 && d <= 4) {
        Image* img = w->Image[0];
        SetBlend(ALPHABLEND);
        SetAlpha(1.0 - w->ImageAlpha);
        DrawImageFrame(img, ImpactX - ImageWidthOf(img) / 2 + 24 - CameraX,
                       ImpactY + offsets[d] - ImageHeightOf(img) / 2 - CameraY, d - 1);
    }
    w->ImageAlpha += 0.01f;
    if (w->ImageAlpha >= 1.0f) {
        w->ZeichnenExplosion = 0;
        w->ImageAlpha = 0;
    }
    SetAlpha(1.0);
    SetBlend(MASKBLEND);
}

} // namespace

bool ProjectileMayMove(int dir, float x, float y) {
    int nx = FloatToInt(x), ny = FloatToInt(y);
    switch (dir) {
    case 1:
        nx = FloatToInt(x), ny = FloatToInt(y - 1);
        return y > 0 && Map.Inside(nx, ny) && MapTiles(nx, ny, 2) <= 1;
    case 2:
        nx = FloatToInt(x + 1);
        return x < MapWidth && Map.Inside(nx, ny) && MapTiles(nx, ny, 2) <= 1;
    case 3:
        ny = FloatToInt(y + 1);
        return y < MapHeight && Map.Inside(nx, ny) && MapTiles(nx, ny, 2) <= 1;
    case 4:
        nx = FloatToInt(x - 1);
        return x > 0 && Map.Inside(nx, ny) && MapTiles(nx, ny, 2) <= 1;
    default:
        return false;
    }
}

void MoveArrow() {
    TWaffe* w = CurrentWeapon;
    if (!w || w->Zeichnen == 0) return;
    if (w->Reichweite >= w->ReichweiteMax) {
        w->Zeichnen = 0;
        w->Reichweite = 0;
        w->x = w->y = 0;
        return;
    }
    static const int dx[5] = {0, -24, 0, -24, -48}, dy[5] = {0, -2 * kCell, -24, 0, -24};
    int d = w->Zeichnen;
    if (d < 1 || d > 4) return;
    if (w->ImageSchuss)
        DrawImageFrame(w->ImageSchuss, w->x * kCell + dx[d] - CameraX, w->y * kCell + dy[d] - CameraY,
                       d - 1);
    if (!ProjectileMayMove(d, (float)w->x, (float)w->y)) {
        w->Zeichnen = 0;
        w->Reichweite = 0;
        w->x = w->y = 0;
        return;
    }
    float s = w->Geschwindigkeit;
    switch (d) {
    case 1:
        w->y = FloatToInt(w->y - s);
        break;
    case 2:
        w->x = FloatToInt(w->x + s);
        break;
    case 3:
        w->y = FloatToInt(w->y + s);
        break;
    case 4:
        w->x = FloatToInt(w->x - s);
        break;
    default:
        break;
    }
    w->Reichweite += s;
}

void MoveEnemySpell(TGegner* e) {
    TZauber* z = e->Zauber;
    if (!z || z->Zeichnen == 0) return;
    int d = z->Zeichnen;
    if (d < 1 || d > 4) return;
    static const int dx[5] = {0, 3, 0, 3, 0}, dy[5] = {0, 1, 0, -1, 0};
    if (z->ImageSchuss)
        DrawImageFrame(z->ImageSchuss, z->x * kCell + dx[d] - CameraX, z->y * kCell + dy[d] - CameraY, 0);
    if (!ProjectileMayMove(d, z->x, z->y)) {
        z->Zeichnen = 0;
        z->x = z->y = 0;
        return;
    }
    switch (d) {
    case 1:
        z->y -= 0.5f;
        break;
    case 2:
        z->x += 0.5f;
        break;
    case 3:
        z->y += 0.5f;
        break;
    case 4:
        z->x -= 0.5f;
        break;
    default:
        break;
    }
}

void UpdatePlayerCombat() {
    TCharakter& p = *Player;
    TWaffe* w = CurrentWeapon;
    TGegner* e = CurrentEnemy;
    bool target = e && e->Exist == 1;
    if (target) {
        if (KeyWasHit(kAttackKey) == 0 && Millis() - p.Start > 2 * p.Pause)
            p.AngriffAnimationVar = 0;
        if (p.aa > 0) p.AngriffAnimationVar = 0;
    }
    if (!w) {
        if (CurrentSpell) UpdateSpellCombat(target ? e : nullptr);
        return;
    }
    if (!IsBow(w)) {
        if (target) MeleeBlow(w, e);
        return;
    }
    BowShot(w);
    if (target) {
        ArrowHitTest(w, e);
        ArrowImpact(w, e);
    }
}

namespace {
// The enemy's melee blow: facing a target on a neighbouring tile, striking
// after its attack's pause, with the hit picture and the sound.
void EnemyMeleeBlow(TGegner* e, EnemyTarget target) {
    bool toPlayer = target == kAttackPlayer;
    // Where the target stands, as a tile.
    int tx, ty;
    uint8_t targetAa;
    if (toPlayer) {
        tx = FloatToInt(Player->px), ty = FloatToInt(Player->py), targetAa = Player->aa;
    } else {
        tx = SummonedMonster->px, ty = SummonedMonster->py, targetAa = SummonedMonster->aa;
    }
    auto at = [&](int x, int y) {
        if (toPlayer) return Player->px == x && Player->py == y && e->aa == 0;
        return tx == x && ty == y;
    };
    if (at(e->px + 1, e->py))
        e->SFrame = kFaceRight, e->Angriff = 1;
    else if (at(e->px - 1, e->py))
        e->SFrame = kFaceLeft, e->Angriff = 1;
    else if (at(e->px, e->py - 1))
        e->SFrame = kFaceUp, e->Angriff = 1;
    else if (at(e->px, e->py + 1))
        e->SFrame = kFaceDown, e->Angriff = 1;
    else
        e->Angriff = 0;
    if (e->Angriff == 1) {
        e->Zufall = 0;
        e->Aggro = 0;
    }
    if (e->aa != 0) e->AngriffAnimationVar = 0;
    TWaffe* a = e->Attacke;
    if (a && e->Angriff == 1 && targetAa == 0 && e->aa == 0) {
        a->Pause = (uint16_t)Roll(a->Pause1, a->Pause2);
        int32_t now = Millis();
        if (now - a->Start >= a->Pause) {
            e->AngriffAnimationVar = e->AngriffAnimationVar ? 0 : 1;
            e->Start = now;
            int wP = ImageWidthOf(ImgKoerperGross), hP = ImageHeightOf(ImgKoerperGross);
            a->Zeichnen = 1;
            if (toPlayer) {
                Player->Angegriffen = 1;
                Player->EffektVar = 1;
                AddBloodSplash(Player->ppx, Player->ppy, wP, hP);
                HitPlayerWithBlow(e);
                GainArmourExperience();
            } else {
                SummonedMonster->Angegriffen = 1;
                SummonedMonster->EffektVar = 1;
                AddBloodSplash(SummonedMonster->ppx, SummonedMonster->ppy, wP, hP);
                HitMonsterWithBlow(e);
            }
            a->AImage = (uint8_t)Roll(0, a->ImageAnzahl);
            a->x = Roll(tx * kCell - 48, tx * kCell + wP / 2 - 48);
            a->y = Roll(ty * kCell - 48, ty * kCell + hP / 2 - 48);
            if (a->Spielen == 0) {
                a->SoundChannel = PlaySoundOn(a->Sound, a->SoundChannel);
                a->Spielen = 1;
            }
            a->Start = now;
        }
    }
    if (a) StepHitPicture(a);
}

// The spell shot of a ranged fighter lined up with the player: it leaves
// from the tile in front of him, strikes a player standing exactly on its
// tile, and explodes there.
void EnemySpellShot(TGegner* e) {
    TZauber* z = e->Zauber;
    if (!z) return;
    if (z->Aufgeladen == 1 && e->KITyp == 2 && e->FernkampfAngriff == 1) {
        if (z->Zeichnen == 0) {
            int sx = e->px, sy = e->py;
            bool level = true;
            switch (e->Richtung) {
            case kDirUp:
                sy -= 1, level = sy != Player->py;
                break;
            case kDirRight:
                sx += 1, level = sx != Player->px;
                break;
            case kDirDown:
                sy += 1, level = sy != Player->py;
                break;
            case kDirLeft:
                sx -= 1, level = sx != Player->px;
                break;
            default:
                level = false;
                break;
            }
            if (level && CellFree(sx, sy)) {
                z->x = (float)sx;
                z->y = (float)sy;
                z->Ladung = 0;
            } else {
                e->Richtung = 0;
            }
            z->Zeichnen = e->Richtung;
        }
        z->Start = Millis();
    }
    e->MagischerSchaden = (uint8_t)Roll(e->MagischerSchaden1, e->MagischerSchaden2);
    // The spell strikes a player who stands exactly on its tile.
    if (z->Zeichnen != 0 && z->x == Player->px && z->y == Player->py) {
        z->Zeichnen = 0;
        z->ZeichnenExplosion = 1;
        Player->Angegriffen = 1;
        Player->EffektVar = 1;
        HitPlayerWithSpell(e);
        PlayerHitTileX = (uint16_t)FloatToInt(Player->px);
        PlayerHitTileY = (uint16_t)FloatToInt(Player->py);
        z->x = z->y = 0;
    }
    if (z->ZeichnenExplosion == 1) {
        bool was = StepFrames(z, z->ZeichnenExplosion);
        if (z->Spielen == 0) {
            z->SoundChannel = PlaySoundOn(z->Sound, z->SoundChannel);
            z->Spielen = 1;
        }
        if (was && z->Image)
            DrawImageFrame(z->Image,
                           PlayerHitTileX * kCell - ImageWidthOf(z->Image) / 2 + 14 - CameraX,
                           PlayerHitTileY * kCell - ImageHeightOf(z->Image) / 2 - CameraY, z->Frame);
    }
    if (!ChannelIsPlaying(z->SoundChannel)) z->Spielen = 0;
}
} // namespace

void EnemyAttack(EnemyTarget target) {
    EnemyMeleeBlow(CurrentEnemy, target);
    EnemySpellShot(CurrentEnemy);
}

void ChargeEnemySpell() {
    TZauber* z = CurrentEnemy->Zauber;
    if (!z) return;
    if (z->Aufgeladen == 0) {
        z->Pause = (uint16_t)Roll(z->Pause1, z->Pause2);
        int32_t now = Millis();
        if (now - z->Start >= z->Pause / z->LadungMax) {
            z->Ladung += 1.0f;
            z->Start = now;
        }
    }
    if (z->Ladung == 0) z->Aufgeladen = 0;
    if (z->Ladung >= z->LadungMax) {
        z->Ladung = z->LadungMax;
        z->Aufgeladen = 1;
    }
}

void DrawCombatEffects() {
    SetColor(255, 255, 255);
    if (CurrentWeapon && !IsBow(CurrentWeapon)) StepHitPicture(CurrentWeapon);
    if (IsBow(CurrentWeapon)) MoveArrow();
    for (TGegner* e : *EnemyList)
        if (e->ZauberID != 0 && e->MapName == CurrentMapName) MoveEnemySpell(e);
    if (CurrentSpell && !CurrentWeapon) DrawSpellEffects();
}
