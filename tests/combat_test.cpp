// Damage rules, detection, group alerts and the line-up of ranged fighters.
#include "test_support.h"

#include "combat/combat.h"
#include "world/world.h"

namespace {
class CombatTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testsupport::FreshWorld();
        SetVirtualMillis(300000);
        SeedRandom(77);
        CreateMap(29, 19);
        for (int x = 0; x <= 29; ++x)
            for (int y = 0; y <= 19; ++y) MapTiles(x, y, 2) = 0;
        Player = new TCharakter;
        EquipBody = new TItem;
        EquipHead = new TItem;
        EquipOffHand = new TItem;
        SummonedMonster = new TGegner;
        EnemyList = new TList<TGegner*>;
        BloodStainList = new TList<TBlut*>;
        AlertedGroup = 0;
        LastHitEnemyId = 0;
        CurrentWeapon = new TWaffe;
        CurrentSpell = new TZauber;
        e = new TGegner;
        e->Exist = 1;
        e->Zufall = 1;
        e->Geschwindigkeit = 3;
        e->HP = e->HPMax = 100;
    }
    void PutPlayer(float x, float y) {
        Player->px = x;
        Player->py = y;
        Player->ppx = (int)x * 48;
        Player->ppy = (int)y * 48;
    }
    void PutEnemy(TGegner* g, int x, int y) {
        g->px = x;
        g->py = y;
        g->ppx = x * 48;
        g->ppy = y * 48;
    }
    TGegner* e = nullptr;
};
} // namespace

TEST_F(CombatTest, ArmourAboveDamageTakesNothing) {
    // Weapon and bonus rolls of 30 against armour 40: no hit points change
    // (a hit never heals).
    CurrentWeapon->Schaden1 = CurrentWeapon->Schaden2 = 20;
    Player->PhysischerSchaden1 = Player->PhysischerSchaden2 = 10.5f;
    e->Ruestung = 40;
    EXPECT_EQ(HitEnemyWithWeapon(e), 0);
    EXPECT_FLOAT_EQ(e->HP, 100);
    EXPECT_EQ(CurrentWeapon->Schaden, 20);
    EXPECT_EQ(Player->PhysischerSchaden, 10);
    e->Ruestung = 5;
    EXPECT_EQ(HitEnemyWithWeapon(e), 25);
    EXPECT_FLOAT_EQ(e->HP, 75);
}

TEST_F(CombatTest, FireSpellAgainstHalfResistance) {
    CurrentSpell->Art = u"Feuerschaden";
    CurrentSpell->Schaden = 10;
    Player->MagieSchaden1 = Player->MagieSchaden2 = 4;
    e->FeuerResistenz = 0.5f;
    e->Ruestung = 5;
    EXPECT_FLOAT_EQ(HitEnemyWithSpell(e), 5); // 14 x 0.5 - 2
    EXPECT_FLOAT_EQ(e->HP, 95);
    e->TodesResistenz = 1.5f; // more than all: no healing either
    CurrentSpell->Art = u"Todesmagie-Schaden";
    EXPECT_FLOAT_EQ(HitEnemyWithSpell(e), 0);
    EXPECT_FLOAT_EQ(e->HP, 95);
}

TEST_F(CombatTest, UnknownSpellTypeDoesNoDamage) {
    CurrentSpell->Art = u"Kitzeln";
    CurrentSpell->Schaden = 50;
    float r = 0;
    EXPECT_FALSE(ResistanceFor(e, u"Kitzeln", r));
    EXPECT_TRUE(ResistanceFor(e, u"Blitzschaden", r));
    EXPECT_EQ(HitEnemyWithSpell(e), 0);
    EXPECT_FLOAT_EQ(e->HP, 100);
}

TEST_F(CombatTest, ArrowRollsWrapInAByte) {
    CurrentWeapon->Schaden1 = CurrentWeapon->Schaden2 = 200;
    EquipOffHand->Schaden1 = EquipOffHand->Schaden2 = 100;
    Player->Fernschaden1 = Player->Fernschaden2 = 0;
    e->HP = 1000;
    HitEnemyWithArrow(e);
    EXPECT_EQ(CurrentWeapon->Schaden, 44);
    EXPECT_FLOAT_EQ(e->HP, 956);
}

TEST_F(CombatTest, EnemyBlowsAndSpellsOnThePlayer) {
    Player->HP = 50;
    e->Schaden1 = e->Schaden2 = 12;
    Player->Abwehr1 = 2.9f;
    Player->Abwehr2 = 2.9f;
    EquipBody->Ruestung = 3;
    EXPECT_FLOAT_EQ(HitPlayerWithBlow(e), 7); // 12 - (2 + 3)
    EXPECT_FLOAT_EQ(Player->HP, 43);
    EquipBody->Ruestung = 30;
    EXPECT_FLOAT_EQ(HitPlayerWithBlow(e), 0);
    // Spells ignore armour and resistances.
    Player->FeuerResistenz = 1;
    e->MagischerSchaden = 9;
    EXPECT_FLOAT_EQ(HitPlayerWithSpell(e), 9);
    EXPECT_FLOAT_EQ(Player->HP, 34);
    // The player keeps going below zero.
    Player->HP = -20;
    EXPECT_FLOAT_EQ(HitPlayerWithSpell(e), 9);
    EXPECT_FLOAT_EQ(Player->HP, -29);
}

TEST_F(CombatTest, HelmetAndBodyArmourBothBlunt) {
    Player->HP = 50;
    e->Schaden1 = e->Schaden2 = 12;
    Player->Abwehr1 = Player->Abwehr2 = 1;
    EquipHead->Ruestung = 4;
    EXPECT_FLOAT_EQ(HitPlayerWithBlow(e), 7); // 12 - (1 + 0 + 4)
    EXPECT_EQ(Player->Abwehr, 5);
    EquipBody->Ruestung = 2;
    EXPECT_FLOAT_EQ(HitPlayerWithBlow(e), 5); // 12 - (1 + 2 + 4)
    EXPECT_FLOAT_EQ(Player->HP, 38);
    EquipHead->Ruestung = 9; // helmet and body together above the blow
    EXPECT_FLOAT_EQ(HitPlayerWithBlow(e), 0);
    EXPECT_FLOAT_EQ(Player->HP, 38);
}

TEST_F(CombatTest, SummonedMonsterAndEnemyArmourCount) {
    // An enemy's blow on the summoned monster, less the monster's armour.
    SummonedMonster->HP = 60;
    e->Schaden1 = e->Schaden2 = 15;
    SummonedMonster->Ruestung = 6;
    EXPECT_FLOAT_EQ(HitMonsterWithBlow(e), 9);
    EXPECT_FLOAT_EQ(SummonedMonster->HP, 51);
    SummonedMonster->Ruestung = 20;
    EXPECT_FLOAT_EQ(HitMonsterWithBlow(e), 0);
    EXPECT_FLOAT_EQ(SummonedMonster->HP, 51);
    // The monster's blow on an enemy, less the enemy's armour; the
    // monster's own armour plays no part.
    SummonedMonster->Schaden1 = SummonedMonster->Schaden2 = 11;
    e->Ruestung = 4;
    EXPECT_FLOAT_EQ(HitEnemyWithMonsterBlow(e), 7);
    EXPECT_FLOAT_EQ(e->HP, 93);
    EXPECT_EQ(SummonedMonster->Schaden, 11);
    e->Ruestung = 11;
    EXPECT_FLOAT_EQ(HitEnemyWithMonsterBlow(e), 0);
    EXPECT_FLOAT_EQ(e->HP, 93);
}

TEST_F(CombatTest, RollsTruncateFloatBounds) {
    for (int i = 0; i < 500; ++i) {
        int v = Roll(2.9, 5.9);
        ASSERT_GE(v, 2);
        ASSERT_LE(v, 5);
    }
    EXPECT_EQ(Roll(7, 7), 7);
}

TEST_F(CombatTest, DetectionSquareOfRadiusThree) {
    e->AngriffsRadius = 3;
    e->Gruppe = 2;
    PutEnemy(e, 10, 10);
    PutPlayer(13, 13);
    CurrentEnemy = e;
    UpdateEnemy();
    EXPECT_EQ(e->SpielerImUmkreis, 1);
    EXPECT_EQ(e->Aggro, 1);
    EXPECT_EQ(AlertedGroup, 2);
    auto* far = new TGegner;
    far->Exist = 1;
    far->Geschwindigkeit = 3;
    far->AngriffsRadius = 3;
    far->Gruppe = 9;
    PutEnemy(far, 10, 10);
    PutPlayer(14, 13);
    CurrentEnemy = far;
    UpdateEnemy();
    EXPECT_EQ(far->SpielerImUmkreis, 0);
    EXPECT_EQ(far->Aggro, 0);
}

TEST_F(CombatTest, GroupAlertReachesAcrossTheMap) {
    auto* a = e;
    auto* b = new TGegner;
    b->Exist = 1;
    b->Geschwindigkeit = 3;
    a->Gruppe = b->Gruppe = 5;
    a->AngriffsRadius = b->AngriffsRadius = 2;
    PutEnemy(a, 2, 2);
    PutEnemy(b, 27, 17);
    PutPlayer(4, 3);
    CurrentEnemy = b;
    UpdateEnemy();
    EXPECT_EQ(b->Aggro, 0); // nobody has noticed him yet
    CurrentEnemy = a;
    UpdateEnemy();
    CurrentEnemy = b;
    UpdateEnemy();
    EXPECT_EQ(b->SpielerImUmkreis, 1);
    EXPECT_EQ(b->Aggro, 1);
}

TEST_F(CombatTest, GroupZeroIsNoGroup) {
    // At the start no group is alerted: enemies of group 0 keep wandering.
    e->Gruppe = 0;
    e->AngriffsRadius = 2;
    PutEnemy(e, 20, 15);
    PutPlayer(2, 2);
    CurrentEnemy = e;
    UpdateEnemy();
    EXPECT_EQ(e->SpielerImUmkreis, 0);
    EXPECT_EQ(e->Aggro, 0);
    EXPECT_EQ(e->Zufall, 1);
}

TEST_F(CombatTest, RangedFighterLinesUpOnTheShorterAxis) {
    e->KITyp = 2;
    e->AngriffsRadius = 10;
    e->Gruppe = 1;
    PutEnemy(e, 2, 2);
    PutPlayer(7, 4);
    CurrentEnemy = e;
    int guard = 0;
    while (e->FernkampfAngriff == 0 && guard++ < 400) {
        UpdateEnemy();
        SetVirtualMillis(Millis() + 16);
    }
    EXPECT_EQ(e->StoppAggro, 1);
    EXPECT_EQ(e->px, 2); // stepped down only
    EXPECT_EQ(e->py, 4);
    EXPECT_EQ(e->Richtung, 2); // facing right at the player
    EXPECT_EQ(e->SFrame, 3);
}

TEST_F(CombatTest, MeleeChaserWaitsBehindAWall) {
    e->AngriffsRadius = 8;
    e->Gruppe = 1;
    PutEnemy(e, 5, 5);
    PutPlayer(9, 5);
    MapTiles(6, 5, 2) = 7; // a wall between them in the row
    CurrentEnemy = e;
    for (int i = 0; i < 200; ++i) {
        UpdateEnemy();
        SetVirtualMillis(Millis() + 16);
    }
    EXPECT_EQ(e->px, 5);
    EXPECT_EQ(e->py, 5);
}

TEST_F(CombatTest, ChaserStepsUpToThePlayerAndStrikes) {
    e->AngriffsRadius = 8;
    e->Gruppe = 1;
    e->Schaden1 = e->Schaden2 = 10;
    e->Attacke = new TWaffe;
    e->Attacke->Pause1 = e->Attacke->Pause2 = 500;
    e->Attacke->FrameAnzahl = 1;
    PutEnemy(e, 5, 5);
    PutPlayer(9, 5);
    Player->HP = 100;
    CurrentEnemy = e;
    for (int i = 0; i < 120; ++i) {
        MapTiles(9, 5, 2) = 1;
        UpdateEnemy();
        EnemyAttack(kAttackPlayer);
        SetVirtualMillis(Millis() + 16);
    }
    EXPECT_EQ(e->px, 8);
    EXPECT_EQ(e->Angriff, 1);
    EXPECT_EQ(e->SFrame, 3);
    EXPECT_LT(Player->HP, 100);
    // Blows come every 500 ms and never faster.
    float before = Player->HP;
    int32_t t0 = Millis();
    int blows = 0;
    for (int i = 0; i < 180; ++i) { // three seconds
        float hp = Player->HP;
        UpdateEnemy();
        EnemyAttack(kAttackPlayer);
        if (Player->HP < hp) ++blows;
        SetVirtualMillis(Millis() + 16);
    }
    (void)t0;
    EXPECT_GE(blows, 5);
    EXPECT_LE(blows, 6);
    EXPECT_FLOAT_EQ(before - Player->HP, blows * 10.0f);
}

TEST_F(CombatTest, PlayerBlowsNeedFacingAndKeepTheirPause) {
    TWaffe* w = CurrentWeapon;
    w->Fertigkeit = u"Lange Klinge";
    w->Schaden1 = w->Schaden2 = 10;
    w->Pause1 = w->Pause2 = 500;
    w->FrameAnzahl = 1;
    w->Start = Millis();
    e->Image = nullptr;
    PutEnemy(e, 6, 5);
    PutPlayer(5, 5);
    Player->SFrame = 9; // facing left, away from the enemy
    InjectKey(VK_LCONTROL, true);
    CurrentEnemy = e;
    for (int i = 0; i < 120; ++i) {
        UpdatePlayerCombat();
        SetVirtualMillis(Millis() + 16);
    }
    EXPECT_FLOAT_EQ(e->HP, 100);
    EXPECT_EQ(LastHitEnemyId, 0);
    Player->SFrame = 3; // now facing it
    int blows = 0;
    int32_t last = 0;
    for (int i = 0; i < 180; ++i) { // three seconds
        float hp = e->HP;
        UpdatePlayerCombat();
        if (e->HP < hp) {
            if (blows > 0) {
                EXPECT_GE(Millis() - last, 500);
            }
            last = Millis();
            ++blows;
        }
        SetVirtualMillis(Millis() + 16);
    }
    InjectKey(VK_LCONTROL, false);
    EXPECT_EQ(blows, 6);
    EXPECT_EQ(LastHitEnemyId, e->ID);
    EXPECT_EQ(BloodStainList->Count(), 6);
    EXPECT_EQ(e->Angegriffen, 1);
}

TEST_F(CombatTest, NoBlowsWhileEitherSideIsMidStep) {
    // The enemy beside the player strikes only while he stands still.
    e->Schaden1 = e->Schaden2 = 10;
    e->Attacke = new TWaffe;
    e->Attacke->Pause1 = e->Attacke->Pause2 = 100;
    e->Attacke->FrameAnzahl = 1;
    PutEnemy(e, 6, 5);
    PutPlayer(5, 5);
    Player->HP = 100;
    Player->aa = 1; // mid-step (his tile is already the step's target)
    CurrentEnemy = e;
    for (int i = 0; i < 60; ++i) {
        EnemyAttack(kAttackPlayer);
        SetVirtualMillis(Millis() + 16);
    }
    EXPECT_FLOAT_EQ(Player->HP, 100);
    EXPECT_EQ(Player->Angegriffen, 0);
    EXPECT_EQ(e->Angriff, 1); // it faces him all the same
    Player->aa = 0;
    for (int i = 0; i < 60; ++i) {
        EnemyAttack(kAttackPlayer);
        SetVirtualMillis(Millis() + 16);
    }
    EXPECT_LT(Player->HP, 100);
    EXPECT_EQ(Player->Angegriffen, 1);

    // The player's blows miss a gliding enemy.
    TWaffe* w = CurrentWeapon;
    w->Fertigkeit = u"Lange Klinge";
    w->Schaden1 = w->Schaden2 = 10;
    w->Pause1 = w->Pause2 = 100;
    w->FrameAnzahl = 1;
    Player->SFrame = kFaceRight;
    e->aa = 1;
    InjectKey(VK_LCONTROL, true);
    for (int i = 0; i < 60; ++i) {
        UpdatePlayerCombat();
        SetVirtualMillis(Millis() + 16);
    }
    EXPECT_FLOAT_EQ(e->HP, 100);
    EXPECT_EQ(LastHitEnemyId, 0);
    // Nor can he strike while he himself is mid-step.
    e->aa = 0;
    Player->aa = 1;
    for (int i = 0; i < 60; ++i) {
        UpdatePlayerCombat();
        SetVirtualMillis(Millis() + 16);
    }
    EXPECT_FLOAT_EQ(e->HP, 100);
    Player->aa = 0;
    for (int i = 0; i < 60; ++i) {
        UpdatePlayerCombat();
        SetVirtualMillis(Millis() + 16);
    }
    InjectKey(VK_LCONTROL, false);
    EXPECT_LT(e->HP, 100);
    EXPECT_EQ(LastHitEnemyId, e->ID);
}

TEST_F(CombatTest, EnemyKilledMidStepFallsWhereItStops) {
    // Mid-way from (5, 5) to (6, 5): its tile is already the target, both
    // tiles are marked, and a blow has just killed it.
    e->ID = 4;
    PutEnemy(e, 6, 5);
    e->ppx = 5 * 48 + 12;
    e->xo = 12;
    e->aa = 1;
    e->Move = kStepRight;
    e->Zufall = 0;
    e->HP = -3;
    MapTiles(5, 5, 2) = 1;
    MapTiles(6, 5, 2) = 1;
    PutPlayer(20, 15);
    // The main loop's enemy pass, frame by frame.
    int frames = 0;
    while (e->Exist == 1 && frames < 100) {
        CurrentEnemy = e;
        EnemyDeathCheck();
        if (e->Exist == 1) {
            MapTiles(e->px, e->py, 2) = 1;
            UpdateEnemy();
        } else {
            MapTiles(e->px, e->py, 2) = 0;
        }
        ++frames;
        SetVirtualMillis(Millis() + 16);
    }
    ASSERT_EQ(e->Exist, 0);
    EXPECT_EQ(frames, 13); // twelve glide steps of 3 pixels, then it falls
    EXPECT_EQ(MapTiles(5, 5, 2), 0);
    EXPECT_EQ(MapTiles(6, 5, 2), 0);
    ASSERT_EQ(CorpseList->Count(), 1);
    TBlut* corpse = CorpseList->ToVector()[0];
    EXPECT_EQ(corpse->x, 6 * 48);
    EXPECT_EQ(corpse->y, 5 * 48);
}

TEST_F(CombatTest, ArrowsStopAtWallsAndAtTheirRange) {
    TWaffe* w = CurrentWeapon;
    w->Fertigkeit = u"Schiessen";
    w->ReichweiteMax = 8;
    w->Geschwindigkeit = 1;
    w->Zeichnen = 2; // flying right from (5, 5)
    w->x = 5;
    w->y = 5;
    MapTiles(9, 5, 2) = 7; // a wall
    MapTiles(7, 5, 2) = 1; // a creature: arrows pass over it
    for (int i = 0; i < 10; ++i) MoveArrow();
    EXPECT_EQ(w->Zeichnen, 0);
    EXPECT_FLOAT_EQ(w->Reichweite, 0);
    EXPECT_EQ(w->x, 0);
    // In the open it ends after ReichweiteMax / speed frames; a speed of
    // 0.5 never moves it, but its range runs out all the same.
    w->Geschwindigkeit = 0.5f;
    w->Zeichnen = 3;
    w->x = 2;
    w->y = 2;
    int frames = 0;
    while (w->Zeichnen != 0 && frames < 100) MoveArrow(), ++frames;
    EXPECT_EQ(frames, 17); // 16 moves of 0.5, then the end
    EXPECT_EQ(w->y, 0);
}

TEST_F(CombatTest, RangedSpellHitsOnlyAPlayerStandingOnATile) {
    auto* z = new TZauber;
    z->Typ = u"1";
    z->LadungMax = 1;
    z->Aufgeladen = 1;
    z->Ladung = 1;
    z->FrameAnzahl = 6;
    e->Zauber = z;
    e->ZauberID = 1;
    e->KITyp = 2;
    e->FernkampfAngriff = 1;
    e->MagischerSchaden1 = e->MagischerSchaden2 = 6;
    e->Richtung = 2; // facing right along row 5
    PutEnemy(e, 3, 5);
    PutPlayer(8, 5);
    Player->HP = 50;
    CurrentEnemy = e;
    EnemyList->AddLast(e);
    EnemyAttack(kAttackPlayer);
    EXPECT_EQ(z->Zeichnen, 2);
    EXPECT_FLOAT_EQ(z->x, 4);
    EXPECT_FLOAT_EQ(z->Ladung, 0);
    for (int i = 0; i < 20 && z->Zeichnen != 0; ++i) {
        MoveEnemySpell(e);
        EnemyAttack(kAttackPlayer);
    }
    EXPECT_FLOAT_EQ(Player->HP, 44); // no armour, no resistance
    EXPECT_EQ(z->ZeichnenExplosion, 1);
    EXPECT_EQ(PlayerHitTileX, 8);
    // A player off the spell's row is passed by.
    Player->HP = 50;
    z->ZeichnenExplosion = 0;
    Player->py = 6;
    z->Zeichnen = 2;
    z->x = 4;
    z->y = 5;
    for (int i = 0; i < 40 && z->Zeichnen != 0; ++i) {
        MoveEnemySpell(e);
        EnemyAttack(kAttackPlayer);
    }
    EXPECT_FLOAT_EQ(Player->HP, 50);
    // Beside the player it does not shoot at all.
    PutPlayer(4, 5);
    z->Zeichnen = 0;
    z->Aufgeladen = 1;
    EnemyAttack(kAttackPlayer);
    EXPECT_EQ(z->Zeichnen, 0);
}

TEST_F(CombatTest, HostileNpcBecomesItsEnemyTwin) {
    NpcList = new TList<TCharakter*>;
    auto* npc = new TCharakter;
    npc->Name = u"Fremder Kaspar";
    npc->px = 12;
    npc->py = 7;
    npc->MapName = u"TestMap";
    npc->Feindlich = 1;
    npc->Image = reinterpret_cast<Image*>(0x1); // only compared, never drawn here
    NpcList->AddLast(npc);
    auto* twin = new TGegner;
    twin->Name = u"Fremder Kaspar";
    twin->NPC = 1;
    twin->Exist = 1;
    auto* other = new TGegner;
    other->Name = u"Wolf";
    other->NPC = 1;
    EnemyList->AddLast(twin);
    EnemyList->AddLast(other);
    TurnNpcHostile(npc);
    EXPECT_EQ(twin->NPC, 0);
    EXPECT_EQ(twin->px, 12);
    EXPECT_EQ(twin->ppy, 7 * 48);
    EXPECT_EQ(twin->MapName, u"TestMap");
    EXPECT_EQ(twin->Image, npc->Image);
    EXPECT_EQ(other->NPC, 1);
    EXPECT_TRUE(NpcList->Empty());
}

TEST_F(CombatTest, StandingEnemyShowsItsStrikingPose) {
    // After a blow (AngriffAnimationVar flipped to 1) a standing enemy shows
    // the pose cells 0 and 2 in turn, and the standing cell once it rests.
    e->Pause = 180;
    e->Start = Millis() - 200;
    PutEnemy(e, 10, 10);
    PutPlayer(2, 2);
    CurrentEnemy = e;
    e->AngriffAnimationVar = 1;
    UpdateEnemy();
    EXPECT_EQ(e->AngriffAnimationFrame, 1);
    EXPECT_EQ(e->Frame, 0);
    EXPECT_EQ(e->AngriffAnimationVar, 0);
    SetVirtualMillis(Millis() + 200);
    e->AngriffAnimationVar = 1; // the next blow
    UpdateEnemy();
    EXPECT_EQ(e->AngriffAnimationFrame, 2);
    EXPECT_EQ(e->Frame, 2);
    UpdateEnemy(); // no blow pending: back to the standing cell
    EXPECT_EQ(e->Frame, 1);
}
