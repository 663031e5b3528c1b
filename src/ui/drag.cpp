// The Ctrl-drag shared by the inventory and the spell book.
#include "ui/drag.h"

#include "data/window_state.h"
#include "ui/inventory_layout.h"
#include "ui/ui.h"

#include <algorithm>

namespace {
void CancelDrag() {
    Dragging = 0;
    DragDrawX = DragDrawY = 0;
}
} // namespace

void RunGridDrag(const GridDrag& g) {
    using namespace invlayout;
    Window l = Inventory();
    int mx = MouseX, my = MouseY;
    bool inSpan = (mx >= l.left && mx <= l.gridEnd) || InBarSpan(mx);
    bool inHeight = my >= l.top && my <= std::max(l.top + l.h, l.sh - 20);
    if (!inSpan || !inHeight) {
        CancelDrag();
        return;
    }
    bool held = MouseIsDown(1) != 0;
    int mw = ImageWidthOf(ImgMaus), mh = ImageHeightOf(ImgMaus);
    static int lift = 0;
    // Picking up: the cell under the pointer becomes the source. What was
    // carried before is forgotten, so that an empty source drops nothing.
    if (held && Dragging == 0) {
        int col, row;
        if (!CellAt(l, mx, my, col, row)) {
            CancelDrag();
        } else {
            DragFromX = col;
            DragFromY = row;
            DragID = 0;
            DragAktiv = DragAnzahl = 0;
            lift = g.cellId(col, row) > 0 ? g.lift(col, row) : 0;
            DragDrawX = mx + mw;
            DragDrawY = my + mh - lift;
        }
    }
    // Carrying.
    if (held && g.cellId(DragFromX, DragFromY) > 0 && DragDrawX != 0 && DragDrawY != 0) {
        g.remember(DragFromX, DragFromY);
        Dragging = 1;
    } else {
        Dragging = 0;
    }
    if (Dragging == 1) {
        DragDrawX = mx + mw;
        DragDrawY = my + mh - lift;
        g.drawCarried();
        return;
    }
    // Dropping, once per release.
    if (held || (DragDrawX == 0 && DragDrawY == 0)) return;
    if (DragID != 0) {
        int col, row;
        if (DragDrawY >= l.top && DragDrawY <= l.top + l.h && DragDrawX >= l.left &&
            DragDrawX <= l.gridEnd) {
            if (CellAt(l, mx, my, col, row)) {
                DropX = col;
                DropY = row;
                g.dropOnCell(col, row);
            }
        } else if (InBarHeight(DragDrawY) && InBarSpan(DragDrawX)) {
            int slot = HotkeySlotAt(mx, ScreenHeight() - 20);
            if (slot >= 0) {
                DropX = slot;
                g.dropOnHotkey(slot);
            }
        }
    }
    DragDrawX = DragDrawY = 0;
}
