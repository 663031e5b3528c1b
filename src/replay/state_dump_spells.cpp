// The dump's view of the spells: the readied spell with its charge, its
// projectile, its live area cells and its damage over time, and the
// summoned monster.
#include "replay/state_dump.h"

#include "combat/combat.h"
#include "data/collections.h"
#include "data/map_state.h"

namespace {
const char* ProjectileState(const TZauber* z) {
    if (z->Zeichnen >= kDirUp && z->Zeichnen <= kDirLeft) return "flying";
    if (z->ZeichnenExplosion == 1) return "impact";
    return "rest";
}

Json AreaJson(const TZauber* z) {
    Json a = Json::Obj();
    int live = 0, drawn = 0;
    const TFlaechenschaden* first = nullptr;
    // Cells in the order the area was laid out: across, then along.
    for (const auto& column : z->Flaeche)
        for (const TFlaechenschaden* c : column) {
            drawn += c->Zeichnen == 1;
            if (c->Aktiv != 1) continue;
            if (!first) first = c;
            ++live;
        }
    a.Set("width", Json::Int(AreaWidth));
    a.Set("length", Json::Int(AreaLength));
    a.Set("live", Json::Int(live));
    a.Set("drawn", Json::Int(drawn));
    a.Set("firstX", Json::Int(first ? first->x : -1));
    a.Set("firstY", Json::Int(first ? first->y : -1));
    return a;
}

Json SpellJson(const TZauber* z) {
    Json j = Json::Obj();
    j.Set("Name", Json::Text(ToUtf8(z->Name)));
    j.Set("Typ", Json::Text(ToUtf8(z->Typ)));
    j.Set("Ladung", Json::Num(z->Ladung));
    j.Set("LadungMax", Json::Int(z->LadungMax));
    j.Set("Aufgeladen", Json::Int(z->Aufgeladen));
    j.Set("BenoetigteMP", Json::Int(z->BenoetigteMP));
    j.Set("Schaden", Json::Int(z->Schaden));
    j.Set("Zeichnen", Json::Int(z->Zeichnen));
    j.Set("ZeichnenExplosion", Json::Int(z->ZeichnenExplosion));
    j.Set("Frame", Json::Int(z->Frame));
    Json p = Json::Obj();
    p.Set("state", Json::Text(ProjectileState(z)));
    p.Set("direction", Json::Int(z->Zeichnen));
    p.Set("x", Json::Num(z->x));
    p.Set("y", Json::Num(z->y));
    p.Set("Reichweite", Json::Num(z->Reichweite));
    j.Set("projectile", p);
    j.Set("area", AreaJson(z));
    Json d = Json::Obj();
    d.Set("Wirkungsdauer", Json::Int(z->Wirkungsdauer));
    d.Set("ticks", Json::Int(z->WirkungZeit));
    d.Set("running", Json::Int(z->Wirkungsdauer > 0 && LastHitEnemyId != 0 ? 1 : 0));
    d.Set("enemy", Json::Int(z->Wirkungsdauer > 0 ? LastHitEnemyId : 0));
    j.Set("dot", d);
    return j;
}

Json SummonJson() {
    const TGegner& m = *SummonedMonster;
    Json j = Json::Obj();
    j.Set("Name", Json::Text(ToUtf8(m.Name)));
    j.Set("Exist", Json::Int(m.Exist));
    j.Set("HP", Json::Num(m.HP));
    j.Set("HPMax", Json::Int(m.HPMax));
    j.Set("gID", Json::Int(m.gID));
    j.Set("GegnerGefunden", Json::Int(m.GegnerGefunden));
    j.Set("AbstandAlt", Json::Int(m.AbstandAlt));
    j.Set("Angriff", Json::Int(m.Angriff));
    j.Set("px", Json::Int(m.px));
    j.Set("py", Json::Int(m.py));
    j.Set("ppx", Json::Int(m.ppx));
    j.Set("ppy", Json::Int(m.ppy));
    j.Set("aa", Json::Int(m.aa));
    j.Set("map", Json::Text(ToUtf8(m.MapName)));
    long long left = m.Exist == 1 ? (long long)m.ExistStart + m.ExistDauer - Millis() : 0;
    j.Set("remaining", Json::Int(left < 0 ? 0 : left));
    return j;
}
} // namespace

void DumpSpells(Json& s) {
    Json sp = Json::Obj();
    sp.Set("SpellImpact", Json::Int(SpellImpact));
    sp.Set("ImpactX", Json::Int(ImpactX));
    sp.Set("ImpactY", Json::Int(ImpactY));
    // The player's magic bonus, rolled between these at every spell hit.
    sp.Set("MagieSchaden1", Json::Num(Player->MagieSchaden1));
    sp.Set("MagieSchaden2", Json::Num(Player->MagieSchaden2));
    if (CurrentSpell) sp.Set("current", SpellJson(CurrentSpell));
    s.Set("spells", sp);
    s.Set("summon", SummonJson());
}
