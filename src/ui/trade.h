// The trade window: the player's grid on the left, a merchant's or a
// container's stock on the right, one unit moved per click, a running
// balance settled when the window is closed with its button.
#pragma once

#include "data/collections.h"
#include "data/inventory_ops.h"
#include "media/media.h"

#include <cstdint>

// A merchant sells an item for floor(Wert x PriceFactor) and buys it for Wert.
constexpr float PriceFactor = 1.5f;
// How long a message of the trade window stays, in milliseconds.
constexpr int32_t kTradeMessageMs = 3000;

// Positive when the merchant owes the player, negative when the player owes
// the merchant; 0 outside a trade.
extern float TradeBalance;
// "Ihr habt nicht genug Gold!" and "Kein Platz mehr.": shown flag and start.
extern uint8_t NoGoldShown;
extern int32_t NoGoldTime;
extern uint8_t NoRoomShown;
extern int32_t NoRoomTime;
// The cell a click of the trade window found; the source of a transfer.
// ClickCellX, ClickCellY (data/inventory_ops.h): the cell clicked last.
// Whether each page's stock grid was laid out from its list since the
// window opened. A grid that was not may hold an earlier trade's state and
// is never written back into a stock list.
extern uint8_t TradeItemsLaidOut, TradeSpellsLaidOut;

// What a merchant asks for one unit of something worth `wert`.
inline int BuyPrice(int wert) {
    return (int)(wert * PriceFactor);
}

// PlaceItem and InventoryHasItem: data/inventory_ops.h.
// The same for spell items (target 1 = SpellBookGrid, 2 = ShopSpells), one
// a cell. Returns false when no cell is empty.
bool PlaceSpell(uint16_t id, int target, int transfer);
// side 1: joins equal items of the player's grid; side 2: joins equal items
// of ShopItems and rebuilds `list` (if given) from it in grid order.
void MergeStacks(int side, TList<void*>* list);
// side 1: the item marks and the gold of the player's grid, and the item
// stock; side 2: the spell marks and the spell stock. `list` may be none.
void SettleTrade(int side, TList<void*>* list);
// The start of a trade: when the window was (re)opened for another stock,
// both pages count as not laid out and the balance starts at 0.
void BeginTradeIfNew();
// Lays out the stock of page 0 (items) or 1 (spells) when TradeOpen is 1.
void LayOutTradePage(int page);
// The button's click: closes the window (settling the trade) if the player
// can pay, else shows the not-enough-gold message.
void TradeButtonClicked();
// Shows "Kein Platz mehr." for a click whose unit found no cell.
void ShowNoRoom();

// Screen geometry of the window, from the screen and panel image sizes.
struct TradeGeometry {
    int W2, H2, WH, HH, Wb, Hb;
    int base, X0, T2, X1, TH, bx, by;
};
TradeGeometry TradeLayout();
// The cell under (x, y) in the player's grid (`cols` columns) or the stock
// grid; false when the point is off the panel or its column or row lies
// outside the grid.
bool PlayerCellAt(const TradeGeometry& g, int x, int y, int cols, int& i, int& j);
bool StockCellAt(const TradeGeometry& g, int x, int y, int& i, int& j);
// Panels, titles, balance, button (which it works) and messages.
void DrawTradeFrame(const TradeGeometry& g, const Str& name);
