// The player's spells: charge and mana, touch spells, projectiles over the
// tile grid, areas of effect and damage over time, healing.
#include "test_support.h"

#include "combat/combat.h"
#include "world/world.h"

namespace {
class SpellsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testsupport::FreshWorld();
        SetVirtualMillis(300000);
        SeedRandom(91);
        CurrentMapName = u"T";
        CreateMap(20, 15);
        for (int x = 0; x < 20; ++x)
            for (int y = 0; y < 15; ++y) MapTiles(x, y, 2) = 0;
        z = new TZauber;
        z->Name = u"Test";
        z->Art = u"Feuerschaden";
        z->Ladung = z->LadungMax = 10;
        z->Aufgeladen = 1;
        z->BenoetigteMP = 12;
        z->FrameAnzahl = 6;
        CurrentSpell = z;
        CurrentWeapon = nullptr;
        Player->MP = 50;
        Player->HP = 20;
        Player->HPMax = 60;
    }
    void TearDown() override {
        InjectKey(VK_LCONTROL, false);
    }
    void PutPlayer(float x, float y, uint8_t richtung, uint8_t sframe) {
        Player->px = x;
        Player->py = y;
        Player->ppx = (int)x * 48;
        Player->ppy = (int)y * 48;
        Player->Richtung = richtung;
        Player->SFrame = sframe;
    }
    TGegner* AddEnemy(uint16_t id, int x, int y) {
        auto* e = new TGegner;
        e->ID = id;
        e->Exist = 1;
        e->Zufall = 1;
        e->HP = e->HPMax = 100;
        e->MapName = CurrentMapName;
        e->px = x, e->py = y, e->ppx = x * 48, e->ppy = y * 48;
        MapTiles(x, y, 2) = 1;
        EnemyList->AddLast(e);
        return e;
    }
    void MakeProjectile(float speed, uint8_t range) {
        z->Typ = u"Fernkampf";
        z->Fertigkeit = u"Kampfmagie";
        z->Geschwindigkeit = speed;
        z->ReichweiteMax = range;
    }
    // One frame as the main loop runs it: drawing (flight, areas), then the
    // combat calls with every enemy and once without.
    void Frame() {
        DrawCombatEffects();
        for (TGegner* e : *EnemyList) {
            CurrentEnemy = e;
            UpdatePlayerCombat();
        }
        CurrentEnemy = nullptr;
        UpdatePlayerCombat();
        SetVirtualMillis(Millis() + 16);
    }
    TZauber* z = nullptr;
};
} // namespace

TEST_F(SpellsTest, CastNeedsKeyFullChargeAndMana) {
    z->Typ = u"Selbst";
    z->Fertigkeit = u"Wiederherstellung";
    z->Art = u"Leben wiederherstellen";
    z->Schaden1 = 10;
    z->Schaden2 = 20;
    // No key: nothing.
    Frame();
    EXPECT_FLOAT_EQ(Player->HP, 20);
    InjectKey(VK_LCONTROL, true);
    // Too little mana: nothing spent, nothing healed.
    Player->MP = 11;
    Frame();
    EXPECT_FLOAT_EQ(Player->MP, 11);
    EXPECT_FLOAT_EQ(Player->HP, 20);
    EXPECT_EQ(z->Ladung, 10);
    // Charge not full: nothing either.
    Player->MP = 50;
    z->Aufgeladen = 0;
    Frame();
    EXPECT_FLOAT_EQ(Player->MP, 50);
    EXPECT_FLOAT_EQ(Player->HP, 20);
    // Charged: one cast in the frame, however many combat calls it has.
    z->Aufgeladen = 1;
    AddEnemy(1, 15, 12);
    AddEnemy(2, 16, 12);
    Frame();
    EXPECT_FLOAT_EQ(Player->MP, 38);
    EXPECT_EQ(z->Ladung, 0);
    EXPECT_EQ(z->Aufgeladen, 0);
    EXPECT_GE(Player->HP, 30);
    EXPECT_LE(Player->HP, 40);
    EXPECT_FLOAT_EQ(Player->HP, 20.0f + z->Schaden);
    EXPECT_EQ(Player->Heilen, 1);
    EXPECT_EQ(Player->EffektVar, 1);
    EXPECT_EQ(z->Zeichnen, 1);
    EXPECT_FLOAT_EQ(Player->Fertigkeiten[7]->ActExp, 60.0f);
    // Held on, the empty spell casts nothing more.
    for (int i = 0; i < 30; ++i) Frame();
    EXPECT_FLOAT_EQ(Player->MP, 38);
    EXPECT_FLOAT_EQ(Player->Fertigkeiten[7]->ActExp, 60.0f);
}

TEST_F(SpellsTest, TouchSpellStrikesTheFacedEnemyAndLaysItsAreaBeyond) {
    z->Typ = u"Nahkampf";
    z->Fertigkeit = u"Kampfmagie";
    z->Schaden1 = z->Schaden2 = 20;
    z->FlaechenBreite = 3;
    z->FlaechenLaenge = 2;
    PutPlayer(5, 5, kDirRight, kFaceRight);
    TGegner* e = AddEnemy(1, 6, 5);
    TGegner* beside = AddEnemy(2, 7, 6); // on the area, one row down, one further
    TGegner* out = AddEnemy(3, 8, 5);    // past the area's length of 2
    MapTiles(7, 4, 2) = 5;               // a wall cell in the area
    InjectKey(VK_LCONTROL, true);
    // Facing away: nothing.
    Player->SFrame = kFaceLeft;
    Frame();
    EXPECT_FLOAT_EQ(e->HP, 100);
    EXPECT_FLOAT_EQ(Player->MP, 50);
    Player->SFrame = kFaceRight;
    Frame();
    InjectKey(VK_LCONTROL, false);
    EXPECT_FLOAT_EQ(e->HP, 80); // 20 + magic roll 0, no resistance, no armour
    EXPECT_EQ(LastHitEnemyId, 1);
    EXPECT_FLOAT_EQ(Player->MP, 38);
    // Heading right, the area is 2 across the map's x and 3 along y, from
    // the enemy's tile on: (6..7, 4..6), its own cell spent on the touch.
    EXPECT_EQ(AreaWidth, 2);
    EXPECT_EQ(AreaLength, 3);
    int live = 0;
    for (auto& col : z->Flaeche)
        for (TFlaechenschaden* c : col) {
            EXPECT_TRUE(c->x >= 6 && c->x <= 7 && c->y >= 4 && c->y <= 6);
            live += c->Aktiv;
            if (c->x == 7 && c->y == 4) {
                EXPECT_EQ(c->Zeichnen, 0); // the wall
            }
        }
    EXPECT_EQ(live, 4);
    // The next frames' drawing: the enemy on a live cell takes its hit once.
    for (int i = 0; i < 3; ++i) Frame();
    EXPECT_FLOAT_EQ(beside->HP, 80);
    EXPECT_EQ(beside->Aggro, 1);
    EXPECT_FLOAT_EQ(out->HP, 100);
    EXPECT_FLOAT_EQ(e->HP, 80);
}

TEST_F(SpellsTest, TouchWithDurationHurtsOnlyByItsTicks) {
    z->Typ = u"Nahkampf";
    z->Fertigkeit = u"Kampfmagie";
    z->Schaden1 = z->Schaden2 = 7;
    z->Wirkungsdauer = 3;
    z->WirkungStart = Millis();
    PutPlayer(5, 5, kDirDown, kFaceDown);
    TGegner* e = AddEnemy(4, 5, 6);
    InjectKey(VK_LCONTROL, true);
    Frame();
    InjectKey(VK_LCONTROL, false);
    EXPECT_EQ(LastHitEnemyId, 4);
    EXPECT_FLOAT_EQ(Player->MP, 38);
    std::vector<int32_t> ticks;
    for (int i = 0; i < 60 * 6; ++i) {
        float hp = e->HP;
        Frame();
        if (e->HP < hp) {
            EXPECT_FLOAT_EQ(hp - e->HP, 7);
            ticks.push_back(Millis());
        }
    }
    ASSERT_EQ(ticks.size(), 3u);
    EXPECT_GE(ticks[1] - ticks[0], 1000);
    EXPECT_GE(ticks[2] - ticks[1], 1000);
    EXPECT_EQ(LastHitEnemyId, 0); // the effect has run out
    EXPECT_FLOAT_EQ(e->HP, 79);
}

TEST_F(SpellsTest, ProjectileFliesItsSpeedAndRollsItsOwnDamage) {
    MakeProjectile(0.5f, 8);
    z->Schaden1 = z->Schaden2 = 20;
    Player->MagieSchaden1 = Player->MagieSchaden2 = 3;
    PutPlayer(5, 5, kDirRight, kFaceRight);
    TGegner* e = AddEnemy(1, 8, 5);
    InjectKey(VK_LCONTROL, true);
    Frame(); // launch from (6, 5)
    InjectKey(VK_LCONTROL, false);
    EXPECT_EQ(z->Zeichnen, kDirRight);
    EXPECT_FLOAT_EQ(z->x, 6);
    EXPECT_FLOAT_EQ(Player->MP, 38);
    EXPECT_EQ(z->Ladung, 0);
    // 6.5, 7.0, then 7.5 meets the enemy half a tile before its tile.
    Frame();
    Frame();
    EXPECT_FLOAT_EQ(e->HP, 100);
    EXPECT_FLOAT_EQ(z->x, 7);
    Frame();
    // Its own damage counts: 20 + 3, not the magic part alone.
    EXPECT_FLOAT_EQ(e->HP, 77);
    EXPECT_EQ(z->Schaden, 20);
    EXPECT_EQ(z->Zeichnen, 0);
    EXPECT_EQ(z->ZeichnenExplosion, 1);
    EXPECT_EQ(e->Aggro, 1);
    EXPECT_EQ(e->Zufall, 0);
    EXPECT_EQ(LastHitEnemyId, 1);
    EXPECT_FLOAT_EQ(z->x, 0);
}

TEST_F(SpellsTest, ProjectileAtRestOrBlockedDoesNothing) {
    MakeProjectile(1, 8);
    z->Schaden1 = z->Schaden2 = 20;
    // An enemy on tile (0, 0), where a resting projectile lies: no hit.
    TGegner* corner = AddEnemy(1, 0, 0);
    PutPlayer(5, 5, kDirUp, kFaceUp);
    for (int i = 0; i < 5; ++i) Frame();
    EXPECT_FLOAT_EQ(corner->HP, 100);
    EXPECT_EQ(z->ZeichnenExplosion, 0);
    // A taken front tile: the heading is cleared, mana and charge stay.
    MapTiles(5, 4, 2) = 3;
    InjectKey(VK_LCONTROL, true);
    Frame();
    EXPECT_EQ(Player->Richtung, 0);
    EXPECT_EQ(z->Zeichnen, 0);
    EXPECT_FLOAT_EQ(Player->MP, 50);
    EXPECT_EQ(z->Ladung, 10);
    // Mid-step: no launch either.
    Player->Richtung = kDirDown;
    Player->aa = 1;
    Frame();
    EXPECT_EQ(z->Zeichnen, 0);
    EXPECT_FLOAT_EQ(Player->MP, 50);
}

TEST_F(SpellsTest, ProjectileEndsAtItsRangeOrAWall) {
    MakeProjectile(1, 4);
    PutPlayer(2, 5, kDirRight, kFaceRight);
    InjectKey(VK_LCONTROL, true);
    Frame();
    InjectKey(VK_LCONTROL, false);
    int frames = 0;
    while (z->Zeichnen != 0 && frames < 100) {
        Frame();
        ++frames;
    }
    EXPECT_EQ(frames, 5); // four steps, then the range is used up
    EXPECT_FLOAT_EQ(z->x, 0);
    EXPECT_FLOAT_EQ(z->Reichweite, 0);
    // Against a wall three tiles on, without an area: it just stops.
    z->Aufgeladen = 1;
    MapTiles(6, 5, 2) = 4;
    InjectKey(VK_LCONTROL, true);
    Frame();
    InjectKey(VK_LCONTROL, false);
    Frame();
    Frame();
    EXPECT_FLOAT_EQ(z->x, 5);
    Frame();
    EXPECT_EQ(z->Zeichnen, 0);
    EXPECT_EQ(z->ZeichnenExplosion, 0);
}

TEST_F(SpellsTest, AreaProjectileBurstsOnItsEnemyAndAtWalls) {
    MakeProjectile(1, 10);
    z->Schaden1 = z->Schaden2 = 10;
    z->FlaechenBreite = z->FlaechenLaenge = 3;
    PutPlayer(2, 5, kDirRight, kFaceRight);
    TGegner* hit = AddEnemy(1, 6, 5);
    TGegner* a = AddEnemy(2, 7, 6);   // on the area
    TGegner* b = AddEnemy(3, 5, 4);   // on the area
    TGegner* out = AddEnemy(4, 8, 5); // one beside it
    InjectKey(VK_LCONTROL, true);
    Frame();
    InjectKey(VK_LCONTROL, false);
    for (int i = 0; i < 6; ++i) Frame();
    EXPECT_FLOAT_EQ(hit->HP, 90); // the direct hit only: its own cell is spent
    EXPECT_FLOAT_EQ(a->HP, 90);
    EXPECT_FLOAT_EQ(b->HP, 90);
    EXPECT_FLOAT_EQ(out->HP, 100);
    EXPECT_EQ(a->Angegriffen, 1);
    EXPECT_EQ(LastHitEnemyId, 1); // area cells leave it alone
    // The area lives while the impact picture plays, then stops.
    for (int i = 0; i < 60; ++i) Frame();
    EXPECT_EQ(z->ZeichnenExplosion, 0);

    // At a wall, with no enemy anywhere on the map, it bursts in the
    // frame it stops, centred where it stopped.
    for (TGegner* e : *EnemyList) e->Exist = 0;
    z->Aufgeladen = 1;
    MapTiles(12, 5, 2) = 4;
    InjectKey(VK_LCONTROL, true);
    Frame();
    InjectKey(VK_LCONTROL, false);
    int frames = 0;
    while (z->Zeichnen != 0 && frames < 20) {
        Frame();
        ++frames;
    }
    EXPECT_EQ(z->ZeichnenExplosion, 1);
    EXPECT_EQ(SpellImpact, kNoImpact);
    EXPECT_EQ(z->Flaeche[1][1]->x, 11);
    EXPECT_EQ(z->Flaeche[1][1]->y, 5);
    EXPECT_EQ(z->Flaeche[1][1]->Aktiv, 1);
    EXPECT_EQ(z->Flaeche[2][1]->Aktiv, 0); // the wall itself
}

TEST_F(SpellsTest, AreaCellsOffTheMapAndSharedCellsHitOnce) {
    z->FlaechenBreite = z->FlaechenLaenge = 3;
    z->Schaden = 10;
    // Centred on the corner: only the four cells on the map are live.
    LayArea(z, kDirLeft, 0, 0, true, false);
    int live = 0;
    for (auto& col : z->Flaeche)
        for (TFlaechenschaden* c : col) live += c->Aktiv;
    EXPECT_EQ(live, 4);
    // Two enemies counted on one live cell: the first takes it.
    TGegner* first = AddEnemy(2, 1, 1);
    TGegner* second = AddEnemy(3, 1, 1);
    ApplyAreaDamage(first);
    ApplyAreaDamage(second);
    EXPECT_FLOAT_EQ(first->HP, 90);
    EXPECT_FLOAT_EQ(second->HP, 100);
    // And on the far corner, where the cells would run past the last
    // column and row.
    LayArea(z, kDirDown, Map.w - 1, Map.h - 1, true, false);
    live = 0;
    for (auto& col : z->Flaeche)
        for (TFlaechenschaden* c : col) live += c->Aktiv;
    EXPECT_EQ(live, 4);
}

TEST_F(SpellsTest, ProjectileDamageOverTimeFollowsTheHit) {
    MakeProjectile(1, 8);
    z->Art = u"Giftschaden";
    z->Schaden1 = 3;
    z->Schaden2 = 5;
    z->Wirkungsdauer = 4;
    PutPlayer(5, 5, kDirDown, kFaceDown);
    TGegner* e = AddEnemy(7, 5, 8);
    e->GiftResistenz = 0.5f;
    InjectKey(VK_LCONTROL, true);
    Frame();
    InjectKey(VK_LCONTROL, false);
    int hits = 0;
    for (int i = 0; i < 60 * 7; ++i) {
        float hp = e->HP;
        Frame();
        if (e->HP < hp) {
            ++hits;
            EXPECT_GE(hp - e->HP, 1.5f);
            EXPECT_LE(hp - e->HP, 2.5f);
        }
    }
    EXPECT_EQ(hits, 5); // the hit and four ticks
    EXPECT_EQ(z->WirkungZeit, 0);
    EXPECT_EQ(LastHitEnemyId, 0);
}
