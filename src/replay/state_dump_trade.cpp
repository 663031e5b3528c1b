// The dump's view of the trade window: balance, message, both stock grids
// with their trade marks, and the stock lists.
#include "replay/state_dump.h"

#include "data/collections.h"
#include "data/window_state.h"
#include "ui/ui.h"

#include <map>

namespace {
std::string Cell(int i, int k) {
    return std::to_string(i) + "," + std::to_string(k);
}

template <class T> void Marks(Json& c, const T* it) {
    c.Set("Verkauf", Json::Int(it->Verkauf));
    c.Set("Kauf", Json::Int(it->Kauf));
    c.Set("Kaufx", Json::Int(it->Kaufx));
    c.Set("Kaufy", Json::Int(it->Kaufy));
}

// Player cells with their marks, keyed "i,j" like the inventory.
Json PlayerMarks() {
    Json j = Json::Obj();
    for (int i = 0; i < kInvCols; ++i)
        for (int k = 0; k < kInvRows; ++k) {
            const TItem* it = InventoryGrid[i][k];
            if (it->ID == 0) continue;
            Json c = Json::Obj();
            c.Set("ID", Json::Int(it->ID));
            c.Set("Anzahl", Json::Int(it->Anzahl));
            Marks(c, it);
            j.Set(Cell(i, k), c);
        }
    return j;
}

Json ShopItemsJson() {
    Json j = Json::Obj();
    for (int i = 0; i < kShopCols; ++i)
        for (int k = 0; k < kShopRows; ++k) {
            const TItem* it = ShopItems[i][k];
            if (it->ID == 0) continue;
            Json c = Json::Obj();
            c.Set("ID", Json::Int(it->ID));
            c.Set("Name", Json::Text(ToUtf8(it->Name)));
            c.Set("Anzahl", Json::Int(it->Anzahl));
            c.Set("Wert", Json::Int(it->Wert));
            Marks(c, it);
            j.Set(Cell(i, k), c);
        }
    return j;
}

Json ShopSpellsJson() {
    Json j = Json::Obj();
    for (int i = 0; i < kShopCols; ++i)
        for (int k = 0; k < kShopRows; ++k) {
            const TZauberItem* z = ShopSpells[i][k];
            if (z->ID == 0) continue;
            Json c = Json::Obj();
            c.Set("ID", Json::Int(z->ID));
            c.Set("Name", Json::Text(ToUtf8(z->Name)));
            c.Set("Wert", Json::Int(z->Wert));
            Marks(c, z);
            j.Set(Cell(i, k), c);
        }
    return j;
}

// A stock list as "ID" -> units (items) or "ID" -> entries (spells), and
// its length; -1 when there is none.
Json StockJson(const TList<void*>* list, bool items) {
    Json j = Json::Obj();
    j.Set("count", Json::Int(list ? list->Count() : -1));
    std::map<int, long long> perId;
    if (list)
        for (void* p : *list) {
            if (items)
                perId[static_cast<TItem*>(p)->ID] += static_cast<TItem*>(p)->Anzahl;
            else
                perId[static_cast<TZauberItem*>(p)->ID] += 1;
        }
    Json units = Json::Obj();
    for (auto [id, n] : perId) units.Set(std::to_string(id), Json::Int(n));
    j.Set("units", units);
    return j;
}
} // namespace

void DumpTrade(Json& s) {
    Json t = Json::Obj();
    t.Set("balance", Json::Num(TradeBalance));
    Str msg;
    if (NoGoldShown == 1 && TradeFromDialogue == 1)
        msg = u"Ihr habt nicht genug Gold!";
    else if (NoRoomShown == 1)
        msg = u"Kein Platz mehr.";
    t.Set("message", Json::Text(ToUtf8(msg)));
    t.Set("NoGoldShown", Json::Int(NoGoldShown));
    t.Set("NoRoomShown", Json::Int(NoRoomShown));
    t.Set("itemsLaidOut", Json::Int(TradeItemsLaidOut));
    t.Set("spellsLaidOut", Json::Int(TradeSpellsLaidOut));
    t.Set("player", PlayerMarks());
    t.Set("shop", ShopItemsJson());
    t.Set("shopSpells", ShopSpellsJson());
    t.Set("stock", StockJson(MerchantItems, true));
    t.Set("spellStock", StockJson(MerchantSpells, false));
    s.Set("trade", t);
}
