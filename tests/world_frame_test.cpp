// Whole frames of the real game: small maps, daylight on other maps, and
// windows that stop the world.
#include "test_support.h"

#include "data/collections.h"
#include "data/window_state.h"
#include "shell/shell.h"
#include "ui/ui.h"
#include "world/world.h"
#include "data/geometry.h"

namespace {
class WorldFrameTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(testsupport::FreshGame(), ""); }
    static double Brightness() {
        Pixmap pm = GrabScreenRect(0, 0, ScreenWidth(), ScreenHeight() - 100);
        double sum = 0;
        for (size_t i = 0; i < pm.rgba.size(); i += 4)
            sum += pm.rgba[i] + pm.rgba[i + 1] + pm.rgba[i + 2];
        double n = pm.rgba.size() / 4.0 * 3.0;
        return sum / n;
    }
};
} // namespace

TEST_F(WorldFrameTest, MapSmallerThanScreenKeepsCameraAtOrigin) {
    std::string m = std::string{9, 0, 5, 0} + std::string(10 * 6 * 12, '\0');
    testsupport::WriteFile("Data/Maps/Klein.Map", m);
    ASSERT_TRUE(ChangeDirectory(testsupport::ScratchDir().string()));
    LoadMap(u"Klein");
    CurrentMapName = u"Klein";
    for (int i = 0; i < 3; ++i) RunFrame();
    EXPECT_EQ(CameraX, 0);
    EXPECT_EQ(CameraY, 0);
}

TEST_F(WorldFrameTest, NightDarkensOnlyTheHomeMap) {
    DaylightLevel = 255;
    DayPhase = 0;
    ClockMinutes = 700;
    RunFrame();
    double day = Brightness();
    DaylightLevel = 50;
    ClockMinutes = 1300; // dusk: the level stays at its floor
    RunFrame();
    double night = Brightness();
    EXPECT_LT(night, day * 0.4);
    LoadMap(u"Waldweg");
    CurrentMapName = u"Waldweg";
    RunFrame();
    RunFrame();
    double forest = Brightness();
    EXPECT_GT(forest, night * 2); // full brightness at night away from home
}

TEST_F(WorldFrameTest, EnemyInFrontOfThePlayerKeepsItsHitFlash) {
    TGegner* e = nullptr;
    for (TGegner* g : *EnemyList)
        if (g->NPC == 0 && g->Exist == 1 && g->Image) e = g;
    ASSERT_TRUE(e);
    int px = (int)Player->px, py = (int)Player->py;
    e->MapName = CurrentMapName;
    e->px = px;
    e->py = py + 1; // in front of the player: drawn again after him
    e->ppx = e->px * kCell;
    e->ppy = e->py * kCell;
    // The enemy's cell and the one above it, drawn without and with a hit.
    auto render = [&](bool hit) {
        e->Angegriffen = hit ? 1 : 0;
        e->EffektVar = hit ? 1 : 0;
        ClearScreen();
        DrawWorld();
        return GrabScreenRect(e->ppx - CameraX - kFigureDX, e->ppy - CameraY - kFigureDY, 72, 96);
    };
    Pixmap plain = render(false), flash = render(true);
    int changed = 0, green = 0;
    for (size_t i = 0; i < plain.rgba.size(); i += 4) {
        if (plain.rgba[i] == flash.rgba[i] && plain.rgba[i + 1] == flash.rgba[i + 1]) continue;
        ++changed;
        green += flash.rgba[i + 1] > 8;
    }
    // The figure turns red: many pixels change, and none keeps its green.
    EXPECT_GT(changed, 300);
    EXPECT_EQ(green, 0);
}

namespace {
// One frame with KEY pressed and released before it.
void TapFrame(int key) {
    InjectKey(key, true);
    InjectKey(key, false);
    RunFrame();
}
} // namespace

TEST_F(WorldFrameTest, WindowKeyClosesTheOtherWindows) {
    TapFrame(VK_J);
    EXPECT_EQ(JournalOpen, 1);
    TapFrame(VK_C); // the sheet replaces the journal
    EXPECT_EQ(SheetOpen, 1);
    EXPECT_EQ(JournalOpen, 0);
    TapFrame(VK_I); // the inventory replaces the sheet
    EXPECT_EQ(InventoryOpen, 1);
    EXPECT_EQ(SheetOpen, 0);
    TapFrame(VK_J); // the journal replaces the inventory
    EXPECT_EQ(JournalOpen, 1);
    EXPECT_EQ(InventoryOpen, 0);
    TapFrame(VK_C);
    TapFrame(VK_J); // and the sheet
    EXPECT_EQ(JournalOpen, 1);
    EXPECT_EQ(SheetOpen, 0);
    TapFrame(VK_J); // its own key closes it again
    EXPECT_EQ(JournalOpen, 0);
    EXPECT_EQ(InventoryOpen + SheetOpen, 0);
    EXPECT_EQ(PointerShown, 0);
}

TEST_F(WorldFrameTest, NoWindowOpensWhileTrading) {
    MerchantItems = new TList<void*>;
    TradeOpen = 1;
    for (int key : {VK_I, VK_C, VK_J}) TapFrame(key);
    EXPECT_EQ(InventoryOpen, 0);
    EXPECT_EQ(SheetOpen, 0);
    EXPECT_EQ(JournalOpen, 0);
    EXPECT_EQ(PointerShown, 1); // the trade window keeps its pointer
    TradeOpen = 0;
    TapFrame(VK_I); // once trade is over the key works again
    EXPECT_EQ(InventoryOpen, 1);
}

TEST_F(WorldFrameTest, LastHeldHotkeyInBarOrderWins) {
    // Slot 2 holds weapon 4, slot 5 weapon 8, slot 6 weapon 7, slot 7 is
    // empty.
    const uint16_t onKeys[] = {3, 4, 5, 9, 8, 7};
    for (int i = 0; i < 6; ++i) {
        Hotkeys[i]->Typ = kHotkeyWeapon;
        Hotkeys[i]->ID = onKeys[i];
    }
    // Pressed in either order, the later slot wins.
    InjectKey(VK_0 + 5, true);
    InjectKey(VK_0 + 2, true);
    HotkeyKeys();
    EXPECT_EQ(SelectedHotkey, 5);
    ASSERT_TRUE(CurrentWeapon);
    EXPECT_EQ(CurrentWeapon, FindWeaponByItemId(8));
    FlushInput();
    InjectKey(VK_0 + 2, true);
    InjectKey(VK_0 + 5, true);
    InjectKey(VK_0 + 7, true); // an empty slot is never chosen
    HotkeyKeys();
    EXPECT_EQ(SelectedHotkey, 5);
    FlushInput();
    // Three held: the last of them in the bar.
    InjectKey(VK_0 + 6, true);
    InjectKey(VK_0 + 1, true);
    InjectKey(VK_0 + 2, true);
    HotkeyKeys();
    EXPECT_EQ(SelectedHotkey, 6);
    EXPECT_EQ(CurrentWeapon, FindWeaponByItemId(7));
    FlushInput();
}

TEST_F(WorldFrameTest, NpcsStandStillWhileADialogueIsOpen) {
    TCharakter* n = nullptr;
    for (TCharakter* c : *NpcList)
        if (c->MapName == CurrentMapName && c->Zufall == 1) n = c;
    ASSERT_TRUE(n) << "no wandering NPC on the start map";
    float x = n->px, y = n->py;
    n->MoveStart = Millis() - 5000; // a step is due at once
    DialogueOpen = 1;
    for (int i = 0; i < 300; ++i) {
        RunFrame();
        SetVirtualMillis(Millis() + 16);
    }
    EXPECT_EQ(n->px, x);
    EXPECT_EQ(n->py, y);
    EXPECT_EQ(n->aa, 0);
    // Once it is closed, the same NPC wanders on.
    DialogueOpen = 0;
    int guard = 0;
    while (n->px == x && n->py == y && guard++ < 600) {
        RunFrame();
        SetVirtualMillis(Millis() + 16);
    }
    EXPECT_TRUE(n->px != x || n->py != y);
}
