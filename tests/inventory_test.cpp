// The inventory and spell pages: equipping by click, rings, two-handed
// weapons and the off hand, potions, taking things off, Ctrl-drags onto
// the grid and the hotkey bar, and choosing a spell.
#include "test_support.h"

#include "combat/combat.h"
#include "data/assets.h"
#include "data/collections.h"
#include "data/loaders.h"
#include "data/window_state.h"
#include "shell/shell.h"
#include "ui/ui.h"

namespace {
// The window image is 694 x 377 on the 1024 x 768 screen: its top-left
// corner is (165, 196) and its right edge 859; the bar is 500 x 52 from
// (262, 696).
int CellX(int c) {
    return FloatToInt(165 + 37.7 + 75.4 * c);
}
int CellY(int r) {
    return FloatToInt(196 + 37.7 + 75.4 * r);
}
int BarSlotX(int slot) {
    return 262 + 50 * slot + 25;
}
constexpr int kBarY = 720;

class InventoryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(testsupport::FreshGame(), "");
        InventoryOpen = 1;
        PointerShown = 1;
    }
    void TearDown() override {
        FlushInput();
        ResetInventoryWindow();
    }
    // One frame of the item page with the pointer at (x, y).
    void Frame(int x, int y, int clicks = 0) {
        MouseX = (uint16_t)x;
        MouseY = (uint16_t)y;
        MouseClicked = (uint8_t)clicks;
        if (InventoryTab == 0)
            InventoryScreen();
        else
            SpellBookScreen();
    }
    void Click(int c, int r) { Frame(CellX(c), CellY(r), 1); }
    void RightClick(int x, int y) {
        InjectMouseButton(2, true);
        InjectMouseButton(2, false);
        Frame(x, y);
    }
    // Left Control held: press on the source, move, release over the target.
    void CtrlDrag(int x0, int y0, int x1, int y1) {
        InjectKey(VK_LCONTROL, true);
        InjectMouseButton(1, true);
        Frame(x0, y0);
        Frame(x1, y1);
        InjectMouseButton(1, false);
        Frame(x1, y1);
        InjectKey(VK_LCONTROL, false);
    }
    void Put(int c, int r, uint16_t id, uint8_t count = 0) {
        InventoryGrid[c][r]->ID = id;
        InventoryGrid[c][r]->Aktiv = 0;
        InventoryGrid[c][r]->Anzahl = count;
        LoadInventoryItem(id, (uint8_t)c, (uint8_t)r);
    }
};

// Starting grid: (0,0) sword 3, (0,1) two-handed axe 4, (0,2) spear 5,
// (0,4) bow 7, (1,0) dagger 8, (2,0) mace 9, (3,0) leather armour 10,
// (1,1) 3 healing potions, (1,2) 3 mana potions, (2,1) copper ring 13,
// (2,2) 99 arrows, (3,1) leather cap 15, (3,2) wooden shield 16, (3,3)
// chain mail 17.

TEST_F(InventoryTest, ClickingAWeaponWieldsItAndPutsTheSpellAway) {
    SpellBookGrid[0][0]->Aktiv = 1;
    CurrentSpell = FindSpellById(1);
    SelectedHotkey = 4;
    Click(0, 0);
    EXPECT_EQ(EquipWeapon->ID, 3);
    EXPECT_EQ(EquipWeapon->Name, u"Langschwert");
    EXPECT_EQ(InventoryGrid[0][0]->Aktiv, 1);
    EXPECT_EQ(CurrentWeapon, FindWeaponByItemId(3));
    EXPECT_EQ(CurrentSpell, nullptr);
    EXPECT_EQ(SelectedHotkey, 0);
    EXPECT_EQ(SpellBookGrid[0][0]->Aktiv, 0);
    // The dagger replaces it; only one weapon is marked.
    Click(1, 0);
    EXPECT_EQ(EquipWeapon->ID, 8);
    EXPECT_EQ(InventoryGrid[0][0]->Aktiv, 0);
    EXPECT_EQ(InventoryGrid[1][0]->Aktiv, 1);
}

TEST_F(InventoryTest, TwoHandedWeaponsAndTheOffHand) {
    // Arrows in the off hand, then the two-handed axe: the off hand holds
    // the axe's other grip and the arrows lose their mark.
    Click(2, 2);
    EXPECT_EQ(EquipOffHand->Typ, u"Pfeil");
    EXPECT_EQ(EquipOffHand->Anzahl, 99);
    Click(0, 1);
    EXPECT_EQ(EquipWeapon->ID, 4);
    EXPECT_EQ(EquipOffHand->ID, 4);
    EXPECT_EQ(InventoryGrid[2][2]->Aktiv, 0);
    // The shield takes the axe out of both hands.
    Click(3, 2);
    EXPECT_EQ(EquipOffHand->ID, 16);
    EXPECT_EQ(EquipOffHand->Zweihaendig, 0);
    EXPECT_EQ(EquipWeapon->ID, 0);
    EXPECT_EQ(CurrentWeapon, nullptr);
    EXPECT_EQ(InventoryGrid[0][1]->Aktiv, 0);
    EXPECT_EQ(InventoryGrid[3][2]->Aktiv, 1);
    // The axe again: the shield goes; then the sword frees the off hand.
    Click(0, 1);
    EXPECT_EQ(InventoryGrid[3][2]->Aktiv, 0);
    EXPECT_EQ(EquipOffHand->ID, 4);
    Click(0, 0);
    EXPECT_EQ(EquipWeapon->ID, 3);
    EXPECT_EQ(EquipOffHand->ID, 0);
    // A one-handed weapon leaves a shield where it is.
    Click(3, 2);
    Click(1, 0);
    EXPECT_EQ(EquipOffHand->ID, 16);
    EXPECT_EQ(InventoryGrid[3][2]->Aktiv, 1);
    // Arrows while the two-handed spear is worn take it off.
    Click(0, 2);
    Click(2, 2);
    EXPECT_EQ(EquipWeapon->ID, 0);
    EXPECT_EQ(SelectedHotkey, 0);
    EXPECT_EQ(EquipOffHand->ID, 14);
    EXPECT_EQ(InventoryGrid[0][2]->Aktiv, 0);
}

TEST_F(InventoryTest, RingsFillRingOneThenReplaceRingTwo) {
    Put(4, 0, 21);
    Put(4, 1, 21);
    Click(2, 1); // copper
    EXPECT_EQ(EquipRing1->ID, 13);
    Click(2, 1); // worn already: nothing
    EXPECT_EQ(EquipRing2->ID, 0);
    Click(4, 0); // silver into ring 2
    EXPECT_EQ(EquipRing2->ID, 21);
    EXPECT_EQ(InventoryGrid[4][0]->Aktiv, 1);
    // A third ring replaces ring 2: the silver ring taken off is unmarked.
    Put(4, 2, 13);
    Click(4, 2);
    EXPECT_EQ(EquipRing2->ID, 13);
    EXPECT_EQ(InventoryGrid[4][0]->Aktiv, 0);
    EXPECT_EQ(EquipRing1->ID, 13);
    // Two copper rings worn: taking ring 2 off leaves one copper cell
    // marked for ring 1.
    RightClick(859 - 30, 196 + 129);
    EXPECT_EQ(EquipRing2->ID, 0);
    EXPECT_EQ(InventoryGrid[2][1]->Aktiv + InventoryGrid[4][2]->Aktiv, 1);
    RightClick(859 - 179, 196 + 129);
    EXPECT_EQ(EquipRing1->ID, 0);
    EXPECT_EQ(InventoryGrid[2][1]->Aktiv + InventoryGrid[4][2]->Aktiv, 0);
}

TEST_F(InventoryTest, PotionsHealOnlyWhatIsMissing) {
    RunFrame(); // the HUD works out the maxima
    InventoryOpen = 1;
    Player->HP = Player->HPMax;
    Player->MP = Player->MPMax;
    Click(1, 1);
    Click(1, 2);
    EXPECT_EQ(InventoryGrid[1][1]->Anzahl, 3);
    EXPECT_EQ(InventoryGrid[1][2]->Anzahl, 3);
    Player->HP = 10;
    Player->MP = 1;
    Click(1, 1);
    Click(1, 2);
    EXPECT_EQ(Player->HP, 35);
    EXPECT_EQ(Player->MP, 21);
    EXPECT_EQ(InventoryGrid[1][1]->Anzahl, 2);
    EXPECT_EQ(InventoryGrid[1][2]->Anzahl, 2);
    Player->HP = 1;
    Click(1, 1);
    Player->HP = 1;
    Click(1, 1);
    EXPECT_EQ(InventoryGrid[1][1]->ID, 0); // the last one empties the cell
    EXPECT_EQ(Player->HP, 26);
}

TEST_F(InventoryTest, OnlyASingleClickWithoutControlUsesACell) {
    Frame(CellX(0), CellY(0), 2);
    EXPECT_EQ(EquipWeapon->ID, 0);
    InjectKey(VK_LCONTROL, true);
    Frame(CellX(0), CellY(0), 1);
    InjectKey(VK_LCONTROL, false);
    EXPECT_EQ(EquipWeapon->ID, 0);
    Frame(CellX(5), CellY(4), 1); // an empty cell
    Frame(CellX(0), CellY(0), 1);
    EXPECT_EQ(EquipWeapon->ID, 3);
}

TEST_F(InventoryTest, RightClicksTakeThingsOff) {
    Click(3, 3); // chain mail
    Click(3, 1); // leather cap
    Click(0, 1); // two-handed axe
    ASSERT_GT(EquipBody->Ruestung, 0);
    TGegner e;
    e.Schaden1 = e.Schaden2 = 40;
    Player->Abwehr1 = Player->Abwehr2 = 0;
    Player->HP = 100;
    float worn = HitPlayerWithBlow(&e);
    // Body: back to the starting clothes, and the defence without the mail.
    RightClick(859 - 104, 196 + 130);
    EXPECT_EQ(EquipBody->ID, kStartingClothes);
    EXPECT_EQ(EquipBody->Ruestung, 0);
    EXPECT_EQ(EquipBody->Image, ImgStartkleidung);
    EXPECT_EQ(EquipBody->ImageGross, ImgStartkleidungGross);
    EXPECT_EQ(InventoryGrid[3][3]->Aktiv, 0);
    Player->HP = 100;
    float bare = HitPlayerWithBlow(&e);
    EXPECT_FLOAT_EQ(bare - worn, InventoryGrid[3][3]->Ruestung);
    // Head.
    RightClick(859 - 104, 196 + 50);
    EXPECT_EQ(EquipHead->ID, 0);
    EXPECT_EQ(EquipHead->Ruestung, 0);
    EXPECT_EQ(InventoryGrid[3][1]->Aktiv, 0);
    // Weapon: the two-handed axe leaves both hands.
    RightClick(859 - 179, 196 + 50);
    EXPECT_EQ(EquipWeapon->ID, 0);
    EXPECT_EQ(EquipOffHand->ID, 0);
    EXPECT_EQ(CurrentWeapon, nullptr);
    EXPECT_EQ(InventoryGrid[0][1]->Aktiv, 0);
    // Off hand: the arrows.
    Click(2, 2);
    RightClick(859 - 30, 196 + 50);
    EXPECT_EQ(EquipOffHand->ID, 0);
    EXPECT_EQ(InventoryGrid[2][2]->Aktiv, 0);
}

TEST_F(InventoryTest, CtrlDragMovesAndSwapsCells) {
    Click(2, 2); // arrows worn, 99 of them
    // Onto an empty cell: the arrows move with their mark and count.
    CtrlDrag(CellX(2), CellY(2), CellX(5), CellY(4));
    EXPECT_EQ(InventoryGrid[2][2]->ID, 0);
    EXPECT_EQ(InventoryGrid[2][2]->Anzahl, 0);
    EXPECT_EQ(InventoryGrid[5][4]->ID, 14);
    EXPECT_EQ(InventoryGrid[5][4]->Aktiv, 1);
    EXPECT_EQ(InventoryGrid[5][4]->Anzahl, 99);
    EXPECT_EQ(InventoryGrid[5][4]->Name, u"Pfeile");
    EXPECT_EQ(DragDrawX, 0);
    // Onto another item: they swap, names refilled from the catalogue.
    CtrlDrag(CellX(5), CellY(4), CellX(1), CellY(1));
    EXPECT_EQ(InventoryGrid[1][1]->ID, 14);
    EXPECT_EQ(InventoryGrid[1][1]->Anzahl, 99);
    EXPECT_EQ(InventoryGrid[1][1]->Aktiv, 1);
    EXPECT_EQ(InventoryGrid[5][4]->ID, 11);
    EXPECT_EQ(InventoryGrid[5][4]->Anzahl, 3);
    EXPECT_EQ(InventoryGrid[5][4]->Aktiv, 0);
    EXPECT_EQ(InventoryGrid[5][4]->Name, u"Heiltrank");
    // Onto its own cell: nothing changes.
    CtrlDrag(CellX(0), CellY(0), CellX(0) + 10, CellY(0) + 10);
    EXPECT_EQ(InventoryGrid[0][0]->ID, 3);
    // From an empty cell: nothing is carried, nothing lands.
    CtrlDrag(CellX(4), CellY(4), CellX(0), CellY(0));
    EXPECT_EQ(InventoryGrid[0][0]->ID, 3);
    EXPECT_EQ(InventoryGrid[4][4]->ID, 0);
    EXPECT_EQ(DragDrawX, 0);
}

TEST_F(InventoryTest, CtrlDragPutsWeaponsOnTheHotkeyBar) {
    CtrlDrag(CellX(0), CellY(4), BarSlotX(2), kBarY); // bow on slot 3
    EXPECT_EQ(Hotkeys[2]->Typ, kHotkeyWeapon);
    EXPECT_EQ(Hotkeys[2]->ID, 7);
    EXPECT_EQ(Hotkeys[2]->Image, InventoryGrid[0][4]->ImageGross);
    EXPECT_EQ(InventoryGrid[0][4]->ID, 7); // the bow stays in its cell
    // Arrows, potions and armour stay off the bar.
    CtrlDrag(CellX(2), CellY(2), BarSlotX(4), kBarY);
    CtrlDrag(CellX(1), CellY(1), BarSlotX(5), kBarY);
    CtrlDrag(CellX(3), CellY(3), BarSlotX(6), kBarY);
    for (int s : {4, 5, 6}) EXPECT_EQ(Hotkeys[s]->ID, 0) << s;
    // The carried picture hangs right of the pointer: with the pointer on
    // the last slot's left part it is still over the bar, further right not.
    CtrlDrag(CellX(0), CellY(0), 262 + 480, kBarY);
    EXPECT_EQ(Hotkeys[9]->ID, 0);
    CtrlDrag(CellX(0), CellY(0), 262 + 470, kBarY);
    EXPECT_EQ(Hotkeys[9]->ID, 3);
    // A right click clears a slot; at the bar's right edge it clears none.
    Hotkeys[0]->Typ = kHotkeyWeapon;
    Hotkeys[0]->ID = 5;
    RightClick(262 + 500, kBarY);
    EXPECT_EQ(Hotkeys[9]->ID, 3);
    EXPECT_EQ(Hotkeys[0]->ID, 5);
    RightClick(BarSlotX(2), kBarY);
    EXPECT_EQ(Hotkeys[2]->ID, 0);
    EXPECT_EQ(Hotkeys[9]->ID, 3);
}

TEST_F(InventoryTest, ArrowCountFollowsTheOffHand) {
    Click(2, 2);
    EquipOffHand->Anzahl = 40; // shots spent them
    Frame(0, 0);
    EXPECT_EQ(InventoryGrid[2][2]->Anzahl, 40);
    EquipOffHand->Anzahl = 0;
    Frame(0, 0);
    EXPECT_EQ(InventoryGrid[2][2]->ID, 0);
    EXPECT_EQ(EquipOffHand->ID, 0);
}

TEST_F(InventoryTest, TheDollTurnsEvery180Milliseconds) {
    SetVirtualMillis(100000);
    DollFrameTime = 100000;
    DollFrame = 11;
    SetVirtualMillis(100179);
    Frame(0, 0);
    EXPECT_EQ(DollFrame, 11);
    SetVirtualMillis(100180);
    Frame(0, 0);
    EXPECT_EQ(DollFrame, 0);
}

class SpellBookTest : public InventoryTest {
  protected:
    void SetUp() override {
        InventoryTest::SetUp();
        InventoryTab = 1;
    }
    void TearDown() override {
        InventoryTab = 0;
        InventoryTest::TearDown();
    }
};

TEST_F(SpellBookTest, ChoosingASpellPutsTheWeaponAway) {
    InventoryTab = 0;
    Click(0, 0);
    InventoryTab = 1;
    SelectedHotkey = 3;
    Click(3, 3); // empty: nothing
    EXPECT_EQ(EquipWeapon->ID, 3);
    Click(0, 1);
    EXPECT_EQ(CurrentSpell, FindSpellById(2));
    EXPECT_EQ(SpellBookGrid[0][1]->Aktiv, 1);
    EXPECT_EQ(CurrentWeapon, nullptr);
    EXPECT_EQ(EquipWeapon->ID, 0);
    EXPECT_EQ(SelectedHotkey, 0);
    EXPECT_EQ(InventoryGrid[0][0]->ID, 3);
    EXPECT_EQ(InventoryGrid[0][0]->Aktiv, 0);
    Click(0, 0);
    EXPECT_EQ(SpellBookGrid[0][1]->Aktiv, 0);
    EXPECT_EQ(CurrentSpell, FindSpellById(1));
}

TEST_F(SpellBookTest, DragsSwapSpellsAndFillTheBar) {
    SpellBookGrid[0][1]->Aktiv = 1;
    CtrlDrag(CellX(0), CellY(0), CellX(0), CellY(1));
    EXPECT_EQ(SpellBookGrid[0][0]->ID, 2);
    EXPECT_EQ(SpellBookGrid[0][0]->Aktiv, 1);
    EXPECT_EQ(SpellBookGrid[0][1]->ID, 1);
    EXPECT_EQ(SpellBookGrid[0][1]->Aktiv, 0);
    CtrlDrag(CellX(0), CellY(0), CellX(2), CellY(2));
    EXPECT_EQ(SpellBookGrid[0][0]->ID, 0);
    EXPECT_EQ(SpellBookGrid[2][2]->ID, 2);
    CtrlDrag(CellX(2), CellY(2), BarSlotX(2), kBarY);
    EXPECT_EQ(Hotkeys[2]->Typ, kHotkeySpell);
    EXPECT_EQ(Hotkeys[2]->ID, 2);
    EXPECT_EQ(Hotkeys[2]->Image, SpellBookGrid[2][2]->ImageGross);
    EXPECT_EQ(SpellBookGrid[2][2]->ID, 2);
    RightClick(BarSlotX(2), kBarY);
    EXPECT_EQ(Hotkeys[2]->ID, 0);
}
} // namespace

// A thing of no class (the wolf pelt: no Art, one picture) is drawn in the
// grid and while it is carried, like a weapon, from its only picture.
TEST_F(InventoryTest, ThingsOfNoClassShowTheirOnlyPicture) {
    Put(5, 4, 20, 2);
    ASSERT_TRUE(InventoryGrid[5][4]->Art.empty());
    EXPECT_NO_THROW(Frame(0, 0));
    InjectKey(VK_LCONTROL, true);
    InjectMouseButton(1, true);
    EXPECT_NO_THROW(Frame(CellX(5), CellY(4)));
    EXPECT_NO_THROW(Frame(CellX(5) - 30, CellY(4) - 30));
    InjectMouseButton(1, false);
    EXPECT_NO_THROW(Frame(CellX(5) - 30, CellY(4) - 30));
    InjectKey(VK_LCONTROL, false);
    EXPECT_EQ(InventoryGrid[5][4]->ID, 20);
}
