// The HUD's duties beyond drawing: mana regeneration, the clamp of life and
// mana to their maximum, and the readied spell's recharge.
#include "test_support.h"

#include "data/collections.h"
#include "shell/shell.h"
#include "ui/ui.h"
#include "data/player_state.h"

TEST(Hud, ManaRegeneratesOnlyWithoutAWindow) {
    ASSERT_EQ(testsupport::FreshGame(), "");
    Player->MP = 20;
    for (int i = 0; i < 240; ++i) RunFrame(); // 4 s: a point every 1.7 to 2 s
    EXPECT_GE(Player->MP, 21);
    EXPECT_LE(Player->MP, 23);
    InventoryOpen = 1;
    float before = Player->MP;
    for (int i = 0; i < 240; ++i) RunFrame();
    EXPECT_EQ(Player->MP, before);
    InventoryOpen = 0;
    Player->MP = -3; // below zero: no bar, no regeneration
    for (int i = 0; i < 240; ++i) RunFrame();
    EXPECT_EQ(Player->MP, -3);
}

TEST(Hud, LifeAndManaAreCutToTheirMaximum) {
    ASSERT_EQ(testsupport::FreshGame(), "");
    Player->HP = 80;
    Player->MP = 70;
    RunFrame();
    EXPECT_EQ(Player->HP, Player->HPMax);
    EXPECT_EQ(Player->MP, Player->MPMax);
}

TEST(Hud, ReadiedSpellRechargesOutsideWindows) {
    ASSERT_EQ(testsupport::FreshGame(), "");
    ASSERT_FALSE(SpellList->Empty());
    TZauber* z = SpellList->First();
    z->Ladung = 0;
    z->Aufgeladen = 0;
    z->Start = Millis();
    CurrentWeapon = nullptr;
    CurrentSpell = z;
    JournalOpen = 1;
    for (int i = 0; i < 120; ++i) DrawHud();
    EXPECT_EQ(z->Ladung, 0); // a window stops the charge
    JournalOpen = 0;
    // Pause2 ms at most until the charge is full.
    int frames = z->Pause2 / 16 + 2 * z->LadungMax + 2;
    for (int i = 0; i < frames && z->Aufgeladen == 0; ++i) {
        DrawHud();
        SetVirtualMillis(Millis() + 17);
    }
    EXPECT_EQ(z->Aufgeladen, 1);
    EXPECT_EQ(z->Ladung, z->LadungMax);
    CurrentSpell = nullptr;
}

TEST(Hud, ExperienceFillStaysInsideItsFrame) {
    ASSERT_EQ(testsupport::FreshGame(), "");
    ActiveSkill = 1;
    TFertigkeit* sk = Player->Fertigkeiten[1];
    auto pixel = [](int x, int y) { return testsupport::ScreenPixel(x, y); };
    // Far more experience than needed: a full bar, nothing drawn past it.
    sk->ActExp = 5000;
    sk->NextExp = 100;
    ClearScreen();
    DrawHud();
    EXPECT_EQ(pixel(11 + 153, 85), 0x7F7F7Fu);
    EXPECT_EQ(pixel(11 + 154, 85), 0xFFFFFFu); // the frame's white edge
    EXPECT_NE(pixel(8 + 161, 85), 0x7F7F7Fu);
    // A threshold of 0: an empty bar, no division by zero.
    sk->NextExp = 0;
    ClearScreen();
    DrawHud();
    EXPECT_EQ(pixel(12, 82), 0xFFFFFFu);
}

// Setting the clock back (as tests do) restarts the frame pacing: the next
// frame takes one period, not the wait for the old time's deadline.
TEST(Hud, ClockSetBackDoesNotStallTheNextFrame) {
    ASSERT_EQ(testsupport::FreshGame(), "");
    SetVirtualMillis(5000000);
    RunFrame();
    SetVirtualMillis(1000);
    RunFrame();
    EXPECT_LE(Millis(), 1000 + 20);
}
