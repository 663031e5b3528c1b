// The main loop: one frame per pass, in a fixed order of steps. Five window
// flags decide which steps run.
#include "shell/shell.h"

#include "combat/combat.h"
#include "data/records.h"
#include "shell/assets.h"
#include "story/story.h"
#include "ui/ui.h"
#include "world/world.h"

uint8_t DialogueOpen = 0;
uint8_t InventoryOpen = 0;
uint8_t SheetOpen = 0;
uint8_t JournalOpen = 0;
uint8_t TradeOpen = 0;
uint8_t InventoryTab = 0;
uint8_t PointerShown = 0;
uint16_t MouseX = 0, MouseY = 0;
uint8_t MouseClicked = 0;
uint8_t SelectedHotkey = 0;
uint8_t HotkeyBarVisible = 1;
uint8_t ActiveSkill = 0, ArmourSkill = 0, HelmetSkill = 0, ShieldSkill = 0;
uint8_t ScreenshotCounter = 0;
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
                EnemyAttack(1);
            else if (SummonedMonster->Exist == 1 && SummonedMonster->Angriff == 1)
                EnemyAttack(2);
            UpdatePlayerCombat();
            if (e->Zauber) ChargeEnemySpell();
        } else if (Map.Inside(e->px, e->py)) {
            MapTiles(e->px, e->py, 2) = 0;
        }
    }
    if (SummonedMonster->MapName == CurrentMapName) UpdateSummonedMonster();
}

void SmallBar(int x, int y, float hp, float hpMax) {
    if (hpMax <= 0) return;
    SetColor(0, 0, 0);
    DrawRect(x, y - 43, 50, 5);
    SetColor(200, 0, 0);
    DrawRect(x + 1, y - 42, 48, 3);
    SetColor(0, 200, 0);
    DrawRect(x + 1, y - 42, hp / hpMax * 48, 3);
}

void HealthBars() {
    SetFont(FontFunke16);
    int sw = ScreenWidth(), sh = ScreenHeight();
    for (TGegner* e : *EnemyList) {
        // Hidden twins of NPCs have no bar until they turn hostile.
        if (e->MapName != CurrentMapName || e->Exist != 1 || e->HP <= 0 || e->NPC != 0) continue;
        SmallBar(e->ppx - CameraX, e->ppy - CameraY, e->HP, e->HPMax);
        if (e->ID == LastHitEnemyId && e->HPMax > 0) {
            int d = HotkeyBarVisible == 1 ? ImageHeightOf(ImgHotkeyleiste) + 50 : 50;
            SetColor(0, 0, 0);
            DrawRect(sw / 2 - 80, sh - d, 160, 20);
            SetColor(200, 0, 0);
            DrawRect(sw / 2 - 78, sh - d + 2, 156, 16);
            SetColor(0, 200, 0);
            DrawRect(sw / 2 - 78, sh - d + 2, e->HP / e->HPMax * 156, 16);
            SetColor(0, 0, 200);
            DrawString(e->Name, sw / 2 - StringWidth(e->Name) / 2, sh - d + 10 - FontHeight() / 2);
        }
    }
    TGegner* m = SummonedMonster;
    if (m->MapName == CurrentMapName && m->Exist == 1 && m->HP > 0)
        SmallBar(m->ppx - CameraX, m->ppy - CameraY, m->HP, m->HPMax);
    SetColor(255, 255, 255);
}

void HotkeyKeys() {
    static const int keys[10] = {49, 50, 51, 52, 53, 54, 55, 56, 57, 48};
    for (int i = 0; i < 10; ++i)
        if (KeyIsDown(keys[i]) && Hotkeys[i]->ID > 0) SelectedHotkey = (uint8_t)(i + 1);
    if (SelectedHotkey == 0) return;
    THotkey* h = Hotkeys[SelectedHotkey - 1];
    if (h->Typ == 1) {
        CurrentWeapon = FindWeaponByItemId(h->ID);
        CurrentSpell = nullptr;
        EquipWeaponById(h->ID);
    } else if (h->Typ == 2) {
        CurrentSpell = FindSpellById(h->ID);
        CurrentWeapon = nullptr;
        ClearEquippedMark(u"Waffe");
        EquipWeapon->ID = 0;
    }
}

void HotkeyBar() {
    if (KeyWasHit(72)) HotkeyBarVisible = HotkeyBarVisible ? 0 : 1;
    if (HotkeyBarVisible != 1) return;
    int sw = ScreenWidth(), sh = ScreenHeight();
    int w = ImageWidthOf(ImgHotkeyleiste), h = ImageHeightOf(ImgHotkeyleiste);
    SetFont(FontNarrow18);
    DrawImageFrame(ImgHotkeyleiste, sw / 2 - w / 2, sh - h - 20, 0);
    for (int i = 0; i < 10; ++i) {
        int x = sw / 2 - w / 2 + i * (w / 10) + 6;
        Str label = IntToString(i + 1);
        DrawString(label, x, sh - 25 - FontHeight());
        if (Hotkeys[i]->ID > 0 && Hotkeys[i]->Image)
            DrawImageFrame(Hotkeys[i]->Image, x, sh - h - 14, 0);
    }
    SetFont(FontFunke16);
}

void SkillSlots() {
    for (int n = 1; n <= 15; ++n) {
        TFertigkeit* sk = Player->Fertigkeiten[n];
        if (CurrentWeapon && CurrentWeapon->Fertigkeit == sk->Name)
            ActiveSkill = (uint8_t)n;
        else if (CurrentSpell && CurrentSpell->Fertigkeit == sk->Name)
            ActiveSkill = (uint8_t)n;
        if (EquipBody->ID <= 2)
            ArmourSkill = 10;
        else if (EquipBody->Typ == sk->Name)
            ArmourSkill = (uint8_t)n;
        if (EquipOffHand->ID != 0 && EquipOffHand->Art == u"Schild") {
            if (EquipOffHand->Typ == sk->Name) ShieldSkill = (uint8_t)n;
        } else {
            ShieldSkill = 10;
        }
        if (EquipHead->ID != 0) {
            if (EquipHead->Typ == sk->Name) HelmetSkill = (uint8_t)n;
        } else {
            HelmetSkill = 10;
        }
        sk->NextExp = (uint16_t)(sk->Level * 100);
    }
}

bool PlayerFaces(const TCharakter* n) {
    const TCharakter& p = *Player;
    int px = (int)p.px, py = (int)p.py, nx = (int)n->px, ny = (int)n->py;
    if (p.aa != 0) return false;
    return (nx == px && ny == py - 1 && p.SFrame == 0) ||
           (nx == px && ny == py + 1 && p.SFrame == 6) ||
           (nx == px - 1 && ny == py && p.SFrame == 9) ||
           (nx == px + 1 && ny == py && p.SFrame == 3);
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

void DrawGold() {
    SetFont(FontChancery30);
    int gx = ScreenWidth() - ImageWidthOf(ImgGold) - 20;
    int gy = ScreenHeight() - ImageHeightOf(ImgGold) - ImageHeightOf(ImgHotkeyleiste) - 25;
    Str g = IntToString(Gold);
    DrawString(g, gx - StringWidth(g), gy + ImageHeightOf(ImgGold) / 2 - FontHeight() / 2);
    DrawImageFrame(ImgGold, gx, gy, 0);
}

// The two page tabs on the top edge of the inventory or trade window.
void WindowTabs(bool trade) {
    int sw = ScreenWidth(), sh = ScreenHeight();
    int L, T;
    if (trade) {
        int w2 = ImageWidthOf(ImgInventar2), wh = ImageWidthOf(ImgHaendlerInventar);
        L = sw / 2 + w2 - (w2 + wh) / 2 + 10;
        T = sh / 2 - ImageHeightOf(ImgHaendlerInventar) / 2;
    } else {
        L = sw / 2 - ImageWidthOf(ImgInventar1) / 2;
        T = sh / 2 - ImageHeightOf(ImgInventar1) / 2;
    }
    int bw = ImageWidthOf(ImgInventarButton1), bh = ImageHeightOf(ImgInventarButton1);
    DrawImageFrame(ImgInventarButton1, L, T - bh, 0);
    DrawImageFrame(ImgInventarButton2, L + bw, T - bh, 0);
    SetFont(FontChancery20);
    const Str labels[2] = {u"Inventar", u"Zauber"};
    auto label = [&](int tab, int grey) {
        SetColor(grey, grey, grey);
        double cx = tab == 0 ? L + bw / 2.0 : L + 1.5 * bw;
        DrawString(labels[tab], FloatToInt(cx) - StringWidth(labels[tab]) / 2,
                   T - bh / 2 - FontHeight() / 2);
    };
    label(0, InventoryTab == 0 ? 255 : 150);
    label(1, InventoryTab == 1 ? 255 : 150);
    int other = InventoryTab == 0 ? 1 : 0;
    int bx = L + other * bw;
    if (MouseX >= bx && MouseX <= bx + bw && MouseY >= T - bh && MouseY <= T) {
        bool allowed = !trade || other == 0 || MerchantSpells != nullptr;
        if (allowed) {
            label(other, 200);
            if (MouseClicked == 1) {
                InventoryTab = (uint8_t)other;
                if (trade) TradeOpen = 1;
            }
        }
    }
    SetColor(255, 255, 255);
}

void WindowKeys() {
    if (KeyWasHit(73) && TradeOpen == 0) {
        InventoryOpen = InventoryOpen ? 0 : 1;
        PointerShown = InventoryOpen;
        SheetOpen = 0;
        JournalOpen = 0;
    }
    if (InventoryOpen == 1) {
        if (InventoryTab == 0)
            InventoryScreen();
        else
            SpellBookScreen();
        WindowTabs(false);
        if (EquipOffHand->ID != 0 && EquipOffHand->Typ == u"Pfeil" && CurrentWeapon &&
            CurrentWeapon->Fertigkeit == u"Schiessen") {
            // The bow shoots what is in the off hand: its pictures follow it.
            SetMaskColor(255, 255, 255);
            Str base = u"Grafik/Kampfanimationen/" + EquipOffHand->Name;
            CurrentWeapon->ImageSchuss = LoadAnimImageFile(base + u"_schuss.png", 96, 96, 0, 4);
            CurrentWeapon->Image.assign(1, LoadAnimImageFile(base + u"_anim.png", 96, 96, 0, 4));
        }
    }
    if (KeyWasHit(67) && TradeOpen == 0) {
        SheetOpen = SheetOpen ? 0 : 1;
        PointerShown = SheetOpen;
        InventoryOpen = 0;
        JournalOpen = 0;
    }
    if (SheetOpen == 1) CharacterSheet();
    if (KeyWasHit(74) && TradeOpen == 0) {
        JournalOpen = JournalOpen ? 0 : 1;
        PointerShown = JournalOpen;
        InventoryOpen = 0;
        SheetOpen = 0;
    }
    if (JournalOpen == 1) JournalScreen();
    if (TradeOpen != 0) {
        PointerShown = 1;
        if (InventoryTab == 0)
            TradeItemsPage();
        else {
            TradeSpellsPage();
            TradeSpellStock();
        }
        WindowTabs(true);
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

void Screenshot() {
    if (!KeyWasHit(VK_F12)) return;
    Pixmap* pm = GrabScreenRect(0, 0, ScreenWidth(), ScreenHeight());
    ScreenshotCounter = (uint8_t)(ScreenshotCounter + 1);
    SavePixmapPNG(pm, u"Screen" + IntToString(ScreenshotCounter) + u".png", 9);
    delete pm;
}
} // namespace

bool RunFrame() {
    ClearScreen();
    if (NoWindowOpen()) UpdatePlayer();
    DrawWorld();
    if (NoWindowOpen()) EnemyPass();
    HealthBars();
    if (DialogueOpen == 0 && InventoryOpen == 0 && SheetOpen == 0 && TradeOpen == 0) {
        CurrentEnemy = nullptr;
        UpdatePlayerCombat();
    }
    HotkeyKeys();
    HotkeyBar();
    SkillSlots();
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
