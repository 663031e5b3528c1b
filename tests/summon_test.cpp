// The summoning spell and the summoned monster: placing, lifetime, the
// target search, the chase and its blows.
#include "test_support.h"

#include "combat/combat.h"
#include "world/world.h"

#include <cmath>

namespace {
class SummonTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testsupport::FreshWorld();
        SetVirtualMillis(300000);
        SeedRandom(5);
        CurrentMapName = u"T";
        CreateMap(30, 20);
        for (int x = 0; x < 30; ++x)
            for (int y = 0; y < 20; ++y) MapTiles(x, y, 2) = 0;
        z = new TZauber;
        z->Typ = u"Selbst";
        z->Fertigkeit = u"Beschwoeren";
        z->Art = u"Monster beschwoeren";
        z->Ladung = z->LadungMax = 10;
        z->Aufgeladen = 1;
        z->BenoetigteMP = 20;
        CurrentSpell = z;
        CurrentWeapon = nullptr;
        Player->MP = 60;
        Player->px = 5, Player->py = 5;
        Player->Richtung = kDirRight;
        Player->SFrame = kFaceRight;
        TGegner& m = *SummonedMonster;
        m.HPMax = 40;
        m.AngriffsRadius = 6;
        m.Geschwindigkeit = 4;
        m.ExistDauer = 30000;
        m.Schaden1 = m.Schaden2 = 8;
        m.Attacke = new TWaffe;
        m.Attacke->Pause1 = m.Attacke->Pause2 = 500;
        m.Attacke->FrameAnzahl = 1;
    }
    void TearDown() override {
        InjectKey(VK_LCONTROL, false);
    }
    TGegner* AddEnemy(uint16_t id, int x, int y) {
        auto* e = new TGegner;
        e->ID = id;
        e->Exist = 1;
        e->HP = e->HPMax = 100;
        e->MapName = CurrentMapName;
        e->px = x, e->py = y, e->ppx = x * 48, e->ppy = y * 48;
        MapTiles(x, y, 2) = 1;
        EnemyList->AddLast(e);
        return e;
    }
    void Cast() {
        InjectKey(VK_LCONTROL, true);
        CurrentEnemy = nullptr;
        UpdatePlayerCombat();
        InjectKey(VK_LCONTROL, false);
    }
    // The monster's pass of some frames, 16 ms apart.
    void Run(int frames) {
        for (int i = 0; i < frames; ++i) {
            UpdateSummonedMonster();
            SetVirtualMillis(Millis() + 16);
        }
    }
    TZauber* z = nullptr;
};
} // namespace

TEST_F(SummonTest, SummoningPlacesItInFrontAndPays) {
    TGegner& m = *SummonedMonster;
    Cast();
    EXPECT_EQ(m.Exist, 1);
    EXPECT_EQ(m.px, 6);
    EXPECT_EQ(m.py, 5);
    EXPECT_EQ(m.ppx, 6 * 48);
    EXPECT_FLOAT_EQ(m.HP, 40);
    EXPECT_EQ(m.MapName, u"T");
    EXPECT_EQ(MapTiles(6, 5, 2), 1);
    EXPECT_FLOAT_EQ(Player->MP, 40);
    EXPECT_EQ(z->Aufgeladen, 0);
    EXPECT_EQ(z->Ladung, 0);
    EXPECT_FLOAT_EQ(Player->Fertigkeiten[9]->ActExp, 100.0f);
    // Renewed while it lives here with the front tile taken: where it
    // stands, with full health and a new lifetime.
    m.HP = 5;
    Player->Richtung = kDirUp;
    MapTiles(5, 4, 2) = 3;
    SetVirtualMillis(Millis() + 5000);
    z->Aufgeladen = 1;
    Cast();
    EXPECT_EQ(m.px, 6);
    EXPECT_FLOAT_EQ(m.HP, 40);
    EXPECT_EQ(m.ExistStart, Millis());
    EXPECT_FLOAT_EQ(Player->MP, 20);
}

TEST_F(SummonTest, NoRenewalOnAnotherMapOrWhenGone) {
    TGegner& m = *SummonedMonster;
    Cast();
    // The player walks to another map and faces a wall there.
    CurrentMapName = u"U";
    MapTiles(6, 5, 2) = 3;
    z->Aufgeladen = 1;
    Cast();
    EXPECT_EQ(m.MapName, u"T"); // it stays on its map, frozen
    EXPECT_FLOAT_EQ(Player->MP, 40);
    // Back home, once it has vanished, a taken front tile summons nothing.
    CurrentMapName = u"T";
    MapTiles(6, 5, 2) = 1;
    m.Exist = 0;
    Cast();
    EXPECT_EQ(m.Exist, 0);
    EXPECT_FLOAT_EQ(Player->MP, 40);
}

TEST_F(SummonTest, TargetsTheNearestAndKeepsIt) {
    TGegner& m = *SummonedMonster;
    // Distances 3 and 2 from (6, 5), the farther first in the list.
    AddEnemy(1, 9, 5);
    TGegner* near = AddEnemy(2, 6, 7);
    Cast();
    Run(1);
    EXPECT_EQ(m.gID, 2);
    EXPECT_EQ(m.GegnerGefunden, 1);
    EXPECT_EQ(m.AbstandAlt, 2);
    EXPECT_EQ(m.Bewegen == kStepDown || m.aa == 1, true);
    // It walks up to it and strikes: 8 damage, no armour.
    Run(60);
    EXPECT_EQ(m.px, 6);
    EXPECT_EQ(m.py, 6);
    EXPECT_EQ(m.Angriff, 1);
    EXPECT_EQ(m.SFrame, kFaceDown);
    EXPECT_LT(near->HP, 100);
    EXPECT_EQ(std::fmod(100.0f - near->HP, 8.0f), 0.0f);
    EXPECT_EQ(near->Angegriffen, 1);
    // Its target dies: idle in the same frame.
    near->Exist = 0;
    MapTiles(6, 7, 2) = 0;
    Run(1);
    EXPECT_EQ(m.gID, 0);
    EXPECT_EQ(m.GegnerGefunden, 0);
    EXPECT_EQ(m.AbstandAlt, 0);
    Run(1);
    EXPECT_EQ(m.gID, 1); // the other one, the nearest left in range
    EXPECT_EQ(m.AbstandAlt, 4);
}

TEST_F(SummonTest, AWalkingTargetIsNotReplacedByALaterNearerOne) {
    TGegner& m = *SummonedMonster;
    TGegner* first = AddEnemy(1, 10, 5); // distance 4
    Cast();
    // Walled in where it stands, to measure only the search.
    MapTiles(7, 5, 2) = MapTiles(6, 4, 2) = MapTiles(6, 6, 2) = MapTiles(5, 5, 2) = 3;
    Run(1);
    EXPECT_EQ(m.gID, 1);
    MapTiles(10, 5, 2) = 0;
    first->px = 12; // walks to distance 6
    MapTiles(12, 5, 2) = 1;
    AddEnemy(2, 6, 10); // distance 5
    Run(1);
    EXPECT_EQ(m.px, 6);
    EXPECT_EQ(m.gID, 1);
    EXPECT_EQ(m.AbstandAlt, 4);
}

TEST_F(SummonTest, SearchesOnlyItsOwnMapAndIdlesWithoutEnemies) {
    TGegner& m = *SummonedMonster;
    TGegner* elsewhere = AddEnemy(1, 7, 5);
    elsewhere->MapName = u"Anderswo";
    MapTiles(7, 5, 2) = 0;
    Cast();
    Run(120);
    EXPECT_EQ(m.gID, 0);
    EXPECT_EQ(m.GegnerGefunden, 0);
    EXPECT_EQ(m.px, 6);
    EXPECT_EQ(m.py, 5);
    EXPECT_FLOAT_EQ(elsewhere->HP, 100);
}

TEST_F(SummonTest, VanishesAfterItsLifetime) {
    TGegner& m = *SummonedMonster;
    Cast();
    int32_t start = Millis();
    while (m.Exist == 1 && Millis() - start < 31000) Run(1);
    EXPECT_EQ(m.Exist, 0);
    EXPECT_GT(Millis() - start, 30000);
    EXPECT_LE(Millis() - start, 30000 + 32);
    EXPECT_EQ(MapTiles(6, 5, 2), 0);
}

TEST_F(SummonTest, VanishingMidStepLeavesItReadyForTheNextSummoning) {
    TGegner& m = *SummonedMonster;
    m.ExistDauer = 100; // up while its first step (192 ms) is under way
    AddEnemy(1, 12, 5);
    Cast();
    Run(3);
    ASSERT_EQ(m.aa, 1);
    ASSERT_EQ(m.px, 7);
    Run(6);
    EXPECT_EQ(m.Exist, 0);
    EXPECT_EQ(m.aa, 0);
    EXPECT_EQ(MapTiles(6, 5, 2), 0);
    EXPECT_EQ(MapTiles(7, 5, 2), 0);
    z->Aufgeladen = 1;
    Cast();
    EXPECT_EQ(m.Exist, 1);
    EXPECT_EQ(m.px, 6);
    EXPECT_EQ(m.py, 5);
}

// A fire ball cancelled against an enemy next to him clears the player's
// heading; the summoning that follows still goes where he faces.
TEST_F(SummonTest, SummoningAfterACancelledShotGoesWhereHeFaces) {
    Player->Richtung = 0;
    Player->SFrame = kFaceDown;
    Cast();
    EXPECT_EQ(SummonedMonster->Exist, 1);
    EXPECT_EQ(SummonedMonster->px, 5);
    EXPECT_EQ(SummonedMonster->py, 6);
    EXPECT_FLOAT_EQ(Player->MP, 40);
}
