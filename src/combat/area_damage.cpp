// Areas of effect: the grid of cells a spell lays over the map, and the
// damage each live cell does to the first enemy found standing on it.
#include "combat/combat.h"

#include "data/map_state.h"

uint8_t AreaWidth = 0, AreaLength = 0;
uint8_t SpellImpact = kNoImpact;

bool HasArea(const TZauber* z) {
    return z->FlaechenBreite + z->FlaechenLaenge > 2;
}

namespace {
void ClearArea(TZauber* z) {
    for (auto& column : z->Flaeche)
        for (TFlaechenschaden* c : column) delete c;
    z->Flaeche.clear();
}
} // namespace

void LayArea(TZauber* z, int dir, float ox, float oy, bool centred, bool skipOrigin) {
    bool across = dir == kDirUp || dir == kDirDown;
    AreaWidth = across ? z->FlaechenBreite : z->FlaechenLaenge;
    AreaLength = across ? z->FlaechenLaenge : z->FlaechenBreite;
    ClearArea(z);
    z->Flaeche.assign(AreaWidth, std::vector<TFlaechenschaden*>(AreaLength, nullptr));
    int hw = AreaWidth / 2, hl = AreaLength / 2;
    int oxi = FloatToInt(ox), oyi = FloatToInt(oy);
    for (int i = 0; i < AreaWidth; ++i)
        for (int j = 0; j < AreaLength; ++j) {
            int x, y;
            if (centred) {
                x = FloatToInt(ox + (float)(i - hw));
                y = FloatToInt(oy + (float)(j - hl));
            } else if (dir == kDirUp) {
                x = oxi + i - hw, y = oyi - j;
            } else if (dir == kDirRight) {
                x = oxi + i, y = oyi + j - hl;
            } else if (dir == kDirDown) {
                x = oxi + i - hw, y = oyi + j;
            } else {
                x = oxi - i, y = oyi + j - hl;
            }
            auto* c = new TFlaechenschaden;
            c->x = (uint16_t)x;
            c->y = (uint16_t)y;
            // Cells off the map hold nothing and deal nothing.
            if (Map.Inside(x, y) && MapTiles(x, y, 2) <= 1) {
                c->Aktiv = 1;
                c->Zeichnen = 1;
            }
            if (skipOrigin && x == oxi && y == oyi) c->Aktiv = 0;
            z->Flaeche[i][j] = c;
        }
}

void ApplyAreaDamage(TGegner* e) {
    TZauber* z = CurrentSpell;
    for (auto& column : z->Flaeche)
        for (TFlaechenschaden* c : column) {
            if (c->Aktiv != 1 || c->x != e->px || c->y != e->py) continue;
            HitEnemyWithSpell(e);
            e->Angegriffen = 1;
            e->EffektVar = 1;
            e->Zufall = 0;
            e->Aggro = 1;
            c->Aktiv = 0;
        }
}
