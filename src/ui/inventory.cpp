// The item page of the inventory window: the grid, the equipment slots,
// the turning figure wearing what is equipped, and the mouse on them.
#include "ui/ui.h"

#include "data/assets.h"
#include "data/loaders.h"
#include "data/player_state.h"
#include "data/window_state.h"
#include "ui/drag.h"
#include "ui/inventory_layout.h"

using namespace invlayout;

namespace {
// Armour and helmet pictures are twelve-cell strips whose cell 7 shows
// the piece on its own; shields use cell 9. Things of no class (a pelt, a
// key) have a single picture, as the trade window already draws them.
int ClassFrame(const TItem* it) {
    if (it->Art.empty() || it->Art == u"Waffe" || it->Art == u"Trank" || it->Art == u"Ring")
        return 0;
    if (it->Art == u"Schild") return 9;
    return 7;
}

void DrawCentred(Image* img, double cx, double cy, int frame) {
    if (!img) return;
    DrawImageFrame(img, FloatToInt(cx - ImageWidthOf(img) / 2),
                   FloatToInt(cy - ImageHeightOf(img) / 2), frame);
}

void DrawGrid(const Window& l) {
    for (int i = 0; i < kInvCols; ++i)
        for (int j = 0; j < kInvRows; ++j) {
            TItem* it = InventoryGrid[i][j];
            if (it->ID == 0) continue;
            if (it->Aktiv == 1) SetColor(100, 100, 100);
            DrawCentred(it->Image, CellCentreX(l, i), CellCentreY(l, j), ClassFrame(it));
            if (it->Anzahl > 1) {
                Str n = IntToString(it->Anzahl);
                DrawString(n, FloatToInt(l.left + (i + 1) * kPitch - 5 - StringWidth(n)),
                           FloatToInt(l.top + (j + 1) * kPitch - 22));
            }
            if (it->Anzahl == 0) it->ID = 0;
            SetColor(255, 255, 255);
        }
}

bool HoldsShield() {
    return EquipOffHand->ID > 0 && EquipOffHand->Art == u"Schild";
}

void DrawDollAndSlots(const Window& l) {
    int R = l.right, top = l.top;
    double dx = R - 104, dy = top + 219;
    if (DollFrame < 6 && HoldsShield()) DrawCentred(EquipOffHand->Image, dx, dy, DollFrame);
    DrawCentred(ImgKoerper, dx, dy, DollFrame);
    DrawCentred(ImgGesicht, dx, dy, DollFrame);
    if (EquipHead->ID == 0) DrawCentred(ImgHaare, dx, dy, DollFrame);
    DrawCentred(EquipBody->Image, R - 104, top + 119, 7);
    if (EquipHead->ID != 0) DrawCentred(EquipHead->Image, R - 104, top + 59, 7);
    if (EquipWeapon->ID != 0) DrawCentred(EquipWeapon->Image, R - 179, top + 59, 0);
    if (EquipOffHand->ID != 0) {
        if (EquipWeapon->ID != 0 && EquipWeapon->Zweihaendig == 1) {
            // The other grip of the two-handed weapon, faint.
            SetBlend(3);
            SetAlpha(0.3);
            DrawCentred(EquipOffHand->Image, R - 30, top + 59, 0);
            SetBlend(1);
            SetAlpha(1);
        } else if (EquipOffHand->Typ == u"Pfeil") {
            DrawCentred(EquipOffHand->Image, R - 30, top + 39, 0);
        } else if (HoldsShield()) {
            DrawCentred(EquipOffHand->Image, R - 30, top + 39, 9);
        }
    }
    if (EquipRing1->ID != 0) DrawCentred(EquipRing1->Image, R - 179, top + 129, 0);
    if (EquipRing2->ID != 0) DrawCentred(EquipRing2->Image, R - 30, top + 129, 0);
    // The figure wears the body armour and the helmet; from frame 6 on it
    // has turned so far that the shield is in front.
    DrawCentred(EquipBody->Image, dx, dy, DollFrame);
    if (EquipHead->ID != 0) DrawCentred(EquipHead->Image, dx, dy, DollFrame);
    if (DollFrame >= 6 && HoldsShield()) DrawCentred(EquipOffHand->Image, dx, dy, DollFrame);
}

GridDrag ItemDrag() {
    GridDrag g;
    g.cellId = [](int c, int r) { return InventoryGrid[c][r]->ID; };
    g.lift = [](int c, int r) {
        const TItem* it = InventoryGrid[c][r];
        if (it->Art == u"Waffe" || it->Art == u"Trank" || !it->Image) return 0;
        return ImageHeightOf(it->Image) / 2;
    };
    g.remember = [](int c, int r) {
        DragID = InventoryGrid[c][r]->ID;
        DragAktiv = InventoryGrid[c][r]->Aktiv;
        DragAnzahl = InventoryGrid[c][r]->Anzahl;
    };
    g.drawCarried = [] {
        const TItem* it = InventoryGrid[DragFromX][DragFromY];
        if (it->Image) DrawImageFrame(it->Image, DragDrawX, DragDrawY, ClassFrame(it));
    };
    g.dropOnCell = [](int c, int r) {
        if (c == DragFromX && r == DragFromY) return;
        TItem* src = InventoryGrid[DragFromX][DragFromY];
        TItem* dst = InventoryGrid[c][r];
        uint16_t id = dst->ID;
        uint8_t aktiv = dst->Aktiv, anzahl = dst->Anzahl;
        dst->ID = DragID;
        dst->Aktiv = DragAktiv;
        dst->Anzahl = DragAnzahl;
        src->ID = id;
        src->Aktiv = id ? aktiv : 0;
        src->Anzahl = id ? anzahl : 0;
        LoadInventoryItem(dst->ID, (uint8_t)c, (uint8_t)r);
        if (src->ID != 0) LoadInventoryItem(src->ID, (uint8_t)DragFromX, (uint8_t)DragFromY);
    };
    g.dropOnHotkey = [](int slot) {
        const TItem* it = InventoryGrid[DragFromX][DragFromY];
        if (it->ID != DragID || it->Art != u"Waffe" || it->Typ == u"Pfeil") return;
        Hotkeys[slot]->Typ = kHotkeyWeapon;
        Hotkeys[slot]->ID = it->ID;
        Hotkeys[slot]->Image = it->ImageGross;
    };
    return g;
}

bool InBox(int mx, int my, int x0, int x1, int y0, int y1) {
    return mx >= x0 && mx <= x1 && my >= y0 && my <= y1;
}

// The description of an equipment slot under the pointer, when the grid
// has not put one up this frame.
void HoverSlots(const Window& l, int mx, int my) {
    int R = l.right, top = l.top;
    const struct {
        const TItem* slot;
        int x0, x1, y0, y1;
    } boxes[] = {{EquipHead, R - 134, R - 74, top + 20, top + 80},
                 {EquipBody, R - 134, R - 74, top + 100, top + 160},
                 {EquipWeapon, R - 209, R - 149, top + 20, top + 80},
                 {EquipOffHand, R - 59, R, top + 20, top + 80},
                 {EquipRing1, R - 209, R - 149, top + 100, top + 160},
                 {EquipRing2, R - 59, R, top + 100, top + 160}};
    for (const auto& b : boxes) {
        bool filled = b.slot == EquipBody ? b.slot->ID > kStartingClothes : b.slot->ID != 0;
        if (TooltipShown == 1 || !filled || !InBox(mx, my, b.x0, b.x1, b.y0, b.y1)) continue;
        DescribeItem(b.slot);
        TooltipCellX = TooltipCellY = -1;
    }
}

// Shots spend the arrows in the off hand; their cell follows the count.
void CarryArrowCount() {
    if (EquipOffHand->ID == 0 || EquipOffHand->Typ != u"Pfeil") return;
    for (int i = 0; i < kInvCols; ++i)
        for (int j = 0; j < kInvRows; ++j) {
            TItem* it = InventoryGrid[i][j];
            if (it->ID != EquipOffHand->ID || it->Aktiv != 1) continue;
            it->Anzahl = EquipOffHand->Anzahl;
            if (it->Anzahl == 0) {
                it->ID = 0;
                it->Aktiv = 0;
                EquipOffHand->ID = 0;
            }
        }
}

void TurnDoll() {
    if (Millis() < DollFrameTime + 180) return;
    DollFrame = DollFrame >= 11 ? 0 : DollFrame + 1;
    DollFrameTime = Millis();
}
} // namespace

void ClearHotkeyAt(int mx, int my) {
    int slot = HotkeySlotAt(mx, my);
    if (slot >= 0) Hotkeys[slot]->ID = 0;
}

void InventoryScreen() {
    Window l = Inventory();
    int mx = MouseX, my = MouseY;
    SetFont(FontNarrow18);
    DrawImageFrame(ImgInventar1, l.left, l.top, 0);
    DrawGrid(l);
    DrawDollAndSlots(l);
    bool ctrl = KeyIsDown(VK_LCONTROL) != 0;
    if (ctrl) RunGridDrag(ItemDrag());
    int col, row;
    bool onCell = CellAt(l, mx, my, col, row);
    if (MouseClicked == 1 && !ctrl && onCell) {
        ClickCellX = col;
        ClickCellY = row;
        UseInventoryCell(col, row);
    }
    if (MouseWasHit(2)) {
        UnequipAt(mx, my);
        ClearHotkeyAt(mx, my);
    }
    if (onCell && Dragging == 0)
        HoverItemCell(InventoryGrid[col][row], col, row);
    else
        TooltipShown = 0;
    HoverSlots(l, mx, my);
    CarryArrowCount();
    TurnDoll();
    DrawDescription();
}
