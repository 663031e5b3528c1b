// Items, spell items and containers: the readers' line rules, the pictures
// each class gets, and the container family.
#include "test_support.h"

#include "combat/combat.h"
#include "data/loaders.h"
#include "data/player_state.h"
#include "ui/ui.h"
#include "world/world.h"
#include "data/window_state.h"

using testsupport::WriteFile;

namespace {
void Png(const std::string& name, int w, int h) {
    testsupport::WritePng(name, w, h, [](int, int) -> uint32_t { return 0x664422FF; });
}

std::string ItemBlock(int n, const std::string& name, const std::string& art,
                      const std::string& typ, int s1, int s2, int armour, int twoHanded,
                      int value) {
    return std::to_string(n) + "\n" + name + "\n" + art + "\n" + typ + "\n" +
           std::to_string(s1) + "\n" + std::to_string(s2) + "\n" + std::to_string(armour) +
           "\n" + std::to_string(twoHanded) + "\n" + std::to_string(value) + "\n----\n";
}

// A spell record of 21 lines; `speed` goes to line 13, the price to line 20.
std::string SpellRecord(int id, const std::string& name, const std::string& speed, int mana) {
    return std::to_string(id) + "\n" + name + "\nKampfmagie\nFernkampf\nFeuerschaden\n3\n2\n5\n9\n" +
           "1500\n" + std::to_string(mana) + "\n6\n" + speed + "\n4\n1000\n2000\n" + name +
           "\nSchuss\nKlang\n" + std::to_string(mana + 100) + "\n----\n";
}

class ItemsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testsupport::FreshWorld();
        ASSERT_TRUE(ChangeDirectory(testsupport::ScratchDir().string()));
        WriteFile("Data/Items/Items.txt",
                  ItemBlock(1, "Gold", "", "", 0, 0, 0, 0, 1) +
                      ItemBlock(2, "Schwert", "Waffe", "Lange Klinge", 6, 10, 0, 0, 60) +
                      ItemBlock(3, "Pfeile", "Waffe", "Pfeil", 1, 3, 0, 0, 300) +
                      ItemBlock(4, "Trank", "Trank", "Lebenstrank", 25, 0, 0, 0, 15) +
                      ItemBlock(5, "Wams", "Ruestung", "Leichte Ruestung", 0, 0, 260, 0, 70000) +
                      ItemBlock(6, "Schild", "Schild", "Schwere Ruestung", 0, 0, 4, 0, 75) +
                      ItemBlock(7, "Stein", "Kram", "", 0, 0, 0, 0, 2));
        WriteFile("Data/Items/Zauber.txt", SpellRecord(1, "Funke", "2", 10) +
                                               SpellRecord(2, "Flamme", "3.5", 300));
        for (const char* n : {"Gold", "Schwert", "Pfeile", "Trank"})
            Png(std::string("Grafik/Items/") + n + ".png", 48, 48);
        Png("Grafik/Icons/Schwert.png", 40, 40);
        for (const char* n : {"Wams", "Schild"}) {
            Png(std::string("Grafik/Items/") + n + ".png", 144, 256);
            Png(std::string("Grafik/Items/Groß/") + n + ".png", 216, 384);
        }
        for (const char* n : {"Funke", "Flamme"}) {
            Png(std::string("Grafik/Zauber/") + n + ".png", 48, 48);
            Png(std::string("Grafik/Icons/") + n + ".png", 40, 40);
        }
    }
    static TItem* Inv(uint16_t id, uint8_t x = 0, uint8_t y = 0) {
        InventoryGrid[x][y]->ID = id;
        LoadInventoryItem(id, x, y);
        return InventoryGrid[x][y];
    }
};
} // namespace

TEST_F(ItemsTest, BlockLinesGoToTheirFieldsCutToWidth) {
    TItem* it = Inv(5);
    EXPECT_EQ(it->Name, u"Wams");
    EXPECT_EQ(it->Art, u"Ruestung");
    EXPECT_EQ(it->Typ, u"Leichte Ruestung");
    EXPECT_EQ(it->Ruestung, 260 % 256); // u8
    EXPECT_EQ(it->Wert, 70000 % 65536); // u16
    EXPECT_EQ(it->ID, 5);               // the reader never touches the ID
    TItem* sword = Inv(2, 1, 0);
    EXPECT_EQ(sword->Schaden1, 6);
    EXPECT_EQ(sword->Schaden2, 10);
    EXPECT_EQ(sword->Wert, 60);
}

TEST_F(ItemsTest, PicturesFollowTheItemClass) {
    TItem* sword = Inv(2);
    EXPECT_TRUE(sword->Image);
    EXPECT_TRUE(sword->ImageGross); // its icon
    TItem* arrows = Inv(3, 1, 0);
    EXPECT_TRUE(arrows->Image);
    EXPECT_FALSE(arrows->ImageGross);
    TItem* gold = Inv(1, 2, 0);
    EXPECT_TRUE(gold->Image);
    TItem* armour = Inv(5, 3, 0);
    EXPECT_EQ(ImageFramesOf(armour->Image), 12);
    EXPECT_EQ(ImageWidthOf(armour->Image), 48);
    EXPECT_EQ(ImageHeightOf(armour->ImageGross), 96);
    TItem* odd = Inv(7, 4, 0); // a class the game does not know: no picture
    EXPECT_FALSE(odd->Image);
    EXPECT_FALSE(odd->ImageGross);
}

TEST_F(ItemsTest, InventoryCountsStartAtOneAndKeepWhatTheyHave) {
    InventoryGrid[0][0]->Anzahl = 3;
    EXPECT_EQ(Inv(4)->Anzahl, 3);
    InventoryGrid[0][1]->Anzahl = 0;
    EXPECT_EQ(Inv(4, 0, 1)->Anzahl, 1);
    ShopItems[0][0]->ID = 4;
    LoadShopItem(4, 0, 0);
    EXPECT_EQ(ShopItems[0][0]->Anzahl, 0); // the shop reader leaves counts alone
}

TEST_F(ItemsTest, ShopItemsGetNoIconButShieldsGetAStrip) {
    ShopItems[0][0]->ID = 2;
    LoadShopItem(2, 0, 0);
    EXPECT_TRUE(ShopItems[0][0]->Image);
    EXPECT_FALSE(ShopItems[0][0]->ImageGross);
    ShopItems[1][0]->ID = 6;
    LoadShopItem(6, 1, 0);
    EXPECT_EQ(ImageFramesOf(ShopItems[1][0]->Image), 12);
    EXPECT_FALSE(ShopItems[1][0]->ImageGross);
}

TEST_F(ItemsTest, SpellItemsReadTheirRecord) {
    SpellBookGrid[0][0]->ID = 2;
    LoadSpellBookItem(2, 0, 0);
    const TZauberItem* z = SpellBookGrid[0][0];
    EXPECT_EQ(z->Name, u"Flamme"); // line 23 of the file
    EXPECT_EQ(z->Art, u"Kampfmagie");
    EXPECT_EQ(z->Typ, u"Feuerschaden");
    EXPECT_EQ(z->FlaechenBreite, 3);
    EXPECT_EQ(z->FlaechenLaenge, 2);
    EXPECT_EQ(z->Wirkung1, 5);
    EXPECT_EQ(z->Wirkung2, 9);
    EXPECT_EQ(z->Wirkungsdauer, 1500);
    EXPECT_EQ(z->BenoetigteMP, 300); // all 16 bits
    EXPECT_EQ(z->Reichweite, 3);     // "3.5" read as a whole number
    EXPECT_EQ(z->Wert, 400);
    EXPECT_TRUE(z->Image);
    EXPECT_TRUE(z->ImageGross);
    ShopSpells[0][0]->ID = 1;
    LoadShopSpell(1, 0, 0);
    EXPECT_EQ(ShopSpells[0][0]->Name, u"Funke");
    EXPECT_FALSE(ShopSpells[0][0]->ImageGross);
}

TEST_F(ItemsTest, AnItemTheCatalogueLacksIsNamed) {
    InventoryGrid[0][0]->ID = 40;
    try {
        LoadInventoryItem(40, 0, 0);
        FAIL() << "item 40 was accepted";
    } catch (const DataError& e) {
        EXPECT_EQ(e.where, "Data/Items/Items.txt, block 40");
    }
    EXPECT_THROW(LoadSpellBookItem(9, 0, 0), DataError);
}

namespace {
class ContainerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testsupport::FreshWorld();
        auto dir = testsupport::ScratchDir() / "containers";
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        ASSERT_TRUE(ChangeDirectory(dir.string()));
    }
    static void File(int n, const std::string& text) {
        WriteFile("containers/Data/Behälter/Behälter" + std::to_string(n) + ".txt", text);
    }
};
} // namespace

TEST_F(ContainerTest, FamilyEndsAtTheFirstGapAndKeepsFileOrder) {
    File(1, "1\nTruhe\n0\n5\n6\n3\n2\n11\n1\n");
    File(2, "2\nWolf\n1\n0\n0\n");
    File(4, "4\nVergessen\n0\n1\n1\n3\n1\n");
    LoadContainers();
    ASSERT_EQ(ContainerList->Count(), 2);
    TBehaelter* chest = ContainerList->First();
    EXPECT_EQ(chest->Name, u"Truhe");
    EXPECT_EQ(chest->x, 5);
    EXPECT_EQ(chest->y, 6);
    auto items = chest->Inhalt->ToVector();
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(static_cast<TItem*>(items[0])->ID, 3);
    EXPECT_EQ(static_cast<TItem*>(items[0])->Anzahl, 2);
    EXPECT_EQ(static_cast<TItem*>(items[1])->ID, 11);
    EXPECT_TRUE(ContainerList->Last()->Inhalt->Empty()); // header only
}

TEST_F(ContainerTest, OddLinesAndSpellStocks) {
    File(1, "1\nTruhe\n0\n5\n6\n3\n2\n7");
    File(2, "2\nHändler\n3\n0\n0\n4\n1\n\n");
    LoadContainers();
    auto items = ContainerList->First()->Inhalt->ToVector();
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(static_cast<TItem*>(items[1])->ID, 7);
    EXPECT_EQ(static_cast<TItem*>(items[1])->Anzahl, 0); // the count line is missing
    auto spells = ContainerList->Last()->Inhalt->ToVector();
    ASSERT_EQ(spells.size(), 2u); // the blank line at the end is no spell
    EXPECT_EQ(static_cast<TZauberItem*>(spells[0])->ID, 4);
    EXPECT_EQ(static_cast<TZauberItem*>(spells[1])->ID, 1);
}

TEST_F(ContainerTest, KindAboveThreeIsRefusedNamingTheFile) {
    File(1, "1\nKiste\n4\n0\n0\n3\n1\n");
    try {
        LoadContainers();
        FAIL() << "kind 4 was accepted";
    } catch (const DataError& e) {
        EXPECT_EQ(e.where, "Data/Behälter/Behälter1.txt");
    }
}

TEST(SkillSlots, FallBackToSlotTenAndKeepOldValuesWithoutAMatch) {
    testsupport::FreshWorld();
    const char16_t* names[16] = {u"",           u"Lange Klinge",     u"Axtkampf",
                                 u"Speerkampf", u"Schlagwaffe",      u"Schwere Ruestung",
                                 u"Kampfmagie", u"Wiederherstellung", u"Verzaubern",
                                 u"Beschwoeren", u"Keine Ruestung",  u"Kurze Klinge",
                                 u"Schiessen",  u"Schloesser oeffnen", u"Handeln",
                                 u"Leichte Ruestung"};
    for (int k = 1; k < 16; ++k) {
        Player->Fertigkeiten[k]->Name = names[k];
        Player->Fertigkeiten[k]->Level = (uint8_t)k;
    }
    EquipBody->ID = 2; // the starting clothes
    UpdateSkillSlots();
    EXPECT_EQ(ArmourSkill, 10);
    EXPECT_EQ(ShieldSkill, 10);
    EXPECT_EQ(HelmetSkill, 10);
    EXPECT_EQ(ActiveSkill, 0); // nothing in hand, nothing matched
    EXPECT_EQ(Player->Fertigkeiten[3]->NextExp, 300);

    EquipBody->ID = 17;
    EquipBody->Typ = u"Schwere Ruestung";
    EquipHead->ID = 15;
    EquipHead->Typ = u"Leichte Ruestung";
    EquipOffHand->ID = 16;
    EquipOffHand->Art = u"Schild";
    EquipOffHand->Typ = u"Leichte Ruestung";
    TWaffe dagger;
    dagger.Fertigkeit = u"Kurze Klinge";
    CurrentWeapon = &dagger;
    UpdateSkillSlots();
    EXPECT_EQ(ArmourSkill, 5);
    EXPECT_EQ(HelmetSkill, 15);
    EXPECT_EQ(ShieldSkill, 15);
    EXPECT_EQ(ActiveSkill, 11);
    // A weapon no skill knows leaves the last slot in place.
    dagger.Fertigkeit = u"Jonglieren";
    UpdateSkillSlots();
    EXPECT_EQ(ActiveSkill, 11);
    CurrentWeapon = nullptr;
}

TEST(SkillSlots, ArmourLearnsFromEveryBlowTaken) {
    testsupport::FreshWorld();
    ArmourSkill = ShieldSkill = HelmetSkill = 10;
    GainArmourExperience();
    EXPECT_FLOAT_EQ(Player->Fertigkeiten[10]->ActExp, 10.0f); // 5 + 3 + 2, nothing worn
    ArmourSkill = 5, ShieldSkill = 15, HelmetSkill = 10;
    GainArmourExperience();
    EXPECT_FLOAT_EQ(Player->Fertigkeiten[5]->ActExp, 5.0f);
    EXPECT_FLOAT_EQ(Player->Fertigkeiten[15]->ActExp, 3.0f);
    EXPECT_FLOAT_EQ(Player->Fertigkeiten[10]->ActExp, 12.0f);
    GainExperience(0, 50); // slot 0 holds no skill
    EXPECT_FLOAT_EQ(Player->Fertigkeiten[1]->ActExp, 0.0f);
}

TEST(DerivedValues, EightBitSkillLevelsDivideAsIntegers) {
    testsupport::FreshWorld();
    TCharakter& p = *Player;
    p.Level = 1;
    p.Staerke = 40;
    p.Lebensenergie = 40;
    p.Intelligenz = 15;
    p.Mana = 15;
    p.Nahkampfschaden = 40;
    p.MagischerSchaden = 15;
    p.Fernkampfschaden = 10;
    p.Verteidigung = 10;
    p.Geschicklichkeit = 10;
    Player->Fertigkeiten[1]->Level = 39;  // 39 / 20 = 1
    Player->Fertigkeiten[6]->Level = 35;  // 35 / 18 = 1
    Player->Fertigkeiten[12]->Level = 43; // 43 / 22 = 1
    Player->Fertigkeiten[10]->Level = 19; // 19 / 20 = 0
    ActiveSkill = 1;
    ArmourSkill = 10;
    UpdateDerivedValues();
    EXPECT_EQ(p.HPMax, 51); // (40 + 40) / 2 + 40 / 10 * 1 + 7
    EXPECT_EQ(p.MPMax, 39);
    EXPECT_NEAR(p.PhysischerSchaden1, 40 / 15.0 + 1, 1e-4);
    EXPECT_NEAR(p.PhysischerSchaden2, 40 / 15.0 + 1 + 40 / 12.0, 1e-4);
    EXPECT_NEAR(p.Fernschaden1, 10 / 15.0 + 1, 1e-4);
    EXPECT_NEAR(p.Abwehr1, 10 / 20.0, 1e-4);
    float magic = p.MagieSchaden1; // no magic skill active: left alone
    ActiveSkill = 6;
    UpdateDerivedValues();
    EXPECT_NEAR(p.MagieSchaden1, 15 / 14.0 + 1, 1e-4);
    EXPECT_NE(p.MagieSchaden1, magic);
}

TEST(LootPile, LiesOnlyOnTheMapItWasDroppedOn) {
    testsupport::FreshWorld();
    CreateMap(20, 20);
    CurrentMapName = u"Waldweg";
    auto* pile = new TBehaelter;
    pile->Name = u"Wolf";
    pile->NPC = kContainerLoot;
    pile->x = 5;
    pile->y = 6;
    pile->MapName = u"TestMap";
    pile->Inhalt->AddLast(new TItem);
    ContainerList->AddLast(pile);
    Player->px = 5;
    Player->py = 5;
    Player->ppx = 5 * kCell;
    Player->ppy = 5 * kCell;
    Player->px_alt = 5;
    Player->py_alt = 5;
    Player->SFrame = kFaceDown; // facing the pile's cell
    InjectKey(VK_RETURN, true);
    UpdatePlayer();
    EXPECT_EQ(MapTiles(5, 6, 2), 0); // no obstacle on another map
    EXPECT_EQ(TradeOpen, 0);         // and nothing to open there
    CurrentMapName = u"TestMap";
    UpdatePlayer();
    InjectKey(VK_RETURN, false);
    EXPECT_EQ(MapTiles(5, 6, 2), 1);
    EXPECT_EQ(TradeOpen, 1);
    EXPECT_EQ(MerchantItems, pile->Inhalt);
    FlushInput();
}
