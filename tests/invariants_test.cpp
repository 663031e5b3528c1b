// The soak's invariant checker: a fresh game keeps every rule, and each
// kind of breach is reported by its rule.
#include "test_support.h"

#include "data/collections.h"
#include "data/map_state.h"
#include "data/player_state.h"
#include "data/window_state.h"
#include "replay/invariants.h"
#include "ui/trade.h"

namespace {
class InvariantsTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(testsupport::FreshGame(), ""); }
    std::string Check() { return CheckInvariants(memory); }
    InvariantMemory memory;
};

bool Names(const std::string& why, const std::string& rule) {
    return why.rfind(rule, 0) == 0;
}

TEST_F(InvariantsTest, AFreshGameKeepsEveryRule) {
    EXPECT_EQ(Check(), "");
    EXPECT_EQ(Check(), "");
}

TEST_F(InvariantsTest, ThePlayerStaysOnTheMap) {
    Player->px_alt = Map.w;
    EXPECT_TRUE(Names(Check(), "player inside the map")) << Check();
    Player->px_alt = 3;
    Player->px = 3;
    Player->ppx = 3 * kCell;
    Player->py = -0.5f;
    EXPECT_TRUE(Names(Check(), "player inside the map")) << Check();
}

TEST_F(InvariantsTest, LifeAndManaStayInTheirBoundsWhileNoWindowIsOpen) {
    Player->HP = Player->HPMax + 5.0f;
    EXPECT_TRUE(Names(Check(), "HP within HPMax")) << Check();
    // A potion drunk in the inventory is cut by the next frame's bar.
    InventoryOpen = 1;
    EXPECT_EQ(Check(), "");
    InventoryOpen = 0;
    Player->HP = 1;
    Player->MP = -1;
    EXPECT_TRUE(Names(Check(), "MP not negative")) << Check();
}

TEST_F(InvariantsTest, CellsWithoutUnitsAreOnlyAllowedDuringATrade) {
    InventoryGrid[5][4]->ID = 20;
    InventoryGrid[5][4]->Anzahl = 0;
    EXPECT_TRUE(Names(Check(), "item counts")) << Check();
    InventoryGrid[5][4]->ID = 0;
    EquipHead = nullptr;
    EXPECT_TRUE(Names(Check(), "no dangling entries")) << Check();
}

TEST_F(InvariantsTest, EnemiesStandOnTheirOwnMap) {
    TGegner* e = *EnemyList->begin();
    e->Exist = 1;
    e->py = 5000;
    EXPECT_TRUE(Names(Check(), "enemy on its map")) << Check();
    e->Exist = 0; // the dead may lie anywhere
    EXPECT_EQ(Check(), "");
}

TEST_F(InvariantsTest, ATradeMovesUnitsButNeverLosesThem) {
    TradeOpen = 1;
    TradeItemsLaidOut = 1;
    EXPECT_EQ(Check(), "");
    // One arrow from the player's grid to the stock: still all there.
    TItem* arrows = InventoryGrid[2][2];
    ASSERT_EQ(arrows->ID, 14);
    --arrows->Anzahl;
    ShopItems[3][4]->ID = 14;
    ShopItems[3][4]->Anzahl = 1;
    EXPECT_EQ(Check(), "");
    // One arrow gone from both grids.
    --arrows->Anzahl;
    EXPECT_TRUE(Names(Check(), "no units lost in trade")) << Check();
    ShopItems[3][4]->ID = 0;
    ShopItems[3][4]->Anzahl = 0;
    TradeOpen = 0;
    TradeItemsLaidOut = 0;
}
} // namespace
