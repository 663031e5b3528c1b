// The seven damage rules and the resistance table.
#include "combat/combat.h"

int Roll(double a, double b) {
    return RandomRange(FloatToInt(a), FloatToInt(b));
}

namespace {
// Takes a hit's damage off a target; a negative difference takes nothing.
float Take(float& hp, float damage) {
    if (damage <= 0) return 0;
    hp -= damage;
    return damage;
}
} // namespace

bool ResistanceFor(const TGegner* e, const Str& art, float& r) {
    if (art == u"Feuerschaden")
        r = e->FeuerResistenz;
    else if (art == u"Blitzschaden")
        r = e->BlitzResistenz;
    else if (art == u"Eisschaden")
        r = e->EisResistenz;
    else if (art == u"Erdschaden")
        r = e->ErdResistenz;
    else if (art == u"Giftschaden")
        r = e->GiftResistenz;
    else if (art == u"Todesmagie-Schaden")
        r = e->TodesResistenz;
    else
        return false;
    return true;
}

float HitEnemyWithWeapon(TGegner* e) {
    TWaffe* w = CurrentWeapon;
    w->Schaden = (uint8_t)Roll(w->Schaden1, w->Schaden2);
    Player->PhysischerSchaden =
        (uint8_t)Roll(Player->PhysischerSchaden1, Player->PhysischerSchaden2);
    return Take(e->HP, (float)(w->Schaden + Player->PhysischerSchaden - e->Ruestung));
}

float HitEnemyWithArrow(TGegner* e) {
    TWaffe* w = CurrentWeapon;
    w->Schaden = (uint8_t)(Roll(w->Schaden1, w->Schaden2) +
                           Roll(EquipOffHand->Schaden1, EquipOffHand->Schaden2));
    Player->Fernschaden = (uint8_t)Roll(Player->Fernschaden1, Player->Fernschaden2);
    return Take(e->HP, (float)(w->Schaden + Player->Fernschaden - e->Ruestung));
}

float HitEnemyWithSpell(TGegner* e) {
    TZauber* s = CurrentSpell;
    Player->MagieSchaden = (uint8_t)Roll(Player->MagieSchaden1, Player->MagieSchaden2);
    float r = 0;
    if (!ResistanceFor(e, s->Art, r)) return 0;
    int sum = s->Schaden + Player->MagieSchaden;
    return Take(e->HP, (float)sum * (1.0f - r) - (float)(e->Ruestung / 2));
}

float HitPlayerWithBlow(TGegner* e) {
    e->Schaden = (uint8_t)Roll(e->Schaden1, e->Schaden2);
    Player->Abwehr = (uint8_t)(Roll(Player->Abwehr1, Player->Abwehr2) + EquipBody->Ruestung +
                               EquipHead->Ruestung);
    return Take(Player->HP, (float)(e->Schaden - Player->Abwehr));
}

float HitPlayerWithSpell(TGegner* e) {
    return Take(Player->HP, (float)e->MagischerSchaden);
}

float HitMonsterWithBlow(TGegner* e) {
    e->Schaden = (uint8_t)Roll(e->Schaden1, e->Schaden2);
    return Take(SummonedMonster->HP, (float)(e->Schaden - SummonedMonster->Ruestung));
}

float HitEnemyWithMonsterBlow(TGegner* e) {
    TGegner* m = SummonedMonster;
    m->Schaden = (uint8_t)Roll(m->Schaden1, m->Schaden2);
    return Take(e->HP, (float)(m->Schaden - e->Ruestung));
}
