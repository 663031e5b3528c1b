// The spell page of the inventory window: readying a spell with a click,
// rearranging the book and filling the hotkey bar by Ctrl-dragging.
#include "ui/ui.h"

#include "data/assets.h"
#include "data/loaders.h"
#include "data/window_state.h"
#include "ui/drag.h"
#include "ui/inventory_layout.h"

using namespace invlayout;

namespace {
GridDrag SpellDrag() {
    GridDrag g;
    g.cellId = [](int c, int r) { return SpellBookGrid[c][r]->ID; };
    g.lift = [](int, int) { return 0; };
    g.remember = [](int c, int r) {
        DragID = SpellBookGrid[c][r]->ID;
        DragAktiv = SpellBookGrid[c][r]->Aktiv;
    };
    g.drawCarried = [] {
        const TZauberItem* z = SpellBookGrid[DragFromX][DragFromY];
        if (z->Image) DrawImageFrame(z->Image, DragDrawX, DragDrawY, 0);
    };
    g.dropOnCell = [](int c, int r) {
        if (c == DragFromX && r == DragFromY) return;
        TZauberItem* src = SpellBookGrid[DragFromX][DragFromY];
        TZauberItem* dst = SpellBookGrid[c][r];
        uint16_t id = dst->ID;
        uint8_t aktiv = dst->Aktiv;
        dst->ID = DragID;
        dst->Aktiv = DragAktiv;
        src->ID = id;
        src->Aktiv = id ? aktiv : 0;
        LoadSpellBookItem(dst->ID, (uint8_t)c, (uint8_t)r);
        if (src->ID != 0) LoadSpellBookItem(src->ID, (uint8_t)DragFromX, (uint8_t)DragFromY);
    };
    g.dropOnHotkey = [](int slot) {
        const TZauberItem* z = SpellBookGrid[DragFromX][DragFromY];
        if (z->ID != DragID) return;
        Hotkeys[slot]->Typ = kHotkeySpell;
        Hotkeys[slot]->ID = z->ID;
        Hotkeys[slot]->Image = z->ImageGross;
    };
    return g;
}

// A spell readied takes the weapon out of the hand; it stays in the grid.
void ReadySpell(TZauberItem* z) {
    ClearSpellBookMarks();
    SelectedHotkey = 0;
    CurrentWeapon = nullptr;
    EquipWeapon->ID = 0;
    ClearEquippedMark(u"Waffe");
    CurrentSpell = FindSpellById(z->ID);
    z->Aktiv = 1;
}
} // namespace

void SpellBookScreen() {
    Window l = Inventory();
    int mx = MouseX, my = MouseY;
    SetFont(FontNarrow18);
    DrawImageFrame(ImgZaubermenue, l.left, l.top, 0);
    for (int i = 0; i < kInvCols; ++i)
        for (int j = 0; j < kInvRows; ++j) {
            TZauberItem* z = SpellBookGrid[i][j];
            if (z->ID == 0 || !z->Image) continue;
            if (z->Aktiv == 1) SetColor(100, 100, 100);
            DrawImageFrame(z->Image, FloatToInt(CellCentreX(l, i) - ImageWidthOf(z->Image) / 2),
                           FloatToInt(CellCentreY(l, j) - ImageHeightOf(z->Image) / 2), 0);
            SetColor(255, 255, 255);
        }
    bool ctrl = KeyIsDown(VK_LCONTROL) != 0;
    if (ctrl) RunGridDrag(SpellDrag());
    int col, row;
    bool onCell = CellAt(l, mx, my, col, row);
    if (MouseClicked == 1 && !ctrl && onCell && SpellBookGrid[col][row]->ID > 0) {
        ClickCellX = col;
        ClickCellY = row;
        ReadySpell(SpellBookGrid[col][row]);
    }
    if (MouseWasHit(2)) ClearHotkeyAt(mx, my);
    if (onCell)
        HoverSpellCell(SpellBookGrid[col][row], col, row);
    else
        TooltipShown = 0;
    DrawDescription();
}
