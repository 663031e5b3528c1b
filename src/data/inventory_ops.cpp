// Placing, finding and removing items in the item grids.
#include "data/inventory_ops.h"

#include "data/assets.h"
#include "data/collections.h"
#include "data/loaders.h"
#include "data/window_state.h"

#include <algorithm>

int ClickCellX = 0, ClickCellY = 0;

void EmptyItemCell(TItem* c) {
    c->ID = 0;
    c->Anzahl = 0;
    c->Verkauf = c->Kauf = c->Kaufx = c->Kaufy = 0;
}

namespace {

TItem* ItemCell(int target, int i, int j) {
    return target == 1 ? InventoryGrid[i][j] : ShopItems[i][j];
}

int Cols(int target) {
    return target == 1 ? kInvCols : kShopCols;
}

// The item of an emptied cell is no longer worn or wielded: the first
// equipment slot that holds it gives it up.
void TakeOffRemoved(uint16_t id) {
    // The starting clothes (ID 2) take the place of body armour.
    constexpr uint16_t kStartingClothes = 2;
    if (EquipWeapon->ID == id) {
        EquipWeapon->ID = 0;
        CurrentWeapon = nullptr;
        SelectedHotkey = 0;
    } else if (EquipOffHand->ID == id) {
        EquipOffHand->ID = 0;
        EquipOffHand->Anzahl = 0;
    } else if (EquipBody->ID == id) {
        EquipBody->ID = kStartingClothes;
        EquipBody->Ruestung = 0;
        EquipBody->Image = ImgStartkleidung;
        EquipBody->ImageGross = ImgStartkleidungGross;
    } else if (EquipHead->ID == id) {
        EquipHead->ID = 0;
        EquipHead->Ruestung = 0;
    } else if (EquipRing1->ID == id) {
        EquipRing1->ID = 0;
    } else if (EquipRing2->ID == id) {
        EquipRing2->ID = 0;
    }
}
} // namespace

int PlaceItem(uint16_t id, int count, int target, int transfer) {
    int left = count;
    for (int j = 0; j < kInvRows && left > 0; ++j)
        for (int i = 0; i < Cols(target) && left > 0; ++i) {
            TItem* c = ItemCell(target, i, j);
            bool empty = c->ID == 0;
            bool same = c->ID == id && (transfer == 0 || c->Kauf == 1);
            if (!empty && !same) continue;
            int n = std::min(left, kMaxStack - (empty ? 0 : (int)c->Anzahl));
            if (n <= 0) continue;
            if (empty) {
                EmptyItemCell(c);
                c->ID = id;
            }
            c->Anzahl = (uint8_t)(c->Anzahl + n);
            if (transfer == 1) {
                c->Kauf = 1;
                c->Kaufx = ClickCellX;
                c->Kaufy = ClickCellY;
            }
            if (empty) {
                if (target == 1)
                    LoadInventoryItem(id, (uint8_t)i, (uint8_t)j);
                else
                    LoadShopItem(id, (uint8_t)i, (uint8_t)j);
            }
            left -= n;
        }
    int placed = count - left;
    if (transfer == 1 && placed > 0) {
        TItem* src = ItemCell(target == 1 ? 2 : 1, ClickCellX, ClickCellY);
        src->Anzahl = (uint8_t)(src->Anzahl - placed);
    }
    return placed;
}

int InventoryHasItem(uint16_t id, int count, int /*flag*/) {
    for (int j = 0; j < kInvRows; ++j)
        for (int i = 0; i < kInvCols; ++i)
            if (InventoryGrid[i][j]->ID == id && InventoryGrid[i][j]->Anzahl >= count) return 1;
    return 0;
}

bool RemoveInventoryItem(uint16_t id, int count) {
    if (id == 0) return false;
    for (int j = 0; j < kInvRows; ++j)
        for (int i = 0; i < kInvCols; ++i) {
            TItem* c = InventoryGrid[i][j];
            if (c->ID != id || c->Anzahl < count) continue;
            c->Anzahl = (uint8_t)(c->Anzahl - count);
            if (c->Anzahl == 0) {
                if (c->Aktiv == 1) TakeOffRemoved(id);
                c->Aktiv = 0;
                EmptyItemCell(c);
            }
            return true;
        }
    return false;
}
