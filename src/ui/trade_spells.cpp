// The spell page of the trade window: the spell book against the spell
// stock. A spell item is one thing, moved whole.
#include "ui/ui.h"

#include "data/assets.h"

#include "data/window_state.h"

namespace {
constexpr double kPitch = 75.4, kHalf = 37.7;

void DrawCell(const TZauberItem* z, double cx, double cy, bool grey) {
    if (z->ID == 0) return;
    SetColor(255, 255, 255);
    if (grey && z->Aktiv == 1) SetColor(100, 100, 100);
    if (z->Kauf == 1) SetColor(150, 0, 0);
    if (z->Verkauf == 1) SetColor(0, 0, 150);
    if (z->Image)
        DrawImageFrame(z->Image, cx - ImageWidthOf(z->Image) / 2.0,
                       cy - ImageHeightOf(z->Image) / 2.0, 0);
    SetColor(255, 255, 255);
}

void DrawGrids(const TradeGeometry& g) {
    for (int j = 0; j < kInvRows; ++j)
        for (int i = 0; i < kInvCols; ++i)
            DrawCell(SpellBookGrid[i][j], g.X0 + kHalf + kPitch * i, g.T2 + kHalf + kPitch * j,
                     true);
    for (int j = 0; j < kShopRows; ++j)
        for (int i = 0; i < kShopCols; ++i)
            DrawCell(ShopSpells[i][j], g.X1 + kHalf + kPitch * i, g.TH + kHalf + kPitch * j, false);
}

void EmptySpell(TZauberItem* z) {
    z->ID = 0;
    z->Kauf = z->Verkauf = z->Kaufx = z->Kaufy = 0;
}

void PlayerCellClicked(int i, int j) {
    TZauberItem* z = SpellBookGrid[i][j];
    if (z->ID == 0 || z->Aktiv == 1 || z->Verkauf == 1) return;
    ClickCellX = (uint8_t)i;
    ClickCellY = (uint8_t)j;
    if (z->Kauf == 0) {
        if (!PlaceSpell(z->ID, 2, 1)) return ShowNoRoom();
        z->Verkauf = 1;
        TradeBalance += z->Wert;
        return;
    }
    TradeBalance += (float)BuyPrice(z->Wert);
    ShopSpells[z->Kaufx][z->Kaufy]->Verkauf = 0;
    EmptySpell(z);
}

void StockCellClicked(int i, int j) {
    TZauberItem* z = ShopSpells[i][j];
    if (z->ID == 0 || z->Verkauf == 1) return;
    ClickCellX = (uint8_t)i;
    ClickCellY = (uint8_t)j;
    if (z->Kauf == 0) {
        if (!PlaceSpell(z->ID, 1, 1)) return ShowNoRoom();
        z->Verkauf = 1;
        TradeBalance -= (float)BuyPrice(z->Wert);
        return;
    }
    TradeBalance -= z->Wert;
    SpellBookGrid[z->Kaufx][z->Kaufy]->Verkauf = 0;
    EmptySpell(z);
}
} // namespace

void TradeSpellsPage() {
    BeginTradeIfNew();
    LayOutTradePage(1);
    TradeGeometry g = TradeLayout();
    DrawTradeFrame(g, MerchantName);
    DrawGrids(g);
    int i = 0, j = 0;
    // Descriptions are set in the text font, as in the inventory window.
    SetFont(FontFunke16);
    if (PlayerCellAt(g, MouseX, MouseY, kInvCols, i, j) && SpellBookGrid[i][j]->ID > 0) {
        HoverSpellCell(SpellBookGrid[i][j], i, j);
        if (MouseClicked == 1 && TradeOpen != 0) PlayerCellClicked(i, j);
    } else if (StockCellAt(g, MouseX, MouseY, i, j) && ShopSpells[i][j]->ID > 0) {
        HoverSpellCell(ShopSpells[i][j], kInvCols + i, j);
        if (MouseClicked == 1 && TradeOpen != 0) StockCellClicked(i, j);
    } else {
        TooltipShown = 0;
    }
    DrawDescription();
}

// Runs after the spell page each frame. The item stock list is rebuilt
// from its grid when the window closes, and only if that grid was laid out
// in this trade; rebuilding it here as well would join stock cells that
// the player's undo marks still point to, so the list is left alone.
void TradeSpellStock() {}
