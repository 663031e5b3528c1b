// One trade from opening to closing: laying the stock out into the grids,
// and settling both pages together when the window closes.
#include "ui/ui.h"

#include "data/player_state.h"
#include "data/window_state.h"

#include <utility>
#include <vector>

namespace {
bool sessionActive = false;
const TList<void*>* sessionItems = nullptr;
const TList<void*>* sessionSpells = nullptr;
// Stock that found no cell when laid out (more kinds than the grid has
// cells): kept aside and handed back to the stock list on closing, so
// that opening a container never loses what it held.
std::vector<std::pair<uint16_t, int>> itemOverflow;
std::vector<uint16_t> spellOverflow;

void LayOutItemStock(TList<void*>* list) {
    for (int j = 0; j < kShopRows; ++j)
        for (int i = 0; i < kShopCols; ++i) {
            TItem* c = ShopItems[i][j];
            c->ID = 0;
            c->Anzahl = 0;
            c->Verkauf = c->Kauf = c->Kaufx = c->Kaufy = 0;
        }
    itemOverflow.clear();
    if (list)
        for (void* p : *list) {
            const TItem* e = static_cast<TItem*>(p);
            int placed = PlaceItem(e->ID, e->Anzahl, 2, 0);
            if (placed < e->Anzahl) itemOverflow.emplace_back(e->ID, e->Anzahl - placed);
        }
    TradeItemsLaidOut = 1;
}

void LayOutSpellStock(TList<void*>* list) {
    for (int j = 0; j < kShopRows; ++j)
        for (int i = 0; i < kShopCols; ++i) {
            TZauberItem* z = ShopSpells[i][j];
            z->ID = 0;
            z->Verkauf = z->Kauf = z->Kaufx = z->Kaufy = 0;
        }
    spellOverflow.clear();
    if (list)
        for (void* p : *list) {
            uint16_t id = static_cast<TZauberItem*>(p)->ID;
            if (!PlaceSpell(id, 2, 0)) spellOverflow.push_back(id);
        }
    TradeSpellsLaidOut = 1;
}

void RebuildSpellStock(TList<void*>* list) {
    list->Clear();
    for (int j = 0; j < kShopRows; ++j)
        for (int i = 0; i < kShopCols; ++i)
            if (ShopSpells[i][j]->ID > 0) {
                TZauberItem* e = new TZauberItem;
                e->ID = ShopSpells[i][j]->ID;
                list->AddLast(e);
            }
    for (uint16_t id : spellOverflow) {
        TZauberItem* e = new TZauberItem;
        e->ID = id;
        list->AddLast(e);
    }
}

void CloseTrade() {
    TradeOpen = 0;
    // Only a grid laid out in this trade speaks for its stock list.
    TList<void*>* items = TradeItemsLaidOut ? MerchantItems : nullptr;
    TList<void*>* spells = TradeSpellsLaidOut ? MerchantSpells : nullptr;
    SettleTrade(1, items);
    SettleTrade(2, spells);
    MergeStacks(1, nullptr);
    if (items) {
        MergeStacks(2, items);
        for (auto [id, n] : itemOverflow) {
            TItem* e = new TItem;
            e->ID = id;
            e->Anzahl = (uint8_t)n;
            items->AddLast(e);
        }
    }
    if (spells) RebuildSpellStock(spells);
    if (TradeFromDialogue == 1) Gold = (int32_t)((double)Gold + TradeBalance);
    TradeBalance = 0;
    NoGoldShown = NoRoomShown = 0;
    TradeItemsLaidOut = TradeSpellsLaidOut = 0;
    itemOverflow.clear();
    spellOverflow.clear();
    sessionActive = false;
}
} // namespace

void BeginTradeIfNew() {
    if (sessionActive && sessionItems == MerchantItems && sessionSpells == MerchantSpells) return;
    sessionActive = true;
    sessionItems = MerchantItems;
    sessionSpells = MerchantSpells;
    TradeItemsLaidOut = TradeSpellsLaidOut = 0;
    TradeBalance = 0;
    NoGoldShown = NoRoomShown = 0;
}

// A page is laid out the first time it is shown in a trade. Shown again
// after the other tab, it keeps its cells: the marks that let a move be
// undone stay with the units they describe.
void LayOutTradePage(int page) {
    if (TradeOpen != 1) return;
    if (page == 0 && !TradeItemsLaidOut) LayOutItemStock(MerchantItems);
    if (page == 1 && !TradeSpellsLaidOut) LayOutSpellStock(MerchantSpells);
    TradeOpen = 2;
}

void TradeButtonClicked() {
    if (TradeFromDialogue == 0 || TradeBalance >= 0 || Gold >= -(double)TradeBalance) {
        CloseTrade();
        return;
    }
    NoGoldShown = 1;
    NoGoldTime = Millis();
    NoRoomShown = 0;
}

void ShowNoRoom() {
    NoRoomShown = 1;
    NoRoomTime = Millis();
    NoGoldShown = 0;
}
