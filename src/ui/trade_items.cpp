// The item page of the trade window: the player's inventory grid against
// the stock, one unit moved per click.
#include "ui/ui.h"

#include "data/assets.h"
#include "data/window_state.h"

namespace {
constexpr double kPitch = 75.4, kHalf = 37.7;

bool IsGold(const TItem* c) {
    return c->Name == u"Gold";
}

int IconFrame(const TItem* c) {
    const Str& a = c->Art;
    return a == u"Waffe" || a == u"Trank" || a == u"Ring" || a.empty() ? 0 : 7;
}

void DrawCell(const TItem* c, double cx, double cy, bool grey, double countRight, double countY) {
    if (c->ID == 0) return;
    SetColor(255, 255, 255);
    if (grey && c->Aktiv == 1) SetColor(100, 100, 100);
    if (c->Kauf == 1) SetColor(150, 0, 0);
    if (c->Verkauf == 1) SetColor(0, 0, 150);
    if (c->Image)
        DrawImageFrame(c->Image, cx - ImageWidthOf(c->Image) / 2.0,
                       cy - ImageHeightOf(c->Image) / 2.0, IconFrame(c));
    SetColor(255, 255, 255);
    if (c->Verkauf == 1 || c->Anzahl > 1) {
        Str n = IntToString(c->Anzahl);
        DrawString(n, countRight - StringWidth(n), countY);
    }
}

void DrawGrids(const TradeGeometry& g) {
    SetFont(FontNarrow18);
    for (int j = 0; j < kInvRows; ++j)
        for (int i = 0; i < kInvCols; ++i)
            DrawCell(InventoryGrid[i][j], g.X0 + kHalf + kPitch * i, g.T2 + kHalf + kPitch * j,
                     true, g.X0 - 5 + kPitch * (i + 1), g.T2 + kPitch * (j + 1) - 22);
    for (int j = 0; j < kShopRows; ++j)
        for (int i = 0; i < kShopCols; ++i)
            DrawCell(ShopItems[i][j], g.X1 + kHalf + kPitch * i, g.TH + kHalf + kPitch * j, false,
                     g.X1 - 2.3 + kPitch * (i + 1), g.TH + kPitch * (j + 1) - 22);
    SetColor(255, 255, 255);
}

// A click on a player cell: sells one of his own units, or gives back one
// bought in this trade. A unit that finds no room moves nowhere and
// changes nothing.
void PlayerCellClicked(int i, int j) {
    TItem* c = InventoryGrid[i][j];
    if (c->ID == 0 || c->Aktiv == 1 || c->Anzahl == 0) return;
    ClickCellX = (uint8_t)i;
    ClickCellY = (uint8_t)j;
    if (c->Kauf == 0) {
        if (PlaceItem(c->ID, 1, 2, 1) == 0) return ShowNoRoom();
        c->Verkauf = 1;
        if (!IsGold(c)) TradeBalance += c->Wert;
        return;
    }
    TItem* s = ShopItems[c->Kaufx][c->Kaufy];
    if (s->Anzahl >= kMaxStack) return ShowNoRoom();
    c->Anzahl = (uint8_t)(c->Anzahl - 1);
    s->Anzahl = (uint8_t)(s->Anzahl + 1);
    if (!IsGold(c)) TradeBalance += (float)BuyPrice(c->Wert);
    if (c->Anzahl == 0) {
        s->Verkauf = 0;
        c->ID = 0;
        c->Kauf = c->Verkauf = c->Kaufx = c->Kaufy = 0;
    }
}

// A click on a stock cell: buys one unit (a gold stack whole and free), or
// takes back one the player sold in this trade.
void StockCellClicked(int i, int j) {
    TItem* c = ShopItems[i][j];
    if (c->ID == 0 || c->Anzahl == 0) return;
    ClickCellX = (uint8_t)i;
    ClickCellY = (uint8_t)j;
    if (c->Kauf == 0) {
        bool gold = IsGold(c);
        int wert = c->Wert;
        if (PlaceItem(c->ID, gold ? c->Anzahl : 1, 1, 1) == 0) return ShowNoRoom();
        c->Verkauf = 1;
        if (!gold) TradeBalance -= (float)BuyPrice(wert);
        return;
    }
    TItem* p = InventoryGrid[c->Kaufx][c->Kaufy];
    if (p->Anzahl >= kMaxStack) return ShowNoRoom();
    c->Anzahl = (uint8_t)(c->Anzahl - 1);
    p->Anzahl = (uint8_t)(p->Anzahl + 1);
    if (!IsGold(c)) TradeBalance -= c->Wert;
    if (c->Anzahl == 0) {
        p->Verkauf = 0;
        c->ID = 0;
        c->Kauf = c->Verkauf = c->Kaufx = c->Kaufy = 0;
    }
}
} // namespace

void TradeItemsPage() {
    BeginTradeIfNew();
    LayOutTradePage(0);
    TradeGeometry g = TradeLayout();
    DrawTradeFrame(g, MerchantName);
    DrawGrids(g);
    int i = 0, j = 0;
    // Descriptions are set in the text font, as in the inventory window.
    SetFont(FontFunke16);
    if (PlayerCellAt(g, MouseX, MouseY, kInvCols, i, j) && InventoryGrid[i][j]->ID > 0) {
        HoverItemCell(InventoryGrid[i][j], i, j, true, false);
        if (MouseClicked == 1 && TradeOpen != 0) PlayerCellClicked(i, j);
    } else if (StockCellAt(g, MouseX, MouseY, i, j) && ShopItems[i][j]->ID > 0) {
        // Stock cells count on from the player's columns, so that moving
        // between the two grids describes anew.
        HoverItemCell(ShopItems[i][j], kInvCols + i, j, true, true);
        if (MouseClicked == 1 && TradeOpen != 0) StockCellClicked(i, j);
    } else {
        TooltipShown = 0;
    }
    DrawDescription();
}
