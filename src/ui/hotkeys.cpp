// The hotkeys: digit keys ready the weapon or spell of their slot, H shows
// or hides the bar, and the bar shows each slot's icon.
#include "ui/ui.h"

#include "data/assets.h"
#include "data/window_state.h"

namespace {
// Slot i (0..9) answers to the digit key i + 1; the tenth to 0.
int HotkeyKey(int i) {
    return i == 9 ? VK_0 : VK_0 + i + 1;
}
} // namespace

void HotkeyKeys() {
    // Of several digits held, the last slot in bar order wins.
    for (int i = 0; i < kHotkeys; ++i)
        if (KeyIsDown(HotkeyKey(i)) && Hotkeys[i]->ID > 0) SelectedHotkey = (uint8_t)(i + 1);
    if (SelectedHotkey == 0) return;
    THotkey* h = Hotkeys[SelectedHotkey - 1];
    if (h->Typ == kHotkeyWeapon) {
        CurrentWeapon = FindWeaponByItemId(h->ID);
        CurrentSpell = nullptr;
        EquipWeaponById(h->ID);
    } else if (h->Typ == kHotkeySpell) {
        CurrentSpell = FindSpellById(h->ID);
        CurrentWeapon = nullptr;
        ClearEquippedMark(u"Waffe");
        EquipWeapon->ID = 0;
    }
}

void DrawHotkeyBar() {
    if (KeyWasHit(VK_H)) HotkeyBarVisible = HotkeyBarVisible ? 0 : 1;
    if (HotkeyBarVisible != 1) return;
    int sw = ScreenWidth(), sh = ScreenHeight();
    int w = ImageWidthOf(ImgHotkeyleiste), h = ImageHeightOf(ImgHotkeyleiste);
    SetFont(FontNarrow18);
    DrawImageFrame(ImgHotkeyleiste, sw / 2 - w / 2, sh - h - 20, 0);
    for (int i = 0; i < kHotkeys; ++i) {
        int x = sw / 2 - w / 2 + i * (w / kHotkeys) + 6;
        Str label = IntToString(i + 1);
        DrawString(label, x, sh - 25 - FontHeight());
        if (Hotkeys[i]->ID > 0 && Hotkeys[i]->Image)
            DrawImageFrame(Hotkeys[i]->Image, x, sh - h - 14, 0);
    }
    SetFont(FontFunke16);
}
