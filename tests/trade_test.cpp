// The trade window: prices and the running balance, closing and paying,
// full grids, pages not laid out, 8-bit counts, cells off the grid, and a
// property over random trades.
#include "test_support.h"

#include "data/loaders.h"
#include "data/player_state.h"
#include "data/window_state.h"
#include "ui/ui.h"

#include <map>
#include <random>

namespace {
constexpr double kPitch = 75.4;

TBehaelter* FindContainer(const Str& name, int kind) {
    for (TBehaelter* c : *ContainerList)
        if (c->Name == name && c->NPC == kind) return c;
    return nullptr;
}

// One frame of the window as the main loop runs it.
void Frame() {
    if (InventoryTab == 0)
        TradeItemsPage();
    else {
        TradeSpellsPage();
        TradeSpellStock();
    }
}

void ClickAt(double x, double y) {
    MouseX = (uint16_t)x;
    MouseY = (uint16_t)y;
    MouseClicked = 1;
    Frame();
    MouseClicked = 0;
    MouseX = MouseY = 0;
}

void ClickPlayer(int i, int j) {
    TradeGeometry g = TradeLayout();
    ClickAt(g.base + kPitch * i + 37, g.T2 + kPitch * j + 37);
}

void ClickStock(int i, int j) {
    TradeGeometry g = TradeLayout();
    ClickAt(g.X1 + kPitch * i + 37, g.TH + kPitch * j + 37);
}

void ClickButton() {
    TradeGeometry g = TradeLayout();
    ClickAt(g.bx + g.Wb / 2, g.by + g.Hb / 2);
}

void ClickTab(int tab) {
    InventoryTab = (uint8_t)tab;
    TradeOpen = 1;
    Frame();
}

class TradeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(testsupport::FreshGame(), "");
        merchantItems = FindContainer(u"Händler Ortwin", 2);
        merchantSpells = FindContainer(u"Händler Ortwin", 3);
        ASSERT_NE(merchantItems, nullptr);
        ASSERT_NE(merchantSpells, nullptr);
    }
    void OpenMerchant() {
        MerchantItems = merchantItems->Inhalt;
        MerchantSpells = merchantSpells->Inhalt;
        MerchantName = u"Händler Ortwin";
        TradeFromDialogue = 1;
        InventoryTab = 0;
        TradeOpen = 1;
        Frame();
    }
    void OpenContainer(TBehaelter* c) {
        MerchantItems = c->Inhalt;
        MerchantSpells = nullptr;
        MerchantName = c->Name;
        TradeFromDialogue = 0;
        TradeOpen = 1;
        Frame();
    }
    // First stock cell of item `id` with some of the merchant's own units.
    std::pair<int, int> StockCellOf(uint16_t id) {
        for (int j = 0; j < kShopRows; ++j)
            for (int i = 0; i < kShopCols; ++i)
                if (ShopItems[i][j]->ID == id && ShopItems[i][j]->Kauf == 0 &&
                    ShopItems[i][j]->Anzahl > 0)
                    return {i, j};
        ADD_FAILURE() << "no stock cell with item " << id;
        return {0, 0};
    }
    TBehaelter* merchantItems = nullptr;
    TBehaelter* merchantSpells = nullptr;
};

int UnitsInList(const TList<void*>* list, uint16_t id) {
    int n = 0;
    for (void* p : *list)
        if (static_cast<TItem*>(p)->ID == id) n += static_cast<TItem*>(p)->Anzahl;
    return n;
}

int UnitsInInventory(uint16_t id) {
    int n = 0;
    for (int j = 0; j < kInvRows; ++j)
        for (int i = 0; i < kInvCols; ++i)
            if (InventoryGrid[i][j]->ID == id) n += InventoryGrid[i][j]->Anzahl;
    return n;
}

// Fills every empty inventory cell with one Wolfsfell (ID 20).
void FillInventory() {
    for (int j = 0; j < kInvRows; ++j)
        for (int i = 0; i < kInvCols; ++i)
            if (InventoryGrid[i][j]->ID == 0) {
                InventoryGrid[i][j]->ID = 20;
                InventoryGrid[i][j]->Anzahl = 1;
                LoadInventoryItem(20, (uint8_t)i, (uint8_t)j);
            }
}
} // namespace

TEST_F(TradeTest, BuyingCostsHalfAgainTheValueAndGivingBackRestoresTheBalanceExactly) {
    OpenMerchant();
    EXPECT_EQ(TradeOpen, 2);
    auto [si, sj] = StockCellOf(11); // Heiltrank, Wert 15, 5 units
    ClickStock(si, sj);
    EXPECT_FLOAT_EQ(TradeBalance, -22.0f);
    EXPECT_EQ(ShopItems[si][sj]->Anzahl, 4);
    EXPECT_EQ(ShopItems[si][sj]->Verkauf, 1);
    // The unit lands in the first empty player cell, marked as bought.
    TItem* got = InventoryGrid[4][0];
    EXPECT_EQ(got->ID, 11);
    EXPECT_EQ(got->Anzahl, 1);
    EXPECT_EQ(got->Kauf, 1);
    EXPECT_EQ(got->Kaufx, si);
    EXPECT_EQ(got->Kaufy, sj);
    ClickStock(si, sj);
    EXPECT_EQ(got->Anzahl, 2);
    EXPECT_FLOAT_EQ(TradeBalance, -44.0f);
    ClickPlayer(4, 0);
    ClickPlayer(4, 0);
    EXPECT_FLOAT_EQ(TradeBalance, 0.0f);
    EXPECT_EQ(got->ID, 0);
    EXPECT_EQ(ShopItems[si][sj]->Anzahl, 5);
    EXPECT_EQ(ShopItems[si][sj]->Verkauf, 0);

    // Selling pays the plain value; taking the unit back costs the same.
    ClickPlayer(0, 0); // Langschwert, Wert 60
    EXPECT_FLOAT_EQ(TradeBalance, 60.0f);
    EXPECT_EQ(InventoryGrid[0][0]->Anzahl, 0);
    EXPECT_EQ(InventoryGrid[0][0]->Verkauf, 1);
    auto [bi, bj] = std::pair<int, int>{3, 2}; // after the 11 kinds of stock
    EXPECT_EQ(ShopItems[bi][bj]->ID, 3);
    EXPECT_EQ(ShopItems[bi][bj]->Kauf, 1);
    ClickStock(bi, bj);
    EXPECT_FLOAT_EQ(TradeBalance, 0.0f);
    EXPECT_EQ(InventoryGrid[0][0]->Anzahl, 1);
    EXPECT_EQ(InventoryGrid[0][0]->Verkauf, 0);
    EXPECT_EQ(ShopItems[bi][bj]->ID, 0);
}

TEST_F(TradeTest, ClosingChargesTheBalanceOrRefusesWhenGoldIsShort) {
    OpenMerchant();
    auto [si, sj] = StockCellOf(11);
    ClickStock(si, sj); // -22 with 10 gold
    ClickButton();
    EXPECT_EQ(TradeOpen, 2);
    EXPECT_EQ(NoGoldShown, 1);
    EXPECT_EQ(Gold, 10);
    ClickPlayer(0, 0); // Langschwert +60 -> balance 38
    ClickButton();
    EXPECT_EQ(TradeOpen, 0);
    EXPECT_EQ(Gold, 48);
    EXPECT_FLOAT_EQ(TradeBalance, 0.0f);
    // The sword is gone from the player and in the stock list; the potion
    // moved the other way, and the marks are cleared.
    EXPECT_EQ(InventoryGrid[0][0]->ID, 0);
    EXPECT_EQ(UnitsInList(merchantItems->Inhalt, 3), 1);
    EXPECT_EQ(UnitsInList(merchantItems->Inhalt, 11), 4);
    EXPECT_EQ(UnitsInInventory(11), 4); // 3 of his own, joined with the bought one
    for (int j = 0; j < kInvRows; ++j)
        for (int i = 0; i < kInvCols; ++i) EXPECT_EQ(InventoryGrid[i][j]->Kauf, 0);
}

TEST_F(TradeTest, ABalanceOfZeroClosesWithNoGold) {
    Gold = 0;
    OpenMerchant();
    ClickButton();
    EXPECT_EQ(TradeOpen, 0);
    EXPECT_EQ(Gold, 0);
}

TEST_F(TradeTest, AContainerClosesWithoutPaymentAndItsGoldCountsOnlyOnClosing) {
    TBehaelter* chest = new TBehaelter;
    chest->Name = u"Truhe";
    for (auto [id, n] : {std::pair<int, int>{1, 40}, {20, 2}}) {
        TItem* e = new TItem;
        e->ID = (uint16_t)id;
        e->Anzahl = (uint8_t)n;
        chest->Inhalt->AddLast(e);
    }
    InventoryTab = 0;
    OpenContainer(chest);
    ClickStock(0, 0); // the gold stack moves whole
    EXPECT_EQ(ShopItems[0][0]->Anzahl, 0);
    EXPECT_EQ(InventoryGrid[4][0]->ID, 1);
    EXPECT_EQ(InventoryGrid[4][0]->Anzahl, 40);
    EXPECT_FLOAT_EQ(TradeBalance, 0.0f);
    EXPECT_EQ(Gold, 10);
    ClickStock(1, 0);
    ClickStock(1, 0);
    ClickPlayer(0, 0); // leave the sword in the chest
    EXPECT_FLOAT_EQ(TradeBalance, 60.0f - 2 * 18.0f);
    ClickButton();
    EXPECT_EQ(TradeOpen, 0);
    EXPECT_EQ(Gold, 50);
    EXPECT_EQ(UnitsInInventory(1), 0);
    EXPECT_EQ(UnitsInInventory(20), 2);
    EXPECT_EQ(chest->Inhalt->Count(), 1);
    EXPECT_EQ(UnitsInList(chest->Inhalt, 3), 1);
}

TEST_F(TradeTest, TwoStacksOfOneItemBecomeOneOnClosing) {
    InventoryGrid[5][4]->ID = 11;
    InventoryGrid[5][4]->Anzahl = 2;
    LoadInventoryItem(11, 5, 4);
    EXPECT_EQ(InventoryHasItem(11, 5, 0), 0);
    OpenMerchant();
    ClickButton();
    EXPECT_EQ(InventoryGrid[1][1]->Anzahl, 5);
    EXPECT_EQ(InventoryGrid[5][4]->ID, 0);
    EXPECT_EQ(InventoryHasItem(11, 5, 0), 1);
    EXPECT_EQ(InventoryHasItem(11, 6, 1), 0);
}

// A unit that finds no cell moves nowhere: no mark, no price, a message.
TEST_F(TradeTest, AFullReceivingGridRefusesTheClickAndChangesNothing) {
    FillInventory();
    OpenMerchant();
    auto [si, sj] = StockCellOf(17); // Kettenhemd, one unit
    ClickStock(si, sj);
    EXPECT_FLOAT_EQ(TradeBalance, 0.0f);
    EXPECT_EQ(ShopItems[si][sj]->Anzahl, 1);
    EXPECT_EQ(ShopItems[si][sj]->Verkauf, 0);
    EXPECT_EQ(NoRoomShown, 1);
    EXPECT_EQ(NoGoldShown, 0);
    // A unit of an item the player already bought in this trade still
    // joins its stack: only a kind without a cell is refused.
    ClickButton();
    EXPECT_EQ(TradeOpen, 0);
    EXPECT_EQ(UnitsInList(merchantItems->Inhalt, 17), 1);

    // The other way: a stock of 20 kinds takes no new kind.
    Gold = 10;
    for (uint16_t id = 1; id <= 20; ++id) {
        TItem* e = new TItem;
        e->ID = id;
        e->Anzahl = 1;
        merchantItems->Inhalt->AddLast(e);
    }
    InventoryGrid[5][4]->ID = 21; // Silberring, a kind the stock lacks
    InventoryGrid[5][4]->Anzahl = 1;
    LoadInventoryItem(21, 5, 4);
    OpenMerchant();
    ClickPlayer(5, 4);
    EXPECT_FLOAT_EQ(TradeBalance, 0.0f);
    EXPECT_EQ(InventoryGrid[5][4]->Anzahl, 1);
    EXPECT_EQ(InventoryGrid[5][4]->Verkauf, 0);
    EXPECT_EQ(NoRoomShown, 1);
}

// A page not laid out in this trade holds whatever an earlier trade left
// in its grid; closing must not write that back into the stock.
TEST_F(TradeTest, APageNotLaidOutLeavesItsStockAlone) {
    OpenMerchant(); // lays out the merchant's items
    ClickButton();
    std::map<int, int> before;
    TBehaelter* chest = new TBehaelter;
    chest->Name = u"Truhe";
    TItem* e = new TItem;
    e->ID = 20;
    e->Anzahl = 3;
    chest->Inhalt->AddLast(e);
    // Opened on the spell page (the tab kept from before): the container
    // has no spells, and its items page is never shown.
    InventoryTab = 1;
    OpenContainer(chest);
    ClickButton();
    EXPECT_EQ(TradeOpen, 0);
    EXPECT_EQ(chest->Inhalt->Count(), 1);
    EXPECT_EQ(UnitsInList(chest->Inhalt, 20), 3);
    EXPECT_EQ(UnitsInList(chest->Inhalt, 11), 0);

    // The merchant on the item page: his spell list stays as it was.
    int spells = merchantSpells->Inhalt->Count();
    for (int i = 0; i < kShopCols; ++i) ShopSpells[i][0]->ID = 2; // stale cells
    InventoryTab = 0;
    OpenMerchant();
    ClickButton();
    EXPECT_EQ(merchantSpells->Inhalt->Count(), spells);
}

// Switching pages keeps each page's cells, so a unit bought before the
// switch can still be given back to the cell it came from.
TEST_F(TradeTest, SwitchingPagesKeepsTheMovesUndoable) {
    OpenMerchant();
    auto [si, sj] = StockCellOf(12); // Manatrank, 5 units
    ClickStock(si, sj);
    ClickTab(1);
    ClickTab(0);
    EXPECT_EQ(ShopItems[si][sj]->Anzahl, 4);
    ClickPlayer(4, 0);
    EXPECT_FLOAT_EQ(TradeBalance, 0.0f);
    EXPECT_EQ(ShopItems[si][sj]->ID, 12);
    EXPECT_EQ(ShopItems[si][sj]->Anzahl, 5);
    ClickButton();
    EXPECT_EQ(UnitsInList(merchantItems->Inhalt, 12), 5);
    EXPECT_EQ(UnitsInInventory(12), 3);
}

TEST_F(TradeTest, SpellsAreBoughtAndSoldWhole) {
    OpenMerchant();
    ClickTab(1);
    ASSERT_EQ(ShopSpells[0][0]->ID, 3);
    int wert = ShopSpells[0][0]->Wert;
    ClickStock(0, 0);
    EXPECT_FLOAT_EQ(TradeBalance, -(float)BuyPrice(wert));
    EXPECT_EQ(SpellBookGrid[1][0]->ID, 3);
    EXPECT_EQ(SpellBookGrid[1][0]->Kauf, 1);
    ClickStock(0, 0); // already bought: no second copy
    EXPECT_EQ(SpellBookGrid[2][0]->ID, 0);
    int own = SpellBookGrid[0][0]->Wert;
    ClickPlayer(0, 0); // sell Feuerball
    EXPECT_FLOAT_EQ(TradeBalance, (float)(own - BuyPrice(wert)));
    Gold = 1000;
    ClickButton();
    EXPECT_EQ(TradeOpen, 0);
    EXPECT_EQ(SpellBookGrid[0][0]->ID, 0);
    EXPECT_EQ(SpellBookGrid[1][0]->ID, 3);
    std::vector<uint16_t> ids;
    for (void* p : *merchantSpells->Inhalt) ids.push_back(static_cast<TZauberItem*>(p)->ID);
    EXPECT_EQ(ids, (std::vector<uint16_t>{4, 1}));
}

// Counts are 8-bit: a stack stops at 255 and the rest keeps a cell.
TEST_F(TradeTest, StacksStopAt255) {
    InventoryGrid[5][3]->ID = 14;
    InventoryGrid[5][3]->Anzahl = 200;
    LoadInventoryItem(14, 5, 3);
    MergeStacks(1, nullptr); // 99 + 200
    EXPECT_EQ(InventoryGrid[2][2]->Anzahl, 255);
    EXPECT_EQ(InventoryGrid[5][3]->ID, 14);
    EXPECT_EQ(InventoryGrid[5][3]->Anzahl, 44);

    // Laying out two entries of one item.
    for (int i = 0; i < 2; ++i) {
        TItem* e = new TItem;
        e->ID = 1;
        e->Anzahl = 200;
        merchantItems->Inhalt->AddLast(e);
    }
    OpenMerchant();
    auto [gi, gj] = StockCellOf(1);
    EXPECT_EQ(ShopItems[gi][gj]->Anzahl, 255);
    // Buying a gold stack whole twice: 255, then 145 into the same cell
    // up to 255 and the rest into a cell of its own.
    ClickStock(gi, gj);
    EXPECT_EQ(InventoryGrid[4][0]->Anzahl, 255);
    auto [hi, hj] = StockCellOf(1);
    EXPECT_EQ(ShopItems[hi][hj]->Anzahl, 145);
    ClickStock(hi, hj);
    EXPECT_EQ(InventoryGrid[4][0]->Anzahl, 255);
    EXPECT_EQ(InventoryGrid[5][0]->Anzahl, 145);
    Gold = 0;
    ClickButton();
    EXPECT_EQ(Gold, 400);
    EXPECT_EQ(UnitsInList(merchantItems->Inhalt, 1), 0);

    // Without a free cell the rest stays where it came from.
    for (int i = 0; i < 2; ++i) {
        TItem* e = new TItem;
        e->ID = 1;
        e->Anzahl = 200;
        merchantItems->Inhalt->AddLast(e);
    }
    OpenMerchant();
    FillInventory();
    InventoryGrid[5][4]->ID = 0; // one free cell
    std::tie(gi, gj) = StockCellOf(1);
    ClickStock(gi, gj); // 255 into the free cell
    std::tie(hi, hj) = StockCellOf(1);
    ClickStock(hi, hj); // no room for any of the 145
    EXPECT_EQ(ShopItems[hi][hj]->Anzahl, 145);
    EXPECT_EQ(ShopItems[hi][hj]->Verkauf, 0);
    EXPECT_EQ(NoRoomShown, 1);
    // A cell at 255 does not take a unit given back.
    ClickPlayer(5, 4);
    ClickPlayer(5, 4);
    EXPECT_EQ(InventoryGrid[5][4]->Anzahl, 253);
    EXPECT_EQ(ShopItems[gi][gj]->Anzahl, 2);
}

// Clicks whose column or row falls outside the grid (the panel images are
// a little larger than their cells) do nothing.
TEST_F(TradeTest, PointsOffTheGridAreIgnored) {
    OpenMerchant();
    TradeGeometry g = TradeLayout();
    int i = 0, j = 0;
    // Panels 40 pixels taller than five rows: their bottom strip computes
    // row 5.
    TradeGeometry tall = g;
    tall.H2 += 80;
    tall.T2 -= 40;
    tall.HH += 80;
    tall.TH -= 40;
    int bottom = ScreenHeight() / 2 + tall.H2 / 2;
    ASSERT_GE(FloatToInt((bottom - tall.T2) / kPitch), kInvRows);
    EXPECT_FALSE(PlayerCellAt(tall, g.base + 40, bottom, kInvCols, i, j));
    EXPECT_FALSE(StockCellAt(tall, g.X1 + 40, ScreenHeight() / 2 + tall.HH / 2, i, j));
    EXPECT_TRUE(PlayerCellAt(tall, g.base + 40, bottom - 80, kInvCols, i, j));
    EXPECT_FALSE(PlayerCellAt(g, g.X0 + g.W2, g.T2 + 40, 4, i, j)); // a 4-column grid
    EXPECT_TRUE(PlayerCellAt(g, g.X0 + 2, g.T2 + 2, kInvCols, i, j));
    EXPECT_EQ(i, 0);
    EXPECT_TRUE(StockCellAt(g, g.X1 + g.WH - 10, g.TH + 80, i, j));
    EXPECT_EQ(i, 3);
    EXPECT_EQ(j, 1);
}

// Random clicks on both sides and both pages, then closing: no unit is
// made or lost, and gold moves by exactly the prices of the units traded.
TEST_F(TradeTest, RandomTradesKeepEveryUnitAndPayExactPrices) {
    std::mt19937 rng(20240611);
    auto count = [&](std::map<int, int>& units, std::map<int, int>& spells) {
        units.clear();
        spells.clear();
        for (int j = 0; j < kInvRows; ++j)
            for (int i = 0; i < kInvCols; ++i) {
                units[InventoryGrid[i][j]->ID] += InventoryGrid[i][j]->Anzahl;
                spells[SpellBookGrid[i][j]->ID] += 1;
            }
        for (void* p : *merchantItems->Inhalt)
            units[static_cast<TItem*>(p)->ID] += static_cast<TItem*>(p)->Anzahl;
        for (void* p : *merchantSpells->Inhalt) spells[static_cast<TZauberItem*>(p)->ID] += 1;
        units.erase(0);
        spells.erase(0);
    };
    for (int run = 0; run < 150; ++run) {
        // A gold heap in the stock now and then.
        if (run % 7 == 0) {
            TItem* e = new TItem;
            e->ID = 1;
            e->Anzahl = (uint8_t)(1 + rng() % 255);
            merchantItems->Inhalt->AddLast(e);
        }
        std::map<int, int> units0, spells0, units1, spells1;
        count(units0, spells0);
        int gold0 = Gold = 100000;
        OpenMerchant();
        for (int k = 0; k < 20; ++k) {
            int r = (int)(rng() % 10);
            if (r == 0) {
                ClickTab(InventoryTab == 0 ? 1 : 0);
                continue;
            }
            bool player = r < 5;
            int i = (int)(rng() % (player ? kInvCols : kShopCols)), j = (int)(rng() % kInvRows);
            if (player)
                ClickPlayer(i, j);
            else
                ClickStock(i, j);
        }
        // What is still marked as moved when the window closes: units the
        // player received (bought) and units the stock received (sold).
        long long owed = 0;
        int goldBought = 0;
        for (int j = 0; j < kInvRows; ++j)
            for (int i = 0; i < kInvCols; ++i) {
                const TItem* c = InventoryGrid[i][j];
                if (c->ID == 1 && c->Kauf == 1)
                    goldBought += c->Anzahl;
                else if (c->ID && c->Kauf == 1)
                    owed -= (long long)c->Anzahl * BuyPrice(c->Wert);
                const TZauberItem* z = SpellBookGrid[i][j];
                if (z->ID && z->Kauf == 1) owed -= BuyPrice(z->Wert);
            }
        for (int j = 0; j < kShopRows; ++j)
            for (int i = 0; i < kShopCols; ++i) {
                const TItem* c = ShopItems[i][j];
                if (TradeItemsLaidOut && c->ID && c->ID != 1 && c->Kauf == 1)
                    owed += (long long)c->Anzahl * c->Wert;
                const TZauberItem* z = ShopSpells[i][j];
                if (TradeSpellsLaidOut && z->ID && z->Kauf == 1) owed += z->Wert;
            }
        ClickButton();
        ASSERT_EQ(TradeOpen, 0);
        count(units1, spells1);
        // Gold taken from the heap became gold.
        ASSERT_EQ(units0[1] - units1[1], goldBought) << "run " << run;
        units0.erase(1);
        units1.erase(1);
        ASSERT_EQ(units0, units1) << "run " << run;
        ASSERT_EQ(spells0, spells1) << "run " << run;
        ASSERT_EQ(Gold, gold0 + owed + goldBought) << "run " << run;
    }
}
