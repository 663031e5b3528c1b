// Moving units between the two grids of the trade window, joining stacks
// and settling a trade when the window closes.
#include "ui/ui.h"

#include "data/loaders.h"
#include "data/player_state.h"
#include "data/window_state.h"

#include <algorithm>

float TradeBalance = 0;
uint8_t NoGoldShown = 0, NoRoomShown = 0;
int32_t NoGoldTime = 0, NoRoomTime = 0;

uint8_t TradeItemsLaidOut = 0, TradeSpellsLaidOut = 0;

namespace {
void ClearMarks(TItem* c) {
    c->Verkauf = c->Kauf = c->Kaufx = c->Kaufy = 0;
}

void ClearMarks(TZauberItem* z) {
    z->Verkauf = z->Kauf = z->Kaufx = z->Kaufy = 0;
}

TZauberItem* SpellCell(int target, int i, int j) {
    return target == 1 ? SpellBookGrid[i][j] : ShopSpells[i][j];
}

int Cols(int target) {
    return target == 1 ? kInvCols : kShopCols;
}

// Joins the equal items of a grid in row order: each cell gathers the
// units of the later cells with its item. A stack stops at
// kMaxStack; what does not fit stays in its own cell.
template <int C> void MergeGrid(TItem* (&grid)[C][kInvRows], TList<void*>* list) {
    for (int j = 0; j < kInvRows; ++j)
        for (int i = 0; i < C; ++i) {
            TItem* a = grid[i][j];
            if (a->ID == 0) continue;
            // Earlier cells have gathered already: a later cell never
            // pulls units back from an earlier one.
            for (int k = j; k < kInvRows; ++k)
                for (int l = 0; l < C; ++l) {
                    TItem* b = grid[l][k];
                    if ((k == j && l <= i) || b->ID != a->ID) continue;
                    int moved = std::min<int>(b->Anzahl, kMaxStack - a->Anzahl);
                    if (moved <= 0) continue;
                    a->Anzahl = (uint8_t)(a->Anzahl + moved);
                    b->Anzahl = (uint8_t)(b->Anzahl - moved);
                    if (b->Anzahl == 0) EmptyItemCell(b);
                }
            if (list && a->ID != 0) {
                TItem* e = new TItem;
                e->ID = a->ID;
                e->Anzahl = a->Anzahl;
                list->AddLast(e);
            }
        }
}
} // namespace

bool PlaceSpell(uint16_t id, int target, int transfer) {
    for (int j = 0; j < kInvRows; ++j)
        for (int i = 0; i < Cols(target); ++i) {
            TZauberItem* z = SpellCell(target, i, j);
            if (z->ID != 0) continue;
            ClearMarks(z);
            z->ID = id;
            if (transfer == 1) {
                z->Kauf = 1;
                z->Kaufx = ClickCellX;
                z->Kaufy = ClickCellY;
            }
            if (target == 1)
                LoadSpellBookItem(id, (uint8_t)i, (uint8_t)j);
            else
                LoadShopSpell(id, (uint8_t)i, (uint8_t)j);
            return true;
        }
    return false;
}

void MergeStacks(int side, TList<void*>* list) {
    if (side == 1) {
        MergeGrid<kInvCols>(InventoryGrid, nullptr);
        return;
    }
    if (list) list->Clear();
    MergeGrid<kShopCols>(ShopItems, list);
}

void SettleTrade(int side, TList<void*>* list) {
    if (side == 1) {
        for (int j = 0; j < kInvRows; ++j)
            for (int i = 0; i < kInvCols; ++i) {
                TItem* c = InventoryGrid[i][j];
                if (c->ID == kGoldItemId) {
                    Gold += c->Anzahl;
                    EmptyItemCell(c);
                }
                if (c->ID > 0 && c->Anzahl == 0) EmptyItemCell(c);
                ClearMarks(c);
            }
        if (!list) return;
        for (int j = 0; j < kShopRows; ++j)
            for (int i = 0; i < kShopCols; ++i) {
                TItem* c = ShopItems[i][j];
                if (c->ID != 0 && c->Anzahl == 0) {
                    for (void* p : *list)
                        if (static_cast<TItem*>(p)->ID == c->ID) list->Remove(p);
                    EmptyItemCell(c);
                }
                ClearMarks(c);
            }
        return;
    }
    for (int j = 0; j < kInvRows; ++j)
        for (int i = 0; i < kInvCols; ++i) {
            TZauberItem* z = SpellBookGrid[i][j];
            if (z->Verkauf == 1) z->ID = 0;
            ClearMarks(z);
        }
    if (!list) return;
    for (int j = 0; j < kShopRows; ++j)
        for (int i = 0; i < kShopCols; ++i) {
            TZauberItem* z = ShopSpells[i][j];
            if (z->ID != 0 && z->Verkauf == 1) {
                for (void* p : *list)
                    if (static_cast<TZauberItem*>(p)->ID == z->ID) list->Remove(p);
                z->ID = 0;
            }
            ClearMarks(z);
        }
}
