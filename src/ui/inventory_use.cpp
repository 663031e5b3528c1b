// Using inventory cells with a left click (equipping, wearing, drinking)
// and taking equipment off with a right click on its slot.
#include "ui/ui.h"

#include "data/assets.h"
#include "data/window_state.h"

namespace {
void CopyArmour(TItem* slot, const TItem* it) {
    slot->ID = it->ID;
    slot->Art = it->Art;
    slot->Typ = it->Typ;
    slot->Ruestung = it->Ruestung;
    slot->Wert = it->Wert;
    slot->Name = it->Name;
    slot->Image = it->Image;
    slot->ImageGross = it->ImageGross;
}

void CopyWeapon(TItem* slot, const TItem* it) {
    slot->ID = it->ID;
    slot->Art = it->Art;
    slot->Typ = it->Typ;
    slot->Schaden1 = it->Schaden1;
    slot->Schaden2 = it->Schaden2;
    slot->Zweihaendig = it->Zweihaendig;
    slot->Wert = it->Wert;
    slot->Name = it->Name;
    slot->Image = it->Image;
}

void CopyRing(TItem* slot, const TItem* it) {
    slot->ID = it->ID;
    slot->Art = it->Art;
    slot->Typ = it->Typ;
    slot->Wert = it->Wert;
    slot->Name = it->Name;
    slot->Image = it->Image;
}

bool HoldsTwoHanded(const TItem* slot) {
    return slot->ID != 0 && slot->Zweihaendig == 1 && slot->Typ != u"Pfeil";
}

void TakeOffWeapon() {
    EquipWeapon->ID = 0;
    CurrentWeapon = nullptr;
    SelectedHotkey = 0;
    ClearEquippedMark(u"Waffe");
}

// Takes the mark off the cells of a ring taken off. When the other ring
// slot wears the same kind of ring, one cell keeps its mark for it.
void UnmarkRing(const TItem* taken, const TItem* other) {
    bool keepOne = other->ID == taken->ID;
    for (int i = 0; i < kInvCols; ++i)
        for (int j = 0; j < kInvRows; ++j) {
            TItem* it = InventoryGrid[i][j];
            if (it->ID != taken->ID || it->Aktiv != 1) continue;
            if (keepOne) {
                keepOne = false;
                continue;
            }
            it->Aktiv = 0;
        }
}

void WieldWeapon(TItem* it) {
    ClearEquippedMark(u"Waffe");
    SelectedHotkey = 0;
    CurrentSpell = nullptr;
    ClearSpellBookMarks();
    // The off hand held the two-handed weapon's other grip.
    if (HoldsTwoHanded(EquipWeapon)) EquipOffHand->ID = 0;
    CopyWeapon(EquipWeapon, it);
    CurrentWeapon = FindWeaponByItemId(it->ID);
    it->Aktiv = 1;
    if (it->Zweihaendig == 1) {
        ClearEquippedMark(u"Pfeil");
        ClearEquippedMark(u"Schild");
        CopyWeapon(EquipOffHand, EquipWeapon);
    }
}

// Arrows or a shield into the off hand, which a two-handed weapon frees.
void FillOffHand(TItem* it) {
    if (HoldsTwoHanded(EquipOffHand)) TakeOffWeapon();
    if (it->Typ == u"Pfeil") {
        CopyWeapon(EquipOffHand, it);
        EquipOffHand->Anzahl = it->Anzahl;
    } else {
        CopyArmour(EquipOffHand, it);
        EquipOffHand->Zweihaendig = 0;
    }
    it->Aktiv = 1;
}

void Drink(TItem* it) {
    if (it->Anzahl == 0) return;
    if (it->Typ == u"Lebenstrank" && Player->HP < Player->HPMax) {
        Player->HP += it->Schaden1;
        --it->Anzahl;
    } else if (it->Typ == u"Manatrank" && Player->MP < Player->MPMax) {
        Player->MP += it->Schaden1;
        --it->Anzahl;
    }
    if (it->Anzahl == 0) {
        it->ID = 0;
        it->Aktiv = 0;
    }
}

bool In(int v, int lo, int hi) {
    return v >= lo && v <= hi;
}
} // namespace

void UseInventoryCell(int col, int row) {
    TItem* it = InventoryGrid[col][row];
    if (it->ID == 0) return;
    if (it->Art == u"Ruestung") {
        ClearEquippedMark(u"Ruestung");
        CopyArmour(EquipBody, it);
        it->Aktiv = 1;
    } else if (it->Art == u"Helm") {
        ClearEquippedMark(u"Helm");
        CopyArmour(EquipHead, it);
        it->Aktiv = 1;
    } else if (it->Art == u"Ring") {
        if (it->Aktiv != 0) return;
        if (EquipRing1->ID == 0) {
            CopyRing(EquipRing1, it);
        } else {
            if (EquipRing2->ID != 0) UnmarkRing(EquipRing2, EquipRing1);
            CopyRing(EquipRing2, it);
        }
        it->Aktiv = 1;
    } else if (it->Art == u"Waffe" && it->Typ != u"Pfeil") {
        WieldWeapon(it);
    } else if (it->Typ == u"Pfeil") {
        ClearEquippedMark(u"Pfeil");
        ClearEquippedMark(u"Schild");
        FillOffHand(it);
    } else if (it->Art == u"Schild") {
        ClearEquippedMark(u"Schild");
        ClearEquippedMark(u"Pfeil");
        FillOffHand(it);
    } else if (it->Art == u"Trank") {
        Drink(it);
    }
}

void UnequipAt(int mx, int my) {
    int sw = ScreenWidth(), sh = ScreenHeight();
    int w = ImageWidthOf(ImgInventar1), h = ImageHeightOf(ImgInventar1);
    int R = sw / 2 + w / 2, top = sh / 2 - h / 2;
    bool upper = In(my, top + 20, top + 80), lower = In(my, top + 100, top + 160);
    bool middle = In(mx, R - 134, R - 74), inner = In(mx, R - 209, R - 149),
         outer = In(mx, R - 59, R);
    if (middle && upper) {
        EquipHead->ID = 0;
        EquipHead->Ruestung = 0;
        ClearEquippedMark(u"Helm");
    }
    if (middle && lower) {
        if (EquipBody->ID != kStartingClothes) {
            EquipBody->ID = kStartingClothes;
            EquipBody->Ruestung = 0;
            EquipBody->Image = ImgStartkleidung;
            EquipBody->ImageGross = ImgStartkleidungGross;
        }
        ClearEquippedMark(u"Ruestung");
    }
    if (inner && upper) {
        if (HoldsTwoHanded(EquipWeapon)) EquipOffHand->ID = 0;
        TakeOffWeapon();
    }
    if (outer && upper) {
        EquipOffHand->ID = 0;
        ClearEquippedMark(u"Pfeil");
        ClearEquippedMark(u"Schild");
    }
    if (inner && lower && EquipRing1->ID != 0) {
        UnmarkRing(EquipRing1, EquipRing2);
        EquipRing1->ID = 0;
    }
    if (outer && lower && EquipRing2->ID != 0) {
        UnmarkRing(EquipRing2, EquipRing1);
        EquipRing2->ID = 0;
    }
}
