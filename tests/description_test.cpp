// The description box: which line sets its width, its height, its lines
// and its side of the pointer.
#include "test_support.h"

#include "data/assets.h"
#include "data/collections.h"
#include "data/window_state.h"
#include "shell/shell.h"
#include "ui/ui.h"

namespace {
class DescriptionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(testsupport::FreshGame(), "");
        SetFont(FontNarrow18);
        MouseX = 100;
        MouseY = 100;
    }
    void TearDown() override { ResetInventoryWindow(); }
};

TEST_F(DescriptionTest, ItemBoxes) {
    // The dagger's name is narrower than its type line: the one-handed
    // line shown sets the width.
    const TItem* dagger = InventoryGrid[1][0];
    DescribeItem(dagger);
    EXPECT_EQ(TooltipWidth, 12 + StringWidth(u"Typ: Kurze Klinge, einhaendig"));
    EXPECT_EQ(TooltipHeight, 92);
    std::vector<Str> l = DescriptionLines();
    ASSERT_EQ(l.size(), 4u);
    EXPECT_EQ(l[1], u"Typ: Kurze Klinge, einhaendig");
    EXPECT_EQ(l[2], u"Schaden: " + IntToString(dagger->Schaden1) + u" - " +
                        IntToString(dagger->Schaden2));
    EXPECT_EQ(l[3], u"Wert: " + IntToString(dagger->Wert));
    DescribeItem(InventoryGrid[0][1]); // the axe is two-handed
    EXPECT_EQ(DescriptionLines()[1], u"Typ: Axtkampf, zweihaendig");
    // A ring's second line is its description on its own, and the box
    // holds that long line.
    const TItem* ring = InventoryGrid[2][1];
    DescribeItem(ring);
    l = DescriptionLines();
    EXPECT_EQ(l[1], u"Typ: Ring");
    EXPECT_EQ(l[2], ring->Typ);
    EXPECT_EQ(TooltipWidth, 12 + StringWidth(ring->Typ));
    // A potion: its strength; the merchant's price is half as much again.
    DescribeItem(InventoryGrid[1][1], true, true);
    l = DescriptionLines();
    EXPECT_EQ(l[2], u"Wirkung: 25");
    EXPECT_EQ(l[3], u"Wert: " + IntToString(InventoryGrid[1][1]->Wert * 3 / 2));
    // Gold in the trade window: its value alone, in a low box.
    TItem gold;
    gold.Name = u"Gold";
    gold.Wert = 40;
    DescribeItem(&gold, true);
    EXPECT_EQ(DescriptionLines(), (std::vector<Str>{u"Gold", u"Wert: 40"}));
    EXPECT_EQ(TooltipHeight, 52);
}

TEST_F(DescriptionTest, SpellBoxesGrowWithTheirLines) {
    TZauberItem z;
    z.Name = u"Licht";
    z.Art = u"Illusion";
    z.Typ = u"Selbst";
    z.FlaechenBreite = z.FlaechenLaenge = 1;
    DescribeSpell(&z);
    EXPECT_EQ(TooltipHeight, 92);
    EXPECT_EQ(DescriptionLines().size(), 4u);
    z.Art = u"Kampfmagie";
    z.Wirkung1 = 3;
    z.Wirkung2 = 7;
    DescribeSpell(&z);
    EXPECT_EQ(TooltipHeight, 112);
    EXPECT_EQ(DescriptionLines()[2], u"Schaden: 3 - 7");
    z.Wirkungsdauer = 10;
    z.FlaechenBreite = 3;
    DescribeSpell(&z);
    EXPECT_EQ(TooltipHeight, 152);
    std::vector<Str> l = DescriptionLines();
    EXPECT_EQ(l[3], u"Wirkungsdauer: 10 Sekunden");
    EXPECT_EQ(l[4], u"Zauberflaeche: 3x1");
    EXPECT_EQ(l[5], u"Benoetigtes Mana: 0");
    // With a duration the rule measures the duration line; a longer type
    // line still fits the box.
    z.Typ = u"Geschoss mit Flaechenwirkung";
    DescribeSpell(&z);
    for (const Str& line : DescriptionLines()) EXPECT_LE(12 + StringWidth(line), TooltipWidth);
}

TEST_F(DescriptionTest, TheBoxFollowsCellsAndFlipsAtTheRightEdge) {
    HoverItemCell(InventoryGrid[0][0], 0, 0);
    EXPECT_EQ(TooltipSide, 1);
    // Within the same cell nothing is computed anew, even near the edge.
    MouseX = 1000;
    HoverItemCell(InventoryGrid[0][0], 0, 0);
    EXPECT_EQ(TooltipSide, 1);
    // Another cell: the box no longer fits right of the pointer.
    HoverItemCell(InventoryGrid[0][1], 0, 1);
    EXPECT_EQ(TooltipSide, 2);
    EXPECT_EQ(TooltipItem.Name, u"Streitaxt");
    HoverItemCell(InventoryGrid[5][4], 5, 4); // empty
    EXPECT_EQ(TooltipShown, 0);
    // The exact limit: the box and the pointer just fit.
    MouseX = (uint16_t)(ScreenWidth() - TooltipWidth - ImageWidthOf(ImgMaus));
    HoverItemCell(InventoryGrid[0][1], 0, 1);
    EXPECT_EQ(TooltipSide, 1);
}
} // namespace
