// The heads-up display: life, mana and experience bars at the top left,
// the level line, the box of the weapon or spell in hand at the top right
// with the selection frame and its icon. It also keeps the player's derived
// values, regenerates mana and recharges the readied spell, every frame.
#include "ui/ui.h"

#include "data/assets.h"
#include "data/player_state.h"
#include "data/window_state.h"

namespace {
constexpr int kBarWidth = 154, kBarHeight = 14, kFrameW = 160, kFrameH = 20;

void CentredText(const Str& t, int cx, int cy) {
    DrawString(t, cx - StringWidth(t) / 2, cy - FontHeight() / 2);
}

// A bar's frame: a white box the fill is drawn into.
void Frame(int x, int y) {
    SetColor(255, 255, 255);
    DrawRect(x, y, kFrameW, kFrameH);
}

// A fill of `share` (0..1, more is cut) of the full bar width.
void Fill(int x, int y, double share) {
    if (share > 1) share = 1;
    if (share <= 0) return;
    DrawRect(x, y, FloatToInt(share * kBarWidth), kBarHeight);
}

Str ValueText(float value, uint16_t max) {
    return IntToString(FloatToInt(value)) + u" / " + IntToString(max);
}

// A value bar (life or mana): the value is cut to its maximum; a negative
// value shows the frame only.
bool ValueBar(float& value, uint16_t max, int y, int r, int g, int b) {
    if (value > max) value = max;
    Frame(8, y);
    if (value < 0) return false;
    SetColor(r, g, b);
    if (max > 0) Fill(11, y + 3, value / max);
    SetColor(0, 50, 255);
    CentredText(ValueText(value, max), 88, y + 10);
    return true;
}

void LifeBar() {
    ValueBar(Player->HP, Player->HPMax, 28, 200, 0, 0);
}

void ManaBar() {
    TCharakter& p = *Player;
    if (!ValueBar(p.MP, p.MPMax, 53, 0, 0, 200)) return;
    // Mana comes back one point at a time while no window is open.
    if (p.MP < p.MPMax && NoWindowOpen()) {
        p.MPFuellpause = (uint16_t)RandomRange(p.MPFuellpause1, p.MPFuellpause2);
        if (Millis() - p.MPStart >= p.MPFuellpause) {
            p.MP += 1;
            p.MPStart = Millis();
        }
    }
}

void ExperienceBar() {
    Frame(8, 78);
    SetColor(127, 127, 127);
    if (ActiveSkill == 0 || ActiveSkill > 15) return;
    const TFertigkeit* sk = Player->Fertigkeiten[ActiveSkill];
    // A threshold of 0 shows an empty bar; experience past it a full one.
    if (sk->NextExp > 0) Fill(11, 81, sk->ActExp / sk->NextExp);
    SetColor(0, 50, 255);
    CentredText(sk->Name, 88, 88);
}

void WeaponBox(int sw) {
    Frame(sw - 192, 28);
    if (CurrentWeapon && !CurrentSpell) {
        SetColor(0, 200, 0);
        Fill(sw - 189, 31, 1.0);
        SetColor(0, 50, 255);
        CentredText(CurrentWeapon->Name, sw - 112, 38);
    } else if (CurrentSpell && !CurrentWeapon) {
        TZauber* z = CurrentSpell;
        SetColor(0, 200, 0);
        if (z->LadungMax > 0) Fill(sw - 189, 31, z->Ladung / z->LadungMax);
        SetColor(0, 50, 255);
        CentredText(z->Fertigkeit == u"Beschwoeren" ? z->ImageTyp : z->Name, sw - 112, 38);
    }
}

// The readied spell charges one step per Pause / LadungMax ms while no
// window is open.
void RechargeSpell() {
    TZauber* z = CurrentSpell;
    if (!z) return;
    if (z->Aufgeladen == 0 && NoWindowOpen()) {
        z->Pause = (uint16_t)RandomRange(z->Pause1, z->Pause2);
        if (z->LadungMax > 0 && Millis() - z->Start >= z->Pause / z->LadungMax) {
            z->Ladung += 1;
            z->Start = Millis();
        }
    }
    if (z->Ladung == 0) z->Aufgeladen = 0;
    if (z->Ladung >= z->LadungMax) {
        z->Ladung = z->LadungMax;
        z->Aufgeladen = 1;
    }
}

void SelectionBox(int sw) {
    SetColor(255, 255, 255);
    int fw = ImageWidthOf(ImgAuswahlbox), fh = ImageHeightOf(ImgAuswahlbox);
    DrawImageFrame(ImgAuswahlbox, sw - 96 - fw, 60, 0);
    if (CurrentWeapon) {
        if (CurrentWeapon->Icon) DrawImageFrame(CurrentWeapon->Icon, sw - 90 - fw, 66, 0);
        if (CurrentWeapon->Fertigkeit == u"Schiessen" && EquipOffHand->ID != 0) {
            Str n = IntToString(EquipOffHand->Anzahl);
            DrawString(n, sw - 100 - StringWidth(n), fh + 56 - FontHeight());
        }
    } else if (CurrentSpell && CurrentSpell->Icon) {
        DrawImageFrame(CurrentSpell->Icon, sw - 90 - fw, 66, 0);
    }
}
} // namespace

void UpdateDerivedValues() {
    TCharakter& p = *Player;
    auto level = [&](int slot) { return (int)p.Fertigkeiten[slot]->Level; };
    p.HPMax = (uint16_t)FloatToInt((p.Lebensenergie + p.Staerke) / 2.0f +
                                   p.Staerke / 10.0f * p.Level + 7.0f);
    p.MPMax = (uint16_t)FloatToInt(p.Mana + p.Intelligenz + 9.0f);
    int a = ActiveSkill;
    if ((a >= 1 && a <= 4) || a == 11) {
        p.PhysischerSchaden1 = p.Nahkampfschaden / 15.0f + (float)(level(a) / 20);
        p.PhysischerSchaden2 = p.PhysischerSchaden1 + p.Staerke / 12.0f;
    }
    if (a >= 6 && a <= 9) {
        p.MagieSchaden1 = p.MagischerSchaden / 14.0f + (float)(level(a) / 18);
        p.MagieSchaden2 = p.MagieSchaden1 + p.Intelligenz / 12.0f;
    }
    p.Fernschaden1 = p.Fernkampfschaden / 15.0f + (float)(level(12) / 22);
    p.Fernschaden2 = p.Fernschaden1 + p.Geschicklichkeit / 14.0f;
    if (ArmourSkill >= 1 && ArmourSkill <= 15) {
        p.Abwehr1 = p.Verteidigung / 20.0f + (float)(level(ArmourSkill) / 20);
        p.Abwehr2 = p.Abwehr1 + p.Geschicklichkeit / 15.0f;
    }
}

void DrawHud() {
    int sw = ScreenWidth();
    SetFont(FontFunke16);
    LifeBar();
    ManaBar();
    ExperienceBar();
    SetColor(255, 255, 255);
    DrawString(PlayerTitle + IntToString(Player->Level), 10, 10);
    WeaponBox(sw);
    RechargeSpell();
    SelectionBox(sw);
    UpdateDerivedValues();
    SetColor(255, 255, 255);
}
