// Looking up the wielded weapon or spell and marking equipped items.
#include "ui/ui.h"

TWaffe* FindWeaponByItemId(uint16_t id) {
    for (TWaffe* w : *WeaponList)
        if (w->ItemID == id) return w;
    return nullptr;
}

TZauber* FindSpellById(uint16_t id) {
    for (TZauber* z : *SpellList)
        if (z->ID == id) return z;
    return nullptr;
}

void ClearEquippedMark(const Str& kind) {
    for (int i = 0; i < kInvCols; ++i)
        for (int j = 0; j < kInvRows; ++j) {
            TItem* it = InventoryGrid[i][j];
            if (kind == u"Pfeil") {
                if (it->Typ == u"Pfeil") it->Aktiv = 0;
            } else if (it->Art == kind && it->Typ != u"Pfeil") {
                it->Aktiv = 0;
            }
        }
}

void EquipWeaponById(uint16_t id) {
    for (int i = 0; i < kInvCols; ++i)
        for (int j = 0; j < kInvRows; ++j) {
            TItem* it = InventoryGrid[i][j];
            if (it->ID != id) continue;
            ClearEquippedMark(u"Waffe");
            EquipWeapon->ID = it->ID;
            EquipWeapon->Art = it->Art;
            EquipWeapon->Typ = it->Typ;
            EquipWeapon->Schaden1 = it->Schaden1;
            EquipWeapon->Schaden2 = it->Schaden2;
            EquipWeapon->Ruestung = it->Ruestung;
            EquipWeapon->Zweihaendig = it->Zweihaendig;
            EquipWeapon->Wert = it->Wert;
            EquipWeapon->Name = it->Name;
            EquipWeapon->Image = it->Image;
            EquipWeapon->ImageGross = it->ImageGross;
            it->Aktiv = 1;
        }
}
