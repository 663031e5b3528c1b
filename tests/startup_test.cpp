// Start-up in the assembled game folder: the player's values, skills,
// starting inventory, camera, clock and the mask colours of its pictures.
#include "test_support.h"

#include "data/catalog.h"
#include "data/collections.h"
#include "data/assets.h"
#include "shell/shell.h"
#include "world/world.h"

class StartUpTest : public ::testing::Test {
  protected:
    // A failed start-up fails every test here rather than skipping it.
    void SetUp() override { ASSERT_EQ(testsupport::FreshGame(), ""); }
};

TEST_F(StartUpTest, PlayerStartValues) {
    const TCharakter& p = *Player;
    EXPECT_EQ(p.Level, 1);
    EXPECT_FLOAT_EQ(p.px, 29.0f);
    EXPECT_FLOAT_EQ(p.py, 4.0f);
    EXPECT_EQ(p.ppx, 1392);
    EXPECT_EQ(p.ppy, 192);
    EXPECT_EQ(p.SFrame, 6);
    EXPECT_EQ(p.Richtung, 3);
    EXPECT_EQ(p.HPMax, 51);
    EXPECT_FLOAT_EQ(p.HP, 51.0f);
    EXPECT_EQ(p.MPMax, 39);
    EXPECT_FLOAT_EQ(p.MP, 39.0f);
    EXPECT_NEAR(p.PhysischerSchaden1, 2.6667f, 1e-4);
    EXPECT_FLOAT_EQ(p.PhysischerSchaden2, 6.0f);
    EXPECT_NEAR(p.MagieSchaden1, 15.0f / 14.0f, 1e-5);  // skill 6 level 5 / 18 = 0
    EXPECT_NEAR(p.Abwehr2, 0.5f + 10.0f / 15.0f, 1e-5); // 10/20 + 5/20 (=0) + 10/15
    EXPECT_EQ(p.MPFuellpause1, 1700);
    EXPECT_EQ(p.MPFuellpause2, 2000);
    EXPECT_EQ(Gold, 10);
    EXPECT_EQ(PlayerTitle, u"Tarvik Level");
    EXPECT_EQ(PlayerRace, u"Mensch");
    EXPECT_EQ(CameraX, 880);
    EXPECT_EQ(CameraY, -192);
}

TEST_F(StartUpTest, SkillsAndDescriptions) {
    EXPECT_EQ(Player->Fertigkeiten[0], nullptr);
    EXPECT_EQ(SkillDescriptions[0], nullptr);
    EXPECT_EQ(Player->Fertigkeiten[1]->Name, u"Lange Klinge");
    EXPECT_EQ(Player->Fertigkeiten[2]->Level, 25);
    EXPECT_EQ(Player->Fertigkeiten[13]->Name, u"Schloesser oeffnen");
    EXPECT_EQ(Player->Fertigkeiten[15]->Name, u"Leichte Ruestung");
    EXPECT_EQ(MajorSkills[0], 6);
    EXPECT_EQ(MinorSkills[9], 13);
    for (int slot = 1; slot <= 15; ++slot) {
        ASSERT_NE(SkillDescriptions[slot], nullptr);
        EXPECT_GE(SkillDescriptions[slot]->Count(), 2) << slot;
        // The wrapped lines hold every word of the file in order, and none
        // is empty (the wrapper may let a line run a few letters past 200).
        std::vector<Str> lines = ReadAllLines(u"Beschreibungen/" + IntToString(slot) + u".txt");
        Str words, wrapped;
        for (const Str& l : lines) words += TrimOf(l) + u" ";
        for (const Str& l : *SkillDescriptions[slot]) {
            EXPECT_FALSE(l.empty());
            wrapped += l + u" ";
        }
        EXPECT_EQ(wrapped, words) << slot;
    }
}

TEST_F(StartUpTest, StartingInventoryAndEquipment) {
    EXPECT_EQ(InventoryGrid[2][2]->ID, 14);
    EXPECT_EQ(InventoryGrid[2][2]->Anzahl, 99);
    EXPECT_EQ(InventoryGrid[1][1]->Anzahl, 3);
    EXPECT_EQ(InventoryGrid[1][2]->Anzahl, 3);
    EXPECT_EQ(InventoryGrid[0][0]->ID, 3);
    EXPECT_EQ(InventoryGrid[0][0]->Anzahl, 1);
    EXPECT_EQ(InventoryGrid[3][3]->ID, 17);
    EXPECT_EQ(InventoryGrid[5][4]->ID, 0); // an empty cell still holds a record
    EXPECT_EQ(InventoryGrid[5][4]->Anzahl, 0);
    EXPECT_EQ(SpellBookGrid[0][0]->ID, 1);
    EXPECT_EQ(SpellBookGrid[0][1]->ID, 2);
    EXPECT_EQ(EquipBody->ID, 2);
    EXPECT_EQ(EquipBody->ImageGross, ImgStartkleidungGross);
    EXPECT_EQ(EquipHead->ID, 0);
    // He starts with empty hands and an empty hotkey bar: he equips what he
    // owns in the inventory.
    for (int i = 0; i < kHotkeys; ++i) EXPECT_EQ(Hotkeys[i]->ID, 0) << i;
    EXPECT_EQ(EquipWeapon->ID, 0);
    EXPECT_EQ(EquipOffHand->ID, 0);
    EXPECT_EQ(InventoryGrid[2][2]->Aktiv, 0);
    EXPECT_EQ(CurrentWeapon, nullptr);
    for (int i = 0; i < kShopCols; ++i)
        for (int j = 0; j < kShopRows; ++j) EXPECT_NE(ShopItems[i][j], nullptr);
}

TEST_F(StartUpTest, ClockAndWindow) {
    EXPECT_EQ(ClockMinutes, 960);
    EXPECT_EQ(ClockHour, 16);
    EXPECT_EQ(GameDay, 1);
    EXPECT_EQ(DaylightLevel, 255);
    EXPECT_EQ(ScreenWidth(), 1024);
    EXPECT_EQ(ScreenHeight(), 768);
    EXPECT_EQ(CurrentMapName, u"TestMap");
}

TEST_F(StartUpTest, PicturesAndMasks) {
    EXPECT_EQ(ImageFramesOf(Tilesets[0]), 768);
    EXPECT_EQ(ImageFramesOf(Tilesets[1]), 768);
    EXPECT_EQ(ImageWidthOf(ImgKoerperGross), 72);
    EXPECT_EQ(ImageHeightOf(ImgKoerperGross), 96);
    EXPECT_EQ(ImageFramesOf(ImgKoerper), 12);
    // Figure strips are masked green: the corner of every cell is transparent.
    for (Image* strip : {ImgKoerperGross, ImgHaareGross, ImgStartkleidungGross, ImgKoerper})
        for (int f = 0; f < 12; ++f) EXPECT_EQ(ImagePixel(strip, f, 0, 0) & 0xFF, 0u);
    // The selection frame is masked black; the pointer white.
    EXPECT_EQ(ImagePixel(ImgAuswahlbox, 0, ImageWidthOf(ImgAuswahlbox) / 2,
                         ImageHeightOf(ImgAuswahlbox) / 2) &
                  0xFF,
              0u);
    EXPECT_EQ(ImagePixel(ImgMaus, 0, ImageWidthOf(ImgMaus) - 1, ImageHeightOf(ImgMaus) - 1) & 0xFF,
              0u);
    EXPECT_EQ(ImageWidthOf(ImgRahmen), 1024);
}
