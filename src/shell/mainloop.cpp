// The main loop: one frame per pass, in a fixed order of steps. Five window
// flags decide which steps run.
#include "shell/shell.h"

#include "media/picture_batch.h"

#include "combat/combat.h"
#include "data/assets.h"
#include "story/story.h"
#include "ui/ui.h"
#include "world/world.h"

int64_t FrameCounter = 0;

namespace {
void EnemyPass() {
    for (TGegner* e : *EnemyList) {
        if (e->MapName != CurrentMapName || e->NPC != 0) continue;
        CurrentEnemy = e;
        EnemyDeathCheck();
        if (e->Exist == 1) {
            if (Map.Inside(e->px, e->py)) MapTiles(e->px, e->py, 2) = 1;
            SetColor(255, 255, 255);
            UpdateEnemy();
            if (SummonedMonster->gID != e->ID || SummonedMonster->Exist == 0)
                EnemyAttack(kAttackPlayer);
            else if (SummonedMonster->Exist == 1 && SummonedMonster->Angriff == 1)
                EnemyAttack(kAttackMonster);
            UpdatePlayerCombat();
            if (e->Zauber) ChargeEnemySpell();
        } else if (Map.Inside(e->px, e->py)) {
            MapTiles(e->px, e->py, 2) = 0;
        }
    }
    if (SummonedMonster->MapName == CurrentMapName) UpdateSummonedMonster();
}

// An NPC answers a player who stands still beside it, facing it.
bool PlayerFaces(const TCharakter* n) {
    return Player->aa == 0 && PlayerFacesCell((int)n->px, (int)n->py);
}

void NpcPass() {
    for (TCharakter* n : *NpcList) {
        if (n->MapName != CurrentMapName) continue;
        CurrentNpc = n;
        if (Map.Inside((int)n->px, (int)n->py)) MapTiles((int)n->px, (int)n->py, 2) = 1;
        if (DialogueOpen == 0) MoveNpc(n);
        if (PlayerFaces(n)) {
            NpcDialogue(n);
            PointerShown = DialogueOpen != 0 ? 1 : 0;
            ReloadSpeechIfNeeded(n);
        }
        if (n->Feindlich == 1) TurnNpcHostile(n);
    }
    UpdateQuests();
}

// The bow shoots what lies in the off hand: while the inventory is open,
// the bow takes the pictures of the arrows there. The media layer keeps a
// picture once loaded, so asking again every frame costs nothing.
void FollowArrowsInOffHand() {
    if (EquipOffHand->ID == 0 || EquipOffHand->Typ != u"Pfeil" || !CurrentWeapon ||
        CurrentWeapon->Fertigkeit != u"Schiessen")
        return;
    SetMaskColor(255, 255, 255);
    Str base = u"Grafik/Kampfanimationen/" + EquipOffHand->Name;
    CurrentWeapon->ImageSchuss = LoadAnimImageFile(base + u"_schuss.png", 96, 96, 0, 4);
    CurrentWeapon->Image.assign(1, LoadAnimImageFile(base + u"_anim.png", 96, 96, 0, 4));
}

// A window key toggles its window and closes the others; none opens while
// trading.
void ToggleWindow(int key, uint8_t& flag) {
    if (!KeyWasHit(key) || TradeOpen != 0) return;
    bool open = flag == 0;
    InventoryOpen = SheetOpen = JournalOpen = 0;
    flag = open ? 1 : 0;
    PointerShown = flag;
}

void WindowKeys() {
    ToggleWindow(VK_I, InventoryOpen);
    if (InventoryOpen == 1) {
        if (InventoryTab == 0)
            InventoryScreen();
        else
            SpellBookScreen();
        DrawWindowTabs(false);
        FollowArrowsInOffHand();
    }
    ToggleWindow(VK_C, SheetOpen);
    if (SheetOpen == 1) CharacterSheet();
    ToggleWindow(VK_J, JournalOpen);
    if (JournalOpen == 1) JournalScreen();
    if (TradeOpen != 0) {
        PointerShown = 1;
        if (InventoryTab == 0)
            TradeItemsPage();
        else {
            TradeSpellsPage();
            TradeSpellStock();
        }
        DrawWindowTabs(true);
    } else {
        MerchantItems = nullptr;
        MerchantSpells = nullptr;
    }
}

void Pointer() {
    if (PointerShown != 1) return;
    MouseX = (uint16_t)CursorX();
    MouseY = (uint16_t)CursorY();
    MouseClicked = (uint8_t)MouseWasHit(1);
    SetColor(255, 255, 255);
    DrawImageFrame(ImgMaus, MouseX, MouseY, 0);
}

// F12 writes "Screen" + n + ".png" with the first n whose file does not
// exist yet, so earlier games' screenshots are never overwritten.
void Screenshot() {
    if (!KeyWasHit(VK_F12)) return;
    Pixmap pm = GrabScreenRect(0, 0, ScreenWidth(), ScreenHeight());
    Str name;
    do {
        ++ScreenshotCounter;
        name = u"Screen" + IntToString(ScreenshotCounter) + u".png";
    } while (FileExists(name) && ScreenshotCounter < kMaxScreenshots);
    SavePixmapPNG(pm, name, 9);
}
} // namespace

bool RunFrame() {
    // A window picture still decoding in the background that turned out
    // broken stops the game here, as it would have at start-up.
    PollPictures();
    ClearScreen();
    if (NoWindowOpen()) UpdatePlayer();
    DrawWorld();
    if (NoWindowOpen()) EnemyPass();
    DrawHealthBars();
    if (DialogueOpen == 0 && InventoryOpen == 0 && SheetOpen == 0 && TradeOpen == 0) {
        CurrentEnemy = nullptr;
        UpdatePlayerCombat();
    }
    HotkeyKeys();
    DrawHotkeyBar();
    UpdateSkillSlots();
    if (InventoryOpen == 0 && SheetOpen == 0 && TradeOpen == 0 && JournalOpen == 0) NpcPass();
    DrawHud();
    DrawClock();
    SetFont(FontFunke16);
    SetColor(255, 255, 255);
    if (InventoryOpen == 1 || TradeOpen != 0) DrawGold();
    WindowKeys();
    Pointer();
    Screenshot();
    SetColor(255, 255, 255);
    FlipFrame(-1);
    ++FrameCounter;
    if (KeyIsDown(VK_ESCAPE) || CloseRequested()) return false;
    return true;
}

void MainLoop() {
    while (RunFrame()) {
    }
}
