// The soak: seeded random play for many frames, checking after every frame
// the rules the game state must keep.
//
// The input is weighted towards play: long walks, held attacks, Return near
// people and chests, the window keys, the hotkeys, and clicks wherever a
// window shows the pointer. Now and then the player is put next to someone
// or something on the map so that talking, trading and fighting come up
// often. Escape and closing the window are never sent.
#include "replay/soak.h"

#include "data/collections.h"
#include "data/map_state.h"
#include "data/window_state.h"
#include "media/media.h"
#include "replay/invariants.h"
#include "replay/warp.h"
#include "shell/shell.h"
#include "ui/inventory_layout.h"
#include "world/world.h"

#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

namespace {
class RandomPlayer {
  public:
    explicit RandomPlayer(int64_t seed) : rng_((uint64_t)seed) {}

    void Frame(long f) {
        ReleaseDue(f);
        if (f <= kOpening) {
            Opening(f);
            return;
        }
        Walk(f);
        Attack(f);
        if (Chance(0.02)) Tap(VK_RETURN, f, Between(1, 4));
        if (Chance(0.004)) Tap(VK_I, f, 1);
        if (Chance(0.002)) Tap(VK_C, f, 1);
        if (Chance(0.002)) Tap(VK_J, f, 1);
        if (Chance(0.01)) Tap(VK_0 + Between(0, 9), f, 1);
        bool pointer = PointerShown == 1 || !NoWindowOpen();
        if (Chance(pointer ? 0.2 : 0.01)) {
            // In the inventory, half the clicks land on a cell of the grid.
            if (InventoryOpen && Chance(0.5)) {
                invlayout::Window l = invlayout::Inventory();
                InjectMouseMove(FloatToInt(invlayout::CellCentreX(l, Between(0, kInvCols - 1))),
                                FloatToInt(invlayout::CellCentreY(l, Between(0, kInvRows - 1))));
            } else {
                InjectMouseMove(Between(0, ScreenWidth() - 1), Between(0, ScreenHeight() - 1));
            }
            if (Chance(0.7)) {
                InjectMouseButton(1, true);
                InjectMouseButton(1, false);
            }
        }
        // A window left open for long is closed by its key (trade and
        // dialogue end through their own clicks and Return).
        windowFrames_ = NoWindowOpen() ? 0 : windowFrames_ + 1;
        if (windowFrames_ > 900) {
            if (InventoryOpen) Tap(VK_I, f, 1);
            if (SheetOpen) Tap(VK_C, f, 1);
            if (JournalOpen) Tap(VK_J, f, 1);
        }
        if (NoWindowOpen() && Chance(0.003)) VisitSomeone(f);
    }

  private:
    // The first frames take a weapon of the starting grid in hand, as a
    // player does first: I, a click on its cell, I again.
    static constexpr long kOpening = 6;
    void Opening(long f) {
        if (f == 1 || f == 5) Tap(VK_I, f, 1);
        if (f == 3) {
            invlayout::Window l = invlayout::Inventory();
            InjectMouseMove(FloatToInt(invlayout::CellCentreX(l, Between(0, 2))),
                            FloatToInt(invlayout::CellCentreY(l, 0)));
            InjectMouseButton(1, true);
            InjectMouseButton(1, false);
        }
    }

    void ReleaseDue(long f) {
        for (auto it = ups_.begin(); it != ups_.end();) {
            if (it->first <= f) {
                InjectKey(it->second, false);
                it = ups_.erase(it);
            } else {
                ++it;
            }
        }
    }

    bool Chance(double p) { return std::uniform_real_distribution<double>(0, 1)(rng_) < p; }
    int Between(int a, int b) { return std::uniform_int_distribution<int>(a, b)(rng_); }

    void Tap(int key, long f, int frames) {
        InjectKey(key, true);
        ups_.emplace_back(f + frames, key);
    }

    void Walk(long f) {
        if (f < engageUntil_) {
            FaceAnEnemy(f);
            return;
        }
        if (f < walkUntil_) return;
        if (walkKey_) InjectKey(walkKey_, false);
        static const int kArrows[] = {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN};
        walkKey_ = Chance(0.7) ? kArrows[Between(0, 3)] : 0;
        if (walkKey_) InjectKey(walkKey_, true);
        walkUntil_ = f + Between(5, 90);
    }

    void Attack(long f) {
        if (f < attackUntil_) return;
        attacking_ = Chance(0.25);
        InjectKey(VK_LCONTROL, attacking_);
        attackUntil_ = f + (attacking_ ? Between(1, 40) : Between(10, 120));
    }

    // In a fight the player stands and turns to an enemy beside him.
    void FaceAnEnemy(long f) {
        if (f % 8 != 0 || Player->aa != 0) return;
        int px = (int)Player->px, py = (int)Player->py;
        for (TGegner* e : *EnemyList) {
            if (e->Exist != 1 || e->MapName != CurrentMapName) continue;
            int dx = e->px - px, dy = e->py - py;
            if (std::abs(dx) + std::abs(dy) != 1) continue;
            Tap(dx > 0 ? VK_RIGHT : dx < 0 ? VK_LEFT : dy > 0 ? VK_DOWN : VK_UP, f, 1);
            return;
        }
    }

    // Puts the player on a free cell beside an NPC, an enemy, a chest or a
    // map exit of this map, turns him towards it and presses Return (a step
    // towards an exit takes him onto the other map).
    void VisitSomeone(long f) {
        std::vector<std::pair<int, int>> spots;
        size_t firstEnemy = 0, endEnemy = 0;
        for (TCharakter* n : *NpcList)
            if (n->MapName == CurrentMapName) spots.emplace_back((int)n->px, (int)n->py);
        firstEnemy = spots.size();
        for (TGegner* e : *EnemyList)
            if (e->MapName == CurrentMapName && e->Exist == 1) spots.emplace_back(e->px, e->py);
        endEnemy = spots.size();
        for (TBehaelter* c : *ContainerList)
            if (c->MapName.empty() || c->MapName == CurrentMapName) spots.emplace_back(c->x, c->y);
        size_t firstExit = spots.size();
        for (TVerbindung* v : *ConnectionList)
            if (v->StartMap == CurrentMapName) spots.emplace_back(v->X, v->Y);
        if (spots.empty()) return;
        size_t pick = (size_t)Between(0, (int)spots.size() - 1);
        auto [x, y] = spots[pick];
        static const int kDx[] = {1, -1, 0, 0}, kDy[] = {0, 0, 1, -1};
        int k = Between(0, 3);
        int cx = x + kDx[k], cy = y + kDy[k];
        if (!Map.Inside(cx, cy) || !CellFree(cx, cy)) return;
        Warp(cx, cy);
        static const int kToward[] = {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN};
        if (walkKey_) InjectKey(walkKey_, false);
        walkKey_ = 0;
        // Onto an exit he walks a whole step; to anything else he turns.
        bool exit = pick >= firstExit;
        Tap(kToward[k], f, exit ? 20 : 2);
        walkUntil_ = f + (exit ? 30 : 12);
        Tap(VK_RETURN, f, 10);
        if (pick >= firstEnemy && pick < endEnemy) {
            // Something in hand from the bar, then a long attack.
            Tap(VK_0 + Between(1, 3), f, 1);
            InjectKey(VK_LCONTROL, true);
            attacking_ = true;
            attackUntil_ = engageUntil_ = f + Between(60, 400);
        }
    }

    std::mt19937_64 rng_;
    std::vector<std::pair<long, int>> ups_; // frame, key
    int walkKey_ = 0;
    long walkUntil_ = 0, attackUntil_ = 0, engageUntil_ = 0;
    bool attacking_ = false;
    long windowFrames_ = 0;
};

// What the soak reached, so a quiet run can be told from a thorough one.
struct Coverage {
    long dialogues = 0, trades = 0, inventories = 0, kills = 0, mapChanges = 0;
    uint8_t dialogue = 0, trade = 0, inventory = 0;
    Str map;

    void Note() {
        dialogues += DialogueOpen && !dialogue;
        trades += TradeOpen && !trade;
        inventories += InventoryOpen && !inventory;
        dialogue = DialogueOpen;
        trade = TradeOpen;
        inventory = InventoryOpen;
        if (map != CurrentMapName) {
            mapChanges += !map.empty();
            map = CurrentMapName;
        }
    }
};

long DeadEnemies() {
    long n = 0;
    for (TGegner* e : *EnemyList) n += e->Exist == 0;
    return n;
}
} // namespace

int RunSoak(long frames, int64_t seed, bool fast) {
    RandomPlayer player(seed);
    InvariantMemory memory;
    Coverage seen;
    seen.map = CurrentMapName;
    long deadAtStart = DeadEnemies();
    for (long f = 1; f <= frames; ++f) {
        player.Frame(f);
        SetDrawingSkipped(fast && f % 16 != 0);
        RunFrame();
        seen.Note();
        std::string why = CheckInvariants(memory);
        if (!why.empty()) {
            fprintf(stderr,
                    "vessara-replay: soak breach at frame %ld (seed %lld): %s [map %s, windows: "
                    "dialogue %d inventory %d sheet %d journal %d trade %d]\n",
                    f, (long long)seed, why.c_str(), ToUtf8(CurrentMapName).c_str(),
                    DialogueOpen, InventoryOpen, SheetOpen, JournalOpen, TradeOpen);
            return 3;
        }
    }
    seen.kills = DeadEnemies() - deadAtStart;
    printf("soak: %ld frames, seed %lld, no breach; dialogues %ld, trades %ld, inventory %ld, "
           "enemies killed %ld, map changes %ld\n",
           frames, (long long)seed, seen.dialogues, seen.trades, seen.inventories, seen.kills,
           seen.mapChanges);
    return 0;
}
